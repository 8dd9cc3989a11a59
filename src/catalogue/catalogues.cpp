#include "catalogue/catalogues.h"

#include <string_view>
#include <unordered_set>

#include "catalogue/name_tables.h"
#include "catalogue/picture_package.h"
#include "store/profile_file.h"
#include "store/registry.h"
#include "store/settings.h"

namespace qm {

namespace {

// The registry section of a category word, or nullptr for any other word.
const char* SectionOfWord(const Text& word) {
    if (word == BuildingWord()) return kBuildingTypes;
    if (word == InfantryWord()) return kInfantryTypes;
    if (word == VehicleWord()) return kVehicleTypes;
    if (word == AircraftWord()) return kAircraftTypes;
    if (word == CountryWord()) return kCountries;
    return nullptr;
}

// The IDs of a table's items. Countries the game defines without a name of ours count as
// named too.
std::unordered_set<Text> KnownIds(const Text& table, bool countries) {
    std::unordered_set<Text> ids;
    for (const Text& item : SplitText(table, TableSeparator())) ids.insert(ItemId(item));
    if (countries) {
        for (const char* id : {"Arabs", "GDI", "Nod", "Neutral", "Special"}) ids.insert(id);
    }
    return ids;
}

// The ID a registry value names: the value itself, or, when it carries a ";" comment, the part
// before the ";" without blanks.
Text RegistryId(Text value) {
    const int semicolon = FindText(value, ";");
    if (semicolon > 0) value = RemoveBlanks(std::string_view(value).substr(0, semicolon - 1));
    return value;
}

TextList TableItems(const Text& completed) { return SplitText(completed, TableSeparator()); }

}  // namespace

const Text& BuildingWord() {
    static const Text w = Gbk("建筑");
    return w;
}
const Text& InfantryWord() {
    static const Text w = Gbk("步兵");
    return w;
}
const Text& VehicleWord() {
    static const Text w = Gbk("车船");
    return w;
}
const Text& AircraftWord() {
    static const Text w = Gbk("飞行");
    return w;
}
const Text& CountryWord() {
    static const Text w = Gbk("国家");
    return w;
}

Text CompleteNameTable(const std::string& rulesPath, const Text& table, const Text& categoryWord,
                       TextList* unknown) {
    static const Text kUnknownName = Gbk("-未知");
    const char* section = SectionOfWord(categoryWord);
    if (!section) return table;

    const TextList keys = ListSectionKeys(rulesPath, section);
    if (keys.empty()) return table;
    const std::unordered_set<Text> known = KnownIds(table, categoryWord == CountryWord());

    Text extra;
    for (const Text& key : keys) {
        const Text id = RegistryId(ReadProfileValue(rulesPath, section, key));
        if (id.empty() || known.count(id)) continue;
        extra += id;
        extra += kUnknownName;
        extra += TableSeparator();
        if (unknown) unknown->push_back(id + kUnknownName);
    }
    return table + extra;
}

Text CompleteNameTable(const Text& table, const Text& categoryWord) {
    return CompleteNameTable(RulesPath, table, categoryWord);
}

Catalogues MakeCatalogues(const std::string& rulesPath, int version) {
    Catalogues c;
    c.WeaponItems = SplitText(WeaponTable(), WeaponSeparator());
    c.BuildingList =
        TableItems(CompleteNameTable(rulesPath, BuildingTable(version), BuildingWord()));
    c.PrerequisiteItems = c.BuildingList;
    c.InfantryList =
        TableItems(CompleteNameTable(rulesPath, InfantryTable(version), InfantryWord()));
    c.VehicleList =
        TableItems(CompleteNameTable(rulesPath, VehicleTable(version), VehicleWord()));
    c.AircraftList =
        TableItems(CompleteNameTable(rulesPath, AircraftTable(version), AircraftWord()));
    c.CountryItems = TableItems(
        CompleteNameTable(rulesPath, CountryTable(version), CountryWord(), &c.OtherCountries));
    return c;
}

Catalogues& ProgramCatalogues() {
    static Catalogues catalogues;
    return catalogues;
}

void BuildCatalogues() {
    ProgramCatalogues() = MakeCatalogues(RulesPath, GameVersion);
    EnsurePicturePackage();
}

TextList DisplayItems(const std::string& rulesPath, int version, const std::string& kind) {
    auto complete = [&](const Text& table, const Text& word) {
        return TableItems(CompleteNameTable(rulesPath, table, word));
    };
    if (kind == "infantry") return complete(InfantryTable(version), InfantryWord());
    if (kind == "vehicles") return complete(VehicleTable(version), VehicleWord());
    if (kind == "aircraft") return complete(AircraftTable(version), AircraftWord());
    if (kind == "buildings") return complete(BuildingTable(version), BuildingWord());
    if (kind == "countries") return complete(CountryTable(version), CountryWord());
    if (kind == "weapons") return SplitText(WeaponTable(), WeaponSeparator());
    return {};
}

}  // namespace qm

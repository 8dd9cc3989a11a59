#include "catalogue/catalogues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "catalogue/name_tables.h"
#include "store/file_services.h"
#include "store/settings.h"
#include "support/temp_dir.h"

namespace {

using qm::Catalogues;
using qm::Gbk;
using qm::Text;
using qm::TextList;

TextList Items(const Text& table) { return qm::SplitText(table, qm::TableSeparator()); }

// "ID-未知" for each ID.
TextList Unknown(std::initializer_list<const char*> ids) {
    TextList out;
    for (const char* id : ids) out.push_back(Text(id) + Gbk("-未知"));
    return out;
}

TextList Concat(TextList a, const TextList& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

bool Has(const TextList& items, const Text& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

class CatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        qm::ResetProgramValues();
        qm::SetProgramDirectoryForTests(dir_.path());
        qm::ProgramCatalogues() = {};
    }
    void TearDown() override {
        qm::ProgramCatalogues() = {};
        qm::SetProgramDirectoryForTests("");
        qm::ResetProgramValues();
    }

    // Writes a rules file into the test folder and returns its path.
    std::string Rules(const std::string& bytes, const std::string& name = "Rules.ini") {
        const std::string path = dir_.file(name);
        qmtest::Spit(path, bytes);
        return path;
    }
    std::string StockRules(int version) {
        return Rules(qm::TemplateBytes(version), qm::RulesFileName(version));
    }

    qmtest::TempDir dir_;
};

struct StockCase {
    int version;
    size_t buildingUnknown;
    TextList infantryUnknown;
    TextList vehicleUnknown;
    TextList aircraftUnknown;
};

TEST_F(CatalogueTest, StockTemplatesGiveTheTablesFollowedByTheirUnknownIds) {
    const StockCase cases[] = {
        {1, 216, {}, Unknown({"ZEP", "SHAD", "HIND", "LTNK", "XCOMET", "DeathDummy"}),
         Unknown({"APACHE", "CARGOPLANE"})},
        // MIND and CATIME were hidden inside TMIND and CATIME01 by a substring match.
        {2, 278, Unknown({"YDOG", "YADOG"}),
         Unknown({"ZEP", "SHAD", "HIND", "XCOMET", "DeathDummy", "TELE", "SCHP", "MIND", "UTNK",
                  "YDUM", "SCHD", "CIVP"}),
         Unknown({"APACHE", "CARGOPLANE"})},
    };
    for (const StockCase& c : cases) {
        SCOPED_TRACE("version " + std::to_string(c.version));
        qm::RulesPath = StockRules(c.version);
        qm::GameVersion = c.version;
        qm::BuildCatalogues();
        const Catalogues& cat = qm::ProgramCatalogues();

        EXPECT_EQ(cat.InfantryList, Concat(Items(qm::InfantryTable(c.version)), c.infantryUnknown));
        EXPECT_EQ(cat.VehicleList, Concat(Items(qm::VehicleTable(c.version)), c.vehicleUnknown));
        EXPECT_EQ(cat.AircraftList, Concat(Items(qm::AircraftTable(c.version)), c.aircraftUnknown));

        const TextList buildings = Items(qm::BuildingTable(c.version));
        ASSERT_EQ(cat.BuildingList.size(), buildings.size() + c.buildingUnknown);
        EXPECT_TRUE(std::equal(buildings.begin(), buildings.end(), cat.BuildingList.begin()));
        EXPECT_EQ(cat.BuildingList[buildings.size()], Gbk("CAHSE07-未知"));  // first unknown
        EXPECT_FALSE(Has(cat.BuildingList, Gbk("GAPOWR-未知")));
        EXPECT_EQ(Has(cat.BuildingList, Gbk("CATIME-未知")), c.version == 2);
        EXPECT_EQ(Has(cat.BuildingList, Gbk("NAPSIS-未知")), c.version == 1);
        EXPECT_EQ(cat.PrerequisiteItems, cat.BuildingList);

        EXPECT_EQ(cat.CountryItems, Items(qm::CountryTable(c.version)));
        EXPECT_TRUE(cat.OtherCountries.empty());
        EXPECT_EQ(cat.WeaponItems, qm::SplitText(qm::WeaponTable(), ","));
        EXPECT_EQ(cat.WeaponItems.size(), 177u);
    }
    EXPECT_TRUE(qm::FileExists(dir_.file("Picture.pic")));
}

// One registry of a small rules file, read as Red Alert 2.
struct MatchCase {
    const char* name;
    const char* section;
    TextList Catalogues::*list;
    const Text& (*table)(int);
    const char* entries;  // registry body, CR LF lines
    TextList unknown;
};

TEST_F(CatalogueTest, AnIdIsKnownOnlyWhenItIsAnIdOfTheTable) {
    const MatchCase cases[] = {
        {"part of a table ID", "BuildingTypes", &Catalogues::BuildingList, qm::BuildingTable,
         "1=GAPOWR\r\n2=GAPOW\r\n3=CAMISC0\r\n", Unknown({"GAPOW", "CAMISC0"})},
        {"part of a name", "BuildingTypes", &Catalogues::BuildingList, qm::BuildingTable,
         "1=V3\r\n", Unknown({"V3"})},
        {"comment of a known ID", "InfantryTypes", &Catalogues::InfantryList, qm::InfantryTable,
         "1=E1\r\n2=E2 ;conscript\r\n3=DOG;dog\r\n", {}},
        {"letter case", "InfantryTypes", &Catalogues::InfantryList, qm::InfantryTable,
         "1=e1\r\n2=E1\r\n", Unknown({"e1"})},
        {"comment cut, blanks removed", "InfantryTypes", &Catalogues::InfantryList,
         qm::InfantryTable, "1=NEW ONE ; my unit ; more\r\n2=X\xA1\xA1Y;c\r\n",
         Unknown({"NEWONE", "XY"})},
        {"empty value or only a comment", "InfantryTypes", &Catalogues::InfantryList,
         qm::InfantryTable, "1=\r\n2=E1\r\n3= ;nothing\r\n", {}},
        {"repeated unknown", "VehicleTypes", &Catalogues::VehicleList, qm::VehicleTable,
         "1=NEWT\r\n2=MTNK\r\n3=NEWT\r\n4=MTNK\r\n", Unknown({"NEWT", "NEWT"})},
        {"an ID of another category", "AircraftTypes", &Catalogues::AircraftList,
         qm::AircraftTable, "1=ORCA\r\n2=ORC\r\n3=MTNK\r\n", Unknown({"ORC", "MTNK"})},
        {"registry order", "AircraftTypes", &Catalogues::AircraftList, qm::AircraftTable,
         "3=ZZ\r\n1=AA\r\n", Unknown({"ZZ", "AA"})},
    };
    for (const MatchCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path =
            Rules("[General]\r\nName=Red Alert 2\r\n\r\n[" + std::string(c.section) + "]\r\n" +
                  c.entries + "\r\n[Next]\r\nA=B\r\n");
        const Catalogues cat = qm::MakeCatalogues(path, 1);
        EXPECT_EQ(cat.*c.list, Concat(Items(c.table(1)), c.unknown));
    }
}

TEST_F(CatalogueTest, UnknownCountriesGoToTheOwnerItemsAndTheOtherCountries) {
    const std::string path = Rules(
        "[Countries]\r\n0=Americans\r\n1=GDI\r\n2=Nod\r\n3=Neutral\r\n4=Special\r\n5=Arabs\r\n"
        "6=Mars\r\n7=GD\r\n8=YuriCountry\r\n");
    const Catalogues ra2 = qm::MakeCatalogues(path, 1);
    const TextList unknown = Unknown({"Mars", "GD", "YuriCountry"});
    EXPECT_EQ(ra2.CountryItems, Concat(Items(qm::CountryTable(1)), unknown));
    EXPECT_EQ(ra2.OtherCountries, unknown);

    const Catalogues yr = qm::MakeCatalogues(path, 2);
    EXPECT_EQ(yr.OtherCountries, Unknown({"Mars", "GD"}));
}

TEST_F(CatalogueTest, CompleteNameTableAppendsUnknownItemsToTheTableText) {
    qm::RulesPath = Rules("[BuildingTypes]\r\n1=GAPOWR\r\n2=GAPOW\r\n");
    const Text& table = qm::BuildingTable(1);
    EXPECT_EQ(qm::CompleteNameTable(table, qm::BuildingWord()), table + Gbk("GAPOW-未知，"));
    // Another category's registry is not there; an unknown word reads nothing.
    EXPECT_EQ(qm::CompleteNameTable(table, qm::InfantryWord()), table);
    EXPECT_EQ(qm::CompleteNameTable(table, Gbk("房屋")), table);

    qm::RulesPath = dir_.file("missing.ini");
    EXPECT_EQ(qm::CompleteNameTable(table, qm::BuildingWord()), table);
}

TEST_F(CatalogueTest, AMissingRulesFileGivesExactlyTheTables) {
    qm::RulesPath = dir_.file("Rulesmd.ini");
    qm::GameVersion = 2;
    qm::BuildCatalogues();
    const Catalogues& cat = qm::ProgramCatalogues();
    EXPECT_EQ(cat.BuildingList, Items(qm::BuildingTable(2)));
    EXPECT_EQ(cat.InfantryList, Items(qm::InfantryTable(2)));
    EXPECT_EQ(cat.VehicleList, Items(qm::VehicleTable(2)));
    EXPECT_EQ(cat.AircraftList, Items(qm::AircraftTable(2)));
    EXPECT_EQ(cat.CountryItems, Items(qm::CountryTable(2)));
    EXPECT_TRUE(cat.OtherCountries.empty());
}

TEST_F(CatalogueTest, ARebuildReplacesEverything) {
    qm::RulesPath = Rules("[Countries]\r\n0=Mars\r\n\r\n[InfantryTypes]\r\n1=NEWGUY\r\n");
    qm::GameVersion = 1;
    qm::BuildCatalogues();
    EXPECT_EQ(qm::ProgramCatalogues().OtherCountries, Unknown({"Mars"}));
    EXPECT_EQ(qm::ProgramCatalogues().InfantryList.back(), Gbk("NEWGUY-未知"));

    Rules("[InfantryTypes]\r\n1=E1\r\n");
    qm::BuildCatalogues();
    const Catalogues& cat = qm::ProgramCatalogues();
    EXPECT_TRUE(cat.OtherCountries.empty());
    EXPECT_EQ(cat.CountryItems, Items(qm::CountryTable(1)));
    EXPECT_EQ(cat.InfantryList, Items(qm::InfantryTable(1)));
    EXPECT_EQ(cat.WeaponItems.size(), 177u);
    EXPECT_EQ(cat.PrerequisiteItems.size(), 110u);
}

TEST_F(CatalogueTest, AYuriFileReadAsEitherVersion) {
    const std::string path = StockRules(2);
    const Catalogues ra2 = qm::MakeCatalogues(path, 1);
    const Catalogues yr = qm::MakeCatalogues(path, 2);

    EXPECT_TRUE(Has(ra2.InfantryList, Gbk("YURI-尤里")));
    EXPECT_TRUE(Has(ra2.InfantryList, Gbk("YDOG-未知")));
    EXPECT_TRUE(Has(ra2.InfantryList, Gbk("GGI-未知")));
    EXPECT_FALSE(Has(ra2.InfantryList, Gbk("YURI-克隆尤里")));
    EXPECT_TRUE(Has(ra2.VehicleList, Gbk("PCV-未知")));
    EXPECT_TRUE(Has(ra2.CountryItems, Gbk("YuriCountry-未知")));
    EXPECT_EQ(ra2.OtherCountries, Unknown({"YuriCountry"}));

    EXPECT_TRUE(Has(yr.InfantryList, Gbk("YURI-克隆尤里")));
    EXPECT_TRUE(Has(yr.InfantryList, Gbk("GGI-重装大兵")));
    EXPECT_FALSE(Has(yr.InfantryList, Gbk("GGI-未知")));
    EXPECT_FALSE(Has(yr.InfantryList, Gbk("YURI-尤里")));
    EXPECT_TRUE(Has(yr.VehicleList, Gbk("PCV-尤里基地车")));
    EXPECT_TRUE(yr.OtherCountries.empty());
}

TEST_F(CatalogueTest, DisplayItemsByKind) {
    const std::string path = StockRules(2);
    for (int version : {1, 2}) {
        const Catalogues cat = qm::MakeCatalogues(path, version);
        const struct {
            const char* kind;
            const TextList& items;
        } kinds[] = {
            {"infantry", cat.InfantryList},   {"vehicles", cat.VehicleList},
            {"aircraft", cat.AircraftList},   {"buildings", cat.BuildingList},
            {"countries", cat.CountryItems},  {"weapons", cat.WeaponItems},
        };
        for (const auto& k : kinds) {
            SCOPED_TRACE(std::string(k.kind) + " v" + std::to_string(version));
            EXPECT_EQ(qm::DisplayItems(path, version, k.kind), k.items);
        }
    }
    EXPECT_TRUE(qm::DisplayItems(path, 2, "ships").empty());
    EXPECT_TRUE(qm::DisplayItems(path, 2, "").empty());
}

}  // namespace

// Display lists: the name tables completed with the IDs a rules file's registries list but the
// tables lack ("ID-未知"), and the item lists the editor puts into its combo boxes. Plain data;
// the windows only copy these into their controls.
#pragma once

#include <string>

#include "store/gbk_text.h"

namespace qm {

// Everything one build produces. A build replaces all of it.
struct Catalogues {
    // Table items in table order, then the unknown IDs of the registry in registry order.
    TextList BuildingList;
    TextList InfantryList;
    TextList VehicleList;  // vehicles and ships
    TextList AircraftList;

    TextList WeaponItems;        // the five weapon combo boxes, each gets all of them
    TextList PrerequisiteItems;  // 组合框_前提选择: the building items
    TextList CountryItems;       // 组合框_仅拥有: the country items, unknown countries included
    // 其他国家列表: "ID-未知" for each country without a built-in name. When it is not empty
    // the editor enables 其他国家_按钮 and 其他国家_编辑框.
    TextList OtherCountries;
};

// Category words of the name tables, GBK: "建筑", "步兵", "车船", "飞行", "国家".
const Text& BuildingWord();
const Text& InfantryWord();
const Text& VehicleWord();
const Text& AircraftWord();
const Text& CountryWord();

// The table followed by "ID-未知，" for every registry entry of the category whose ID is not an
// ID of the table (for "国家" also not one of Arabs, GDI, Nod, Neutral, Special). The ID of an
// entry is its value; a value holding ";" is cut before it and its blanks removed. Entries
// with an empty ID add nothing; a repeated unknown ID is added each time. When `unknown` is
// given, each added "ID-未知" is also appended there. An unknown category word, a missing file
// or a missing registry gives the table unchanged.
Text CompleteNameTable(const std::string& rulesPath, const Text& table, const Text& categoryWord,
                       TextList* unknown = nullptr);
// The same on RulesPath.
Text CompleteNameTable(const Text& table, const Text& categoryWord);

// The catalogues of a rules file read as the given game version (2 Yuri's Revenge, anything
// else Red Alert 2). Reads only; writes nothing.
Catalogues MakeCatalogues(const std::string& rulesPath, int version);

// The program-wide catalogues, empty until the first build.
Catalogues& ProgramCatalogues();

// Rebuilds the program-wide catalogues from RulesPath and GameVersion, then writes the picture
// package beside the program when it is missing.
void BuildCatalogues();

// The items the editor shows for a rules file and version, by kind: "infantry", "vehicles",
// "aircraft", "buildings", "countries" (the country items, unknown ones included) or
// "weapons" (the weapon items). Any other kind gives the empty list.
TextList DisplayItems(const std::string& rulesPath, int version, const std::string& kind);

}  // namespace qm

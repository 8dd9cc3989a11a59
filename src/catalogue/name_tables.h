// The built-in name tables: display items ("ID-名称") for each category and game version, and
// the weapon table shared by both versions. The texts are GBK. Every item of a category table
// is followed by "，" (the last one too); weapon items are separated by "," with none after
// the last, and a weapon item may be the bare ID.
#pragma once

#include "store/gbk_text.h"

namespace qm {

// Version 2 gives the Yuri's Revenge table, any other value the Red Alert 2 table.
const Text& BuildingTable(int version);   // 129 / 110 items
const Text& InfantryTable(int version);   // 63 / 56 items
const Text& VehicleTable(int version);    // 72 / 59 items (vehicles and ships)
const Text& AircraftTable(int version);   // 13 / 9 items
const Text& CountryTable(int version);    // 10 / 9 items

// 177 weapon items, the same for both versions.
const Text& WeaponTable();

// The separators of the tables, as GBK: "，" after every category item, "," between weapons.
const Text& TableSeparator();
const Text& WeaponSeparator();

}  // namespace qm

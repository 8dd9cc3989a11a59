// The few values the windows hand to each other.
#pragma once

#include <string>

namespace qm {

// Registry name of the category the editor lists ("InfantryTypes", "VehicleTypes",
// "AircraftTypes", "BuildingTypes"), empty before a category is chosen.
extern std::string CurrentCategory;
// 1 infantry, 2 vehicles and ships, 3 aircraft, 4 buildings; set before NewUnitWindow opens.
extern int NewUnitCategory;
// 0 basic settings, 1 paradrops, 2 about; set before SettingsWindow opens.
extern int SettingsPage;

}  // namespace qm

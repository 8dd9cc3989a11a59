// Type registries: the keys of one section, read by parsing the file's lines.
#pragma once

#include <string>

#include "store/gbk_text.h"

namespace qm {

// Registry section names.
inline const char* const kInfantryTypes = "InfantryTypes";
inline const char* const kVehicleTypes = "VehicleTypes";
inline const char* const kAircraftTypes = "AircraftTypes";
inline const char* const kBuildingTypes = "BuildingTypes";
inline const char* const kCountries = "Countries";

// The keys of the section, in file order, joined with "|"; empty when the file or the section
// is missing or the section has no key lines. The section header must match exactly
// (letter case significant).
Text SectionKeysText(const std::string& file, const Text& section);

// The same keys as a list.
TextList ListSectionKeys(const std::string& file, const Text& section);

}  // namespace qm

// A rules file the size of a large mod, for the benchmarks: the stock Yuri's Revenge rules
// plus generated vehicles and comment lines, about 2.5 MB, 115,000 lines and 1,300 registry
// entries.
#pragma once

#include <string>

namespace qmbench {

// Writes the file and returns its bytes. The generated vehicles are named BENCH0000 and up.
std::string MakeBigRulesFile(const std::string& path);

// ID of the i-th generated vehicle.
std::string BenchUnitId(int i);

// A fresh temporary folder (not removed: the benchmarks are short-lived programs).
std::string BenchTempDir();

}  // namespace qmbench

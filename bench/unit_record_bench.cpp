// LoadUnit and SaveUnit of one unit on a large rules file.
#include <benchmark/benchmark.h>

#include "big_rules.h"
#include "store/registry.h"
#include "store/rules_document.h"
#include "store/settings.h"

namespace {

void UseBigFile() {
    static const std::string path = [] {
        std::string p = qmbench::BenchTempDir() + "/Rulesmd.ini";
        qmbench::MakeBigRulesFile(p);
        return p;
    }();
    qm::RulesPath = path;
    qm::GameVersion = 2;
}

// A unit in the middle of the generated ones.
const std::string& UnitId() {
    static const std::string id = qmbench::BenchUnitId(370);
    return id;
}

void BM_LoadUnit(benchmark::State& state) {
    UseBigFile();
    qm::RulesDocument rules;
    qm::UnitRecord u;
    rules.LoadUnit(qm::kVehicleTypes, UnitId(), u);  // the first read parses the file
    for (auto _ : state) {
        qm::UnitRecord r;
        benchmark::DoNotOptimize(rules.LoadUnit(qm::kVehicleTypes, UnitId(), r));
    }
}
BENCHMARK(BM_LoadUnit)->Unit(benchmark::kMicrosecond);

// The editor's save: the loaded unit with one field changed, written back.
void BM_SaveUnit(benchmark::State& state) {
    UseBigFile();
    qm::RulesDocument rules;
    qm::UnitRecord u;
    rules.LoadUnit(qm::kVehicleTypes, UnitId(), u);
    int i = 0;
    for (auto _ : state) {
        u.cost = std::to_string(700 + (i++ % 2));
        if (!rules.SaveUnit(qm::kVehicleTypes, UnitId(), u)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_SaveUnit)->Unit(benchmark::kMillisecond);

// What the editor does per edit: load the unit, then save it.
void BM_LoadAndSaveUnit(benchmark::State& state) {
    UseBigFile();
    qm::RulesDocument rules;
    int i = 0;
    for (auto _ : state) {
        qm::UnitRecord u;
        rules.LoadUnit(qm::kVehicleTypes, UnitId(), u);
        u.cost = std::to_string(700 + (i++ % 2));
        if (!rules.SaveUnit(qm::kVehicleTypes, UnitId(), u)) state.SkipWithError("save failed");
    }
}
BENCHMARK(BM_LoadAndSaveUnit)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

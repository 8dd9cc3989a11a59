// Profile reads and writes on a large rules file.
#include <benchmark/benchmark.h>

#include "big_rules.h"
#include "store/profile_file.h"
#include "store/registry.h"

namespace {

struct BigFile {
    std::string path;
    BigFile() {
        path = qmbench::BenchTempDir() + "/Rulesmd.ini";
        qmbench::MakeBigRulesFile(path);
    }
};

const std::string& Path() {
    static BigFile f;
    return f.path;
}

const char* kUnitKeys[] = {"Owner", "Prerequisite", "Cost", "Strength", "BuildLimit", "Speed",
                           "PhysicalSize", "OpportunityFire", "Sight", "Image", "Name",
                           "Passengers", "Primary", "Secondary", "ElitePrimary", "EliteSecondary",
                           "DeathWeapon", "Armor", "TechLevel", "RequiredHouses", "CrateGoodie",
                           "Crusher", "DeploysInto", "AllowedToStartInMultiplayer", "SelfHealing",
                           "Deployer", "DeployFire", "C4", "Occupier", "CanDisguise",
                           "PermaDisguise", "ImmuneToPsionics", "Crushable", "Explodes",
                           "UIName", "Category", "Soylent", "Points", "ROT", "Turret",
                           "Locomotor", "Weight", "MovementZone", "Size", "VoiceSelect"};

void BM_ReadOneValue(benchmark::State& state) {
    const std::string& p = Path();
    qm::ReadProfileValue(p, "General", "Name");  // first read parses the file
    for (auto _ : state) benchmark::DoNotOptimize(qm::ReadProfileValue(p, "BENCH0500", "Cost"));
}
BENCHMARK(BM_ReadOneValue)->Unit(benchmark::kMicrosecond);

void BM_ReadUnitKeys45(benchmark::State& state) {
    const std::string& p = Path();
    qm::ReadProfileValue(p, "General", "Name");
    for (auto _ : state)
        for (const char* k : kUnitKeys) benchmark::DoNotOptimize(qm::ReadProfileValue(p, "MTNK", k));
}
BENCHMARK(BM_ReadUnitKeys45)->Unit(benchmark::kMicrosecond);

void BM_WriteOneValue(benchmark::State& state) {
    const std::string& p = Path();
    int i = 0;
    for (auto _ : state) qm::WriteProfileValue(p, "MTNK", "Cost", std::to_string(700 + (i++ % 2)));
}
BENCHMARK(BM_WriteOneValue)->Unit(benchmark::kMillisecond);

void BM_FirstReadAfterOutsideChange(benchmark::State& state) {
    const std::string& p = Path();
    for (auto _ : state) {
        state.PauseTiming();
        qm::WriteProfileValue(p + ".other", "x", "y", "z");  // keep the cache busy elsewhere
        std::string bytes;
        {
            FILE* f = fopen(p.c_str(), "rb+");
            fseek(f, 0, SEEK_END);
            fputc(';', f);
            fclose(f);
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(qm::ReadProfileValue(p, "MTNK", "Cost"));
    }
}
BENCHMARK(BM_FirstReadAfterOutsideChange)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_ListSectionKeys(benchmark::State& state) {
    const std::string& p = Path();
    for (auto _ : state) benchmark::DoNotOptimize(qm::ListSectionKeys(p, "VehicleTypes"));
}
BENCHMARK(BM_ListSectionKeys)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

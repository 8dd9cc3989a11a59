// The catalogue build on a large rules file: five registry parses and one profile read per
// registry entry.
#include <benchmark/benchmark.h>

#include "big_rules.h"
#include "catalogue/catalogues.h"
#include "store/file_services.h"
#include "store/settings.h"

namespace {

struct BigFile {
    std::string dir;
    std::string path;
    std::string bytes;
    BigFile() {
        dir = qmbench::BenchTempDir();
        path = dir + "/Rulesmd.ini";
        bytes = qmbench::MakeBigRulesFile(path);
        qm::SetProgramDirectoryForTests(dir);  // Picture.pic goes here on the first build
        qm::RulesPath = path;
        qm::GameVersion = 2;
    }
};

const BigFile& Big() {
    static BigFile f;
    return f;
}

// The file was read before (the editor reopened on an unchanged file).
void BM_BuildCatalogues(benchmark::State& state) {
    Big();
    qm::BuildCatalogues();
    for (auto _ : state) qm::BuildCatalogues();
    state.counters["vehicles"] = static_cast<double>(qm::ProgramCatalogues().VehicleList.size());
}
BENCHMARK(BM_BuildCatalogues)->Unit(benchmark::kMillisecond);

// The file has just been replaced (first build after opening, or after another program wrote
// it), so the build reads and parses it afresh.
void BM_BuildCataloguesChangedFile(benchmark::State& state) {
    const BigFile& f = Big();
    for (auto _ : state) {
        state.PauseTiming();
        qm::WriteWholeFile(f.path, f.bytes);
        state.ResumeTiming();
        qm::BuildCatalogues();
    }
}
BENCHMARK(BM_BuildCataloguesChangedFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The editor window on a large rules file: selecting a unit (the form cleared, the record
// loaded, lists matched, owners, prerequisites and picture shown) and switching the category
// (the list refilled, the form reset). Runs offscreen.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QTreeWidget>
#include <memory>

#include "app/scripted_services.h"
#include "app/skin.h"
#include "big_rules.h"
#include "editor/editor_window.h"
#include "store/file_services.h"
#include "store/settings.h"

namespace {

struct Fixture {
    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    qm::ScriptedRandom random;
    std::unique_ptr<qm::EditorWindow> editor;

    Fixture() {
        const std::string dir = qmbench::BenchTempDir();
        qm::SetProgramDirectoryForTests(dir);
        qm::RulesPath = dir + "/Rulesmd.ini";
        qm::GameVersion = 2;
        qmbench::MakeBigRulesFile(qm::RulesPath);
        editor = std::make_unique<qm::EditorWindow>(
            qm::Services{&prompts, &sounds, &clock, &random}, qm::EditorOpeners{});
        editor->show();
        editor->Created();
    }
};

Fixture& Editor() {
    static Fixture fixture;
    return fixture;
}

QTreeWidgetItem* Row(qm::EditorWindow& w, const std::string& id) {
    const auto found = w.单位列表框->findItems(QString::fromStdString(id) + "-", Qt::MatchStartsWith);
    return found.isEmpty() ? nullptr : found.front();
}

// Two vehicles in turn, so every selection is a change: a stock tank and a generated one.
void BM_SelectUnit(benchmark::State& state) {
    qm::EditorWindow& w = *Editor().editor;
    w.工具条项目[4]->trigger();
    QTreeWidgetItem* rows[] = {Row(w, "MTNK"), Row(w, qmbench::BenchUnitId(370))};
    if (!rows[0] || !rows[1]) {
        state.SkipWithError("units not listed");
        return;
    }
    int i = 0;
    for (auto _ : state) w.单位列表框->setCurrentItem(rows[i++ % 2]);
    state.counters["listed"] = w.单位列表框->topLevelItemCount();
}
BENCHMARK(BM_SelectUnit)->Unit(benchmark::kMillisecond);

// Vehicles (1,300 units with the generated ones) and infantry in turn.
void BM_SwitchCategory(benchmark::State& state) {
    qm::EditorWindow& w = *Editor().editor;
    int i = 0;
    for (auto _ : state) w.工具条项目[i++ % 2 ? 3 : 4]->trigger();
}
BENCHMARK(BM_SwitchCategory)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qm::SkinH_Attach();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Editor().editor.reset();
    return 0;
}

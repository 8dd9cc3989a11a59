// Saves PNGs of EditorWindow as a person meets it on the stock Yuri's Revenge rules: the
// welcome page, each category with a unit loaded, the other-countries list open, and the wait
// window. Works on a temporary program folder; run it on a real display or under Xvfb:
// editor_screenshots OUTPUT_DIR.
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <cstdio>

#include "app/application.h"
#include "app/scripted_services.h"
#include "app/skin.h"
#include "catalogue/picture_package.h"
#include "editor/editor_window.h"
#include "editor/wait_window.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/settings.h"
#include "support/screenshot_tool.h"
#include "support/temp_dir.h"

namespace {

qmtest::ScreenshotTool tool;

void SelectUnit(qm::EditorWindow& editor, const char* id) {
    const auto found = editor.单位列表框->findItems(QString::fromUtf8(id) + "-", Qt::MatchStartsWith);
    if (!found.isEmpty()) {
        editor.单位列表框->setCurrentItem(found.front());
        editor.单位列表框->scrollToItem(found.front());
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!tool.Start(app, argc, argv, "editor_screenshots")) return 2;

    qmtest::TempDir program;
    qm::SetProgramDirectoryForTests(program.path());
    qmtest::Spit(qm::PlaceholderPicturePath(), qm::ReadWholeFile(QUILLMERE_NONE_PIC));
    qm::GameVersion = 2;
    qm::RulesPath = program.file("Rulesmd.ini");
    qmtest::Spit(qm::RulesPath, qm::TemplateBytes(2));
    // A country of a mod, so the other-countries list has something to show.
    qm::WriteProfileValue(qm::RulesPath, "Countries", "99", "Mexicans");

    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    qm::ScriptedRandom random;
    const qm::Services services{&prompts, &sounds, &clock, &random};

    {
        qm::WaitWindow wait;
        tool.Shoot(&wait, "WaitWindow");
    }

    qm::EditorWindow editor(services);
    editor.show();
    editor.Created();
    tool.Shoot(&editor, "EditorWindow_welcome");

    const struct {
        int entry;
        const char* unit;
        const char* name;
    } shots[] = {{3, "E1", "EditorWindow_infantry"},
                 {4, "MTNK", "EditorWindow_vehicles"},
                 {5, "ORCA", "EditorWindow_aircraft"},
                 {6, "GAWEAP", "EditorWindow_buildings"}};
    for (const auto& shot : shots) {
        editor.工具条项目[shot.entry]->trigger();
        SelectUnit(editor, shot.unit);
        tool.Shoot(&editor, shot.name);
    }

    editor.工具条项目[4]->trigger();
    SelectUnit(editor, "SREF");
    editor.其他国家_按钮->click();
    tool.Shoot(&editor, "EditorWindow_other_countries");

    qm::SetProgramDirectoryForTests("");
    return tool.Finish(7);
}

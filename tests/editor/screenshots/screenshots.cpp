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
#include "support/temp_dir.h"

namespace {

QString outDir;
int saved = 0;

void Settle(int ms = 150) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Shoot(QWidget* w, const char* name) {
    w->show();
    w->raise();
    Settle();
    const QString path = outDir + QStringLiteral("/") + QString::fromUtf8(name) + ".png";
    if (w->grab().save(path)) {
        std::printf("%s\n", path.toUtf8().constData());
        ++saved;
    } else {
        std::fprintf(stderr, "could not save %s\n", path.toUtf8().constData());
    }
}

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
    if (argc != 2) {
        std::fprintf(stderr, "usage: editor_screenshots OUTPUT_DIR\n");
        return 2;
    }
    outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outDir);
    qm::LoadChineseTranslation(app);
    qm::SkinH_Attach();
    app.setQuitOnLastWindowClosed(false);

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
        Shoot(&wait, "WaitWindow");
    }

    qm::EditorWindow editor(services);
    editor.show();
    editor.Created();
    Shoot(&editor, "EditorWindow_welcome");

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
        Shoot(&editor, shot.name);
    }

    editor.工具条项目[4]->trigger();
    SelectUnit(editor, "SREF");
    editor.其他国家_按钮->click();
    Shoot(&editor, "EditorWindow_other_countries");

    qm::SetProgramDirectoryForTests("");
    return saved == 7 ? 0 : 1;
}

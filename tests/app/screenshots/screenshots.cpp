// Saves a PNG of every window of the program, in the states a person meets them, into the
// folder given. Works on a temporary program folder and demo game folder; run it on a real
// display or under Xvfb (scripts/screenshots).
//   app_screenshots OUTPUT_DIR      the windows, one PNG each
//   app_screenshots --screen FILE   the whole screen as it is now (the running program)
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/application.h"
#include "app/game_dir_window.h"
#include "app/editor_placeholder.h"
#include "app/qt_services.h"
#include "app/qt_text.h"
#include "app/scripted_services.h"
#include "app/skin.h"
#include "app/start_window.h"
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

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--screen") {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen && screen->grabWindow(0).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    if (argc != 2) {
        std::fprintf(stderr, "usage: app_screenshots OUTPUT_DIR | --screen FILE\n");
        return 2;
    }
    outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outDir);
    qm::LoadChineseTranslation(app);
    qm::SkinH_Attach();
    app.setQuitOnLastWindowClosed(false);

    // A program folder and a demo game folder holding both rules files.
    qmtest::TempDir program, game;
    qm::SetProgramDirectoryForTests(program.path());
    qmtest::Spit(game.file("Ra2.exe"), "");
    qmtest::Spit(game.file("YURI.exe"), "");
    qm::GameDirectory = game.path() + "/";
    qm::WriteTemplate(1);
    qm::WriteTemplate(2);
    qm::WriteProfileValue(qm::SettingsFilePath(), "Game", "Path", qm::GameDirectory);
    qm::RecordDocumentPaths();

    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    clock.now = QDateTime(QDate(2024, 12, 28), QTime(23, 58, 58));  // the longest clock text
    qm::ScriptedRandom random;
    const qm::Services services{&prompts, &sounds, &clock, &random};

    {
        qm::StartWindow start(services);
        start.show();
        start.Created();
        Shoot(&start, "StartWindow");
        start.按钮_新建->click();
        Shoot(&start, "StartWindow_create_panel");
        start.close();
    }
    {
        qm::DirDialogMode = 1;
        qm::GameDirWindow dialog(services);
        Shoot(&dialog, "GameDirWindow_directory");
        dialog.close();
    }
    {
        qm::DirDialogMode = 0;
        qm::GameDirWindow dialog(services);
        dialog.组合框_配置文件选择->setCurrentIndex(2);
        emit dialog.组合框_配置文件选择->activated(2);
        Shoot(&dialog, "GameDirWindow_rules_file");
        dialog.close();
    }
    {
        qm::RulesPath = qm::GameDirectory + "Rulesmd.ini";
        qm::EditorPlaceholder editor(services);
        Shoot(&editor, "EditorWindow_placeholder");
        editor.close();
    }
    // Qt's own boxes and dialogs as the program shows them.
    {
        auto box = qm::QtPrompts::MakeMessageBox(QStringLiteral("您确定要退出本修改器吗？"),
                                                 qm::PromptIcon::Question, {}, true);
        Shoot(box.get(), "MessageBox_question");
    }
    {
        auto box = qm::QtPrompts::MakeMessageBox(
            QStringLiteral("您选择的并不是〖红色警戒2〗游戏目录，或者您的游戏文件被损坏！"),
            qm::PromptIcon::Information, QStringLiteral("错误"), false);
        Shoot(box.get(), "MessageBox_error");
    }
    {
        auto dialog = qm::QtPrompts::MakeFolderDialog(
            QStringLiteral("请选择[红色警戒2]游戏目录！"), qm::PathToQt(game.path()));
        Shoot(dialog.get(), "FolderPicker");
    }
    {
        auto dialog = qm::QtPrompts::MakeOpenFileDialog(qm::PathToQt(game.path()),
                                                        qm::GameDirWindow::kRulesFileFilter, {});
        Settle(400);  // the folder's entries arrive from a worker thread
        Shoot(dialog.get(), "FileOpenDialog");
    }
    qm::SetProgramDirectoryForTests("");
    return saved == 9 ? 0 : 1;
}

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
#include "app/qt_services.h"
#include "app/qt_text.h"
#include "app/scripted_services.h"
#include "app/skin.h"
#include "app/start_window.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/settings.h"
#include "support/screenshot_tool.h"
#include "support/temp_dir.h"

namespace {

qmtest::ScreenshotTool tool;

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--screen") {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen && screen->grabWindow(0).save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    if (!tool.Start(app, argc, argv, "app_screenshots")) return 2;

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
        tool.Shoot(&start, "StartWindow");
        start.按钮_新建->click();
        tool.Shoot(&start, "StartWindow_create_panel");
        start.close();
    }
    {
        qm::DirDialogMode = 1;
        qm::GameDirWindow dialog(services);
        tool.Shoot(&dialog, "GameDirWindow_directory");
        dialog.close();
    }
    {
        qm::DirDialogMode = 0;
        qm::GameDirWindow dialog(services);
        dialog.组合框_配置文件选择->setCurrentIndex(2);
        emit dialog.组合框_配置文件选择->activated(2);
        tool.Shoot(&dialog, "GameDirWindow_rules_file");
        dialog.close();
    }
    // Qt's own boxes and dialogs as the program shows them.
    {
        auto box = qm::QtPrompts::MakeMessageBox(QStringLiteral("您确定要退出本修改器吗？"),
                                                 qm::PromptIcon::Question, {}, true);
        tool.Shoot(box.get(), "MessageBox_question");
    }
    {
        auto box = qm::QtPrompts::MakeMessageBox(
            QStringLiteral("您选择的并不是〖红色警戒2〗游戏目录，或者您的游戏文件被损坏！"),
            qm::PromptIcon::Information, QStringLiteral("错误"), false);
        tool.Shoot(box.get(), "MessageBox_error");
    }
    {
        auto dialog = qm::QtPrompts::MakeFolderDialog(
            QStringLiteral("请选择[红色警戒2]游戏目录！"), qm::PathToQt(game.path()));
        tool.Shoot(dialog.get(), "FolderPicker");
    }
    {
        auto dialog = qm::QtPrompts::MakeOpenFileDialog(qm::PathToQt(game.path()),
                                                        qm::GameDirWindow::kRulesFileFilter, {});
        tool.Settle(400);  // the folder's entries arrive from a worker thread
        tool.Shoot(dialog.get(), "FileOpenDialog");
    }
    qm::SetProgramDirectoryForTests("");
    return tool.Finish(8);
}

// Saves a PNG of each page of the settings window, as a person meets them, into the folder
// given: the basic page for both games, the paradrop page with a side loaded and a row
// chosen, and the about page with each picture. Works on a temporary game folder holding both
// stock rules files; run it on a real display or under Xvfb (scripts/screenshots).
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>

#include "app/application.h"
#include "app/scripted_services.h"
#include "app/skin.h"
#include "app/window_globals.h"
#include "catalogue/catalogues.h"
#include "settings/settings_window.h"
#include "store/file_services.h"
#include "store/settings.h"
#include "support/screenshot_tool.h"
#include "support/temp_dir.h"

namespace {

qmtest::ScreenshotTool tool;

// The rules file of a version, its catalogues built.
void UseGame(int version) {
    qm::GameVersion = version;
    qm::RulesPath = qm::GameDirectory + qm::RulesFileName(version);
    qm::ProgramCatalogues() = qm::MakeCatalogues(qm::RulesPath, version);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!tool.Start(app, argc, argv, "settings_screenshots")) return 2;

    qmtest::TempDir program, game;
    qm::SetProgramDirectoryForTests(program.path());
    qm::GameDirectory = game.path() + "/";
    qm::WriteTemplate(1);
    qm::WriteTemplate(2);

    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    qm::ScriptedRandom random;
    const qm::Services services{&prompts, &sounds, &clock, &random};

    for (int version : {2, 1}) {
        UseGame(version);
        qm::SettingsPage = 0;
        qm::SettingsWindow window(services);
        tool.Shoot(&window, version == 2 ? "SettingsWindow_basic_yr" : "SettingsWindow_basic_ra2");
    }
    {
        UseGame(2);
        qm::SettingsPage = 1;
        qm::SettingsWindow window(services);
        window.show();
        window.组合框_国家选择->setCurrentIndex(0);
        emit window.组合框_国家选择->activated(0);
        window.组合框_兵种选择->setCurrentIndex(1);
        emit window.组合框_兵种选择->activated(1);
        window.编辑框_兵种数量->setText(QStringLiteral("4"));
        window.按钮_添加兵种->click();
        window.兵种列表->setCurrentItem(window.兵种列表->topLevelItem(1));
        tool.Shoot(&window, "SettingsWindow_paradrop");
    }
    for (int picture : {0, 1}) {
        random.values = {picture};
        qm::SettingsPage = 2;
        qm::SettingsWindow window(services);
        tool.Shoot(&window, picture == 0 ? "SettingsWindow_about_0" : "SettingsWindow_about_1");
    }
    qm::SetProgramDirectoryForTests("");
    return tool.Finish(5);
}

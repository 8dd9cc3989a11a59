// Saves a PNG of NewUnitWindow as a person meets it: a vehicle with an appearance chosen, on
// the stock Red Alert 2 rules. Works on a temporary program folder; run it on a real display
// or under Xvfb: newunit_screenshots OUTPUT_DIR.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "app/application.h"
#include "app/scripted_services.h"
#include "app/skin.h"
#include "app/window_globals.h"
#include "catalogue/catalogues.h"
#include "newunit/new_unit_window.h"
#include "store/file_services.h"
#include "store/settings.h"
#include "support/screenshot_tool.h"
#include "support/temp_dir.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qmtest::ScreenshotTool tool;
    if (!tool.Start(app, argc, argv, "newunit_screenshots")) return 2;

    qmtest::TempDir program;
    qm::SetProgramDirectoryForTests(program.path());
    qm::GameVersion = 1;
    qm::RulesPath = program.file("Rules.ini");
    qmtest::Spit(qm::RulesPath, qm::TemplateBytes(1));
    qm::BuildCatalogues();

    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    qm::ScriptedRandom random;
    random.values = {11, 2, 17, 24, 1, 560};
    const qm::Services services{&prompts, &sounds, &clock, &random};

    qm::NewUnitCategory = 2;
    qm::NewUnitWindow window(services);
    QComboBox* appearance = window.组合框_外观;
    appearance->setCurrentIndex(appearance->findText(QStringLiteral("MTNK-"), Qt::MatchStartsWith));
    window.单选框_两栖方式->setChecked(true);
    tool.Shoot(&window, "NewUnitWindow_vehicle");
    qm::SetProgramDirectoryForTests("");
    return tool.Finish(1);
}

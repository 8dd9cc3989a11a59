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
#include "support/temp_dir.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: newunit_screenshots OUTPUT_DIR\n");
        return 2;
    }
    const QString outDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath();
    QDir().mkpath(outDir);
    qm::LoadChineseTranslation(app);
    qm::SkinH_Attach();

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
    window.show();
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();

    const QString path = outDir + QStringLiteral("/NewUnitWindow_vehicle.png");
    const bool ok = window.grab().save(path);
    std::printf("%s\n", ok ? path.toUtf8().constData() : "could not save the picture");
    qm::SetProgramDirectoryForTests("");
    return ok ? 0 : 1;
}

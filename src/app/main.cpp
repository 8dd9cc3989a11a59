// Quillmere: start-up. Creates the shared objects, attaches the skin, opens the start window
// and runs the event loop; the program ends when its last window closes.
#include <QApplication>

#include "app/application.h"
#include "app/qt_services.h"
#include "app/skin.h"
#include "app/window_hub.h"
#include "catalogue/catalogues.h"
#include "editor/editor_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    qm::LoadChineseTranslation(app);

    qm::QtPrompts prompts;
    qm::QtSounds sounds;
    qm::SystemClock clock;
    qm::SystemRandom random;
    const qm::Services services{&prompts, &sounds, &clock, &random};

    qm::ProgramCatalogues();  // the display lists, empty until the editor builds them
    qm::SkinH_Attach();
    qm::SetEditorOpener(qm::OpenEditor);
    qm::OpenStartWindow(services);
    return app.exec();
}

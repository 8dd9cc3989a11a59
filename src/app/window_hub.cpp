#include "app/window_hub.h"

#include "app/editor_placeholder.h"
#include "app/game_dir_window.h"
#include "app/start_window.h"

namespace qm {

namespace {

EditorOpener& InstalledEditorOpener() {
    static EditorOpener opener;
    return opener;
}

}  // namespace

StartWindow* OpenStartWindow(const Services& services) {
    auto* window = new StartWindow(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    window->Created();
    return window;
}

void RunGameDirDialog(const Services& services, QWidget* owner) {
    GameDirWindow dialog(services, owner);
    dialog.exec();
}

GameDirWindow* OpenGameDirWindow(const Services& services) {
    auto* dialog = new GameDirWindow(services, nullptr);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

QWidget* OpenEditorWindow(const Services& services) {
    QWidget* window = nullptr;
    if (InstalledEditorOpener()) {
        window = InstalledEditorOpener()(services);
    } else {
        window = new EditorPlaceholder(services);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->show();
    }
    return window;
}

void SetEditorOpener(EditorOpener opener) { InstalledEditorOpener() = std::move(opener); }

}  // namespace qm

// How the windows open each other. A window opens another only through these functions, so
// the editor window (built on this shell) can be installed at start without the start-up
// windows depending on it.
#pragma once

#include <functional>

#include "app/services.h"

class QWidget;

namespace qm {

class StartWindow;
class GameDirWindow;

// StartWindow, not modal and deleting itself when closed. It is shown, then runs its start
// steps (the clock, the settings file, the first-run dialog) before this returns.
StartWindow* OpenStartWindow(const Services& services);

// GameDirWindow as a modal dialog over `owner` (none when null), on the face DirDialogMode
// chooses. Returns when the dialog is closed.
void RunGameDirDialog(const Services& services, QWidget* owner);

// GameDirWindow, not modal, without owner, deleting itself when closed.
GameDirWindow* OpenGameDirWindow(const Services& services);

// EditorWindow on RulesPath, not modal, deleting itself when closed.
QWidget* OpenEditorWindow(const Services& services);

// Replaces what OpenEditorWindow opens (the program installs the editor at start); an empty
// function brings back the placeholder window.
using EditorOpener = std::function<QWidget*(const Services&)>;
void SetEditorOpener(EditorOpener opener);

}  // namespace qm

#include "editor/pending_windows.h"

namespace qm {

#ifndef QM_HAVE_NEWUNIT_WINDOW
void RunNewUnitDialog(const Services&, QWidget*, std::function<void(const std::string&)>) {}
#endif

#ifndef QM_HAVE_SETTINGS_WINDOW
QWidget* OpenSettingsWindow(const Services&, QWidget*) { return nullptr; }
#endif

}  // namespace qm

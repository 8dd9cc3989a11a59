// The two windows the editor opens that are built in their own folders: NewUnitWindow
// (newunit) and SettingsWindow (settings). Until a folder's library exists, a stand-in of the
// same signature is compiled here; it opens nothing.
#pragma once

#include <functional>
#include <string>

#include "app/services.h"

class QWidget;

#ifdef QM_HAVE_NEWUNIT_WINDOW
#include "newunit/new_unit_window.h"
#else
namespace qm {
// STAND-IN until src/newunit is built: opens nothing.
void RunNewUnitDialog(const Services& services, QWidget* owner,
                      std::function<void(const std::string& registry)> editNow);
}  // namespace qm
#endif

#ifdef QM_HAVE_SETTINGS_WINDOW
#include "settings/settings_window.h"
#else
namespace qm {
// STAND-IN until src/settings is built: opens nothing and returns null.
QWidget* OpenSettingsWindow(const Services& services, QWidget* owner);
}  // namespace qm
#endif

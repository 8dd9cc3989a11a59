#include "app/window_globals.h"

namespace qm {

std::string CurrentCategory;
int NewUnitCategory = 0;
int SettingsPage = 0;

}  // namespace qm

// What the program sets up before its first window.
#pragma once

class QApplication;

namespace qm {

// Chinese everywhere: the default locale becomes zh_CN and Qt's own Simplified Chinese
// translation is installed, so standard buttons read 是 / 否 / 确定 and the file dialogs are
// Chinese. False when the translation file could not be loaded (the program still runs).
bool LoadChineseTranslation(QApplication& app);

}  // namespace qm

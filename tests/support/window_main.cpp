// Window tests run in one QApplication with the program's translation and skin, offscreen
// unless a platform is given.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/application.h"
#include "app/skin.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Tests close windows without ending anything.
    QApplication::setQuitOnLastWindowClosed(false);
    qm::LoadChineseTranslation(app);
    qm::SkinH_Attach();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

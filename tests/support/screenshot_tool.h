// What the screenshot programs share: the output folder from the command line, the program's
// translation and skin, and saving a picture of a window once it has settled.
#pragma once

#include <QString>

class QApplication;
class QWidget;

namespace qmtest {

class ScreenshotTool {
public:
    // Expects "NAME OUTPUT_DIR"; prints the usage and returns false otherwise. Creates the
    // folder, loads the Chinese translation and attaches the skin.
    bool Start(QApplication& app, int argc, char** argv, const char* name);

    // Lets pending events run for a while (layouts, pictures, worker threads).
    static void Settle(int ms = 150);

    // Shows the window, lets it settle and saves OUTPUT_DIR/NAME.png, printing the path.
    void Shoot(QWidget* window, const char* name);

    // The program's exit status: 0 when `expected` pictures were saved.
    int Finish(int expected) const;

private:
    QString out_dir_;
    int saved_ = 0;
};

}  // namespace qmtest

// A fixture for window tests: its own program folder and game folder, the scripted seams,
// and helpers to find windows, answer modal dialogs and read the settings file.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "app/scripted_services.h"
#include "support/temp_dir.h"

// Readable failure output for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace qmtest {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The game folder, ending with "/".
    std::string GameDir() const { return game.path() + "/"; }
    std::string SettingsFile() const { return program.file("Install.ini"); }
    // A setting of Install.ini ("" when missing).
    std::string Setting(const char* section, const char* key) const;
    // Writes Install.ini with Path of Game set to the game folder, so no first-run dialog.
    void KnowGameDirectory();

    // Visible top-level windows with this objectName.
    static std::vector<QWidget*> Windows(const char* objectName);
    static QWidget* OnlyWindow(const char* objectName);

    // Runs `act` on the next modal dialog as soon as it shows (while the caller is blocked in
    // it), then closes the dialog if `act` left it open. Fails the test when none shows.
    static void WhenModal(std::function<void(QWidget*)> act);

    // The last prompt shown; fails when there was none.
    const qm::ShownPrompt& LastPrompt();

    TempDir program;
    TempDir game;
    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    qm::ScriptedRandom random;
    qm::Services services{&prompts, &sounds, &clock, &random};
};

// True when every caption of `root` and its children fits its control at the current font.
// Lists the ones that do not in `problems`.
bool CaptionsFit(QWidget* root, std::vector<std::string>* problems);

}  // namespace qmtest

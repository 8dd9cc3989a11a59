// A fixture for the editor's tests: its own program folder and rules file, the scripted
// seams, recorders in place of the windows the editor opens, and helpers that click the
// toolbar, pick units and read the rules file back.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "app/scripted_services.h"
#include "app/window_test.h"
#include "editor/editor_window.h"
#include "store/gbk_text.h"
#include "support/temp_dir.h"

class QAbstractButton;

// Qt texts in failure messages.
inline std::ostream& operator<<(std::ostream& os, const QString& text) { return os << text.toStdString(); }

namespace qmtest {

// Toolbar entries by index.
enum Entry { kNewUnit = 0, kSettings = 2, kInfantry = 3, kVehicles = 4, kAircraft = 5,
             kBuildings = 6, kParadrop = 8, kGameDir = 10, kAbout = 11, kExit = 12 };

// A small Yuri's Revenge rules file: a few units of each category, a country without a name
// of ours (Mexicans) and sections that tests add to with `units`.
std::string SmallRules(const std::string& units = "");

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes the rules file, sets RulesPath and GameVersion and opens the editor as the
    // program does (shown, then the creation steps). The editor opens recorders in place of
    // the program's windows, or those windows themselves.
    qm::EditorWindow& Open(const std::string& rules, int version = 2, bool programWindows = false);

    // Clicks a toolbar entry's button.
    void Click(Entry entry);
    static void Click(QAbstractButton* button);
    // Clicks the unit whose item starts with "id-" in the list.
    void Select(const std::string& id);
    // Saves through the button and returns the rules file's bytes.
    std::string Save();
    // True while a WaitWindow is on screen.
    static bool WaitWindowShown();

    std::string Rules() const { return Slurp(rulesPath); }
    // A value of the rules file as the store reads it.
    std::string Value(const std::string& section, const std::string& key) const;
    // The lines of a section of the rules file, as stored.
    std::vector<std::string> Section(const std::string& name) const;

    TempDir program;
    std::string rulesPath;
    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    qm::ScriptedRandom random;
    qm::Services services{&prompts, &sounds, &clock, &random};

    // What the editor asked to open.
    std::vector<int> newUnitCalls;     // NewUnitCategory at each call
    std::vector<QWidget*> newUnitOwners;
    std::function<void(std::function<void(const std::string&)> editNow)> onNewUnit;
    int settingsOpened = 0;
    QPointer<QWidget> settingsWindow;
    std::vector<int> gameDirCalls;  // DirDialogMode at each call
    std::vector<QWidget*> gameDirOwners;

    std::unique_ptr<qm::EditorWindow> editor;
};

}  // namespace qmtest

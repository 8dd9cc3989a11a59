// Fixture of the settings window tests: a rules file of the game version under test in the
// test's game folder, a small infantry list, and the window opened as the editor opens it.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <utility>
#include <vector>

#include "app/window_globals.h"
#include "catalogue/catalogues.h"
#include "settings/settings_window.h"
#include "store/settings.h"
#include "app/window_test.h"

namespace qmtest {

// A rules file holding every key the window reads, each with its own value.
inline std::string StockRules(const std::string& general = {}) {
    return "[General]\r\nName=Red Alert 2\r\nBuildSpeed=.7\r\n" + general +
           "[MultiplayerDialogSettings]\r\nMinMoney=5000\r\nMaxMoney=10000\r\n"
           "UnitCount=5\r\nMaxUnitCount=10\r\n"
           "[CrateRules]\r\nCrateMinimum=1\r\nCrateMaximum=255\r\nSoloCrateMoney=2000\r\n"
           "[Powerups]\r\nMoney=20,MONEY,yes,2000\r\n"
           "[LightningStormSpecial]\r\nRechargeTime=10\r\n"
           "[MultiSpecial]\r\nRechargeTime=11\r\n"
           "[NukeSpecial]\r\nRechargeTime=12\r\n"
           "[ChronoSphereSpecial]\r\nRechargeTime=13\r\n"
           "[IronCurtainSpecial]\r\nRechargeTime=14\r\n"
           "[GeneticConverterSpecial]\r\nRechargeTime=15\r\n"
           "[PsychicDominatorSpecial]\r\nRechargeTime=16\r\n"
           "[AmericanParaDropSpecial]\r\nRechargeTime=7\r\n"
           "[ParaDropSpecial]\r\nRechargeTime=8\r\n";
}

// The bytes with each `from` (which must occur exactly once) replaced by its `to`.
inline std::string Edited(std::string bytes,
                          const std::vector<std::pair<std::string, std::string>>& edits) {
    for (const auto& [from, to] : edits) {
        const size_t at = bytes.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        EXPECT_EQ(bytes.find(from, at + 1), std::string::npos) << from << " occurs twice";
        if (at != std::string::npos) bytes.replace(at, from.size(), to);
    }
    return bytes;
}

// Runs for Red Alert 2 (1) and Yuri's Revenge (2).
class SettingsWindowTest : public WindowTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        qm::GameVersion = GetParam();
        qm::RulesPath = game.file(qm::RulesFileName(GetParam()));
        qm::ProgramCatalogues().InfantryList = {qm::Gbk("E1-美国大兵"), qm::Gbk("E2-动员兵"),
                                                qm::Gbk("GGI-重装大兵"), qm::Gbk("JUMPJET")};
    }
    void TearDown() override {
        WindowTest::TearDown();
        qm::ProgramCatalogues() = {};
        qm::SettingsPage = 0;
    }

    bool YurisRevenge() const { return GetParam() == 2; }

    void WriteRules(const std::string& bytes) { Spit(qm::RulesPath, bytes); }
    std::string RulesBytes() const { return Slurp(qm::RulesPath); }

    // Opens the window on a page as the editor does, shown and active.
    qm::SettingsWindow* Open(int page) {
        qm::SettingsPage = page;
        auto* window = qobject_cast<qm::SettingsWindow*>(qm::OpenSettingsWindow(services, nullptr));
        if (window) {
            QApplication::setActiveWindow(window);
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }

    // Closed windows are gone once deferred deletes have run.
    static bool Gone(const QPointer<qm::SettingsWindow>& window) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    // Chooses an item of a combo box the way a user's choice arrives.
    static void Choose(QComboBox* combo, int index) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // Replaces a box's text by typing.
    static void Type(QLineEdit* box, const QString& text) {
        box->clear();
        QTest::keyClicks(box, text);
    }

    // The rows of the list: column 1 and column 2.
    static std::vector<std::pair<QString, QString>> Rows(const QTreeWidget* list) {
        std::vector<std::pair<QString, QString>> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            rows.emplace_back(list->topLevelItem(i)->text(1), list->topLevelItem(i)->text(2));
        return rows;
    }

    // The prompts shown since the last Clear, as "kind caption icon text" lines.
    std::vector<std::string> Shown() const {
        std::vector<std::string> out;
        for (const qm::ShownPrompt& p : prompts.shown()) {
            const char* kind = p.kind == qm::ShownPrompt::Kind::Question ? "Q" : "M";
            out.push_back(std::string(kind) + " " + p.caption.toStdString() + " " +
                          std::to_string(static_cast<int>(p.icon)) + " " + p.text.toStdString());
        }
        return out;
    }
    // The same line for one expected prompt.
    static std::string Line(const char* kind, const char* caption, qm::PromptIcon icon,
                            const std::string& text) {
        return std::string(kind) + " " + caption + " " + std::to_string(static_cast<int>(icon)) +
               " " + text;
    }
};

}  // namespace qmtest

// The owner check boxes and the prerequisite controls, through the window and into the file.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/qt_text.h"
#include "editor/unit_form.h"
#include "editor_test.h"
#include "store/profile_file.h"

namespace qmtest {
namespace {

using OwnersTest = EditorTest;
using PrerequisitesTest = EditorTest;

struct OwnerCase {
    const char* stored;
    std::vector<const char*> checked;  // check boxes
    bool mexicans;                     // the item of 其他国家列表
    const char* saved;                 // "Owner" after a save with nothing changed
};

TEST_F(OwnersTest, OwnerTextRoundTrips) {
    const OwnerCase cases[] = {
        {"British,French,Germans,Americans,Alliance", {"选择_英国", "选择_法国", "选择_德国", "选择_美国", "选择_韩国"},
         false, "Alliance,British,Germans,French,Americans"},
        // Blanks around the pieces do not hide a country.
        {"Americans, French", {"选择_美国", "选择_法国"}, false, "French,Americans"},
        // A mod's countries, listed or not, keep their place after the ten.
        {"Atlantis,Americans, Mexicans ,French,Lemuria", {"选择_美国", "选择_法国"}, true,
         "French,Americans,Mexicans,Atlantis,Lemuria"},
        {"americans", {}, false, "americans"},
        {"", {}, false, ""},
    };
    auto& w = Open(SmallRules("[E1]\r\n"));
    Click(kInfantry);
    for (const OwnerCase& c : cases) {
        SCOPED_TRACE(c.stored);
        qm::WriteProfileValue(rulesPath, "E1", "Owner", c.stored);
        Select("SNIPE");
        Select("E1");
        for (QCheckBox* box : w.CountryBoxes()) {
            const bool wanted = std::find_if(c.checked.begin(), c.checked.end(), [box](const char* name) {
                                    return box->objectName() == QString::fromUtf8(name);
                                }) != c.checked.end();
            EXPECT_EQ(box->isChecked(), wanted) << box->objectName();
        }
        EXPECT_EQ(w.其他国家列表->item(0)->checkState() == Qt::Checked, c.mexicans);
        Save();
        EXPECT_EQ(Value("E1", "Owner"), c.saved);
    }
}

TEST_F(OwnersTest, EditedOwnersAreSavedInTableOrder) {
    auto& w = Open(SmallRules("[E1]\r\nOwner=Russians,Mexicans\r\n"));
    Click(kInfantry);
    Select("E1");
    Click(w.选择_苏联);           // off
    Click(w.选择_利比亚);         // on
    w.其他国家列表->item(0)->setCheckState(Qt::Unchecked);
    Click(w.选择_美国);
    Save();
    EXPECT_EQ(Value("E1", "Owner"), "Arabs,Americans");
    Click(w.按钮_重置内容);
    Save();
    EXPECT_EQ(Value("E1", "Owner"), "");
}

TEST_F(OwnersTest, InvertSkipsTheDisabledYuriBox) {
    // Red Alert 2: 选择_尤里 is disabled but shows and keeps the stored YuriCountry.
    auto& w = Open(SmallRules("[E1]\r\nOwner=YuriCountry,French\r\n"), 1);
    Click(kInfantry);
    Select("E1");
    EXPECT_FALSE(w.选择_尤里->isEnabled());
    EXPECT_TRUE(w.选择_尤里->isChecked());
    Click(w.按钮_反选国家);
    EXPECT_TRUE(w.选择_尤里->isChecked());
    EXPECT_FALSE(w.选择_法国->isChecked());
    for (QCheckBox* box : w.CountryBoxes())
        if (box != w.选择_尤里 && box != w.选择_法国) {
            EXPECT_TRUE(box->isChecked()) << box->objectName();
        }
    Save();
    EXPECT_EQ(Value("E1", "Owner"),
              "Arabs,Confederation,Africans,Alliance,YuriCountry,British,Germans,Americans,Russians");
}

TEST_F(PrerequisitesTest, AddsRefusesAndDeletes) {
    auto& w = Open(SmallRules("[E1]\r\nCost=1\r\n"));
    Click(kInfantry);
    Select("E1");
    EXPECT_FALSE(w.按钮_删除前提->isEnabled());
    auto add = [&](const char* id) {
        w.组合框_前提选择->setCurrentIndex(w.组合框_前提选择->findText(QString::fromUtf8(id) + "-", Qt::MatchStartsWith));
        Click(w.按钮_增加前提);
    };
    const QString power = w.组合框_前提选择->itemText(w.组合框_前提选择->findText("GAPOWR-", Qt::MatchStartsWith));
    const QString powerName = power.mid(7);

    // Nothing chosen.
    Click(w.按钮_增加前提);
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "前提因数不能为空！");
    EXPECT_EQ(prompts.shown()[0].caption, "信息：");
    EXPECT_EQ(prompts.shown()[0].icon, qm::PromptIcon::None);

    add("GAPOWR");
    EXPECT_EQ(w.编辑框_生产前提->text(), "GAPOWR");
    EXPECT_EQ(w.编辑框_前提说明->toPlainText(), powerName);
    EXPECT_TRUE(w.按钮_删除前提->isEnabled());
    EXPECT_TRUE(w.组合框_要删除项目->isEnabled());
    add("ATESLA");
    add("GAPOWR");  // already there
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[1].text, "已存在的项目！");
    EXPECT_EQ(prompts.shown()[1].caption, "错误！");
    EXPECT_EQ(prompts.shown()[1].icon, qm::PromptIcon::Information);
    // TESLA occurs inside ATESLA but is a prerequisite of its own.
    add("TESLA");
    EXPECT_EQ(w.编辑框_生产前提->text(), "GAPOWR,ATESLA,TESLA");
    ASSERT_EQ(w.组合框_要删除项目->count(), 3);
    EXPECT_EQ(w.组合框_要删除项目->itemText(0), power);
    EXPECT_EQ(w.编辑框_前提说明->toPlainText().count(','), 2);
    EXPECT_EQ(w.组合框_要删除项目->currentIndex(), -1);

    // No item chosen: nothing happens.
    Click(w.按钮_删除前提);
    EXPECT_EQ(prompts.shown().size(), 2u);

    w.组合框_要删除项目->setCurrentIndex(2);
    prompts.AnswerNo();
    Click(w.按钮_删除前提);
    EXPECT_EQ(w.编辑框_生产前提->text(), "GAPOWR,ATESLA,TESLA");
    EXPECT_EQ(prompts.shown().back().text, "您确定删除TESLA这项前提吗？");
    EXPECT_EQ(prompts.shown().back().caption, "OK");
    EXPECT_EQ(prompts.shown().back().icon, qm::PromptIcon::Information);

    w.组合框_要删除项目->setCurrentIndex(2);
    prompts.AnswerYes();
    Click(w.按钮_删除前提);
    EXPECT_EQ(w.编辑框_生产前提->text(), "GAPOWR,ATESLA");
    EXPECT_EQ(prompts.shown().back().text, "删除成功！");
    EXPECT_EQ(prompts.shown().back().caption, "OK");
    ASSERT_EQ(w.组合框_要删除项目->count(), 2);
    EXPECT_EQ(w.组合框_要删除项目->itemText(1).left(7), "ATESLA-");
    EXPECT_EQ(w.编辑框_前提说明->toPlainText(), powerName + "," + w.组合框_要删除项目->itemText(1).mid(7));

    Save();
    EXPECT_EQ(Value("E1", "Prerequisite"), "GAPOWR,ATESLA");
}

TEST_F(PrerequisitesTest, DeletesExactlyTheChosenPiece) {
    const struct {
        const char* stored;
        int chosen;
        const char* left;
        const char* explanation;
    } cases[] = {
        {"XX1,XX2", 0, "XX2", "未知"},          // two unknown names: only one goes
        {"GAPOWR", 0, "", ""},                  // the only one
        {"ATESLA,TESLA", 1, "ATESLA", nullptr},  // the short ID inside the long one
        {"TESLA,ATESLA", 0, "ATESLA", nullptr},
        {"GAPOWR, XX1,,XX2", 1, "GAPOWR,,XX2", nullptr},  // blanks and an empty piece
        {"GAPOWR,GA-X", 1, "GAPOWR", nullptr},            // an ID holding "-"
        {"GA-X,GA", 0, "GA", nullptr},
    };
    auto& w = Open(SmallRules("[E1]\r\nCost=1\r\n"));
    Click(kInfantry);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        qm::WriteProfileValue(rulesPath, "E1", "Prerequisite", c.stored);
        Select("SNIPE");
        Select("E1");
        EXPECT_EQ(w.组合框_要删除项目->count(), static_cast<int>(qm::ListPieces(c.stored).size()));
        w.组合框_要删除项目->setCurrentIndex(c.chosen);
        prompts.AnswerYes();
        Click(w.按钮_删除前提);
        EXPECT_EQ(w.编辑框_生产前提->text(), c.left);
        if (c.explanation) {
            EXPECT_EQ(w.编辑框_前提说明->toPlainText(), QString::fromUtf8(c.explanation));
        }
        EXPECT_EQ(w.组合框_要删除项目->count(), static_cast<int>(qm::ListPieces(c.left).size()));
        // Only a load sets their enabled state, also when the last piece went.
        EXPECT_TRUE(w.组合框_要删除项目->isEnabled());
        EXPECT_TRUE(w.按钮_删除前提->isEnabled());
    }
}

TEST_F(PrerequisitesTest, ExplanationNamesEachPiece) {
    auto& w = Open(SmallRules("[E1]\r\nPrerequisite=GAPOWR,SNIPE, GAWEAP\r\n"));
    Click(kInfantry);
    Select("E1");
    const QStringList items = {w.组合框_要删除项目->itemText(0), w.组合框_要删除项目->itemText(1),
                               w.组合框_要删除项目->itemText(2)};
    EXPECT_EQ(items[1], "SNIPE-未知");  // an infantry ID names no building
    EXPECT_TRUE(items[2].startsWith("GAWEAP-"));
    EXPECT_EQ(w.编辑框_前提说明->toPlainText(), items[0].mid(7) + ",未知," + items[2].mid(7));
    EXPECT_TRUE(w.按钮_删除前提->isEnabled());
}

}  // namespace
}  // namespace qmtest

// The paradrop page and the about page of the settings window.
#include <QLabel>
#include <QUrl>

#include "settings_test.h"

namespace qmtest {
namespace {

using qm::PromptIcon;
using RowList = std::vector<std::pair<QString, QString>>;

const char* const kEmptyUnit = "存在空的兵种项目！\r\n\r\n请检查...";
const char* const kEmptyCount = "存在空的兵种数量！\r\n\r\n请检查...";

class ParadropPageTest : public SettingsWindowTest {
protected:
    // The window on the paradrop page over a rules file with these General keys.
    qm::SettingsWindow* OpenWith(const std::string& general) {
        WriteRules(StockRules(general));
        return Open(1);
    }
    static std::string AllyKeys(const std::string& units, const std::string& counts) {
        return "AllyParaDropInf=" + units + "\r\nAllyParaDropNum=" + counts + "\r\n";
    }
    void Close(qm::SettingsWindow* w) {
        w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// The sides (the fourth for Yuri's Revenge only) and the unit items; nothing chosen and the
// editing controls off until a side is chosen.
TEST_P(ParadropPageTest, Prepared) {
    qm::SettingsWindow* w = OpenWith("");
    QStringList sides;
    for (int i = 0; i < w->组合框_国家选择->count(); ++i) sides << w->组合框_国家选择->itemText(i);
    QStringList expected{"盟军", "美军", "苏军"};
    if (YurisRevenge()) expected << QStringLiteral("尤里(好像没作用)");
    EXPECT_EQ(sides, expected);
    EXPECT_EQ(w->组合框_国家选择->currentIndex(), -1);
    QStringList units;
    for (int i = 0; i < w->组合框_兵种选择->count(); ++i) units << w->组合框_兵种选择->itemText(i);
    EXPECT_EQ(units, (QStringList{"E1-美国大兵", "E2-动员兵", "GGI-重装大兵", "JUMPJET"}));
    EXPECT_EQ(w->组合框_兵种选择->currentIndex(), -1);
    EXPECT_FALSE(w->组合框_兵种选择->isEnabled());
    EXPECT_FALSE(w->编辑框_兵种数量->isEnabled());
    EXPECT_EQ(w->编辑框_兵种数量->text(), QStringLiteral("0"));
    EXPECT_FALSE(w->按钮_修改兵种->isEnabled());
    EXPECT_FALSE(w->按钮_删除兵种->isEnabled());
    EXPECT_TRUE(w->按钮_添加兵种->isEnabled());
    EXPECT_TRUE(w->按钮_清空列表->isEnabled());
    EXPECT_EQ(w->兵种列表->topLevelItemCount(), 0);
    EXPECT_EQ(w->兵种列表->columnCount(), 3);
    EXPECT_EQ(w->兵种列表->headerItem()->text(0), QString());
    EXPECT_EQ(w->兵种列表->headerItem()->text(1), QStringLiteral("兵种类型"));
    EXPECT_EQ(w->兵种列表->headerItem()->text(2), QStringLiteral("兵种数量"));
    EXPECT_EQ(w->兵种列表->columnWidth(0), 18);
    EXPECT_EQ(w->兵种列表->columnWidth(1), 100);
    EXPECT_EQ(w->兵种列表->columnWidth(2), 120);
    EXPECT_EQ(w->shownSide(), QString());
    EXPECT_FALSE(w->paradropEdited());
}

// A side's lists load as rows: one row as they stand when neither holds a comma, else pairs,
// counts padded with "0" and units with "<空的>".
TEST_P(ParadropPageTest, LoadsASide) {
    const struct {
        const char* name;
        std::string general;
        RowList rows;
    } cases[] = {
        {"keys missing", "", {{"", ""}}},
        {"one unit", AllyKeys("E1", "3"), {{"E1", "3"}}},
        {"no counts", AllyKeys("E1", ""), {{"E1", ""}}},
        {"fewer counts", AllyKeys("E1,E2", "3"), {{"E1", "3"}, {"E2", "0"}}},
        {"fewer units", AllyKeys("E1", "3,2"), {{"E1", "3"}, {"<空的>", "2"}}},
        {"empty piece", AllyKeys("E1,,E3", "1,2,3"), {{"E1", "1"}, {"", "2"}, {"E3", "3"}}},
        {"trailing commas", AllyKeys("E1,E2,", "1,2,"), {{"E1", "1"}, {"E2", "2"}}},
        {"counts missing", AllyKeys("E1,E2", ""), {{"E1", "0"}, {"E2", "0"}}},
        {"spaces kept", AllyKeys("E1, E2", "3, 4"), {{"E1", "3"}, {" E2", " 4"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        qm::SettingsWindow* w = OpenWith(c.general);
        Choose(w->组合框_国家选择, 0);
        EXPECT_EQ(Rows(w->兵种列表), c.rows);
        for (int i = 0; i < w->兵种列表->topLevelItemCount(); ++i)
            EXPECT_EQ(w->兵种列表->topLevelItem(i)->text(0), QString());
        EXPECT_EQ(w->shownSide(), QStringLiteral("盟军"));
        EXPECT_FALSE(w->paradropEdited());
        EXPECT_TRUE(w->组合框_兵种选择->isEnabled());
        EXPECT_TRUE(w->编辑框_兵种数量->isEnabled());
        EXPECT_EQ(w->兵种列表->currentItem(), nullptr) << "loading makes no row current";
        EXPECT_FALSE(w->按钮_修改兵种->isEnabled());
        EXPECT_FALSE(w->按钮_删除兵种->isEnabled());
        Close(w);
    }
    EXPECT_TRUE(prompts.shown().empty());
}

// Each side reads and saves its own two keys; Red Alert 2 has no fourth side.
TEST_P(ParadropPageTest, EachSideHasItsKeys) {
    const std::string general =
        "AllyParaDropInf=A1\r\nAllyParaDropNum=1\r\nAmerParaDropInf=A2\r\nAmerParaDropNum=2\r\n"
        "SovParaDropInf=S3\r\nSovParaDropNum=3\r\nYuriParaDropInf=Y4\r\nYuriParaDropNum=4\r\n";
    const struct {
        const char* side;
        const char* unitsKey;
        const char* unit;
        const char* count;
    } sides[] = {{"盟军", "AllyParaDrop", "A1", "1"},
                 {"美军", "AmerParaDrop", "A2", "2"},
                 {"苏军", "SovParaDrop", "S3", "3"},
                 {"尤里", "YuriParaDrop", "Y4", "4"}};
    qm::SettingsWindow* w = OpenWith(general);
    ASSERT_EQ(w->组合框_国家选择->count(), YurisRevenge() ? 4 : 3);
    std::string expected = StockRules(general);
    for (int i = 0; i < w->组合框_国家选择->count(); ++i) {
        const auto& s = sides[i];
        SCOPED_TRACE(s.side);
        Choose(w->组合框_国家选择, i);
        EXPECT_EQ(w->shownSide(), QString::fromUtf8(s.side));
        EXPECT_EQ(Rows(w->兵种列表), (RowList{{s.unit, s.count}}));
        Choose(w->组合框_兵种选择, 2);
        Type(w->编辑框_兵种数量, QStringLiteral("5"));
        w->按钮_添加兵种->click();
        w->按钮_保存伞兵->click();
        const std::string key = s.unitsKey;
        expected = Edited(expected, {{key + "Inf=" + s.unit + "\r", key + "Inf=" + s.unit + ",GGI\r"},
                                     {key + "Num=" + s.count + "\r", key + "Num=" + s.count + ",5\r"}});
        EXPECT_EQ(RulesBytes(), expected);
    }
    EXPECT_EQ(sounds.played.size(), static_cast<size_t>(w->组合框_国家选择->count()));
}

// Add, modify, delete and clear, with their refusals; modify and delete act on the current
// row only.
TEST_P(ParadropPageTest, EditsTheList) {
    qm::SettingsWindow* w = OpenWith(AllyKeys("E1,E2", "3,4"));
    Choose(w->组合框_国家选择, 0);
    QTreeWidget* list = w->兵种列表;
    const RowList loaded{{"E1", "3"}, {"E2", "4"}};

    // Add: the count first (a number above 0), then the unit, then duplicates.
    for (const char* count : {"0", "", "-1", "abc", "0.5"}) {
        SCOPED_TRACE(count);
        prompts.Clear();
        Type(w->编辑框_兵种数量, QString::fromUtf8(count));
        w->按钮_添加兵种->click();
        EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "信息：", PromptIcon::Information, "单位数量不能为0")});
    }
    prompts.Clear();
    Type(w->编辑框_兵种数量, QStringLiteral("2"));
    w->按钮_添加兵种->click();
    EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "信息：", PromptIcon::None, "兵种没有选择！")});
    prompts.Clear();
    Choose(w->组合框_兵种选择, 0);
    EXPECT_EQ(w->编辑框_兵种数量->text(), QStringLiteral("0")) << "choosing a unit resets the count";
    Type(w->编辑框_兵种数量, QStringLiteral("2"));
    w->按钮_添加兵种->click();
    EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "信息：", PromptIcon::Information,
                                                     "存在的兵种项目！\r\n\r\n请选择其他兵种或修改该兵种！")});
    EXPECT_EQ(Rows(list), loaded);
    EXPECT_FALSE(w->paradropEdited());
    EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("关闭"));

    prompts.Clear();
    Choose(w->组合框_兵种选择, 3);
    Type(w->编辑框_兵种数量, QStringLiteral("12 "));
    w->按钮_添加兵种->click();
    EXPECT_EQ(Rows(list), (RowList{{"E1", "3"}, {"E2", "4"}, {"JUMPJET", "12 "}}));
    EXPECT_TRUE(w->paradropEdited());
    EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("取消操作"));
    EXPECT_TRUE(prompts.shown().empty());

    // A current row enables modify and delete.
    EXPECT_FALSE(w->按钮_修改兵种->isEnabled());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
    EXPECT_EQ(list->currentItem(), list->topLevelItem(0));
    EXPECT_TRUE(w->按钮_修改兵种->isEnabled());
    EXPECT_TRUE(w->按钮_删除兵种->isEnabled());

    // Modify: refuses anything that is not a number above 0, accepts another row's unit.
    Choose(w->组合框_兵种选择, 1);
    for (const char* count : {"0", "", "00", "abc", "-2"}) {
        SCOPED_TRACE(count);
        prompts.Clear();
        Type(w->编辑框_兵种数量, QString::fromUtf8(count));
        w->按钮_修改兵种->click();
        EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "信息：", PromptIcon::None, "兵种数量不能为空或者为0！")});
    }
    EXPECT_EQ(list->topLevelItem(0)->text(1), QStringLiteral("E1"));
    prompts.Clear();
    Type(w->编辑框_兵种数量, QStringLiteral("7"));
    w->按钮_修改兵种->click();
    EXPECT_EQ(Rows(list), (RowList{{"E2", "7"}, {"E2", "4"}, {"JUMPJET", "12 "}}));
    EXPECT_TRUE(prompts.shown().empty());

    // Delete: asks about the row's unit; No keeps it, Yes removes it and leaves no current row.
    list->setCurrentItem(list->topLevelItem(2));
    prompts.AnswerNo();
    w->按钮_删除兵种->click();
    EXPECT_EQ(list->topLevelItemCount(), 3);
    prompts.AnswerYes();
    w->按钮_删除兵种->click();
    EXPECT_EQ(Rows(list), (RowList{{"E2", "7"}, {"E2", "4"}}));
    EXPECT_EQ(list->currentItem(), nullptr);
    const std::string question = Line("Q", "信息：", PromptIcon::Question, "是否要删除JUMPJET这个单位？");
    EXPECT_EQ(Shown(), (std::vector<std::string>{question, question,
                                                 Line("M", "信息：", PromptIcon::Information, "删除JUMPJET成功！")}));

    // Without a current row both stay enabled but do nothing.
    prompts.Clear();
    EXPECT_TRUE(w->按钮_修改兵种->isEnabled());
    EXPECT_TRUE(w->按钮_删除兵种->isEnabled());
    w->按钮_删除兵种->click();
    w->按钮_修改兵种->click();
    EXPECT_EQ(Rows(list), (RowList{{"E2", "7"}, {"E2", "4"}}));
    EXPECT_TRUE(prompts.shown().empty());

    // Clear: no question; saving then writes empty lists, keys kept.
    w->按钮_清空列表->click();
    EXPECT_EQ(list->topLevelItemCount(), 0);
    EXPECT_TRUE(w->paradropEdited());
    EXPECT_TRUE(prompts.shown().empty());
    w->按钮_保存伞兵->click();
    EXPECT_EQ(RulesBytes(), Edited(StockRules(AllyKeys("E1,E2", "3,4")),
                                   {{"AllyParaDropInf=E1,E2", "AllyParaDropInf="},
                                    {"AllyParaDropNum=3,4", "AllyParaDropNum="}}));
    EXPECT_FALSE(w->paradropEdited());
    EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("关闭"));
}

// Choosing another side over unsaved edits asks; No goes back to the shown side and keeps the
// rows, Yes loads the new side, after which a further switch asks nothing.
TEST_P(ParadropPageTest, SwitchingSidesOverEdits) {
    qm::SettingsWindow* w = OpenWith(AllyKeys("E1", "1") + "SovParaDropInf=E2\r\nSovParaDropNum=2\r\n");
    Choose(w->组合框_国家选择, 0);
    Choose(w->组合框_兵种选择, 2);
    Type(w->编辑框_兵种数量, QStringLiteral("3"));
    w->按钮_添加兵种->click();
    const RowList edited{{"E1", "1"}, {"GGI", "3"}};

    prompts.AnswerNo();
    Choose(w->组合框_国家选择, 2);
    EXPECT_EQ(w->组合框_国家选择->currentIndex(), 0);
    EXPECT_EQ(Rows(w->兵种列表), edited);
    EXPECT_EQ(w->shownSide(), QStringLiteral("盟军"));
    EXPECT_TRUE(w->paradropEdited());

    prompts.AnswerYes();
    Choose(w->组合框_国家选择, 2);
    EXPECT_EQ(Rows(w->兵种列表), (RowList{{"E2", "2"}}));
    EXPECT_EQ(w->shownSide(), QStringLiteral("苏军"));
    EXPECT_FALSE(w->paradropEdited());
    EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("取消操作")) << "loading keeps the close caption";

    Choose(w->组合框_国家选择, 1);
    EXPECT_EQ(w->shownSide(), QStringLiteral("美军"));
    EXPECT_EQ(Rows(w->兵种列表), (RowList{{"", ""}}));

    const std::string question = Line("Q", "取消对盟军的修改？", PromptIcon::Information,
                                      "对于盟军的修改还没有保存！\r\n\r\n是否取消对其修改？");
    EXPECT_EQ(Shown(), (std::vector<std::string>{question, question}));
    EXPECT_EQ(RulesBytes(), StockRules(AllyKeys("E1", "1") + "SovParaDropInf=E2\r\nSovParaDropNum=2\r\n"));
}

// Edits made before any side was shown: No leaves no side chosen.
TEST_P(ParadropPageTest, SwitchingBeforeAnySideShown) {
    qm::SettingsWindow* w = OpenWith(AllyKeys("E1", "1"));
    w->按钮_清空列表->click();
    prompts.AnswerNo();
    Choose(w->组合框_国家选择, 0);
    EXPECT_EQ(w->组合框_国家选择->currentIndex(), -1);
    EXPECT_EQ(w->兵种列表->topLevelItemCount(), 0);
    EXPECT_EQ(Shown(), std::vector<std::string>{Line("Q", "取消对的修改？", PromptIcon::Information,
                                                     "对于的修改还没有保存！\r\n\r\n是否取消对其修改？")});
}

// The save: spaces removed, both times written, success reported.
TEST_P(ParadropPageTest, Saves) {
    const std::string general = AllyKeys("E1, E2", "3, 4 ");
    qm::SettingsWindow* w = OpenWith(general);
    Choose(w->组合框_国家选择, 0);
    QTest::mouseClick(w->编辑框_盟军间隔, Qt::LeftButton);
    EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("取消操作"));
    EXPECT_FALSE(w->paradropEdited()) << "a time box's focus does not mark the list";
    Type(w->编辑框_盟军间隔, QStringLiteral("9"));
    Type(w->编辑框_苏军间隔, QStringLiteral("12"));
    w->按钮_保存伞兵->click();
    EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "成功！", PromptIcon::Information, "修改成功！")});
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Success});
    EXPECT_EQ(RulesBytes(), Edited(StockRules(general), {{"AllyParaDropInf=E1, E2", "AllyParaDropInf=E1,E2"},
                                                          {"AllyParaDropNum=3, 4 ", "AllyParaDropNum=3,4"},
                                                          {"RechargeTime=7", "RechargeTime=9"},
                                                          {"RechargeTime=8", "RechargeTime=12"}}));
    EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("关闭"));
    EXPECT_FALSE(w->paradropEdited());
    EXPECT_EQ(Rows(w->兵种列表), (RowList{{"E1", "3"}, {" E2", " 4"}})) << "the rows stay as shown";
}

// With no side chosen only the two times are written.
TEST_P(ParadropPageTest, SavesTimesWithoutASide) {
    const std::string general = AllyKeys("E1", "1");
    qm::SettingsWindow* w = OpenWith(general);
    Type(w->编辑框_苏军间隔, QStringLiteral("80"));
    w->按钮_保存伞兵->click();
    EXPECT_EQ(RulesBytes(), Edited(StockRules(general), {{"RechargeTime=8", "RechargeTime=80"}}));
    EXPECT_EQ(w->shownSide(), QString());
    EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "成功！", PromptIcon::Information, "修改成功！")});
}

// A row with an empty unit (or the "<空的>" placeholder) or an empty count stops the save at
// the first such row, units before counts, and nothing is written.
TEST_P(ParadropPageTest, SaveRefusals) {
    const struct {
        const char* name;
        std::string units, counts;
        const char* message;
    } cases[] = {
        {"keys missing", "", "", kEmptyUnit},
        {"placeholder unit", "E1", "3,2", kEmptyUnit},
        {"empty unit piece", "E1,,E3", "1,2,3", kEmptyUnit},
        {"unit before count", "E1,,E3", "1,,3", kEmptyUnit},
        {"empty count", "E1,E2", "1,,", kEmptyCount},
        {"blank count", "E1,E2,E3", "1, ,3", kEmptyCount},
        {"first row first", "E1,", ",2", kEmptyCount},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.Clear();
        const std::string general = c.units.empty() ? "" : AllyKeys(c.units, c.counts);
        qm::SettingsWindow* w = OpenWith(general);
        Choose(w->组合框_国家选择, 0);
        Type(w->编辑框_盟军间隔, QStringLiteral("99"));
        w->按钮_保存伞兵->click();
        EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "错误", PromptIcon::Information, c.message)});
        EXPECT_EQ(RulesBytes(), StockRules(general));
        EXPECT_TRUE(sounds.played.empty());
        Close(w);
    }
}

// The about page: the texts, a random first picture, and double-clicks alternating.
TEST_P(ParadropPageTest, AboutPage) {
    for (int first : {0, 1}) {
        SCOPED_TRACE(first);
        random.values = {first};
        random.asked.clear();
        qm::SettingsWindow* w = Open(2);
        EXPECT_EQ(random.asked, (std::vector<std::pair<int, int>>{{0, 1}}));
        EXPECT_EQ(w->标签20->text(), QStringLiteral("Quillmere"));
        EXPECT_EQ(qm::SettingsWindow::kAboutText.toStdString(),
                  "  对于本修改器中的单位中文名称、建筑中文名称是收集网上的翻译而来。\r\n\r\n"
                  "  对于武器列表的中文对照，我实在是找不到，所以就按照兵种类型，弄了几个。"
                  "正确性不保证！如果某位仁兄能够提供的话，在下将十分感谢！\r\n\r\n"
                  "  如果发现错误翻译请指正，联系方法见下方。\r\n\r\n\r\n");
        EXPECT_EQ(w->透明标签1->text(),
                  QStringLiteral("  对于本修改器中的单位中文名称、建筑中文名称是收集网上的翻译而来。\n\n"
                                 "  对于武器列表的中文对照，我实在是找不到，所以就按照兵种类型，弄了几个。"
                                 "正确性不保证！如果某位仁兄能够提供的话，在下将十分感谢！\n\n"
                                 "  如果发现错误翻译请指正，联系方法见下方。\n\n\n"));
        EXPECT_EQ(w->联系2->text().contains(QStringLiteral(">腾讯QQ<")), true);
        EXPECT_EQ(w->联系1->text().contains(QStringLiteral(">E-mail<")), true);

        auto shows = [&](int index) {
            const QImage shown = w->关于_图片框->pixmap().toImage();
            const QImage expected = qm::SettingsWindow::AboutPicture(index)
                                        .scaled(w->关于_图片框->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                                        .toImage();
            return w->aboutPictureIndex() == index && shown == expected;
        };
        EXPECT_TRUE(shows(first));
        QTest::mouseDClick(w->关于_图片框, Qt::LeftButton);
        EXPECT_TRUE(shows(1 - first));
        QTest::mouseDClick(w->关于_图片框, Qt::LeftButton);
        EXPECT_TRUE(shows(first));

        // The links open their targets.
        std::vector<QUrl> opened;
        w->openLink = [&](const QUrl& url) { opened.push_back(url); };
        QTest::mouseClick(w->联系2, Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(w->联系1, Qt::LeftButton, {}, QPoint(8, 8));
        EXPECT_EQ(opened, (std::vector<QUrl>{QUrl(qm::SettingsWindow::kContactLink),
                                             QUrl(qm::SettingsWindow::kMailLink)}));
        EXPECT_EQ(opened.back().scheme(), QStringLiteral("mailto"));
        Close(w);
    }
}

// The image list: two different 250x353 pictures, opaque inside and transparent in the
// corners (the mask).
TEST(AboutPictures, TwoMaskedPictures) {
    const QImage a = qm::SettingsWindow::AboutPicture(0).toImage();
    const QImage b = qm::SettingsWindow::AboutPicture(1).toImage();
    for (const QImage& image : {a, b}) {
        EXPECT_EQ(image.size(), QSize(250, 353));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(249, 352)), 0);
        EXPECT_EQ(qAlpha(image.pixel(125, 176)), 255);
    }
    EXPECT_NE(a, b);
}

INSTANTIATE_TEST_SUITE_P(BothGames, ParadropPageTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "RedAlert2" : "YurisRevenge"; });

}  // namespace
}  // namespace qmtest

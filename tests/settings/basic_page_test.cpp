// The settings window as a whole (opening, page choice, title, the close routine) and its
// basic settings page.
#include <QLabel>
#include <QStackedWidget>

#include "settings_test.h"
#include "store/file_services.h"

namespace qmtest {
namespace {

using qm::PromptIcon;

const char* const kMoneyQuestion =
    "金钱数不能低于‘1’，也最好不要超过‘50000’\r\n\r\n否则数据有可能溢出。\r\n\r\n是否确定修改？";
const char* const kCloseQuestion = "您确定不保存修改就关闭本窗口吗？";

// Each page opens under its caption, with the basic boxes loaded whatever the page and only
// the chosen page prepared; 编辑框1 holds the focus and both close buttons read "关闭".
TEST_P(SettingsWindowTest, OpensOnThePageSettingsPageNames) {
    WriteRules(StockRules());
    const char* captions[] = {"基本设置", "伞兵设置", "关于程序"};
    for (int page = 0; page < 3; ++page) {
        SCOPED_TRACE(page);
        random.asked.clear();
        QPointer<qm::SettingsWindow> w = Open(page);
        ASSERT_TRUE(w);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(captions[page]));
        EXPECT_EQ(w->标签_名称->text(), QString::fromUtf8(captions[page]));
        EXPECT_EQ(w->选择夹->currentIndex(), page);
        EXPECT_TRUE(w->isVisible());
        EXPECT_FALSE(w->isModal());
        EXPECT_EQ(QApplication::focusWidget(), w->编辑框1);
        EXPECT_EQ(w->按钮_基本取消->text(), QStringLiteral("关闭"));
        EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("关闭"));

        std::vector<QString> boxes;
        for (QLineEdit* box : w->basicBoxes()) boxes.push_back(box->text());
        const std::vector<QString> expected =
            YurisRevenge()
                ? std::vector<QString>{"5000", "10000", "10", "10", "13", "15", "255", "2000", ".7", "12", "14", "16"}
                : std::vector<QString>{"5000", "10000", "10", "10", "13", "", "255", "2000", ".7", "11", "14", ""};
        EXPECT_EQ(boxes, expected);

        // Red Alert 2 greys the two Yuri's Revenge boxes and hides their labels' text.
        const QColor grey(236, 236, 236);
        for (QLineEdit* box : {w->基本_基因突变, w->基本_心灵控制}) {
            EXPECT_EQ(box->isEnabled(), YurisRevenge());
            EXPECT_EQ(box->palette().color(QPalette::Base), YurisRevenge() ? QColor(Qt::white) : grey);
        }
        for (QLabel* label : {w->标签12, w->标签13})
            EXPECT_EQ(label->palette().color(QPalette::WindowText), YurisRevenge() ? QColor(Qt::black) : grey);

        // Only the paradrop page fills its controls, only the about page draws a picture.
        const bool paradrop = page == 1;
        EXPECT_EQ(w->组合框_兵种选择->count(), paradrop ? 4 : 0);
        EXPECT_EQ(w->编辑框_盟军间隔->text(), paradrop ? QStringLiteral("7") : QString());
        EXPECT_EQ(w->编辑框_苏军间隔->text(), paradrop ? QStringLiteral("8") : QString());
        EXPECT_EQ(w->组合框_国家选择->count(), paradrop && YurisRevenge() ? 4 : 3);
        EXPECT_EQ(random.asked.size(), page == 2 ? 1u : 0u);
        EXPECT_EQ(w->关于_图片框->pixmap().isNull(), page != 2);

        w->close();
        EXPECT_TRUE(Gone(w));
    }
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(RulesBytes(), StockRules()) << "opening writes nothing";
}

// While a window is open, opening again hands back that window, unchanged; once it is closed
// the next opening makes a new one on the new page.
TEST_P(SettingsWindowTest, AtMostOneWindow) {
    WriteRules(StockRules());
    QPointer<qm::SettingsWindow> first = Open(0);
    ASSERT_TRUE(first);
    first->基本_初始部队->setText(QStringLiteral("typed"));
    qm::SettingsPage = 2;
    EXPECT_EQ(qm::OpenSettingsWindow(services, nullptr), first.data());
    EXPECT_EQ(Windows("SettingsWindow").size(), 1u);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("基本设置"));
    EXPECT_EQ(first->选择夹->currentIndex(), 0);
    EXPECT_EQ(first->基本_初始部队->text(), QStringLiteral("typed")) << "not reloaded";

    first->close();
    ASSERT_TRUE(Gone(first));
    QPointer<qm::SettingsWindow> second = Open(2);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("关于程序"));
    EXPECT_EQ(Windows("SettingsWindow").size(), 1u);
}

// The owner keeps the window above it and takes it along when it closes.
TEST_P(SettingsWindowTest, OwnedByTheEditor) {
    WriteRules(StockRules());
    auto* editor = new QWidget;
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->show();
    qm::SettingsPage = 1;
    QPointer<QWidget> w = qm::OpenSettingsWindow(services, editor);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->parentWidget(), editor);
    EXPECT_TRUE(w->isWindow());
    EXPECT_TRUE(w->isVisible());
    editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

// The boxes accept what their kind allows as typed input.
TEST_P(SettingsWindowTest, BoxesFilterTypedInput) {
    WriteRules(StockRules());
    qm::SettingsWindow* w = Open(1);
    const struct {
        QLineEdit* box;
        const char* typed;
        const char* kept;
    } cases[] = {
        {w->基本_金钱最小, "-1a2.5", "-125"},
        {w->基本_宝箱钱, "3 000", "3000"},
        {w->基本_闪电风暴, "1.5.2x", "1.52"},
        {w->基本_核弹发射, "-.25", "-.25"},
        {w->基本_建造间隔, "abc .5", "abc .5"},
        {w->编辑框_盟军间隔, "1.5", "15"},
        {w->编辑框_苏军间隔, "x9", "9"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.box->objectName().toStdString());
        Type(c.box, QString::fromUtf8(c.typed));
        EXPECT_EQ(c.box->text(), QString::fromUtf8(c.kept));
    }
    // The count box takes any text once a side is chosen.
    Choose(w->组合框_国家选择, 0);
    Type(w->编辑框_兵种数量, QStringLiteral("a b"));
    EXPECT_EQ(w->编辑框_兵种数量->text(), QStringLiteral("a b"));
}

// Every box saves to its keys (both keys for the two-key boxes, the game's own nuke section,
// the Yuri's Revenge keys only for Yuri's Revenge), the money crate gets its fixed value, and
// the boxes show the file afterwards.
TEST_P(SettingsWindowTest, SavesTheTwelveBoxes) {
    WriteRules(StockRules());
    qm::SettingsWindow* w = Open(0);
    QTest::mouseClick(w->基本_初始部队, Qt::LeftButton);
    EXPECT_EQ(w->按钮_基本取消->text(), QStringLiteral("取消操作"));

    const char* typed[] = {"1", "50000", "7", "100.5", "20.25", "30", "3", "400", "0.5 fast", "40", "50", "60"};
    const auto boxes = w->basicBoxes();
    for (size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i]->isEnabled()) Type(boxes[i], QString::fromUtf8(typed[i]));
    w->按钮_保存基本->click();

    EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "成功！", PromptIcon::Information, "修改成功！")});
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Success});
    std::vector<std::pair<std::string, std::string>> edits = {
        {"BuildSpeed=.7", "BuildSpeed=0.5 fast"},
        {"MinMoney=5000", "MinMoney=1"},
        {"MaxMoney=10000", "MaxMoney=50000"},
        {"UnitCount=5\r", "UnitCount=7\r"},
        {"MaxUnitCount=10", "MaxUnitCount=7"},
        {"CrateMinimum=1\r", "CrateMinimum=3\r"},
        {"CrateMaximum=255", "CrateMaximum=3"},
        {"SoloCrateMoney=2000", "SoloCrateMoney=400"},
        {"Money=20,MONEY,yes,2000", "Money=20,VETERAN,yes,2"},
        {"RechargeTime=10", "RechargeTime=100.5"},
        {"RechargeTime=13", "RechargeTime=20.25"},
        {"RechargeTime=14", "RechargeTime=50"},
    };
    if (YurisRevenge()) {
        edits.push_back({"RechargeTime=12", "RechargeTime=40"});
        edits.push_back({"RechargeTime=15", "RechargeTime=30"});
        edits.push_back({"RechargeTime=16", "RechargeTime=60"});
    } else {
        edits.push_back({"RechargeTime=11", "RechargeTime=40"});
    }
    EXPECT_EQ(RulesBytes(), Edited(StockRules(), edits));

    // Reloaded from the file: box 3 and box 4 show what both their keys now hold.
    EXPECT_EQ(w->基本_初始部队->text(), QStringLiteral("7"));
    EXPECT_EQ(w->基本_宝箱数量->text(), QStringLiteral("3"));
    EXPECT_EQ(w->基本_基因突变->text(), YurisRevenge() ? QStringLiteral("30") : QString());
    EXPECT_EQ(w->按钮_基本取消->text(), QStringLiteral("关闭"));
}

// The money range check: exactly 1 and 50000 pass, 0, above 50000 and empty ask; Yes saves
// all the same, No stops with nothing written and the close caption kept.
TEST_P(SettingsWindowTest, MoneyRangeCheck) {
    WriteRules(StockRules());
    qm::SettingsWindow* w = Open(0);
    QTest::mouseClick(w->基本_金钱最小, Qt::LeftButton);
    const struct {
        const char* min;
        const char* max;
        bool asks;
    } cases[] = {
        {"1", "50000", false}, {"50000", "1", false}, {"9000", "1000", false},
        {"0", "1000", true},   {"50001", "1000", true}, {"", "1000", true},
        {"1000", "0", true},   {"1000", "50001", true}, {"1000", "", true},
    };
    for (const auto& c : cases) {
        for (bool yes : {true, false}) {
            if (!c.asks && !yes) continue;
            SCOPED_TRACE(std::string(c.min) + " " + c.max + (yes ? " yes" : " no"));
            WriteRules(StockRules());
            prompts.Clear();
            sounds.played.clear();
            w->按钮_基本取消->setText(QStringLiteral("取消操作"));
            w->基本_金钱最小->setText(QString::fromUtf8(c.min));
            w->基本_金钱最大->setText(QString::fromUtf8(c.max));
            if (c.asks) yes ? prompts.AnswerYes() : prompts.AnswerNo();
            w->按钮_保存基本->click();

            std::vector<std::string> expected;
            if (c.asks) expected.push_back(Line("Q", "信息：", PromptIcon::Warning, kMoneyQuestion));
            const bool saves = !c.asks || yes;
            if (saves) {
                expected.push_back(Line("M", "成功！", PromptIcon::Information, "修改成功！"));
                const std::string bytes = RulesBytes();
                EXPECT_NE(bytes.find(std::string("MinMoney=") + c.min + "\r\n"), std::string::npos);
                EXPECT_NE(bytes.find(std::string("MaxMoney=") + c.max + "\r\n"), std::string::npos);
                EXPECT_EQ(w->按钮_基本取消->text(), QStringLiteral("关闭"));
            } else {
                expected.push_back(Line("M", "信息：", PromptIcon::Information, "修改中止！\r\n\r\n请修改错误内容！"));
                EXPECT_EQ(RulesBytes(), StockRules());
                EXPECT_TRUE(sounds.played.empty());
                EXPECT_EQ(w->按钮_基本取消->text(), QStringLiteral("取消操作"));
            }
            EXPECT_EQ(Shown(), expected);
        }
    }
}

// Both close buttons close at once while they read "关闭"; once a box has had the focus they
// ask first, and only Yes closes. The title bar's close never asks.
TEST_P(SettingsWindowTest, CloseRoutine) {
    WriteRules(StockRules());
    const struct {
        int page;
        QLineEdit* qm::SettingsWindow::*box;
        QPushButton* qm::SettingsWindow::*button;
    } cases[] = {
        {0, &qm::SettingsWindow::基本_建造间隔, &qm::SettingsWindow::按钮_基本取消},
        {0, &qm::SettingsWindow::基本_铁幕装置, &qm::SettingsWindow::按钮_基本取消},
        {1, &qm::SettingsWindow::编辑框_盟军间隔, &qm::SettingsWindow::按钮_取消},
        {1, &qm::SettingsWindow::编辑框_苏军间隔, &qm::SettingsWindow::按钮_取消},
    };
    const std::string question = Line("Q", "关闭？", PromptIcon::Information, kCloseQuestion);
    for (const auto& c : cases) {
        SCOPED_TRACE((c.page == 0 ? "basic " : "paradrop ") + std::to_string(&c - cases));
        prompts.Clear();

        QPointer<qm::SettingsWindow> w = Open(c.page);
        (w->*c.button)->click();
        EXPECT_TRUE(Gone(w)) << "nothing pending: closes without a question";
        EXPECT_TRUE(prompts.shown().empty());

        w = Open(c.page);
        QLineEdit* box = w->*c.box;
        const QString before = box->text();
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ((w->*c.button)->text(), QStringLiteral("取消操作"));
        EXPECT_EQ(box->text(), before);
        prompts.AnswerNo();
        (w->*c.button)->click();
        EXPECT_FALSE(Gone(w));
        EXPECT_TRUE(w->isVisible());
        prompts.AnswerYes();
        (w->*c.button)->click();
        EXPECT_TRUE(Gone(w));
        EXPECT_EQ(Shown(), (std::vector<std::string>{question, question}));

        prompts.Clear();
        w = Open(c.page);
        QTest::mouseClick(w->*c.box, Qt::LeftButton);
        w->close();  // the title bar's close button
        EXPECT_TRUE(Gone(w));
        EXPECT_TRUE(prompts.shown().empty());
    }
    EXPECT_EQ(RulesBytes(), StockRules());
}

// A save whose writes fail says so with the failure sound instead of reporting success, and
// leaves the page marked as holding unsaved edits.
TEST_P(SettingsWindowTest, FailedWritesAreReported) {
    qm::RulesPath = game.file("missing/" + std::string(qm::RulesFileName(GetParam())));
    const std::string message = "保存失败！\r\n\r\n无法写入配置文件：" + qm::RulesPath;

    qm::SettingsWindow* w = Open(0);
    QTest::mouseClick(w->基本_金钱最小, Qt::LeftButton);
    Type(w->基本_金钱最小, QStringLiteral("100"));
    Type(w->基本_金钱最大, QStringLiteral("200"));
    w->按钮_保存基本->click();
    EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "错误", PromptIcon::Warning, message)});
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Failure});
    EXPECT_EQ(w->按钮_基本取消->text(), QStringLiteral("取消操作"));
    EXPECT_EQ(w->基本_金钱最小->text(), QStringLiteral("100")) << "the typed texts stay";
    w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    prompts.Clear();
    sounds.played.clear();
    w = Open(1);
    Choose(w->组合框_国家选择, 0);
    Choose(w->组合框_兵种选择, 0);
    Type(w->编辑框_兵种数量, QStringLiteral("2"));
    w->按钮_清空列表->click();
    w->按钮_添加兵种->click();
    w->按钮_保存伞兵->click();
    EXPECT_EQ(Shown(), std::vector<std::string>{Line("M", "错误", PromptIcon::Warning, message)});
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Failure});
    EXPECT_EQ(w->按钮_取消->text(), QStringLiteral("取消操作"));
    EXPECT_TRUE(w->paradropEdited());
    EXPECT_FALSE(qm::FileExists(qm::RulesPath));
}

INSTANTIATE_TEST_SUITE_P(BothGames, SettingsWindowTest, ::testing::Values(1, 2),
                         [](const auto& info) { return info.param == 1 ? "RedAlert2" : "YurisRevenge"; });

}  // namespace
}  // namespace qmtest

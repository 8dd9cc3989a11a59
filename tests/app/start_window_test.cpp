#include <cstdio>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

#include "app/game_dir_window.h"
#include "app/start_window.h"
#include "app/window_hub.h"
#include "store/file_services.h"
#include "store/settings.h"
#include "app/window_test.h"

namespace qmtest {
namespace {

using qm::PromptIcon;
using qm::ShownPrompt;

const QString kExists = QStringLiteral("● 已存在配置文件");

class StartWindowTest : public WindowTest {
protected:
    // The start window as the program opens it, with the game directory known.
    qm::StartWindow* Open() {
        KnowGameDirectory();
        return qm::OpenStartWindow(services);
    }
};

// First run: without a game directory in Install.ini the directory panel opens as a modal
// dialog over the start window; closing it leaves the start window usable.
TEST_F(StartWindowTest, FirstRunAsksForTheGameDirectory) {
    const struct {
        const char* name;
        bool settingsFile;
        std::string settings;
        bool asks;
    } cases[] = {
        {"no settings file", false, "", true},
        {"empty Path", true, "[Game]\r\nPath=\r\n", true},
        {"no Game section", true, "[Document]\r\nRa2Path=x\r\n", true},
        {"Path known", true, "[Game]\r\nPath=/somewhere/game/\r\n", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::remove(SettingsFile().c_str());
        if (c.settingsFile) Spit(SettingsFile(), c.settings);
        qm::ResetProgramValues();
        bool asked = false;
        if (c.asks) {
            WhenModal([&](QWidget* modal) {
                asked = true;
                auto* dialog = qobject_cast<qm::GameDirWindow*>(modal);
                ASSERT_NE(dialog, nullptr);
                EXPECT_EQ(dialog->windowTitle(), QStringLiteral("设定游戏目录！"));
                EXPECT_FALSE(dialog->外形框1->isHidden());
                EXPECT_TRUE(dialog->外形框2->isHidden());
                EXPECT_EQ(dialog->目录编辑框->text(), QString());
                EXPECT_TRUE(OnlyWindow("StartWindow")) << "the start window shows beneath it";
                dialog->按钮2->click();
            });
        }
        QPointer<qm::StartWindow> start = qm::OpenStartWindow(services);
        EXPECT_EQ(asked, c.asks);
        ASSERT_TRUE(start && start->isVisible());
        EXPECT_EQ(qm::DirDialogMode, c.asks ? 1 : 0);
        EXPECT_EQ(qm::GameDirectory, c.asks ? "" : "/somewhere/game/");
        EXPECT_EQ(Slurp(SettingsFile()), c.settings) << "closing the dialog writes nothing";
        // Usable afterwards: the create panel opens.
        start->按钮_新建->click();
        EXPECT_TRUE(start->外形框->isVisible());
        start->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(StartWindowTest, FirstRunDirectoryAcceptedIsRemembered) {
    Spit(game.file("YURI.exe"), "");
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<qm::GameDirWindow*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->目录编辑框->setText(QString::fromStdString(game.path()));
        dialog->按钮1->click();
        EXPECT_FALSE(dialog->isVisible());
    });
    QPointer<qm::StartWindow> start = qm::OpenStartWindow(services);
    EXPECT_EQ(qm::GameDirectory, GameDir());
    EXPECT_EQ(Setting("Game", "Path"), GameDir());
    EXPECT_TRUE(prompts.shown().empty());
    ASSERT_TRUE(start && start->isVisible());
}

TEST_F(StartWindowTest, ClockShowsDateAndTimeWithoutZeroParts) {
    const struct {
        QTime time;
        const char* text;
    } cases[] = {
        {QTime(9, 5, 0), "2024年5月1日9时5分"},
        {QTime(9, 0, 0), "2024年5月1日9时"},
        {QTime(0, 0, 0), "2024年5月1日"},
        {QTime(9, 5, 7), "2024年5月1日9时5分7秒"},
        {QTime(0, 0, 7), "2024年5月1日0时0分7秒"},
        {QTime(0, 30, 0), "2024年5月1日0时30分"},
        {QTime(23, 59, 59), "2024年5月1日23时59分59秒"},
    };
    clock.now = QDateTime(QDate(2024, 5, 1), QTime(9, 5, 0));
    qm::StartWindow* start = Open();
    EXPECT_EQ(start->状态条面板[1]->text(), QStringLiteral("2024年5月1日9时5分"))
        << "the clock shows from the start";
    EXPECT_EQ(start->状态条面板[0]->text(), QStringLiteral("时间："));
    EXPECT_EQ(start->状态条面板[2]->text(), QStringLiteral("作者："));
    EXPECT_TRUE(start->状态条面板[3]->text().startsWith(QStringLiteral("Velmora")));
    EXPECT_TRUE(start->时钟1->isActive());
    EXPECT_EQ(start->时钟1->interval(), 1000);
    for (const auto& c : cases) {
        clock.now = QDateTime(QDate(2024, 5, 1), c.time);
        start->Tick();
        EXPECT_EQ(start->状态条面板[1]->text(), QString::fromUtf8(c.text)) << c.text;
    }
    clock.now = QDateTime(QDate(2025, 12, 31), QTime(0, 0, 0));
    start->Tick();
    EXPECT_EQ(start->状态条面板[1]->text(), QStringLiteral("2025年12月31日"));
}

TEST_F(StartWindowTest, CreatePanelShowsWhichRulesFilesExist) {
    qm::StartWindow* start = Open();
    EXPECT_TRUE(start->外形框->isHidden());
    EXPECT_TRUE(start->单选框1->isChecked());
    for (int mask = 0; mask < 4; ++mask) {
        const bool ra2 = mask & 1, yuri = mask & 2;
        SCOPED_TRACE("Rules.ini " + std::to_string(ra2) + ", Rulesmd.ini " + std::to_string(yuri));
        std::remove(game.file("Rules.ini").c_str());
        std::remove(game.file("Rulesmd.ini").c_str());
        if (ra2) Spit(game.file("Rules.ini"), "x");
        if (yuri) Spit(game.file("Rulesmd.ini"), "x");
        start->按钮_新建->click();
        EXPECT_TRUE(start->外形框->isVisible());
        EXPECT_EQ(start->标签ra2->text(), ra2 ? kExists : QString());
        EXPECT_EQ(start->按钮3->isVisible(), ra2);
        EXPECT_EQ(start->标签Youli->text(), yuri ? kExists : QString());
        EXPECT_EQ(start->按钮4->isVisible(), yuri);
        start->按钮2->click();  // 取消
        EXPECT_TRUE(start->外形框->isHidden());
        EXPECT_TRUE(start->isVisible());
    }
    EXPECT_TRUE(prompts.shown().empty());
}

// "确定" with no rules file of the chosen version: the template is written, the message
// follows, the file is remembered and the editor opens in place of the start window.
TEST_F(StartWindowTest, ConfirmCreatesTheChosenTemplate) {
    const struct {
        int version;
        const char* file;
        const char* key;
    } cases[] = {{1, "Rules.ini", "Ra2Path"}, {2, "Rulesmd.ini", "YuriPath"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        qm::ResetProgramValues();
        prompts.Clear();
        QPointer<qm::StartWindow> start = Open();
        start->按钮_新建->click();
        if (c.version == 2) start->单选框2->click();
        EXPECT_EQ(start->createVersion(), c.version);
        start->按钮1->click();

        const std::string path = GameDir() + c.file;
        EXPECT_EQ(Slurp(path), qm::TemplateBytes(c.version));
        ASSERT_EQ(prompts.shown().size(), 1u);
        EXPECT_EQ(LastPrompt().kind, ShownPrompt::Kind::Message);
        EXPECT_EQ(LastPrompt().text, QStringLiteral("文件已创建，将打开修改界面！"));
        EXPECT_EQ(LastPrompt().caption, QStringLiteral("信息："));
        EXPECT_EQ(LastPrompt().icon, PromptIcon::Information);
        EXPECT_EQ(qm::RulesPath, path);
        EXPECT_EQ(qm::GameVersion, c.version);
        EXPECT_EQ(Setting("Document", c.key), path);
        QWidget* editor = OnlyWindow("EditorWindow");
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->windowTitle().contains(QString::fromStdString(path)));
        EXPECT_TRUE(!start || !start->isVisible()) << "the start window closes";
        editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::remove(path.c_str());
    }
}

TEST_F(StartWindowTest, ConfirmOnAnExistingFileAsksOpenOrOverwrite) {
    const std::string path = game.file("Rulesmd.ini");
    const std::string own = "[General]\r\nName=Red Alert 2 mine\r\n";
    for (bool yes : {true, false}) {
        SCOPED_TRACE(yes ? "Yes: open it" : "No: overwrite it");
        qm::ResetProgramValues();
        prompts.Clear();
        Spit(path, own);
        QPointer<qm::StartWindow> start = Open();
        start->按钮_新建->click();
        start->单选框2->click();
        yes ? prompts.AnswerYes() : prompts.AnswerNo();
        start->按钮1->click();

        ASSERT_GE(prompts.shown().size(), 1u);
        const ShownPrompt& question = prompts.shown()[0];
        EXPECT_EQ(question.kind, ShownPrompt::Kind::Question);
        EXPECT_EQ(question.text, QStringLiteral("文件已经存在，是否打开修改？\r\n\r\n选择'否'将覆盖原有文件！"));
        EXPECT_EQ(question.caption, QStringLiteral("信息："));
        EXPECT_EQ(question.icon, PromptIcon::Information);
        if (yes) {
            EXPECT_EQ(prompts.shown().size(), 1u);
            EXPECT_EQ(Slurp(path), own);
        } else {
            ASSERT_EQ(prompts.shown().size(), 2u);
            EXPECT_EQ(prompts.shown()[1].text, QStringLiteral("文件已创建，将打开修改界面！"));
            EXPECT_EQ(Slurp(path), qm::TemplateBytes(2));
        }
        EXPECT_EQ(qm::RulesPath, path);
        EXPECT_EQ(qm::GameVersion, 2);
        EXPECT_EQ(Setting("Document", "YuriPath"), path);
        EXPECT_EQ(Setting("Document", "Ra2Path"), "");
        ASSERT_NE(OnlyWindow("EditorWindow"), nullptr);
        EXPECT_TRUE(!start || !start->isVisible());
        OnlyWindow("EditorWindow")->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The file was there when the panel opened but is gone when "确定" is answered with Yes: the
// editor opens only on a file that exists, so a fresh one is written.
TEST_F(StartWindowTest, OpeningAFileDeletedMeanwhileCreatesItAfresh) {
    Spit(game.file("Rules.ini"), "[General]\r\nName=Red Alert 2\r\n");
    qm::StartWindow* start = Open();
    start->按钮_新建->click();
    std::remove(game.file("Rules.ini").c_str());
    prompts.AnswerYes();
    start->按钮1->click();
    ASSERT_EQ(prompts.shown().size(), 2u);
    EXPECT_EQ(prompts.shown()[0].kind, ShownPrompt::Kind::Question);
    EXPECT_EQ(prompts.shown()[1].text, QStringLiteral("文件已创建，将打开修改界面！"));
    EXPECT_EQ(Slurp(game.file("Rules.ini")), qm::TemplateBytes(1));
    EXPECT_NE(OnlyWindow("EditorWindow"), nullptr);
}

// A template that cannot be written is reported as a failure: nothing is remembered and the
// start window stays.
TEST_F(StartWindowTest, FailedCreationIsReportedAndNothingRecorded) {
    KnowGameDirectory();
    const std::string missing = game.path() + "/gone/";
    Spit(SettingsFile(), "[Game]\r\nPath=" + missing + "\r\n");
    const std::string settingsBefore = Slurp(SettingsFile());
    QPointer<qm::StartWindow> start = qm::OpenStartWindow(services);
    start->按钮_新建->click();
    start->按钮1->click();

    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(LastPrompt().kind, ShownPrompt::Kind::Message);
    EXPECT_EQ(LastPrompt().text, QStringLiteral("文件创建失败！\r\n\r\n请检查游戏目录是否存在并且可写。"));
    EXPECT_EQ(LastPrompt().caption, QStringLiteral("错误"));
    EXPECT_EQ(LastPrompt().icon, PromptIcon::Warning);
    EXPECT_EQ(Slurp(SettingsFile()), settingsBefore);
    EXPECT_EQ(qm::RulesPath, "");
    EXPECT_EQ(qm::GameVersion, 0);
    EXPECT_FALSE(qm::FileExists(missing + "Rules.ini"));
    EXPECT_TRUE(Windows("EditorWindow").empty());
    ASSERT_TRUE(start && start->isVisible());
    EXPECT_TRUE(start->外形框->isVisible());
}

// "清除" asks first; only Yes deletes, and then the label empties and the button hides.
TEST_F(StartWindowTest, ClearAsksBeforeDeleting) {
    const struct {
        const char* file;
        int version;
    } cases[] = {{"Rules.ini", 1}, {"Rulesmd.ini", 2}};
    qm::StartWindow* start = Open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        prompts.Clear();
        Spit(game.file(c.file), "keep me");
        start->按钮_新建->click();
        QPushButton* clear = c.version == 1 ? start->按钮3 : start->按钮4;
        QLabel* label = c.version == 1 ? start->标签ra2 : start->标签Youli;

        prompts.AnswerNo();
        clear->click();
        ASSERT_EQ(prompts.shown().size(), 1u);
        EXPECT_EQ(LastPrompt().kind, ShownPrompt::Kind::Question);
        EXPECT_EQ(LastPrompt().text, QStringLiteral("确定要删除") + QString::fromLatin1(c.file) +
                                         QStringLiteral("吗？\r\n\r\n删除后无法恢复！"));
        EXPECT_EQ(LastPrompt().icon, PromptIcon::Warning);
        EXPECT_EQ(LastPrompt().caption, QStringLiteral("信息："));
        EXPECT_EQ(Slurp(game.file(c.file)), "keep me");
        EXPECT_TRUE(clear->isVisible());
        EXPECT_EQ(label->text(), kExists);

        prompts.AnswerYes();
        clear->click();
        EXPECT_FALSE(qm::FileExists(game.file(c.file)));
        EXPECT_FALSE(clear->isVisible());
        EXPECT_EQ(label->text(), QString());

        start->按钮2->click();
        start->按钮_新建->click();
        EXPECT_EQ(label->text(), QString());
        EXPECT_FALSE(clear->isVisible());
    }
}

TEST_F(StartWindowTest, ModifyOpensTheRulesFilePanelInPlaceOfTheStartWindow) {
    QPointer<qm::StartWindow> start = Open();
    start->按钮_修改->click();
    EXPECT_EQ(qm::DirDialogMode, 0);
    auto* dialog = qobject_cast<qm::GameDirWindow*>(OnlyWindow("GameDirWindow"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal());
    EXPECT_TRUE(dialog->外形框1->isHidden());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("选择配置文件！"));
    EXPECT_TRUE(!start || !start->isVisible());
}

TEST_F(StartWindowTest, SetGameDirectoryOpensTheDirectoryPanelModally) {
    qm::StartWindow* start = Open();
    bool shown = false;
    WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<qm::GameDirWindow*>(modal);
        ASSERT_NE(dialog, nullptr);
        shown = true;
        EXPECT_FALSE(dialog->外形框1->isHidden());
        EXPECT_EQ(dialog->目录编辑框->text(), QString::fromStdString(GameDir()));
        dialog->按钮2->click();
    });
    start->按钮_修改1->click();
    EXPECT_TRUE(shown);
    EXPECT_EQ(qm::DirDialogMode, 1);
    EXPECT_TRUE(start->isVisible());
}

TEST_F(StartWindowTest, ExitAsksFirst) {
    QPointer<qm::StartWindow> start = Open();
    prompts.AnswerNo();
    start->按钮_结束->click();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(LastPrompt().text, QStringLiteral("您确定要退出本修改器吗？"));
    EXPECT_EQ(LastPrompt().icon, PromptIcon::Question);
    EXPECT_EQ(LastPrompt().caption, QStringLiteral("信息："));
    ASSERT_TRUE(start && start->isVisible());
    prompts.AnswerYes();
    start->按钮_结束->click();
    EXPECT_TRUE(!start || !start->isVisible());
}

TEST_F(StartWindowTest, EveryCaptionFits) {
    qm::StartWindow* start = Open();
    Spit(game.file("Rules.ini"), "x");
    Spit(game.file("Rulesmd.ini"), "x");
    start->按钮_新建->click();
    clock.now = QDateTime(QDate(2024, 12, 28), QTime(23, 58, 58));
    start->Tick();
    std::vector<std::string> problems;
    EXPECT_TRUE(CaptionsFit(start, &problems)) << ::testing::PrintToString(problems);
    // A 441 by 357 window: the status bar lies along the bottom of the inside.
    EXPECT_EQ(start->size(), QSize(435, 329));
    EXPECT_EQ(start->状态条->geometry(), QRect(0, 309, 435, 20));
    EXPECT_EQ(start->图片框1->geometry(), QRect(0, 0, 438, 321));
    EXPECT_FALSE(start->图片框1->pixmap().isNull());
}

}  // namespace
}  // namespace qmtest

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstdio>
#include <filesystem>

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

const QString kRefusedDirectory =
    QStringLiteral("您选择的并不是〖红色警戒2〗游戏目录，或者您的游戏文件被损坏！");
const QString kRefusedFile = QStringLiteral("您选择的并不是正确的配置文件！\r\n\r\n请重新选择！");

QString Q(const std::string& path) { return QString::fromStdString(path); }

class GameDirWindowTest : public WindowTest {
protected:
    // The dialog not modal (the tests click it directly), on the face `mode` chooses.
    QPointer<qm::GameDirWindow> Open(int mode) {
        qm::DirDialogMode = mode;
        return qm::OpenGameDirWindow(services);
    }
};

TEST_F(GameDirWindowTest, DirectoryPanelShowsTheRememberedDirectory) {
    KnowGameDirectory();
    auto dialog = Open(1);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("设定游戏目录！"));
    EXPECT_TRUE(dialog->外形框1->isVisible());
    EXPECT_FALSE(dialog->外形框2->isVisible());
    EXPECT_EQ(dialog->目录编辑框->text(), Q(GameDir()));
    std::vector<std::string> problems;
    EXPECT_TRUE(CaptionsFit(dialog, &problems)) << ::testing::PrintToString(problems);
}

// Refused directories keep the dialog open and change nothing; accepted ones are completed
// with "/", remembered, and the rules files found there are recorded.
TEST_F(GameDirWindowTest, DirectoryCheckedBeforeItIsAccepted) {
    const struct {
        const char* name;
        std::vector<const char*> files;  // in the typed folder
        bool typeSlash;
        bool typeNothing;
        bool accepted;
    } cases[] = {
        {"nothing typed", {}, false, true, false},
        {"no game executable", {"Game.exe", "Rules.ini"}, false, false, false},
        {"Ra2.exe, typed with slash", {"Ra2.exe"}, true, false, true},
        {"YURI.exe only, typed without slash", {"YURI.exe"}, false, false, true},
        {"RA2.EXE in other letter case", {"RA2.EXE"}, false, false, true},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.Clear();
        const std::string dir = game.path() + "/case" + std::to_string(n++);
        std::filesystem::create_directory(dir);
        for (const char* f : c.files) Spit(dir + "/" + f, "");
        const std::string before = "[Game]\r\nPath=/old/\r\n[Document]\r\nYuriPath=/old/Rulesmd.ini\r\n";
        Spit(SettingsFile(), before);
        qm::GameDirectory = "/old/";

        auto dialog = Open(1);
        const QString typed = c.typeNothing ? QString() : Q(dir + (c.typeSlash ? "/" : ""));
        dialog->目录编辑框->setText(typed);
        dialog->按钮1->click();

        if (c.accepted) {
            EXPECT_TRUE(prompts.shown().empty());
            EXPECT_TRUE(!dialog || !dialog->isVisible());
            EXPECT_EQ(qm::GameDirectory, dir + "/");
            EXPECT_EQ(Setting("Game", "Path"), dir + "/");
            // No rules file there: the remembered one of the old directory is dropped.
            EXPECT_EQ(Setting("Document", "YuriPath"), "");
        } else {
            ASSERT_EQ(prompts.shown().size(), 1u);
            if (c.typeNothing) {
                EXPECT_EQ(LastPrompt().text, QStringLiteral("游戏目录没有被选择！"));
                EXPECT_EQ(LastPrompt().icon, PromptIcon::Warning);
                EXPECT_EQ(LastPrompt().caption, QStringLiteral("信息："));
            } else {
                EXPECT_EQ(LastPrompt().text, kRefusedDirectory);
                EXPECT_EQ(LastPrompt().icon, PromptIcon::Information);
                EXPECT_EQ(LastPrompt().caption, QStringLiteral("错误"));
            }
            ASSERT_TRUE(dialog && dialog->isVisible());
            EXPECT_EQ(dialog->目录编辑框->text(), typed);
            EXPECT_EQ(qm::GameDirectory, "/old/");
            EXPECT_EQ(Slurp(SettingsFile()), before);
            dialog->close();
        }
        EXPECT_TRUE(Windows("StartWindow").empty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(GameDirWindowTest, AcceptedDirectoryRecordsItsRulesFiles) {
    Spit(game.file("Ra2.exe"), "");
    Spit(game.file("Rules.ini"), "");
    Spit(SettingsFile(), "[Document]\r\nRa2Path=/elsewhere/Rules.ini\r\nYuriPath=/elsewhere/Rulesmd.ini\r\n");
    auto dialog = Open(1);
    dialog->目录编辑框->setText(Q(game.path()));
    dialog->按钮1->click();
    EXPECT_EQ(Setting("Game", "Path"), GameDir());
    EXPECT_EQ(Setting("Document", "Ra2Path"), GameDir() + "Rules.ini");
    EXPECT_EQ(Setting("Document", "YuriPath"), "");
}

TEST_F(GameDirWindowTest, FolderPickerFillsOrEmptiesTheDirectory) {
    KnowGameDirectory();
    auto dialog = Open(1);
    prompts.ChooseFolder(Q(game.path()));
    dialog->目录_选择->click();
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(LastPrompt().kind, ShownPrompt::Kind::FolderPicker);
    EXPECT_EQ(LastPrompt().text, QStringLiteral("请选择[红色警戒2]游戏目录！"));
    EXPECT_EQ(dialog->目录编辑框->text(), Q(game.path()));

    prompts.ChooseFolder(QString());  // cancelled
    dialog->目录_选择->click();
    EXPECT_EQ(dialog->目录编辑框->text(), QString());
    dialog->按钮1->click();
    EXPECT_EQ(LastPrompt().text, QStringLiteral("游戏目录没有被选择！"));
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(GameDirWindowTest, CloseOnTheDirectoryPanelSavesNothing) {
    Spit(game.file("Ra2.exe"), "");
    auto dialog = Open(1);
    dialog->目录编辑框->setText(Q(game.path()));
    dialog->按钮2->click();
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    EXPECT_FALSE(qm::FileExists(SettingsFile()));
    EXPECT_EQ(qm::GameDirectory, "");
    EXPECT_TRUE(Windows("StartWindow").empty());
    EXPECT_TRUE(Windows("EditorWindow").empty());
}

// The rules file panel offers the remembered files that still exist; choosing one puts the
// game directory's file of that version into the path.
TEST_F(GameDirWindowTest, RulesFilePanelOffersTheRememberedFiles) {
    const std::string elsewhere = game.path() + "/elsewhere";
    std::filesystem::create_directory(elsewhere);
    Spit(elsewhere + "/Rules.ini", "");
    Spit(game.file("Rulesmd.ini"), "");
    const struct {
        const char* name;
        std::string ra2, yuri;
        QStringList items;
    } cases[] = {
        {"none remembered", "", "", {}},
        {"both missing", game.file("Rules.ini"), elsewhere + "/Rulesmd.ini", {}},
        {"Ra2Path outside the game folder", elsewhere + "/Rules.ini", "",
         {QStringLiteral("红色警戒2")}},
        {"both", elsewhere + "/Rules.ini", game.file("Rulesmd.ini"),
         {QStringLiteral("红色警戒2"), QStringLiteral("尤里的复仇")}},
    };
    qm::GameDirectory = GameDir();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Spit(SettingsFile(), "[Document]\r\nRa2Path=" + c.ra2 + "\r\nYuriPath=" + c.yuri + "\r\n");
        auto dialog = Open(0);
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("选择配置文件！"));
        EXPECT_TRUE(dialog->外形框1->isHidden());
        QComboBox* combo = dialog->组合框_配置文件选择;
        EXPECT_TRUE(combo->isVisible());
        ASSERT_EQ(combo->count(), 1 + c.items.size());
        EXPECT_EQ(combo->itemText(0), QStringLiteral("请选择配置文件..."));
        for (int i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(combo->itemText(i + 1), c.items[i]);
            combo->setCurrentIndex(i + 1);
            emit combo->activated(i + 1);
            const char* file = c.items[i] == QStringLiteral("红色警戒2") ? "Rules.ini" : "Rulesmd.ini";
            EXPECT_EQ(dialog->文件名编辑框->text(), Q(GameDir() + file));
        }
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        EXPECT_EQ(dialog->文件名编辑框->text(), QString());
        std::vector<std::string> problems;
        EXPECT_TRUE(CaptionsFit(dialog, &problems)) << ::testing::PrintToString(problems);
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(GameDirWindowTest, RulesFileRefusals) {
    Spit(game.file("Rulesmd.ini"), "[General]\r\nName=Yuri's Revenge\r\n");
    const struct {
        const char* name;
        QString path;
        QString text;
        QString caption;
    } cases[] = {
        {"nothing chosen", QString(), QStringLiteral("游戏配置文件没有被选择！"), QStringLiteral("信息：")},
        {"no Red Alert 2 in its Name", Q(game.file("Rulesmd.ini")), kRefusedFile, QStringLiteral("错误！")},
        {"missing file", Q(game.file("Rules.ini")), kRefusedFile, QStringLiteral("错误！")},
    };
    auto dialog = Open(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompts.Clear();
        dialog->文件名编辑框->setText(c.path);
        dialog->按钮1->click();
        ASSERT_EQ(prompts.shown().size(), 1u);
        EXPECT_EQ(LastPrompt().text, c.text);
        EXPECT_EQ(LastPrompt().caption, c.caption);
        EXPECT_EQ(LastPrompt().icon, PromptIcon::Warning);
        ASSERT_TRUE(dialog && dialog->isVisible());
        EXPECT_EQ(dialog->文件名编辑框->text(), c.path);
        EXPECT_FALSE(qm::FileExists(SettingsFile()));
        EXPECT_EQ(qm::RulesPath, "");
        EXPECT_TRUE(Windows("EditorWindow").empty());
    }
}

// An accepted file becomes the file being edited, is remembered under its version's key, and
// the editor opens in place of the dialog; the game directory stays as it was.
TEST_F(GameDirWindowTest, RulesFileAccepted) {
    const std::string other = game.path() + "/other";
    std::filesystem::create_directory(other);
    const struct {
        std::string path;
        int version;
        const char* key;
        const char* otherKey;
    } cases[] = {
        {other + "/Rules.ini", 1, "Ra2Path", "YuriPath"},
        {other + "/Rulesmd.ini", 2, "YuriPath", "Ra2Path"},
        {other + "/mod-rules.ini", 2, "YuriPath", "Ra2Path"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        qm::ResetProgramValues();
        qm::GameDirectory = GameDir();
        std::remove(SettingsFile().c_str());
        const std::string body = "[General]\r\nName=Red Alert 2 mod\r\n";
        Spit(c.path, body);
        auto dialog = Open(0);
        prompts.ChooseFile(Q(c.path));
        dialog->文件_选择->click();
        ASSERT_EQ(prompts.shown().size(), 1u);
        EXPECT_EQ(LastPrompt().kind, ShownPrompt::Kind::FileOpen);
        EXPECT_EQ(LastPrompt().filter, qm::GameDirWindow::kRulesFileFilter);
        EXPECT_EQ(LastPrompt().directory, Q(GameDir()));
        EXPECT_EQ(dialog->文件名编辑框->text(), Q(c.path));
        prompts.Clear();
        dialog->按钮1->click();

        EXPECT_TRUE(prompts.shown().empty());
        EXPECT_EQ(qm::RulesPath, c.path);
        EXPECT_EQ(qm::GameVersion, c.version);
        EXPECT_EQ(qm::GameDirectory, GameDir());
        EXPECT_EQ(Setting("Document", c.key), c.path);
        EXPECT_EQ(Setting("Document", c.otherKey), "");
        EXPECT_EQ(Slurp(c.path), body);
        EXPECT_TRUE(!dialog || !dialog->isVisible());
        QWidget* editor = OnlyWindow("EditorWindow");
        ASSERT_NE(editor, nullptr);
        EXPECT_TRUE(editor->windowTitle().contains(Q(c.path)));
        editor->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(GameDirWindowTest, CancelledFileDialogKeepsThePath) {
    auto dialog = Open(0);
    dialog->文件名编辑框->setText(QStringLiteral("/typed/Rules.ini"));
    prompts.ChooseFile(QString());
    dialog->文件_选择->click();
    EXPECT_EQ(dialog->文件名编辑框->text(), QStringLiteral("/typed/Rules.ini"));
}

// "关闭" on the rules file panel brings the start window back; the close box does not.
TEST_F(GameDirWindowTest, CloseOnTheRulesFilePanelReturnsToTheStartWindow) {
    KnowGameDirectory();
    auto dialog = Open(0);
    dialog->按钮2->click();
    EXPECT_TRUE(!dialog || !dialog->isVisible());
    EXPECT_NE(OnlyWindow("StartWindow"), nullptr);
    EXPECT_TRUE(prompts.shown().empty());
    OnlyWindow("StartWindow")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    auto second = Open(0);
    second->close();  // the window's close box
    EXPECT_TRUE(Windows("StartWindow").empty());
    EXPECT_TRUE(Windows("GameDirWindow").empty());
}

}  // namespace
}  // namespace qmtest

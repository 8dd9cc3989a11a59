// The program's own path from the start window to a saved unit: the windows open each other as
// they do for a user, and the rules file changes in the saved unit's keys only.
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "app/start_window.h"
#include "app/window_hub.h"
#include "editor/editor_window.h"
#include "editor_test.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qmtest {
namespace {

class ProgramFlowTest : public WindowTest {};

// The lines of the file outside one section, to show that nothing else moved.
std::string WithoutSection(const std::string& bytes, const std::string& header) {
    const size_t start = bytes.find("\r\n" + header + "\r\n");
    const size_t end = bytes.find("\r\n[", start + header.size() + 2);
    return bytes.substr(0, start) + bytes.substr(end);
}

TEST_F(ProgramFlowTest, CreateARulesFileEditAVehicleAndSaveIt) {
    Spit(game.file("YURI.exe"), "");
    KnowGameDirectory();
    qm::SetEditorOpener(qm::OpenEditor);

    qm::StartWindow* start = qm::OpenStartWindow(services);
    ASSERT_NE(start, nullptr);
    QTest::mouseClick(start->按钮_新建, Qt::LeftButton);
    QTest::mouseClick(start->单选框2, Qt::LeftButton);  // Yuri's Revenge
    QTest::mouseClick(start->按钮1, Qt::LeftButton);
    EXPECT_EQ(LastPrompt().text, QStringLiteral("文件已创建，将打开修改界面！"));

    const std::string rules = GameDir() + "Rulesmd.ini";
    EXPECT_EQ(qm::RulesPath, rules);
    EXPECT_EQ(qm::GameVersion, 2);
    EXPECT_EQ(Setting("Document", "YuriPath"), rules);
    const std::string created = Slurp(rules);
    ASSERT_EQ(created, qm::TemplateBytes(2));
    EXPECT_TRUE(Windows("StartWindow").empty());

    auto* editor = qobject_cast<qm::EditorWindow*>(OnlyWindow("EditorWindow"));
    ASSERT_NE(editor, nullptr);
    QWidget* vehicles = editor->工具条->widgetForAction(editor->工具条项目[kVehicles]);
    QTest::mouseClick(vehicles, Qt::LeftButton, {}, QPoint(vehicles->width() / 2 - 4, vehicles->height() / 2));
    QTreeWidget* list = editor->单位列表框;
    const auto found = list->findItems(QStringLiteral("MTNK-"), Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found.front()->text(0), QStringLiteral("MTNK-灰熊坦克"));
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    EXPECT_EQ(editor->编辑框_成本->text(), QString::fromStdString(qm::ReadProfileValue(rules, "MTNK", "Cost")));

    editor->编辑框_成本->setText(QStringLiteral("1234"));
    QTest::mouseClick(editor->按钮_保存单位, Qt::LeftButton);
    EXPECT_EQ(sounds.played.back(), qm::Sound::Success);

    const std::string saved = Slurp(rules);
    EXPECT_EQ(qm::ReadProfileValue(rules, "MTNK", "Cost"), "1234");
    EXPECT_EQ(WithoutSection(saved, "[MTNK]"), WithoutSection(created, "[MTNK]"));

    prompts.AnswerYes();  // the editor asks before it closes
    editor->close();
}

}  // namespace
}  // namespace qmtest

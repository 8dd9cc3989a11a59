#include "editor_test.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/window_globals.h"
#include "catalogue/picture_package.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qmtest {

namespace {

std::string CrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

// A 10x10 PNG: the placeholder picture, told apart from the package's 60x48 pictures by size.
std::string PlaceholderPicture() {
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace

std::string SmallRules(const std::string& units) {
    return CrLf(R"(; Quillmere test rules
[General]
Name=Red Alert 2

[Countries]
0=Americans
1=French
2=Alliance
3=YuriCountry
4=Mexicans

[InfantryTypes]
0=E1
1=SNIPE

[VehicleTypes]
0=MTNK
1=HTNK

[AircraftTypes]
0=ORCA

[BuildingTypes]
0=GAPOWR
1=GAWEAP
2=ATESLA
3=TESLA

)" + units + R"(
[Tail]
Keep=this
)");
}

void EditorTest::SetUp() {
    qm::ResetProgramValues();
    qm::CurrentCategory.clear();
    qm::NewUnitCategory = 0;
    qm::SettingsPage = 0;
    qm::SetProgramDirectoryForTests(program.path());
    Spit(qm::PlaceholderPicturePath(), PlaceholderPicture());
    rulesPath = program.file("Rulesmd.ini");
}

void EditorTest::TearDown() {
    // Destroyed, not closed: closing would ask the close question.
    editor.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qm::SetProgramDirectoryForTests("");
    qm::ResetProgramValues();
    qm::CurrentCategory.clear();
    EXPECT_EQ(prompts.unanswered(), 0) << "a prompt was shown that the test did not answer";
    EXPECT_EQ(prompts.pending(), 0u) << "an answer was queued that no prompt used";
}

qm::EditorWindow& EditorTest::Open(const std::string& rules, int version, bool programWindows) {
    Spit(rulesPath, rules);
    qm::RulesPath = rulesPath;
    qm::GameVersion = version;

    qm::EditorOpeners openers;
    openers.newUnit = [this](const qm::Services&, QWidget* owner,
                             std::function<void(const std::string&)> editNow) {
        newUnitCalls.push_back(qm::NewUnitCategory);
        newUnitOwners.push_back(owner);
        if (onNewUnit) onNewUnit(editNow);
    };
    openers.settings = [this](const qm::Services&, QWidget* owner) -> QWidget* {
        ++settingsOpened;
        auto* window = new QWidget(owner, Qt::Window);
        settingsWindow = window;
        return window;
    };
    openers.gameDir = [this](const qm::Services&, QWidget* owner) {
        gameDirCalls.push_back(qm::DirDialogMode);
        gameDirOwners.push_back(owner);
    };
    if (programWindows) openers = qm::DefaultEditorOpeners();
    editor = std::make_unique<qm::EditorWindow>(services, std::move(openers));
    editor->show();
    editor->Created();
    return *editor;
}

void EditorTest::Click(Entry entry) {
    QWidget* button = editor->工具条->widgetForAction(editor->工具条项目[entry]);
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(button->width() / 2 - 4, button->height() / 2));
}

void EditorTest::Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void EditorTest::Select(const std::string& id) {
    QTreeWidget* list = editor->单位列表框;
    const auto found = list->findItems(QString::fromStdString(id) + "-", Qt::MatchStartsWith);
    ASSERT_FALSE(found.isEmpty()) << id << " is not listed";
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
    ASSERT_EQ(list->currentItem(), found.front());
}

std::string EditorTest::Save() {
    Click(editor->按钮_保存单位);
    return Rules();
}

bool EditorTest::WaitWindowShown() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->objectName() == "WaitWindow") return true;
    return false;
}

std::string EditorTest::Value(const std::string& section, const std::string& key) const {
    return qm::ReadProfileValue(rulesPath, section, key);
}

std::vector<std::string> EditorTest::Section(const std::string& name) const {
    const std::string bytes = Rules();
    std::vector<std::string> lines;
    bool inside = false;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        const std::string line = bytes.substr(pos, end - pos);
        pos = end + 2;
        if (!line.empty() && line[0] == '[') {
            if (inside) break;
            inside = line == "[" + name + "]";
            continue;
        }
        if (inside && !line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace qmtest

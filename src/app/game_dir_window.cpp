#include "app/game_dir_window.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "app/controls.h"
#include "app/qt_text.h"
#include "app/window_hub.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qm {

const QString GameDirWindow::kRulesFileFilter = QStringLiteral(
    "全部可用类型 (Rules.ini Rulesmd.ini);;红警2 (Rules.ini);;尤里的复仇 (Rulesmd.ini)");

namespace {

// Item values of the remembered rules files.
constexpr int kRa2Item = 0;
constexpr int kYuriItem = 1;

// The small picker button sits over the right end of its edit box; the box keeps its text
// clear of it.
QToolButton* MakePickerButton(QWidget* panel, const char* name, int x, int y, QLineEdit* edit) {
    auto* button = MakeControl<QToolButton>(panel, name, x, y, 26, 19);
    button->setIcon(panel->style()->standardIcon(QStyle::SP_DirOpenIcon));
    button->setIconSize(QSize(14, 14));
    button->setCursor(Qt::ArrowCursor);
    edit->setTextMargins(0, 0, edit->geometry().right() - x + 2, 0);
    return button;
}

}  // namespace

GameDirWindow::GameDirWindow(const Services& services, QWidget* parent)
    : QDialog(parent), services_(services) {
    setObjectName(QStringLiteral("GameDirWindow"));
    setFixedSize(374, 130);

    外形框1 = MakeControl<QFrame>(this, "外形框1", 0, 0, 373, 88);
    标签1 = MakeControl<QLabel>(外形框1, "标签1", QStringLiteral("请选择游戏目录："), 8, 8, 280, 13);
    目录编辑框 = MakeControl<QLineEdit>(外形框1, "目录编辑框", 24, 25, 326, 21);
    目录_选择 = MakePickerButton(外形框1, "目录_选择", 323, 26, 目录编辑框);

    外形框2 = MakeControl<QFrame>(this, "外形框2", 0, 0, 373, 88);
    标签2 = MakeControl<QLabel>(外形框2, "标签2", QStringLiteral("请选择游戏配置文件："), 16, 16, 176, 16);
    组合框_配置文件选择 = MakeControl<QComboBox>(外形框2, "组合框_配置文件选择", 136, 14, 224, 20);
    组合框_配置文件选择->addItem(QStringLiteral("请选择配置文件..."));
    组合框_配置文件选择->hide();
    文件名编辑框 = MakeControl<QLineEdit>(外形框2, "文件名编辑框", 32, 40, 327, 21);
    文件_选择 = MakePickerButton(外形框2, "文件_选择", 332, 41, 文件名编辑框);

    按钮1 = MakeControl<QPushButton>(this, "按钮1", QStringLiteral("确定"), 80, 88, 96, 24);
    按钮2 = MakeControl<QPushButton>(this, "按钮2", QStringLiteral("关闭"), 208, 88, 96, 24);
    按钮1->setDefault(true);

    const std::string settings = SettingsFilePath();
    if (DirDialogMode == 1) {
        外形框1->show();
        外形框2->hide();
        目录编辑框->setText(PathToQt(ReadProfileValue(settings, "Game", "Path")));
        setWindowTitle(QStringLiteral("设定游戏目录！"));
    } else {
        外形框2->show();
        外形框1->hide();
        setWindowTitle(QStringLiteral("选择配置文件！"));
        if (FileExists(ReadProfileValue(settings, "Document", "Ra2Path")))
            组合框_配置文件选择->addItem(QStringLiteral("红色警戒2"), kRa2Item);
        if (FileExists(ReadProfileValue(settings, "Document", "YuriPath")))
            组合框_配置文件选择->addItem(QStringLiteral("尤里的复仇"), kYuriItem);
        // It always holds its first item, so it always shows on this panel.
        if (组合框_配置文件选择->count() > 0) 组合框_配置文件选择->show();
    }

    connect(目录_选择, &QToolButton::clicked, this, &GameDirWindow::PickDirectory);
    connect(文件_选择, &QToolButton::clicked, this, &GameDirWindow::PickRulesFile);
    connect(组合框_配置文件选择, &QComboBox::activated, this, &GameDirWindow::RememberedFileChosen);
    connect(按钮1, &QPushButton::clicked, this, &GameDirWindow::Confirm);
    connect(按钮2, &QPushButton::clicked, this, &GameDirWindow::CloseClicked);
}

bool GameDirWindow::OnDirectoryPanel() const { return !外形框1->isHidden(); }

void GameDirWindow::PickDirectory() {
    目录编辑框->setText(services_.prompts->PickFolder(QStringLiteral("请选择[红色警戒2]游戏目录！"),
                                                      目录编辑框->text()));
}

void GameDirWindow::PickRulesFile() {
    const QString file =
        services_.prompts->PickOpenFile(PathToQt(GameDirectory), kRulesFileFilter);
    if (!file.isEmpty()) 文件名编辑框->setText(file);
}

void GameDirWindow::RememberedFileChosen(int index) {
    const QVariant value = 组合框_配置文件选择->itemData(index);
    if (value.isValid() && value.toInt() == kRa2Item)
        文件名编辑框->setText(PathToQt(GameDirectory + RulesFileName(1)));
    else if (value.isValid() && value.toInt() == kYuriItem)
        文件名编辑框->setText(PathToQt(GameDirectory + RulesFileName(2)));
    else
        文件名编辑框->clear();
}

void GameDirWindow::Confirm() {
    if (OnDirectoryPanel())
        ConfirmDirectory();
    else
        ConfirmRulesFile();
}

void GameDirWindow::ConfirmDirectory() {
    Prompts& prompts = *services_.prompts;
    if (目录编辑框->text().isEmpty()) {
        prompts.Message(QStringLiteral("游戏目录没有被选择！"), PromptIcon::Warning);
        return;
    }
    const std::string dir = NormaliseGameDirectory(PathFromQt(目录编辑框->text()));
    // A refused directory leaves GameDirectory as it was.
    if (!IsGameDirectory(dir)) {
        prompts.Message(
            QStringLiteral("您选择的并不是〖红色警戒2〗游戏目录，或者您的游戏文件被损坏！"),
            PromptIcon::Information, QStringLiteral("错误"));
        return;
    }
    GameDirectory = dir;
    WriteProfileValue(SettingsFilePath(), "Game", "Path", GameDirectory);
    RecordDocumentPaths();
    close();
}

void GameDirWindow::ConfirmRulesFile() {
    Prompts& prompts = *services_.prompts;
    const std::string path = PathFromQt(文件名编辑框->text());
    if (path.empty()) {
        prompts.Message(QStringLiteral("游戏配置文件没有被选择！"), PromptIcon::Warning);
        return;
    }
    if (!IsRulesFile(path)) {
        prompts.Message(QStringLiteral("您选择的并不是正确的配置文件！\r\n\r\n请重新选择！"),
                        PromptIcon::Warning, QStringLiteral("错误！"));
        return;
    }
    RulesPath = path;
    const int version = VersionOfRulesPath(path);
    WriteProfileValue(SettingsFilePath(), "Document", version == 1 ? "Ra2Path" : "YuriPath",
                      RulesPath);
    GameVersion = version;
    OpenEditorWindow(services_);
    close();
}

void GameDirWindow::CloseClicked() {
    if (!OnDirectoryPanel()) OpenStartWindow(services_);
    close();
}

}  // namespace qm

#include "app/start_window.h"

#include <algorithm>

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include "app/controls.h"
#include "app/qt_text.h"
#include "app/window_hub.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qm {

namespace {

const QString kFileExists = QStringLiteral("● 已存在配置文件");

}  // namespace

StartWindow::StartWindow(const Services& services, QWidget* parent)
    : QWidget(parent), services_(services) {
    setObjectName(QStringLiteral("StartWindow"));
    setWindowTitle(QStringLiteral("Quillmere"));
    // The inside of a 441 by 357 window frame. The picture box reaches a little past its
    // right edge and the status bar, docked along the bottom edge, covers its lower end.
    setFixedSize(435, 329);

    图片框1 = MakeControl<QLabel>(this, "图片框1", 0, 0, 438, 321);
    图片框1->setPixmap(QPixmap(QStringLiteral(":/pictures/start_background.jpg")));
    图片框1->setScaledContents(true);

    按钮_新建 = MakeControl<QPushButton>(this, "按钮_新建", QStringLiteral("新建配置"), 169, 127, 96, 32);
    按钮_修改 = MakeControl<QPushButton>(this, "按钮_修改", QStringLiteral("修改配置"), 169, 169, 96, 32);
    按钮_修改1 = MakeControl<QPushButton>(this, "按钮_修改1", QStringLiteral("设定游戏目录"), 169, 211, 96, 32);
    按钮_结束 = MakeControl<QPushButton>(this, "按钮_结束", QStringLiteral("退出程序"), 169, 255, 96, 32);

    外形框 = MakeControl<QFrame>(this, "外形框", 73, 56, 304, 136);
    外形框->setFrameShape(QFrame::StyledPanel);
    外形框->setFrameShadow(QFrame::Raised);
    外形框->setAutoFillBackground(true);  // opaque over the picture
    外形框->hide();
    标签1 = MakeControl<QLabel>(外形框, "标签1", QStringLiteral("请选择您要创建的配置版本！"), 8, 8, 168, 24);
    进度条1 = MakeSeparatorLine(外形框, "进度条1", 8, 33, 288, 2);
    进度条2 = MakeSeparatorLine(外形框, "进度条2", 8, 97, 288, 2);
    单选框1 = MakeControl<QRadioButton>(外形框, "单选框1", QStringLiteral("红色警戒2"), 24, 48, 87, 16);
    单选框1->setChecked(true);
    标签ra2 = MakeControl<QLabel>(外形框, "标签ra2", 115, 48, 130, 16);
    按钮3 = MakeControl<QPushButton>(外形框, "按钮3", QStringLiteral("清除"), 258, 44, 40, 23);
    按钮3->hide();
    单选框2 = MakeControl<QRadioButton>(外形框, "单选框2", QStringLiteral("尤里的复仇"), 24, 72, 87, 16);
    标签Youli = MakeControl<QLabel>(外形框, "标签Youli", 115, 72, 130, 16);
    按钮4 = MakeControl<QPushButton>(外形框, "按钮4", QStringLiteral("清除"), 258, 68, 40, 23);
    按钮4->hide();
    按钮1 = MakeControl<QPushButton>(外形框, "按钮1", QStringLiteral("确定"), 120, 104, 80, 24);
    按钮2 = MakeControl<QPushButton>(外形框, "按钮2", QStringLiteral("取消"), 216, 104, 80, 24);

    // Four panels side by side, as fixed as the rest of the window. The date and time panel
    // is widened when the font needs more room for the longest date and time.
    状态条 = MakeControl<QStatusBar>(this, "状态条", 0, height() - 20, width(), 20);
    状态条->setSizeGripEnabled(false);
    状态条->setAutoFillBackground(true);  // opaque over the picture
    const int clockWidth = std::max(
        160, 状态条->fontMetrics().horizontalAdvance(DateTimeText(QDateTime(
                 QDate(2000, 12, 28), QTime(23, 58, 58)))) + 8);
    const char* panelNames[] = {"状态条_时间标题", "状态条_时间", "状态条_作者标题", "状态条_作者"};
    const int panelWidths[] = {45, clockWidth, 45, 0};
    int x = 0;
    for (int i = 0; i < 4; ++i) {
        const int w = panelWidths[i] > 0 ? panelWidths[i] : width() - x;
        auto* panel = MakeControl<QLabel>(状态条, panelNames[i], x, 0, w, 20);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(3);
        状态条面板[i] = panel;
        x += w;
    }
    状态条面板[0]->setText(QStringLiteral("时间："));
    状态条面板[2]->setText(QStringLiteral("作者："));
    状态条面板[3]->setText(QStringLiteral("Velmora · 反馈请到项目主页"));

    时钟1 = new QTimer(this);
    时钟1->setObjectName(QStringLiteral("时钟1"));
    时钟1->setInterval(1000);
    connect(时钟1, &QTimer::timeout, this, &StartWindow::Tick);
    时钟1->start();

    connect(按钮_新建, &QPushButton::clicked, this, &StartWindow::ShowCreatePanel);
    connect(按钮_修改, &QPushButton::clicked, this, &StartWindow::ModifyRulesFile);
    connect(按钮_修改1, &QPushButton::clicked, this, &StartWindow::SetGameDirectory);
    connect(按钮_结束, &QPushButton::clicked, this, &StartWindow::ExitProgram);
    connect(按钮3, &QPushButton::clicked, this, [this] { ClearRulesFile(1); });
    connect(按钮4, &QPushButton::clicked, this, [this] { ClearRulesFile(2); });
    connect(按钮2, &QPushButton::clicked, 外形框, &QFrame::hide);
    connect(单选框1, &QRadioButton::clicked, this, &StartWindow::TakeCreateVersion);
    connect(单选框2, &QRadioButton::clicked, this, &StartWindow::TakeCreateVersion);
    connect(按钮1, &QPushButton::clicked, this, &StartWindow::ConfirmCreate);

    // Top edge at 150 pixels, centred across the screen.
    x = 0;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        x = area.x() + (area.width() - width()) / 2;
    }
    move(x, 150);
}

QString StartWindow::DateTimeText(const QDateTime& when) {
    const QDate d = when.date();
    const QTime t = when.time();
    QString text = QStringLiteral("%1年%2月%3日").arg(d.year()).arg(d.month()).arg(d.day());
    if (t.second() != 0)
        text += QStringLiteral("%1时%2分%3秒").arg(t.hour()).arg(t.minute()).arg(t.second());
    else if (t.minute() != 0)
        text += QStringLiteral("%1时%2分").arg(t.hour()).arg(t.minute());
    else if (t.hour() != 0)
        text += QStringLiteral("%1时").arg(t.hour());
    return text;
}

void StartWindow::Tick() { 状态条面板[1]->setText(DateTimeText(services_.clock->Now())); }

void StartWindow::Created() {
    Tick();
    const std::string settings = SettingsFilePath();
    bool known = false;
    if (FileExists(settings)) {
        GameDirectory = ReadProfileValue(settings, "Game", "Path");
        known = !GameDirectory.empty();
    }
    if (!known) {
        DirDialogMode = 1;
        RunGameDirDialog(services_, this);
    }
}

void StartWindow::ShowCreatePanel() {
    const struct {
        int version;
        QLabel* label;
        QPushButton* clear;
    } rows[] = {{1, 标签ra2, 按钮3}, {2, 标签Youli, 按钮4}};
    for (const auto& row : rows) {
        const bool exists = FileExists(GameDirectory + RulesFileName(row.version));
        row.label->setText(exists ? kFileExists : QString());
        row.clear->setVisible(exists);
    }
    外形框->show();
}

void StartWindow::ClearRulesFile(int version) {
    const QString name = QString::fromLatin1(RulesFileName(version));
    // Deleting cannot be undone, so it is asked first.
    if (!services_.prompts->Question(
            QStringLiteral("确定要删除") + name + QStringLiteral("吗？\r\n\r\n删除后无法恢复！"),
            PromptIcon::Warning))
        return;
    RemoveFile(GameDirectory + RulesFileName(version));
    (version == 1 ? 按钮3 : 按钮4)->hide();
    (version == 1 ? 标签ra2 : 标签Youli)->setText(QString());
}

void StartWindow::TakeCreateVersion() { CreateVersion = 单选框1->isChecked() ? 1 : 2; }

void StartWindow::ConfirmCreate() {
    TakeCreateVersion();
    const int version = CreateVersion;
    QLabel* label = version == 1 ? 标签ra2 : 标签Youli;
    QPushButton* clear = version == 1 ? 按钮3 : 按钮4;
    const char* key = version == 1 ? "Ra2Path" : "YuriPath";
    const std::string path = GameDirectory + RulesFileName(version);
    Prompts& prompts = *services_.prompts;

    bool create = label->text() != kFileExists;
    if (!create) {
        if (!prompts.Question(QStringLiteral("文件已经存在，是否打开修改？\r\n\r\n选择'否'将覆盖原有文件！"),
                              PromptIcon::Information)) {
            RemoveFile(path);
            clear->hide();
            create = true;
        } else if (!FileExists(path)) {
            // Removed since the panel was opened: the editor opens only a file that exists,
            // so a fresh one is written.
            create = true;
        }
    }
    if (create) {
        if (!WriteTemplate(version)) {
            const bool exists = FileExists(path);
            label->setText(exists ? kFileExists : QString());
            clear->setVisible(exists);
            prompts.Message(QStringLiteral("文件创建失败！\r\n\r\n请检查游戏目录是否存在并且可写。"),
                            PromptIcon::Warning, QStringLiteral("错误"));
            return;
        }
        prompts.Message(QStringLiteral("文件已创建，将打开修改界面！"), PromptIcon::Information);
    }

    RulesPath = path;
    WriteProfileValue(SettingsFilePath(), "Document", key, RulesPath);
    GameVersion = version;
    OpenEditorWindow(services_);
    close();
}

void StartWindow::ModifyRulesFile() {
    DirDialogMode = 0;
    OpenGameDirWindow(services_);
    close();
}

void StartWindow::SetGameDirectory() {
    DirDialogMode = 1;
    RunGameDirDialog(services_, this);
}

void StartWindow::ExitProgram() {
    if (services_.prompts->Question(QStringLiteral("您确定要退出本修改器吗？"), PromptIcon::Question))
        close();
}

}  // namespace qm

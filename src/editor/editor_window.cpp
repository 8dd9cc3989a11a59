#include "editor/editor_window.h"

#include <algorithm>

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/controls.h"
#include "app/qt_text.h"
#include "app/skin.h"
#include "app/window_globals.h"
#include "app/window_hub.h"
#include "catalogue/catalogues.h"
#include "catalogue/picture_package.h"
#include "editor/editor_resources.h"
#include "editor/unit_form.h"
#include "editor/wait_window.h"
#include "newunit/new_unit_window.h"
#include "settings/settings_window.h"
#include "store/registry.h"
#include "store/settings.h"

namespace qm {

namespace {

const QColor& kGrey = kDisabledBoxGrey;
const QColor& kWhite = kEnabledBoxWhite;

// Caption colour of a check box while it is enabled.
void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::WindowText, colour);
        p.setColor(group, QPalette::ButtonText, colour);
    }
    w->setPalette(p);
}

QLineEdit* NumberBox(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* box = MakeControl<QLineEdit>(parent, name, x, y, w, h);
    // Whole numbers only, as typed; a value set by the program is shown as it is.
    static const QRegularExpression kWholeNumber(QStringLiteral("-?[0-9]*"));
    box->setValidator(new QRegularExpressionValidator(kWholeNumber, box));
    return box;
}

QComboBox* DropDownList(QWidget* parent, const char* name, int x, int y, int w, int h) {
    auto* list = MakeControl<QComboBox>(parent, name, x, y, w, h);
    list->setMaxVisibleItems(20);
    return list;
}

// A plain label just left of the field at fieldX, fieldY.
QLabel* FieldLabel(QWidget* parent, const char* name, const QString& caption, int fieldX,
                   int fieldY, int fieldH) {
    auto* label = MakeControl<QLabel>(parent, name, caption, fieldX - 66, fieldY, 64,
                                      std::max(fieldH, 16));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QStringList ToQt(const TextList& items) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(items.size()));
    for (const Text& item : items) out.push_back(GbkToQt(item));
    return out;
}

// Adds items at the end without changing which item is selected (none stays none).
void AppendItems(QComboBox* list, const QStringList& items) {
    const int selected = list->currentIndex();
    list->addItems(items);
    list->setCurrentIndex(selected);
}

// True when the ID of a list item (its text up to the first "-") equals upperId, comparing
// ASCII letters regardless of case.
bool ItemIdMatches(const QString& item, const QString& upperId) {
    qsizetype end = item.indexOf(QLatin1Char('-'));
    if (end < 0) end = item.size();
    if (end != upperId.size()) return false;
    for (qsizetype i = 0; i < end; ++i) {
        QChar c = item[i];
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
        if (c != upperId[i]) return false;
    }
    return true;
}

// Marks an item that SelectById appended: its whole text is its ID, so a stored ID that holds
// a "-" itself is found again and saved back unchanged.
constexpr int kWholeIdRole = Qt::UserRole + 1;

QString AsciiUpper(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) c = QChar(c.unicode() - 32);
    return text;
}

const QString kCloseQuestion = QStringLiteral("您真的要关闭『Quillmere』吗？");

// Toolbar entries: caption and icon, none for a separator.
struct ToolbarEntry {
    const char* caption;
    const char* icon;
};
constexpr std::array<ToolbarEntry, 13> kToolbar{{
    {"新增单位", "new_unit"},
    {nullptr, nullptr},
    {"基本设置", "settings"},
    {"步兵单位", "infantry"},
    {"车船单位", "vehicles"},
    {"飞行单位", "aircraft"},
    {"建筑设置", "buildings"},
    {nullptr, nullptr},
    {"伞兵修改", "paradrop"},
    {nullptr, nullptr},
    {"游戏目录", "game_dir"},
    {"关于", "about"},
    {"退出", "exit"},
}};

}  // namespace

EditorOpeners DefaultEditorOpeners() {
    EditorOpeners openers;
    openers.newUnit = RunNewUnitDialog;
    openers.settings = OpenSettingsWindow;
    openers.gameDir = RunGameDirDialog;
    return openers;
}

EditorWindow::EditorWindow(const Services& services, EditorOpeners openers, QWidget* parent)
    : QWidget(parent), services_(services), openers_(std::move(openers)) {
    InitEditorResources();
    setObjectName(QStringLiteral("EditorWindow"));
    setWindowTitle(QStringLiteral("Quillmere"));
    // The client area of a 782 x 464 frame; the status bar sits along its bottom edge.
    setFixedSize(776, 434);

    BuildToolbar();
    进度条1 = MakeSeparatorLine(this, "进度条1", 2, 49, 773, 2);
    选择夹 = MakeControl<QStackedWidget>(this, "选择夹", 0, 51, 776, 379);
    BuildWelcomePage();
    BuildEditorPage();
    状态条1 = MakeControl<QStatusBar>(this, "状态条1", 0, height() - 20, width(), 20);
    状态条1->setSizeGripEnabled(false);
    状态条1->raise();
    Connect();
}

EditorWindow::~EditorWindow() {
    if (waitWindow_) delete waitWindow_.data();
}

void EditorWindow::BuildToolbar() {
    // The toolbar grows to show each caption under its icon, down to the line at y 49.
    工具条 = MakeControl<QToolBar>(this, "工具条", 1, 0, 678, 48);
    工具条->setIconSize(QSize(24, 24));
    工具条->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    工具条->setMovable(false);
    工具条->setFloatable(false);

    新单位 = new QMenu(this);
    新单位->setObjectName(QStringLiteral("新单位"));
    新单位->setTitle(QStringLiteral("新单位"));
    const char* menuItems[] = {"步兵单位", "车船单位", "飞行单位", nullptr, "建筑单位"};
    int category = 1;
    for (const char* caption : menuItems) {
        if (!caption) {
            新单位->addSeparator();
            continue;
        }
        QAction* item = 新单位->addAction(QString::fromUtf8(caption));
        const int chosen = category++;
        connect(item, &QAction::triggered, this, [this, chosen] { OpenNewUnitWindow(chosen); });
    }

    类别按钮组 = new QActionGroup(this);
    类别按钮组->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (size_t i = 0; i < kToolbar.size(); ++i) {
        const ToolbarEntry& entry = kToolbar[i];
        if (!entry.caption) {
            工具条项目[i] = 工具条->addSeparator();
            continue;
        }
        QAction* action = 工具条->addAction(
            QIcon(QStringLiteral(":/editor/icons/%1.png").arg(QLatin1String(entry.icon))),
            QString::fromUtf8(entry.caption));
        action->setObjectName(QStringLiteral("工具条项目%1").arg(i));
        if (i >= 3 && i <= 6) {
            action->setCheckable(true);
            类别按钮组->addAction(action);
        }
        const int index = static_cast<int>(i);
        connect(action, &QAction::triggered, this, [this, index] { ToolbarClicked(index); });
        工具条项目[i] = action;
    }
    // "新增单位": the button opens the wizard for infantry, its arrow pops up the menu.
    auto* newUnitButton = qobject_cast<QToolButton*>(工具条->widgetForAction(工具条项目[0]));
    newUnitButton->setMenu(新单位);
    newUnitButton->setPopupMode(QToolButton::MenuButtonPopup);
}

void EditorWindow::BuildWelcomePage() {
    欢迎页 = new QWidget;
    欢迎页->setObjectName(QStringLiteral("欢迎0"));
    选择夹->addWidget(欢迎页);
    图片框1 = MakeControl<QLabel>(欢迎页, "图片框1", 3, 5, 768, 352);
    图片框1->setPixmap(QPixmap(QStringLiteral(":/editor/welcome.jpg")));
}

void EditorWindow::BuildEditorPage() {
    编辑页 = new QWidget;
    编辑页->setObjectName(QStringLiteral("单位/建筑1"));
    选择夹->addWidget(编辑页);
    QWidget* page = 编辑页;

    单位列表框 = MakeControl<QTreeWidget>(page, "单位列表框", 5, 4, 144, 351);
    单位列表框->setColumnCount(1);
    单位列表框->setHeaderLabels({QStringLiteral("名称")});
    单位列表框->setColumnWidth(0, 120);
    单位列表框->setRootIsDecorated(false);
    单位列表框->setUniformRowHeights(true);
    单位列表框->hide();

    图片模型_编辑框 = MakeControl<QLineEdit>(page, "图片模型_编辑框", 152, 80, 56, 24);
    图片模型_编辑框->setReadOnly(true);
    图片模型_编辑框->hide();

    // Owners.
    分组框 = MakeControl<QGroupBox>(page, "分组框", 152, 4, 618, 51);
    分组框->setTitle(QStringLiteral("拥有国家"));
    分组框->hide();
    auto country = [&](const char* name, const char* caption, int x, int w) {
        return MakeControl<QCheckBox>(分组框, name, QString::fromUtf8(caption), x, 24, w, 16);
    };
    选择_美国 = country("选择_美国", "美国", 7, 48);
    选择_法国 = country("选择_法国", "法国", 55, 48);
    选择_英国 = country("选择_英国", "英国", 103, 48);
    选择_德国 = country("选择_德国", "德国", 151, 48);
    选择_韩国 = country("选择_韩国", "韩国", 199, 48);
    选择_苏联 = country("选择_苏联", "苏联", 247, 48);
    选择_古巴 = country("选择_古巴", "古巴", 295, 48);
    选择_伊拉克 = country("选择_伊拉克", "伊拉克", 343, 56);
    选择_利比亚 = country("选择_利比亚", "利比亚", 398, 56);
    选择_尤里 = country("选择_尤里", "尤里", 460, 48);
    其他国家_编辑框 = MakeControl<QLineEdit>(分组框, "其他国家_编辑框", 514, 22, 100, 19);
    其他国家_编辑框->setReadOnly(true);
    其他国家_编辑框->setText(QStringLiteral("其他国家信息..."));
    // The button covers the box's right end; a slightly smaller font keeps the whole text
    // visible left of it.
    QFont small = 其他国家_编辑框->font();
    small.setPixelSize(10);
    其他国家_编辑框->setFont(small);
    其他国家_编辑框->setEnabled(false);
    SetEditBackground(其他国家_编辑框, kGrey);
    其他国家_按钮 = MakeControl<QToolButton>(分组框, "其他国家_按钮", 591, 23, 22, 17);
    其他国家_按钮->setArrowType(Qt::DownArrow);
    // Taking no focus, a click on it while the list is open does not first close the list.
    其他国家_按钮->setFocusPolicy(Qt::NoFocus);
    其他国家_按钮->setEnabled(false);
    按钮_反选国家 = MakeControl<QPushButton>(分组框, "按钮_反选国家", QStringLiteral("反选"), 558, 0, 56, 19);

    // Prerequisites and numbers.
    FieldLabel(page, "标签_生产前提", QStringLiteral("生产前提："), 218, 63, 16);
    编辑框_生产前提 = MakeControl<QLineEdit>(page, "编辑框_生产前提", 218, 63, 281, 16);
    编辑框_生产前提->setReadOnly(true);
    编辑框_前提说明 = MakeControl<QPlainTextEdit>(page, "编辑框_前提说明", 218, 78, 281, 35);
    编辑框_前提说明->setReadOnly(true);
    FieldLabel(page, "标签_前提单位", QStringLiteral("前提单位："), 218, 119, 20);
    组合框_前提选择 = DropDownList(page, "组合框_前提选择", 218, 119, 281, 20);
    按钮_增加前提 = MakeControl<QPushButton>(page, "按钮_增加前提", QStringLiteral("增加该前提"), 505, 119, 114, 22);
    组合框_要删除项目 = DropDownList(page, "组合框_要删除项目", 505, 62, 114, 20);
    组合框_要删除项目->addItem(QStringLiteral("选择要删除的..."));
    组合框_要删除项目->setCurrentIndex(0);
    组合框_要删除项目->setEnabled(false);
    按钮_删除前提 = MakeControl<QPushButton>(page, "按钮_删除前提", QStringLiteral("删除选中"), 505, 90, 114, 22);
    按钮_删除前提->setEnabled(false);

    FieldLabel(page, "标签_成本", QStringLiteral("生产成本："), 218, 147, 16);
    编辑框_成本 = NumberBox(page, "编辑框_成本", 218, 147, 63, 16);
    FieldLabel(page, "标签_生命", QStringLiteral("单位生命："), 348, 147, 16);
    编辑框_生命 = NumberBox(page, "编辑框_生命", 348, 147, 63, 16);
    标签_速度_电量 = FieldLabel(page, "标签_速度_电量", QStringLiteral("移动速度："), 478, 147, 16);
    编辑框_速度 = NumberBox(page, "编辑框_速度", 478, 147, 63, 16);
    FieldLabel(page, "标签_视野", QStringLiteral("视野范围："), 218, 169, 16);
    编辑框_视野 = NumberBox(page, "编辑框_视野", 218, 169, 63, 16);
    标签_占位_距离 = FieldLabel(page, "标签_占位_距离", QStringLiteral("占位大小："), 348, 169, 16);
    编辑框_占位 = NumberBox(page, "编辑框_占位", 348, 169, 63, 16);
    FieldLabel(page, "标签_容量", QStringLiteral("装载容量："), 478, 169, 16);
    编辑框_容量 = NumberBox(page, "编辑框_容量", 478, 169, 63, 16);
    选择框_移动攻击 = MakeControl<QCheckBox>(page, "选择框_移动攻击", QStringLiteral("是否可以移动攻击"), 261, 194, 117, 14);
    选择框_限制数量 = MakeControl<QCheckBox>(page, "选择框_限制数量", QStringLiteral("限制制造量："), 388, 194, 92, 14);
    编辑框_限制数量 = NumberBox(page, "编辑框_限制数量", 478, 192, 63, 16);
    编辑框_限制数量->setEnabled(false);
    SetEditBackground(编辑框_限制数量, kGrey);

    // Weapons and lists.
    FieldLabel(page, "标签_主武器", QStringLiteral("主要武器："), 218, 214, 20);
    组合框_主武器 = DropDownList(page, "组合框_主武器", 218, 214, 163, 20);
    FieldLabel(page, "标签_辅武器", QStringLiteral("辅助武器："), 454, 214, 20);
    组合框_辅武器 = DropDownList(page, "组合框_辅武器", 454, 214, 163, 20);
    FieldLabel(page, "标签_主升级", QStringLiteral("升级武器："), 218, 240, 20);
    组合框_主升级 = DropDownList(page, "组合框_主升级", 218, 240, 163, 20);
    FieldLabel(page, "标签_辅升级", QStringLiteral("升级武器："), 454, 240, 20);
    组合框_辅升级 = DropDownList(page, "组合框_辅升级", 454, 240, 163, 20);
    FieldLabel(page, "标签_死亡武器", QStringLiteral("死亡武器："), 218, 266, 20);
    组合框_死亡武器 = DropDownList(page, "组合框_死亡武器", 218, 266, 163, 20);
    组合框_死亡武器->addItem(QStringLiteral("None-无"));
    FieldLabel(page, "标签_装甲", QStringLiteral("装甲类型："), 454, 266, 20);
    组合框_装甲 = DropDownList(page, "组合框_装甲", 454, 266, 163, 20);
    组合框_装甲->addItems({QStringLiteral("none-无盔甲"), QStringLiteral("wood-木甲"),
                           QStringLiteral("flak-英雄盔甲"), QStringLiteral("light-轻型装甲"),
                           QStringLiteral("medium-中型装甲"), QStringLiteral("Plate-重型盔甲"),
                           QStringLiteral("heavy-重型装甲"), QStringLiteral("steel-钢盔"),
                           QStringLiteral("special_1-特殊装甲1"), QStringLiteral("special_2-特殊装甲2")});
    FieldLabel(page, "标签_科技", QStringLiteral("科技等级："), 218, 294, 20);
    组合框_科技 = DropDownList(page, "组合框_科技", 218, 294, 163, 20);
    组合框_科技->addItem(QStringLiteral("1(建议)"), 1);
    for (int level = 2; level <= 9; ++level) 组合框_科技->addItem(QString::number(level), level);
    组合框_科技->addItem(QStringLiteral("-1(不可建造)"), -1);
    FieldLabel(page, "标签_仅拥有", QStringLiteral("仅谁拥有："), 454, 294, 20);
    组合框_仅拥有 = DropDownList(page, "组合框_仅拥有", 454, 294, 163, 20);
    组合框_仅拥有->addItem(QStringLiteral("不设定-None"));
    for (QComboBox* list : {组合框_死亡武器, 组合框_装甲, 组合框_科技, 组合框_仅拥有})
        list->setCurrentIndex(-1);

    // Picture and buttons.
    分组框3 = MakeControl<QGroupBox>(page, "分组框3", 553, 138, 68, 61);
    单位图片 = MakeControl<QLabel>(分组框3, "单位图片", 4, 10, 60, 48);
    单位图片->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    进度条2 = MakeSeparatorLine(page, "进度条2", 159, 326, 456, 2);
    按钮_重置内容 = MakeControl<QPushButton>(page, "按钮_重置内容", QStringLiteral("重置"), 391, 333, 72, 22);
    按钮_保存单位 = MakeControl<QPushButton>(page, "按钮_保存单位", QStringLiteral("保存该单位的修改"), 495, 333, 120, 22);

    // Abilities.
    分组框2 = MakeControl<QGroupBox>(page, "分组框2", 625, 61, 145, 294);
    auto ability = [&](const char* name, const char* caption, int x, int y, int w) {
        return MakeControl<QCheckBox>(分组框2, name, QString::fromUtf8(caption), x, y, w, 13);
    };
    选择框_开始拥有 = MakeControl<QCheckBox>(分组框2, "选择框_开始拥有", QStringLiteral("游戏开始就拥有"), 12, 1, 105, 16);
    进度条5 = MakeSeparatorLine(分组框2, "进度条5", 7, 18, 130, 2);
    选择框_自动回血 = ability("选择框_自动回血", "自动恢复生命", 12, 24, 128);
    选择框_可进建筑 = ability("选择框_可进建筑", "可以进入建筑", 12, 41, 128);
    选择框_可以展开 = ability("选择框_可以展开", "可以展开", 12, 58, 103);
    选择框_展开射击 = ability("选择框_展开射击", "展开后可以射击", 30, 75, 109);
    选择框_展开射击->setEnabled(false);
    选择框_可以爆破 = ability("选择框_可以爆破", "可以爆破建筑", 12, 92, 128);
    选择框_不受控制 = ability("选择框_不受控制", "不受尤里控制", 12, 109, 128);
    选择框_可以变身 = ability("选择框_可以变身", "可以变身", 12, 127, 128);
    选择框_长时变身 = ability("选择框_长时变身", "长时间变身", 30, 145, 109);
    选择框_长时变身->setEnabled(false);
    选择框_不能碾压 = ability("选择框_不能碾压", "不能被碾压", 12, 164, 128);
    选择框_死亡爆炸 = ability("选择框_死亡爆炸", "死亡后爆炸", 12, 184, 130);
    进度条3 = MakeSeparatorLine(分组框2, "进度条3", 12, 200, 130, 2);
    选择框_可宝箱获得 = ability("选择框_可宝箱获得", "可以从宝箱获得", 12, 208, 130);
    选择框_碾压步兵 = ability("选择框_碾压步兵", "可以碾压步兵", 12, 228, 130);
    选择框_车辆变身 = ability("选择框_车辆变身", "车船可变身成为", 12, 249, 130);
    组合框_车辆变身 = DropDownList(分组框2, "组合框_车辆变身", 12, 268, 130, 20);
    组合框_车辆变身->setEnabled(false);

    // Countries without a name of ours; shown over the form by 其他国家_按钮.
    其他国家列表 = MakeControl<QListWidget>(page, "其他国家列表", 639, 44, 127, 83);
    其他国家列表->addItem(QStringLiteral("China-中国"));
    其他国家列表->hide();
    其他国家列表->installEventFilter(this);
}

void EditorWindow::Connect() {
    connect(单位列表框, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { UnitSelected(current); });
    connect(按钮_保存单位, &QPushButton::clicked, this, &EditorWindow::SaveClicked);
    connect(按钮_重置内容, &QPushButton::clicked, this, [this] { ResetUnitForm(ResetMode::Content); });
    connect(按钮_增加前提, &QPushButton::clicked, this, &EditorWindow::AddPrerequisiteClicked);
    connect(按钮_删除前提, &QPushButton::clicked, this, &EditorWindow::DeletePrerequisiteClicked);
    connect(按钮_反选国家, &QPushButton::clicked, this, &EditorWindow::InvertCountriesClicked);
    connect(其他国家_按钮, &QToolButton::clicked, this, &EditorWindow::OtherCountriesClicked);

    // A box that switches its dependent control on and off.
    auto dependent = [this](QCheckBox* box, QWidget* control) {
        connect(box, &QCheckBox::clicked, this, [box, control] { control->setEnabled(box->isChecked()); });
    };
    dependent(选择框_可以展开, 选择框_展开射击);
    dependent(选择框_可以变身, 选择框_长时变身);
    dependent(选择框_车辆变身, 组合框_车辆变身);
    connect(选择框_限制数量, &QCheckBox::clicked, this, [this] {
        const bool on = 选择框_限制数量->isChecked();
        编辑框_限制数量->setEnabled(on);
        SetEditBackground(编辑框_限制数量, on ? kWhite : kGrey);
    });
}

std::array<QCheckBox*, 10> EditorWindow::CountryBoxes() const {
    // The order of kCountryTable.
    return {选择_利比亚, 选择_古巴, 选择_伊拉克, 选择_韩国, 选择_尤里,
            选择_英国,   选择_德国, 选择_法国,   选择_美国, 选择_苏联};
}

// ---------------------------------------------------------------------------------------------
// Creation, catalogues, categories

void EditorWindow::Created() {
    SkinH_Detach_Ex(工具条);
    waitWindow_ = new WaitWindow;
    waitWindow_->ShowNow();
    选择夹->setCurrentIndex(0);
    单位列表框->hide();
    分组框->hide();
    BuildCatalogues();
}

void EditorWindow::ReplaceCatalogueItems(QComboBox* list, int first, const QStringList& items) {
    const std::array<QComboBox*, 7> filled = {组合框_主武器, 组合框_主升级, 组合框_辅武器,
                                              组合框_辅升级, 组合框_死亡武器, 组合框_前提选择,
                                              组合框_仅拥有};
    const size_t slot = static_cast<size_t>(std::find(filled.begin(), filled.end(), list) - filled.begin());
    const int selected = list->currentIndex();
    const QString selectedText = list->currentText();
    // The previous build's items sit right after the list's own items; items that SelectById
    // appended follow them and stay.
    for (int i = 0; i < catalogueCounts_[slot]; ++i) list->removeItem(first);
    list->insertItems(first, items);
    catalogueCounts_[slot] = static_cast<int>(items.size());
    list->setCurrentIndex(selected < 0 ? -1 : list->findText(selectedText));
}

void EditorWindow::BuildCatalogues() {
    if (!waitWindow_) {
        waitWindow_ = new WaitWindow;
        waitWindow_->ShowNow();
    }
    qm::BuildCatalogues();
    const Catalogues& c = ProgramCatalogues();

    const QStringList weapons = ToQt(c.WeaponItems);
    ReplaceCatalogueItems(组合框_主武器, 0, weapons);
    ReplaceCatalogueItems(组合框_主升级, 0, weapons);
    ReplaceCatalogueItems(组合框_辅武器, 0, weapons);
    ReplaceCatalogueItems(组合框_辅升级, 0, weapons);
    ReplaceCatalogueItems(组合框_死亡武器, 1, weapons);
    ReplaceCatalogueItems(组合框_前提选择, 0, ToQt(c.PrerequisiteItems));

    其他国家列表->clear();
    for (const QString& item : ToQt(c.OtherCountries)) {
        auto* row = new QListWidgetItem(item, 其他国家列表);
        row->setFlags(row->flags() | Qt::ItemIsUserCheckable);
        row->setCheckState(Qt::Unchecked);
    }
    if (!c.OtherCountries.empty()) {
        其他国家_按钮->setEnabled(true);
        其他国家_编辑框->setEnabled(true);
        SetEditBackground(其他国家_编辑框, kWhite);
    }
    ReplaceCatalogueItems(组合框_仅拥有, 1, ToQt(c.CountryItems));

    waitWindow_->close();
    waitWindow_ = nullptr;
}

void EditorWindow::ShowCategory(const TextList& list) {
    单位图片->clear();
    单位列表框->show();
    分组框->show();
    单位列表框->clear();
    ResetUnitForm(ResetMode::All);

    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(list.size()));
    for (const Text& item : list) {
        const QString text = GbkToQt(item);
        auto* row = new QTreeWidgetItem(QStringList{text});
        row->setToolTip(0, text);  // names longer than the column show whole on hover
        rows.push_back(row);
    }
    单位列表框->addTopLevelItems(rows);

    组合框_车辆变身->clear();
    const Catalogues& c = ProgramCatalogues();
    const bool building = CurrentCategory == kBuildingTypes;
    for (QCheckBox* box : {选择框_移动攻击, 选择框_可以变身, 选择框_开始拥有, 选择框_可以展开,
                           选择框_不受控制, 选择框_自动回血, 选择框_死亡爆炸, 选择框_可宝箱获得,
                           选择框_不能碾压})
        box->setEnabled(!building);
    选择框_碾压步兵->setText(building ? QStringLiteral("允许敌人建造") : QStringLiteral("可以碾压步兵"));
    SetTextColour(选择框_碾压步兵, building ? QColor(255, 0, 0) : QColor(0, 0, 0));
    标签_速度_电量->setText(building ? QStringLiteral("建筑耗电：") : QStringLiteral("移动速度："));
    标签_占位_距离->setText(building ? QStringLiteral("建筑距离：") : QStringLiteral("占位大小："));
    选择框_车辆变身->setText(building ? QStringLiteral("建筑可变身成为") : QStringLiteral("车船可变身成为"));
    AppendItems(组合框_车辆变身, ToQt(building ? c.VehicleList : c.BuildingList));

    if (CurrentCategory != kInfantryTypes) {
        if (CurrentCategory == kAircraftTypes) 选择框_车辆变身->setEnabled(false);
        选择框_可以爆破->setEnabled(false);
        选择框_可进建筑->setEnabled(false);
        选择框_长时变身->setEnabled(false);
    } else {
        选择框_车辆变身->setEnabled(false);
        选择框_碾压步兵->setEnabled(false);
        编辑框_容量->setEnabled(false);
        SetEditBackground(编辑框_容量, kGrey);
    }
}

void EditorWindow::ResetUnitForm(ResetMode mode) {
    for (QComboBox* list : {组合框_装甲, 组合框_科技, 组合框_仅拥有, 组合框_辅升级, 组合框_辅武器,
                            组合框_主升级, 组合框_主武器, 组合框_车辆变身, 组合框_死亡武器,
                            组合框_前提选择})
        list->setCurrentIndex(-1);
    for (QCheckBox* box : {选择框_可宝箱获得, 选择框_自动回血, 选择框_可进建筑, 选择框_可以展开,
                           选择框_展开射击, 选择框_可以爆破, 选择框_不受控制, 选择框_可以变身,
                           选择框_长时变身, 选择框_碾压步兵, 选择框_车辆变身, 选择框_开始拥有,
                           选择框_死亡爆炸})
        box->setChecked(false);
    for (QCheckBox* box : CountryBoxes()) box->setChecked(false);
    // The owners the form shows beyond the ten boxes are part of the unit's content too.
    for (int i = 0; i < 其他国家列表->count(); ++i) 其他国家列表->item(i)->setCheckState(Qt::Unchecked);
    otherOwnerPieces_.clear();

    const std::array<QLineEdit*, 6> numbers = {编辑框_容量, 编辑框_占位, 编辑框_视野,
                                               编辑框_速度, 编辑框_生命, 编辑框_成本};
    for (QLineEdit* box : numbers) box->clear();
    编辑框_前提说明->clear();
    编辑框_生产前提->clear();

    if (mode == ResetMode::All) {
        for (QWidget* w : std::initializer_list<QWidget*>{
                 选择框_可进建筑, 选择框_可以爆破, 选择框_可以变身, 选择框_长时变身,
                 选择框_碾压步兵, 选择框_车辆变身, 编辑框_前提说明, 编辑框_生产前提})
            w->setEnabled(true);
        for (QLineEdit* box : numbers) box->setEnabled(true);
        SetEditBackground(编辑框_容量, kWhite);
    }
    组合框_要删除项目->clear();
    选择_尤里->setEnabled(GameVersion == 2);
}

// ---------------------------------------------------------------------------------------------
// Toolbar and menu

void EditorWindow::ToolbarClicked(int index) {
    switch (index) {
    case 0: OpenNewUnitWindow(1); break;
    case 2: OpenSettingsWindow(0); break;
    case 3: CategoryClicked(kInfantryTypes); break;
    case 4: CategoryClicked(kVehicleTypes); break;
    case 5: CategoryClicked(kAircraftTypes); break;
    case 6: CategoryClicked(kBuildingTypes); break;
    case 8: OpenSettingsWindow(1); break;
    case 10: OpenGameDirWindow(); break;
    case 11: OpenSettingsWindow(2); break;
    case 12:
        if (AskToClose()) {
            closeConfirmed_ = true;
            close();
        }
        break;
    default: break;
    }
}

void EditorWindow::OpenNewUnitWindow(int category) {
    NewUnitCategory = category;
    if (openers_.newUnit)
        openers_.newUnit(services_, this, [this](const std::string&) { EditNewUnitNow(); });
}

void EditorWindow::EditNewUnitNow() {
    BuildCatalogues();
    const Catalogues& c = ProgramCatalogues();
    if (CurrentCategory == kBuildingTypes) ShowCategory(c.BuildingList);
    else if (CurrentCategory == kAircraftTypes) ShowCategory(c.AircraftList);
    else if (CurrentCategory == kVehicleTypes) ShowCategory(c.VehicleList);
    else if (CurrentCategory == kInfantryTypes) ShowCategory(c.InfantryList);
}

void EditorWindow::OpenSettingsWindow(int page) {
    SettingsPage = page;
    if (settingsWindow_ || !openers_.settings) return;
    settingsWindow_ = openers_.settings(services_, this);
}

void EditorWindow::OpenGameDirWindow() {
    DirDialogMode = 1;
    if (openers_.gameDir) openers_.gameDir(services_, nullptr);
}

void EditorWindow::CategoryClicked(const char* registry) {
    CurrentCategory = registry;
    选择夹->setCurrentIndex(1);
    const Catalogues& c = ProgramCatalogues();
    if (CurrentCategory == kInfantryTypes) ShowCategory(c.InfantryList);
    else if (CurrentCategory == kVehicleTypes) ShowCategory(c.VehicleList);
    else if (CurrentCategory == kAircraftTypes) ShowCategory(c.AircraftList);
    else ShowCategory(c.BuildingList);
}

bool EditorWindow::AskToClose() {
    return services_.prompts->Question(kCloseQuestion, PromptIcon::Question);
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (closeConfirmed_ || AskToClose()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == 其他国家列表 && event->type() == QEvent::FocusOut) 其他国家列表->hide();
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------------------
// Loading a unit

void EditorWindow::SelectById(QComboBox* list, const Text& id) {
    if (id.empty()) return;
    const QString wanted = AsciiUpper(GbkToQt(id));
    int selected = -1;
    for (int i = 0; i < list->count(); ++i) {
        const QString item = list->itemText(i);
        if (list->itemData(i, kWholeIdRole).toBool() ? AsciiUpper(item) == wanted
                                                      : ItemIdMatches(item, wanted))
            selected = i;
    }
    if (selected < 0) {
        list->addItem(GbkToQt(id));
        selected = list->count() - 1;
        list->setItemData(selected, true, kWholeIdRole);
    }
    list->setCurrentIndex(selected);
}

void EditorWindow::SelectTechLevel(const Text& techLevel) {
    if (techLevel.empty()) return;
    const long long level = LeadingNumber(techLevel);
    for (int i = 0; i < 组合框_科技->count(); ++i) {
        if (组合框_科技->itemData(i).toLongLong() == level) {
            组合框_科技->setCurrentIndex(i);
            return;
        }
    }
    // A level the list does not offer becomes an item of its own, so a save keeps it.
    组合框_科技->addItem(GbkToQt(techLevel), QVariant::fromValue(level));
    组合框_科技->setCurrentIndex(组合框_科技->count() - 1);
}

void EditorWindow::ShowUnitPicture(const Text& name) {
    const std::string bytes = UnitPictureBytes(name);
    QPixmap picture;
    if (!bytes.empty() &&
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size())))
        单位图片->setPixmap(picture);
    else
        单位图片->clear();
}

void EditorWindow::ShowRecord(const UnitRecord& u) {
    编辑框_生产前提->setText(GbkToQt(u.prerequisite));
    编辑框_成本->setText(GbkToQt(u.cost));
    编辑框_生命->setText(GbkToQt(u.strength));
    编辑框_限制数量->setText(GbkToQt(u.buildLimit));
    编辑框_速度->setText(GbkToQt(u.speed));
    编辑框_占位->setText(GbkToQt(u.physicalSize));
    编辑框_视野->setText(GbkToQt(u.sight));
    编辑框_容量->setText(GbkToQt(u.passengers));
    选择框_移动攻击->setChecked(u.opportunityFire);
    选择框_碾压步兵->setChecked(u.crusher);
    选择框_车辆变身->setChecked(u.transform);
    选择框_可宝箱获得->setChecked(u.crateGoodie);
    选择框_开始拥有->setChecked(u.allowedToStart);
    选择框_自动回血->setChecked(u.selfHealing);
    选择框_可以展开->setChecked(u.deployer);
    选择框_展开射击->setChecked(u.deployFire);
    选择框_可以爆破->setChecked(u.c4);
    选择框_可进建筑->setChecked(u.occupier);
    选择框_可以变身->setChecked(u.canDisguise);
    选择框_长时变身->setChecked(u.permaDisguise);
    选择框_不受控制->setChecked(u.immuneToPsionics);
    选择框_不能碾压->setChecked(u.crushable);
    选择框_死亡爆炸->setChecked(u.explodes);
}

void EditorWindow::UnitSelected(QTreeWidgetItem* current) {
    // The list emptied or lost its current item: there is no unit to load.
    if (!current) return;
    ResetUnitForm(ResetMode::Content);
    const Text item = QtToGbk(current->text(0));
    const Text id = ItemId(item);

    // LoadUnit fills only what the category reads; the rest keeps what the form shows.
    UnitRecord unit = FormRecord();
    unit.owner.clear();
    unit.imageName.clear();
    Rules.LoadUnit(CurrentCategory, id, unit);
    ShowRecord(unit);

    图片模型_编辑框->setText(GbkToQt(unit.imageName));
    ShowUnitPicture(unit.imageName.empty() ? ItemName(item) : unit.imageName);

    const bool limited = !编辑框_限制数量->text().isEmpty();
    选择框_限制数量->setChecked(limited);
    编辑框_限制数量->setEnabled(limited);
    SetEditBackground(编辑框_限制数量, limited ? kWhite : kGrey);

    组合框_车辆变身->setEnabled(选择框_车辆变身->isChecked());
    选择框_展开射击->setEnabled(选择框_可以展开->isChecked());
    选择框_长时变身->setEnabled(选择框_可以变身->isChecked());

    ShowOwners(unit.owner);

    SelectById(组合框_辅升级, unit.eliteSecondary);
    SelectById(组合框_主武器, unit.primary);
    SelectById(组合框_辅武器, unit.secondary);
    SelectById(组合框_主升级, unit.elitePrimary);
    SelectById(组合框_死亡武器, unit.deathWeapon);
    SelectById(组合框_装甲, unit.armor);
    SelectById(组合框_仅拥有, unit.requiredHouses);
    SelectById(组合框_车辆变身, unit.transformTarget);
    SelectTechLevel(unit.techLevel);

    ShowPrerequisites();
    UpdateDeleteControls();
}

// ---------------------------------------------------------------------------------------------
// Saving a unit

Text EditorWindow::ListValue(QComboBox* list) const {
    const int index = list->currentIndex();
    if (index < 0) return {};
    // "None-无" and "不设定-None" mean no value.
    if (index == 0 && (list == 组合框_死亡武器 || list == 组合框_仅拥有)) return {};
    const Text item = QtToGbk(list->itemText(index));
    return list->itemData(index, kWholeIdRole).toBool() ? item : ItemId(item);
}

Text EditorWindow::TechLevelValue() const {
    const int index = 组合框_科技->currentIndex();
    if (index < 0) return {};
    return NumberText(组合框_科技->itemData(index).toLongLong());
}

UnitRecord EditorWindow::FormRecord() const {
    UnitRecord u;
    u.prerequisite = QtToGbk(编辑框_生产前提->text());
    u.cost = QtToGbk(编辑框_成本->text());
    u.strength = QtToGbk(编辑框_生命->text());
    u.buildLimit = QtToGbk(编辑框_限制数量->text());
    u.speed = QtToGbk(编辑框_速度->text());
    u.physicalSize = QtToGbk(编辑框_占位->text());
    u.sight = QtToGbk(编辑框_视野->text());
    u.passengers = QtToGbk(编辑框_容量->text());
    u.opportunityFire = 选择框_移动攻击->isChecked();
    u.crusher = 选择框_碾压步兵->isChecked();
    u.transform = 选择框_车辆变身->isChecked();
    u.crateGoodie = 选择框_可宝箱获得->isChecked();
    u.allowedToStart = 选择框_开始拥有->isChecked();
    u.selfHealing = 选择框_自动回血->isChecked();
    u.deployer = 选择框_可以展开->isChecked();
    u.deployFire = 选择框_展开射击->isChecked();
    u.c4 = 选择框_可以爆破->isChecked();
    u.occupier = 选择框_可进建筑->isChecked();
    u.canDisguise = 选择框_可以变身->isChecked();
    u.permaDisguise = 选择框_长时变身->isChecked();
    u.immuneToPsionics = 选择框_不受控制->isChecked();
    u.crushable = 选择框_不能碾压->isChecked();
    u.explodes = 选择框_死亡爆炸->isChecked();
    u.primary = ListValue(组合框_主武器);
    u.secondary = ListValue(组合框_辅武器);
    u.elitePrimary = ListValue(组合框_主升级);
    u.eliteSecondary = ListValue(组合框_辅升级);
    u.deathWeapon = ListValue(组合框_死亡武器);
    u.armor = ListValue(组合框_装甲);
    u.techLevel = TechLevelValue();
    u.requiredHouses = ListValue(组合框_仅拥有);
    u.transformTarget = ListValue(组合框_车辆变身);
    u.owner = OwnerText();
    u.imageName = QtToGbk(图片模型_编辑框->text());
    return u;
}

void EditorWindow::SaveClicked() {
    const QTreeWidgetItem* current = 单位列表框->currentItem();
    const Text id = current ? ItemId(QtToGbk(current->text(0))) : Text();
    if (id.empty() || CurrentCategory.empty()) {
        services_.sounds->Play(Sound::Failure);
        return;
    }
    if (Rules.SaveUnit(CurrentCategory, id, FormRecord())) {
        services_.sounds->Play(Sound::Success);
        return;
    }
    services_.sounds->Play(Sound::Failure);
    services_.prompts->Message(
        QStringLiteral("保存失败！\r\n\r\n无法写入配置文件：") + PathToQt(RulesPath),
        PromptIcon::Warning, QStringLiteral("错误"));
}

// ---------------------------------------------------------------------------------------------
// Owners

void EditorWindow::ShowOwners(const Text& owner) {
    const std::array<QCheckBox*, 10> boxes = CountryBoxes();
    for (const Text& piece : ListPieces(owner)) {
        bool named = false;
        for (size_t i = 0; i < kCountryTable.size() && !named; ++i) {
            if (piece == kCountryTable[i].id) {
                boxes[i]->setChecked(true);
                named = true;
            }
        }
        for (int i = 0; i < 其他国家列表->count() && !named; ++i) {
            QListWidgetItem* row = 其他国家列表->item(i);
            if (ItemId(QtToGbk(row->text())) == piece) {
                row->setCheckState(Qt::Checked);
                named = true;
            }
        }
        if (!named) otherOwnerPieces_.push_back(piece);
    }
}

Text EditorWindow::OwnerText() const {
    TextList ids;
    const std::array<QCheckBox*, 10> boxes = CountryBoxes();
    for (size_t i = 0; i < kCountryTable.size(); ++i)
        if (boxes[i]->isChecked()) ids.push_back(kCountryTable[i].id);
    for (int i = 0; i < 其他国家列表->count(); ++i) {
        const QListWidgetItem* row = 其他国家列表->item(i);
        if (row->checkState() == Qt::Checked) ids.push_back(ItemId(QtToGbk(row->text())));
    }
    ids.insert(ids.end(), otherOwnerPieces_.begin(), otherOwnerPieces_.end());
    return JoinText(ids, ",");
}

void EditorWindow::InvertCountriesClicked() {
    for (QCheckBox* box : {选择_尤里, 选择_韩国, 选择_苏联, 选择_古巴, 选择_德国, 选择_英国,
                           选择_法国, 选择_美国, 选择_利比亚, 选择_伊拉克})
        if (box->isEnabled()) box->setChecked(!box->isChecked());
}

void EditorWindow::OtherCountriesClicked() {
    if (其他国家列表->isVisible()) {
        其他国家列表->hide();
        return;
    }
    其他国家列表->show();
    其他国家列表->raise();
    其他国家列表->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------------------------
// Prerequisites

Text EditorWindow::PrerequisiteName(const Text& id) const {
    return qm::PrerequisiteName(ProgramCatalogues().BuildingList, id);
}

void EditorWindow::ShowPrerequisites() {
    Text explanation;
    QStringList items;
    for (const Text& piece : ListPieces(QtToGbk(编辑框_生产前提->text()))) {
        const Text name = PrerequisiteName(piece);
        if (!explanation.empty()) explanation += ",";
        explanation += name;
        items.push_back(GbkToQt(piece + "-" + name));
    }
    编辑框_前提说明->setPlainText(GbkToQt(explanation));
    组合框_要删除项目->clear();
    AppendItems(组合框_要删除项目, items);
}

void EditorWindow::UpdateDeleteControls() {
    const bool any = 组合框_要删除项目->count() > 0;
    组合框_要删除项目->setEnabled(any);
    按钮_删除前提->setEnabled(any);
}

void EditorWindow::AddPrerequisiteClicked() {
    const int chosen = 组合框_前提选择->currentIndex();
    if (chosen < 0) {
        services_.prompts->Message(QStringLiteral("前提因数不能为空！"), PromptIcon::None);
        return;
    }
    const TextList parts = SplitText(QtToGbk(组合框_前提选择->itemText(chosen)), "-");
    const Text id = parts.empty() ? Text() : parts[0];
    const Text name = parts.size() > 1 ? parts[1] : Text();

    Text prerequisites = QtToGbk(编辑框_生产前提->text());
    Text explanation = QtToGbk(编辑框_前提说明->toPlainText());
    if (!prerequisites.empty()) {
        for (const Text& piece : ListPieces(prerequisites)) {
            if (piece == id) {
                services_.prompts->Message(QStringLiteral("已存在的项目！"), PromptIcon::Information,
                                           QStringLiteral("错误！"));
                return;
            }
        }
        prerequisites += ",";
        explanation += ",";
    }
    prerequisites += id;
    explanation += name;
    编辑框_生产前提->setText(GbkToQt(prerequisites));
    编辑框_前提说明->setPlainText(GbkToQt(explanation));
    AppendItems(组合框_要删除项目, {GbkToQt(id + "-" + name)});
    UpdateDeleteControls();
}

void EditorWindow::DeletePrerequisiteClicked() {
    const int chosen = 组合框_要删除项目->currentIndex();
    if (chosen < 0) return;
    const TextList parts = SplitText(QtToGbk(组合框_要删除项目->itemText(chosen)), "-");
    const Text id = parts.empty() ? Text() : parts[0];
    if (!services_.prompts->Question(
            QStringLiteral("您确定删除") + GbkToQt(id) + QStringLiteral("这项前提吗？"),
            PromptIcon::Information, QStringLiteral("OK")))
        return;

    // The delete list holds one item per piece, in order, each the piece, "-" and its name, so
    // the chosen item is that piece; an ID holding "-" itself is still found whole.
    const Text item = QtToGbk(组合框_要删除项目->itemText(chosen));
    const Text prerequisites = QtToGbk(编辑框_生产前提->text());
    const TextList pieces = ListPieces(prerequisites);
    auto names = [&](size_t i) { return i < pieces.size() && StartsWith(item, pieces[i] + "-"); };
    size_t index = static_cast<size_t>(chosen);
    if (!names(index)) {
        index = 0;
        while (index < pieces.size() && !names(index)) ++index;
    }
    编辑框_生产前提->setText(GbkToQt(RemoveListPiece(prerequisites, index)));
    ShowPrerequisites();
    services_.prompts->Message(QStringLiteral("删除成功！"), PromptIcon::Information,
                               QStringLiteral("OK"));
}

// ---------------------------------------------------------------------------------------------

QWidget* OpenEditor(const Services& services) {
    auto* window = new EditorWindow(services);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - window->rect().center());
    }
    window->show();
    window->Created();
    return window;
}

}  // namespace qm

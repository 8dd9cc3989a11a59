#include "settings/settings_window.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QUrl>

#include "app/controls.h"
#include "app/qt_text.h"
#include "app/skin.h"
#include "app/window_globals.h"
#include "catalogue/catalogues.h"
#include "store/rules_document.h"
#include "store/settings.h"

// The about pictures live in this library's resources; a static library has to register them
// itself.
static void InitSettingsResources() { Q_INIT_RESOURCE(settings); }

namespace qm {

const QString SettingsWindow::kContactLink = QStringLiteral("https://quillmere.example/contact");
const QString SettingsWindow::kMailLink = QStringLiteral("mailto:velmora@quillmere.example");
const QString SettingsWindow::kAboutText = QStringLiteral(
    "  对于本修改器中的单位中文名称、建筑中文名称是收集网上的翻译而来。\r\n\r\n"
    "  对于武器列表的中文对照，我实在是找不到，所以就按照兵种类型，弄了几个。正确性不保证！"
    "如果某位仁兄能够提供的话，在下将十分感谢！\r\n\r\n"
    "  如果发现错误翻译请指正，联系方法见下方。\r\n\r\n\r\n");

namespace {

const QString kClose = QStringLiteral("关闭");
const QString kCancelEdits = QStringLiteral("取消操作");
const QString kSaved = QStringLiteral("修改成功！");
const QString kSavedCaption = QStringLiteral("成功！");
const QString kNoUnitChosen = QStringLiteral("兵种没有选择！");
const QString kErrorCaption = QStringLiteral("错误");
const QString kEmptyUnitRow = QStringLiteral("<空的>");

const QColor& kGrey = kDisabledBoxGrey;

// The page captions, which are also the window captions.
const QString kPageCaptions[] = {QStringLiteral("基本设置"), QStringLiteral("伞兵设置"),
                                 QStringLiteral("关于程序")};

// The sides of the paradrop page: item text and the side name the rules file knows it by.
struct Side {
    QString item;
    QString name;
};
const Side kSides[] = {
    {QStringLiteral("盟军"), QStringLiteral("盟军")},
    {QStringLiteral("美军"), QStringLiteral("美军")},
    {QStringLiteral("苏军"), QStringLiteral("苏军")},
    {QStringLiteral("尤里(好像没作用)"), QStringLiteral("尤里")},  // Yuri's Revenge only
};

QValidator* WholeNumbers(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), parent);
}

QValidator* DecimalNumbers(QObject* parent) {
    return new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("-?[0-9]*\\.?[0-9]*")), parent);
}

void SetTextColour(QLabel* label, const QColor& colour) {
    QPalette p = label->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::WindowText, colour);
    label->setPalette(p);
}

QFont PixelFont(int pixels, bool bold = false) {
    QFont font = DefaultFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// The number a text starts with; 0 when it starts with none.
long long NumberOf(const QString& text) { return LeadingNumber(QtToGbk(text)); }

// A text with every blank removed, as GBK.
Text WithoutBlanks(const QString& text) { return RemoveBlanks(QtToGbk(text)); }

// Which box holds which of the twelve general settings.
struct BasicBox {
    QLineEdit* SettingsWindow::*box;
    Text GeneralSettings::*value;
};
constexpr BasicBox kBasicBoxes[] = {
    {&SettingsWindow::基本_金钱最大, &GeneralSettings::maxMoney},
    {&SettingsWindow::基本_金钱最小, &GeneralSettings::minMoney},
    {&SettingsWindow::基本_初始部队, &GeneralSettings::unitCount},
    {&SettingsWindow::基本_宝箱数量, &GeneralSettings::crateCount},
    {&SettingsWindow::基本_宝箱钱, &GeneralSettings::crateMoney},
    {&SettingsWindow::基本_建造间隔, &GeneralSettings::buildSpeed},
    {&SettingsWindow::基本_闪电风暴, &GeneralSettings::lightningStorm},
    {&SettingsWindow::基本_核弹发射, &GeneralSettings::nuke},
    {&SettingsWindow::基本_时空传送, &GeneralSettings::chronoSphere},
    {&SettingsWindow::基本_铁幕装置, &GeneralSettings::ironCurtain},
    {&SettingsWindow::基本_基因突变, &GeneralSettings::geneticConverter},
    {&SettingsWindow::基本_心灵控制, &GeneralSettings::psychicDominator},
};

QPointer<SettingsWindow>& OpenWindow() {
    static QPointer<SettingsWindow> window;
    return window;
}

}  // namespace

SettingsWindow::SettingsWindow(const Services& services, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint),
      services_(services) {
    InitSettingsResources();
    setObjectName(QStringLiteral("SettingsWindow"));
    // The inside of a 356 by 311 window frame. 编辑框1 sits just below the visible part: it
    // only holds the focus when the window opens.
    setFixedSize(350, 280);
    openLink = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    BuildFrame();
    BuildBasicPage();
    BuildParadropPage();
    BuildAboutPage();
    // The title and its line are drawn over the empty top of every page.
    标签_名称->raise();
    进度条1->raise();

    const int page = SettingsPage >= 0 && SettingsPage <= 2 ? SettingsPage : 0;
    setWindowTitle(kPageCaptions[page]);
    if (page == 1) PrepareParadrop();
    if (page == 2) PrepareAbout();
    标签_名称->setText(windowTitle());
    LoadBasicBoxes();
    选择夹->setCurrentIndex(page);
    GreyYurisRevengeBoxes();
    编辑框1->setFocus();
}

void SettingsWindow::BuildFrame() {
    // First in the tab order.
    编辑框1 = MakeControl<QLineEdit>(this, "编辑框1", 328, 288, 24, 16);
    选择夹 = MakeControl<QStackedWidget>(this, "选择夹", -1, 0, 352, 276);
    标签_名称 = MakeControl<QLabel>(this, "标签_名称", 112, 8, 127, 29);
    标签_名称->setAlignment(Qt::AlignCenter);
    标签_名称->setFont(PixelFont(18, true));
    进度条1 = MakeSeparatorLine(this, "进度条1", 8, 40, 336, 6);
}

void SettingsWindow::BuildBasicPage() {
    页_基本设置 = new QWidget;
    页_基本设置->setObjectName(QStringLiteral("基本设置"));
    选择夹->addWidget(页_基本设置);
    QWidget* page = 页_基本设置;

    enum Input { Whole, Decimal, Any };
    struct Row {
        const char* caption;
        const char* labelName;
        const char* boxName;
        QLineEdit* SettingsWindow::*box;
        int x, y;  // of the label; the box sits beside it
        Input input;
    };
    const Row rows[] = {
        {"金钱最小数值：", "标签_金钱最小", "基本_金钱最小", &SettingsWindow::基本_金钱最小, 14, 55, Whole},
        {"金钱最大数值：", "标签_金钱最大", "基本_金钱最大", &SettingsWindow::基本_金钱最大, 14, 84, Whole},
        {"初始部队数量：", "标签_初始部队", "基本_初始部队", &SettingsWindow::基本_初始部队, 14, 113, Whole},
        {"闪电风暴时间：", "标签_闪电风暴", "基本_闪电风暴", &SettingsWindow::基本_闪电风暴, 14, 142, Decimal},
        {"时空传送时间：", "标签_时空传送", "基本_时空传送", &SettingsWindow::基本_时空传送, 14, 171, Decimal},
        {"基因突变时间：", "标签12", "基本_基因突变", &SettingsWindow::基本_基因突变, 14, 200, Decimal},
        {"地图宝箱数量：", "标签_宝箱数量", "基本_宝箱数量", &SettingsWindow::基本_宝箱数量, 191, 55, Whole},
        {"宝箱获得金钱：", "标签_宝箱钱", "基本_宝箱钱", &SettingsWindow::基本_宝箱钱, 191, 84, Whole},
        {"单位建造时间：", "标签_建造间隔", "基本_建造间隔", &SettingsWindow::基本_建造间隔, 191, 113, Any},
        {"核弹发射时间：", "标签_核弹发射", "基本_核弹发射", &SettingsWindow::基本_核弹发射, 191, 142, Decimal},
        {"铁幕装置时间：", "标签_铁幕装置", "基本_铁幕装置", &SettingsWindow::基本_铁幕装置, 191, 171, Decimal},
        {"心灵控制时间：", "标签13", "基本_心灵控制", &SettingsWindow::基本_心灵控制, 191, 200, Decimal},
    };
    for (const Row& row : rows) {
        auto* label = MakeControl<QLabel>(page, row.labelName, QString::fromUtf8(row.caption),
                                          row.x, row.y, 80, 14);
        if (row.labelName == std::string_view("标签12")) 标签12 = label;
        if (row.labelName == std::string_view("标签13")) 标签13 = label;
        // The right column's boxes stand 83 pixels right of their labels, the left one's 82.
        const int boxX = row.x == 14 ? 96 : 274;
        QLineEdit* box = MakeControl<QLineEdit>(page, row.boxName, boxX, row.y - 1, 64, 16);
        if (row.input == Whole) box->setValidator(WholeNumbers(box));
        if (row.input == Decimal) box->setValidator(DecimalNumbers(box));
        box->installEventFilter(this);
        this->*row.box = box;
    }
    进度条2 = MakeSeparatorLine(page, "进度条2", 175, 59, 2, 159);
    进度条3 = MakeSeparatorLine(page, "进度条3", 8, 225, 336, 6);
    按钮_保存基本 = MakeControl<QPushButton>(page, "按钮_保存基本", QStringLiteral("保存修改"), 81, 240, 78, 24);
    按钮_基本取消 = MakeControl<QPushButton>(page, "按钮_基本取消", kClose, 187, 240, 78, 24);

    connect(按钮_保存基本, &QPushButton::clicked, this, &SettingsWindow::SaveBasic);
    connect(按钮_基本取消, &QPushButton::clicked, this, &SettingsWindow::CloseRoutine);
}

std::array<QLineEdit*, 12> SettingsWindow::basicBoxes() const {
    return {基本_金钱最小, 基本_金钱最大, 基本_初始部队, 基本_闪电风暴, 基本_时空传送, 基本_基因突变,
            基本_宝箱数量, 基本_宝箱钱,   基本_建造间隔, 基本_核弹发射, 基本_铁幕装置, 基本_心灵控制};
}

void SettingsWindow::BuildParadropPage() {
    页_伞兵设置 = new QWidget;
    页_伞兵设置->setObjectName(QStringLiteral("伞兵设置"));
    选择夹->addWidget(页_伞兵设置);
    QWidget* page = 页_伞兵设置;

    标签1 = MakeControl<QLabel>(page, "标签1", QStringLiteral("盟军伞兵空降时间："), 14, 56, 112, 13);
    编辑框_盟军间隔 = MakeControl<QLineEdit>(page, "编辑框_盟军间隔", 122, 54, 27, 16);
    编辑框_盟军间隔->setValidator(WholeNumbers(编辑框_盟军间隔));
    进度条4 = MakeSeparatorLine(page, "进度条4", 175, 56, 2, 14);
    标签14 = MakeControl<QLabel>(page, "标签14", QStringLiteral("苏军伞兵空降时间："), 187, 56, 112, 13);
    编辑框_苏军间隔 = MakeControl<QLineEdit>(page, "编辑框_苏军间隔", 295, 54, 27, 16);
    编辑框_苏军间隔->setValidator(WholeNumbers(编辑框_苏军间隔));
    进度条5 = MakeSeparatorLine(page, "进度条5", 8, 78, 336, 6);

    标签15 = MakeControl<QLabel>(page, "标签15", QStringLiteral("伞兵空降国家："), 14, 92, 83, 13);
    组合框_国家选择 = MakeControl<QComboBox>(page, "组合框_国家选择", 97, 88, 184, 20);
    for (int i = 0; i < 3; ++i) 组合框_国家选择->addItem(kSides[i].item, kSides[i].name);
    组合框_国家选择->setCurrentIndex(-1);
    标签17 = MakeControl<QLabel>(page, "标签17", QStringLiteral("伞兵空降兵种："), 14, 118, 83, 13);
    组合框_兵种选择 = MakeControl<QComboBox>(page, "组合框_兵种选择", 97, 114, 184, 20);
    组合框_兵种选择->setEnabled(false);
    标签16 = MakeControl<QLabel>(page, "标签16", QStringLiteral("投放兵种数量："), 14, 144, 83, 13);
    编辑框_兵种数量 = MakeControl<QLineEdit>(page, "编辑框_兵种数量", QStringLiteral("0"), 96, 141, 184, 18);
    编辑框_兵种数量->setEnabled(false);

    按钮_添加兵种 = MakeControl<QPushButton>(page, "按钮_添加兵种", QStringLiteral("添加"), 286, 140, 56, 20);
    按钮_修改兵种 = MakeControl<QPushButton>(page, "按钮_修改兵种", QStringLiteral("修改"), 286, 163, 56, 20);
    按钮_修改兵种->setEnabled(false);
    按钮_删除兵种 = MakeControl<QPushButton>(page, "按钮_删除兵种", QStringLiteral("删除"), 286, 186, 56, 20);
    按钮_删除兵种->setEnabled(false);
    按钮_清空列表 = MakeControl<QPushButton>(page, "按钮_清空列表", QStringLiteral("清空"), 286, 211, 56, 20);

    兵种列表 = MakeControl<QTreeWidget>(page, "兵种列表", 13, 167, 268, 64);
    兵种列表->setColumnCount(3);
    兵种列表->setHeaderLabels({QString(), QStringLiteral("兵种类型"), QStringLiteral("兵种数量")});
    兵种列表->setRootIsDecorated(false);
    兵种列表->setItemsExpandable(false);
    兵种列表->setUniformRowHeights(true);
    兵种列表->header()->setStretchLastSection(false);
    兵种列表->header()->setSectionsMovable(false);
    兵种列表->setColumnWidth(0, 18);
    兵种列表->setColumnWidth(1, 100);
    兵种列表->setColumnWidth(2, 120);

    进度条6 = MakeSeparatorLine(page, "进度条6", 8, 233, 336, 6);
    按钮_保存伞兵 = MakeControl<QPushButton>(page, "按钮_保存伞兵", QStringLiteral("保存修改"), 72, 243, 88, 24);
    按钮_取消 = MakeControl<QPushButton>(page, "按钮_取消", kClose, 183, 243, 88, 24);

    编辑框_盟军间隔->installEventFilter(this);
    编辑框_苏军间隔->installEventFilter(this);

    connect(组合框_国家选择, &QComboBox::activated, this, &SettingsWindow::SideChosen);
    connect(组合框_兵种选择, &QComboBox::activated, this,
            [this] { 编辑框_兵种数量->setText(QStringLiteral("0")); });
    connect(兵种列表, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (!current) return;
        按钮_修改兵种->setEnabled(true);
        按钮_删除兵种->setEnabled(true);
    });
    connect(按钮_添加兵种, &QPushButton::clicked, this, &SettingsWindow::AddUnit);
    connect(按钮_修改兵种, &QPushButton::clicked, this, &SettingsWindow::ModifyUnit);
    connect(按钮_删除兵种, &QPushButton::clicked, this, &SettingsWindow::DeleteUnit);
    connect(按钮_清空列表, &QPushButton::clicked, this, &SettingsWindow::ClearList);
    connect(按钮_保存伞兵, &QPushButton::clicked, this, &SettingsWindow::SaveParadrop);
    connect(按钮_取消, &QPushButton::clicked, this, &SettingsWindow::CloseRoutine);
}

void SettingsWindow::BuildAboutPage() {
    页_关于 = new QWidget;
    页_关于->setObjectName(QStringLiteral("关于"));
    选择夹->addWidget(页_关于);
    QWidget* page = 页_关于;

    关于_图片框 = MakeControl<QLabel>(page, "关于_图片框", 9, 48, 144, 224);
    关于_图片框->setAlignment(Qt::AlignCenter);
    关于_图片框->installEventFilter(this);
    标签20 = MakeControl<QLabel>(page, "标签20", QStringLiteral("Quillmere"), 157, 56, 188, 24);
    标签20->setFont(PixelFont(18, true));
    透明标签1 = MakeControl<QLabel>(page, "透明标签1", 161, 87, 176, 153);
    透明标签1->setAutoFillBackground(false);  // the page shows through
    透明标签1->setWordWrap(true);
    透明标签1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    透明标签1->setTextFormat(Qt::PlainText);
    // A label breaks lines at "\n" only. Eleven pixels, so the three paragraphs fit the box.
    透明标签1->setFont(PixelFont(11));
    透明标签1->setText(QString(kAboutText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

    auto makeLink = [&](const char* name, const QString& caption, const QString& target, int x) {
        auto* link = MakeControl<QLabel>(page, name, x, 256, 79, 16);
        link->setTextFormat(Qt::RichText);
        link->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), caption));
        link->setToolTip(target);
        link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
        link->setCursor(Qt::PointingHandCursor);
        connect(link, &QLabel::linkActivated, this,
                [this](const QString& url) { if (openLink) openLink(QUrl(url)); });
        return link;
    };
    联系2 = makeLink("联系2", QStringLiteral("腾讯QQ"), kContactLink, 164);
    联系1 = makeLink("联系1", QStringLiteral("E-mail"), kMailLink, 258);
}

bool SettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        for (QLineEdit* box : basicBoxes())
            if (watched == box) 按钮_基本取消->setText(kCancelEdits);
        if (watched == 编辑框_盟军间隔 || watched == 编辑框_苏军间隔) 按钮_取消->setText(kCancelEdits);
    } else if (event->type() == QEvent::MouseButtonDblClick && watched == 关于_图片框) {
        AboutPictureIndex = AboutPictureIndex == 0 ? 1 : 0;
        ShowAboutPicture();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---- basic settings ----

void SettingsWindow::LoadBasicBoxes() {
    const GeneralSettings settings = Rules.LoadGeneralSettings();
    for (const BasicBox& b : kBasicBoxes) (this->*b.box)->setText(GbkToQt(settings.*b.value));
}

void SettingsWindow::GreyYurisRevengeBoxes() {
    const bool yurisRevenge = GameVersion == 2;
    for (QLineEdit* box : {基本_基因突变, 基本_心灵控制}) {
        box->setEnabled(yurisRevenge);
        SetEditBackground(box, yurisRevenge ? kEnabledBoxWhite : kGrey);
    }
    for (QLabel* label : {标签12, 标签13}) SetTextColour(label, yurisRevenge ? QColor(Qt::black) : kGrey);
}

void SettingsWindow::SaveBasic() {
    Prompts& prompts = *services_.prompts;
    const long long minMoney = NumberOf(基本_金钱最小->text());
    const long long maxMoney = NumberOf(基本_金钱最大->text());
    const bool outOfRange = minMoney < 1 || minMoney > 50000 || maxMoney < 1 || maxMoney > 50000;
    if (outOfRange &&
        !prompts.Question(QStringLiteral("金钱数不能低于‘1’，也最好不要超过‘50000’\r\n\r\n"
                                         "否则数据有可能溢出。\r\n\r\n是否确定修改？"),
                          PromptIcon::Warning)) {
        prompts.Message(QStringLiteral("修改中止！\r\n\r\n请修改错误内容！"), PromptIcon::Information);
        return;
    }

    GeneralSettings settings;
    for (const BasicBox& b : kBasicBoxes) settings.*b.value = QtToGbk((this->*b.box)->text());
    if (!Rules.SaveGeneralSettings(settings)) {
        // The boxes keep the user's texts, so the save can be tried again.
        ReportFailedSave();
        return;
    }
    services_.sounds->Play(Sound::Success);
    prompts.Message(kSaved, PromptIcon::Information, kSavedCaption);
    LoadBasicBoxes();
    按钮_基本取消->setText(kClose);
}

void SettingsWindow::ReportFailedSave() {
    services_.sounds->Play(Sound::Failure);
    services_.prompts->Message(
        QStringLiteral("保存失败！\r\n\r\n无法写入配置文件：") + PathToQt(RulesPath),
        PromptIcon::Warning, kErrorCaption);
}

void SettingsWindow::CloseRoutine() {
    QPushButton* button = 选择夹->currentIndex() == 0 ? 按钮_基本取消 : 按钮_取消;
    if (button->text() == kClose ||
        services_.prompts->Question(QStringLiteral("您确定不保存修改就关闭本窗口吗？"),
                                    PromptIcon::Information, QStringLiteral("关闭？")))
        close();
}

// ---- paradrops ----

void SettingsWindow::PrepareParadrop() {
    组合框_兵种选择->clear();
    for (const Text& item : ProgramCatalogues().InfantryList) 组合框_兵种选择->addItem(GbkToQt(item));
    组合框_兵种选择->setCurrentIndex(-1);
    const ParadropTimes times = Rules.LoadParadropTimes();
    编辑框_盟军间隔->setText(GbkToQt(times.allied));
    编辑框_苏军间隔->setText(GbkToQt(times.soviet));
    if (GameVersion == 2) 组合框_国家选择->addItem(kSides[3].item, kSides[3].name);
    组合框_国家选择->setCurrentIndex(-1);
    ShownSide.clear();
    ParadropEdited = false;
}

void SettingsWindow::AddRow(const QString& unit, const QString& count) {
    auto* row = new QTreeWidgetItem(兵种列表);
    row->setText(1, unit);
    row->setText(2, count);
}

void SettingsWindow::SideChosen(int index) {
    组合框_兵种选择->setEnabled(true);
    编辑框_兵种数量->setEnabled(true);
    if (ParadropEdited &&
        !services_.prompts->Question(
            QStringLiteral("对于") + ShownSide + QStringLiteral("的修改还没有保存！\r\n\r\n是否取消对其修改？"),
            PromptIcon::Information, QStringLiteral("取消对") + ShownSide + QStringLiteral("的修改？"))) {
        // Back to the side the list shows (no side when none has been loaded yet).
        组合框_国家选择->setCurrentIndex(组合框_国家选择->findData(ShownSide));
        return;
    }
    兵种列表->clear();
    const QString side = 组合框_国家选择->itemData(index).toString();
    const ParadropList list = Rules.LoadParadrop(QtToGbk(side));
    if (!ContainsText(list.units, ",") && !ContainsText(list.counts, ",")) {
        AddRow(GbkToQt(list.units), GbkToQt(list.counts));
    } else {
        static const Text kEmptyUnit = Gbk("<空的>");
        TextList units = SplitText(list.units, ",");
        TextList counts = SplitText(list.counts, ",");
        while (counts.size() < units.size()) counts.push_back("0");
        while (units.size() < counts.size()) units.push_back(kEmptyUnit);
        for (size_t i = 0; i < units.size(); ++i) AddRow(GbkToQt(units[i]), GbkToQt(counts[i]));
    }
    ShownSide = side;
    ParadropEdited = false;
}

void SettingsWindow::MarkListEdited() {
    ParadropEdited = true;
    按钮_取消->setText(kCancelEdits);
}

void SettingsWindow::AddUnit() {
    Prompts& prompts = *services_.prompts;
    const QString count = 编辑框_兵种数量->text();
    if (NumberOf(count) < 1) {
        prompts.Message(QStringLiteral("单位数量不能为0"), PromptIcon::Information);
        return;
    }
    if (组合框_兵种选择->currentIndex() < 0) {
        prompts.Message(kNoUnitChosen, PromptIcon::None);
        return;
    }
    const QString id = GbkToQt(ItemId(QtToGbk(组合框_兵种选择->currentText())));
    if (!兵种列表->findItems(id, Qt::MatchExactly | Qt::MatchCaseSensitive, 1).isEmpty()) {
        prompts.Message(QStringLiteral("存在的兵种项目！\r\n\r\n请选择其他兵种或修改该兵种！"),
                        PromptIcon::Information);
        return;
    }
    AddRow(id, count);
    MarkListEdited();
}

void SettingsWindow::ModifyUnit() {
    QTreeWidgetItem* row = 兵种列表->currentItem();
    if (!row) return;
    Prompts& prompts = *services_.prompts;
    if (组合框_兵种选择->currentIndex() < 0) {
        prompts.Message(kNoUnitChosen, PromptIcon::None);
        return;
    }
    const QString id = GbkToQt(ItemId(QtToGbk(组合框_兵种选择->currentText())));
    // The count must be a number above 0, as for a new row.
    const QString count = 编辑框_兵种数量->text();
    if (NumberOf(count) < 1) {
        prompts.Message(QStringLiteral("兵种数量不能为空或者为0！"), PromptIcon::None);
        return;
    }
    row->setText(1, id);
    row->setText(2, count);
    MarkListEdited();
}

void SettingsWindow::DeleteUnit() {
    QTreeWidgetItem* row = 兵种列表->currentItem();
    if (!row) return;
    Prompts& prompts = *services_.prompts;
    const QString id = row->text(1);
    if (!prompts.Question(QStringLiteral("是否要删除") + id + QStringLiteral("这个单位？"),
                          PromptIcon::Question))
        return;
    delete row;
    兵种列表->setCurrentItem(nullptr);
    prompts.Message(QStringLiteral("删除") + id + QStringLiteral("成功！"), PromptIcon::Information);
    MarkListEdited();
}

void SettingsWindow::ClearList() {
    兵种列表->clear();
    MarkListEdited();
}

void SettingsWindow::SaveParadrop() {
    Prompts& prompts = *services_.prompts;
    const QString side = 组合框_国家选择->currentIndex() < 0
                             ? QString()
                             : 组合框_国家选择->currentData().toString();
    ShownSide = side;

    static const Text kEmptyUnit = Gbk("<空的>");
    TextList units, counts;
    for (int i = 0; i < 兵种列表->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = 兵种列表->topLevelItem(i);
        Text unit = WithoutBlanks(row->text(1));
        Text count = WithoutBlanks(row->text(2));
        // "<空的>" only marks a unit missing from the file; it is no unit ID.
        if (unit.empty() || unit == kEmptyUnit) {
            prompts.Message(QStringLiteral("存在空的兵种项目！\r\n\r\n请检查..."),
                            PromptIcon::Information, kErrorCaption);
            return;
        }
        if (count.empty()) {
            prompts.Message(QStringLiteral("存在空的兵种数量！\r\n\r\n请检查..."),
                            PromptIcon::Information, kErrorCaption);
            return;
        }
        units.push_back(std::move(unit));
        counts.push_back(std::move(count));
    }
    const ParadropList list{JoinText(units, ","), JoinText(counts, ",")};
    const ParadropTimes times{QtToGbk(编辑框_盟军间隔->text()), QtToGbk(编辑框_苏军间隔->text())};
    if (!Rules.SaveParadrop(QtToGbk(side), list, times)) {
        ReportFailedSave();
        return;
    }
    services_.sounds->Play(Sound::Success);
    prompts.Message(kSaved, PromptIcon::Information, kSavedCaption);
    ParadropEdited = false;
    按钮_取消->setText(kClose);
}

// ---- about ----

QPixmap SettingsWindow::AboutPicture(int index) {
    InitSettingsResources();
    static const QImage strip(QStringLiteral(":/settings/about_pictures.png"));
    const int width = strip.width() / kAboutPictureCount;
    return QPixmap::fromImage(strip.copy(index * width, 0, width, strip.height()));
}

void SettingsWindow::PrepareAbout() {
    AboutPictureIndex = services_.random->Between(0, 1);
    ShowAboutPicture();
}

void SettingsWindow::ShowAboutPicture() {
    关于_图片框->setPixmap(AboutPicture(AboutPictureIndex)
                               .scaled(关于_图片框->size(), Qt::KeepAspectRatio,
                                       Qt::SmoothTransformation));
}

// ---- opening ----

QWidget* OpenSettingsWindow(const Services& services, QWidget* owner) {
    QPointer<SettingsWindow>& open = OpenWindow();
    if (open) return open;
    auto* window = new SettingsWindow(services, owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    open = window;
    return window;
}

}  // namespace qm

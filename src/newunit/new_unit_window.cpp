#include "newunit/new_unit_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "app/controls.h"
#include "app/qt_text.h"
#include "app/window_globals.h"
#include "catalogue/catalogues.h"
#include "catalogue/picture_package.h"
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/registry.h"
#include "store/rules_document.h"
#include "store/settings.h"

namespace qm {

Text NewUnitRegistry;
Text NewUnitKind;
Text NewUnitMovement;

namespace {

const QString kChooseAppearance = QStringLiteral("请选择单位外观...");
const QString kEditNowQuestion = QStringLiteral(
    "您必须对新建的单位做修改，否则该单位不能被使用！\r\n\r\n是否现在修改？！\r\n\r\n"
    "新建的单位将出现在单位列表的最下面！！！");

// A radio button whose caption is one line, as a plain button caption is: line breaks in the
// text take no room (the building button's caption ends with one).
class OneLineRadioButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.remove(u'\r').remove(u'\n');
        painter.drawControl(QStyle::CE_RadioButton, option);
    }
};

// A checked radio button of an exclusive set cannot be unchecked directly.
void Uncheck(QRadioButton* button) {
    if (!button->isChecked()) return;
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

// Only the ASCII letters and digits the hint beside the ID box asks for.
bool IsPlainId(const QString& id) {
    if (id.isEmpty()) return false;
    for (QChar c : id) {
        const char16_t u = c.unicode();
        const bool ok = (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9');
        if (!ok) return false;
    }
    return true;
}

// True when the ID is already a unit of any registry or names any section of the rules file,
// both regardless of letter case: the profile layer matches section names that way, so
// writing the new record there would replace that section's keys. A registry entry's ID is its
// value cut before a comment, without blanks.
bool IdInUse(const Text& id) {
    for (const char* registry : {kInfantryTypes, kVehicleTypes, kAircraftTypes, kBuildingTypes}) {
        for (const Text& key : ListSectionKeys(RulesPath, registry)) {
            const Text value = ReadProfileValue(RulesPath, registry, key);
            if (EqualsNoCase(RemoveBlanks(value.substr(0, FindBytes(value, ";"))), id)) return true;
        }
    }
    return ProfileSectionExists(RulesPath, id);
}

}  // namespace

NewUnitWindow::NewUnitWindow(const Services& services, QWidget* parent, EditNewUnit editNow)
    : QDialog(parent), services_(services), editNow_(std::move(editNow)) {
    setObjectName(QStringLiteral("NewUnitWindow"));
    setWindowTitle(QStringLiteral("新单位设置"));
    // The designed 468x209 includes the frame, which the window system draws here; the
    // client keeps the controls' margins.
    setFixedSize(464, 176);

    分组框1 = MakeControl<QGroupBox>(this, "分组框1", 8, 8, 104, 160);
    分组框1->setTitle(QStringLiteral("单位类型"));
    单选框_步兵 = MakeControl<QRadioButton>(分组框1, "单选框_步兵", QStringLiteral("步兵单位"), 16, 24, 74, 16);
    单选框_车辆 = MakeControl<QRadioButton>(分组框1, "单选框_车辆", QStringLiteral("车辆单位"), 16, 48, 74, 16);
    单选框_船只 = MakeControl<QRadioButton>(分组框1, "单选框_船只", QStringLiteral("船只单位"), 16, 72, 74, 16);
    单选框_飞行 = MakeControl<QRadioButton>(分组框1, "单选框_飞行", QStringLiteral("飞行单位"), 16, 96, 74, 16);
    单选框_建筑 = MakeControl<OneLineRadioButton>(分组框1, "单选框_建筑", QStringLiteral("建筑设施\r\n"), 16, 120, 74, 16);
    标签1 = MakeControl<QLabel>(分组框1, "标签1", QStringLiteral("(不推荐)"), 40, 136, 48, 16);

    分组框2 = MakeControl<QGroupBox>(this, "分组框2", 119, 8, 264, 160);
    标签2 = MakeControl<QLabel>(分组框2, "标签2", QStringLiteral("单位名称："), 8, 16, 56, 16);
    编辑框_新单位名称 = MakeControl<QLineEdit>(分组框2, "编辑框_新单位名称", 67, 16, 86, 16);
    标签7 = MakeControl<QLabel>(分组框2, "标签7", QStringLiteral("必须为英文或数字"), 157, 16, 98, 16);
    标签3 = MakeControl<QLabel>(分组框2, "标签3", QStringLiteral("显示在游戏中的名称。"), 66, 37, 117, 13);
    标签4 = MakeControl<QLabel>(分组框2, "标签4", QStringLiteral("单位外观："), 8, 65, 56, 16);
    组合框_外观 = MakeControl<QComboBox>(分组框2, "组合框_外观", 65, 63, 176, 20);
    组合框_外观->addItem(kChooseAppearance);
    标签5 = MakeControl<QLabel>(分组框2, "标签5", QStringLiteral("移动方式："), 8, 100, 56, 16);
    单选框_步行方式 = MakeControl<QRadioButton>(分组框2, "单选框_步行方式", QStringLiteral("步行"), 65, 100, 56, 16);
    单选框_飞行方式 = MakeControl<QRadioButton>(分组框2, "单选框_飞行方式", QStringLiteral("飞行"), 168, 100, 56, 16);
    单选框_传送方式 = MakeControl<QRadioButton>(分组框2, "单选框_传送方式", QStringLiteral("超时空传送"), 65, 119, 80, 16);
    单选框_两栖方式 = MakeControl<QRadioButton>(分组框2, "单选框_两栖方式", QStringLiteral("水陆两栖"), 168, 119, 80, 16);
    单选框_航行 = MakeControl<QRadioButton>(分组框2, "单选框_航行", QStringLiteral("航行(只能用于船只)"), 65, 139, 176, 16);
    单选框_航行->setEnabled(false);

    图片框_外观 = MakeControl<QLabel>(this, "图片框_外观", 392, 16, 60, 49);
    标签6 = MakeControl<QLabel>(this, "标签6", QStringLiteral("单位图标"), 392, 64, 60, 16);
    标签6->setAlignment(Qt::AlignCenter);
    按钮_生成单位 = MakeControl<QPushButton>(this, "按钮_生成单位", QStringLiteral("生成单位"), 392, 111, 64, 24);
    按钮_关闭 = MakeControl<QPushButton>(this, "按钮_关闭", QStringLiteral("取消退出"), 392, 143, 64, 24);
    // Enter in the ID box must not press a button by itself.
    按钮_生成单位->setAutoDefault(false);
    按钮_关闭->setAutoDefault(false);

    const struct {
        QRadioButton* button;
        const char* registry;
    } categories[] = {{单选框_步兵, kInfantryTypes},
                      {单选框_车辆, kVehicleTypes},
                      {单选框_船只, kVehicleTypes},
                      {单选框_飞行, kAircraftTypes},
                      {单选框_建筑, kBuildingTypes}};
    for (const auto& c : categories) {
        const char* registry = c.registry;
        connect(c.button, &QRadioButton::clicked, this, [this, registry] { CategoryClicked(registry); });
    }
    connect(组合框_外观, &QComboBox::currentIndexChanged, this, &NewUnitWindow::AppearanceChosen);
    connect(按钮_生成单位, &QPushButton::clicked, this, &NewUnitWindow::GenerateUnit);
    connect(按钮_关闭, &QPushButton::clicked, this, &QDialog::close);

    // Creation steps.
    编辑框_新单位名称->setText(DefaultUnitId(*services_.clock, *services_.random));
    NewUnitMovement = Gbk("两栖");
    const struct {
        int category;
        const char* registry;
        QRadioButton* button;
    } starts[] = {{1, kInfantryTypes, 单选框_步兵},
                  {2, kVehicleTypes, 单选框_车辆},
                  {3, kAircraftTypes, 单选框_飞行},
                  {4, kBuildingTypes, 单选框_建筑}};
    for (const auto& s : starts) {
        if (s.category == NewUnitCategory) {
            NewUnitRegistry = s.registry;
            s.button->setChecked(true);
        }
    }
    FillAppearanceList();
}

QString NewUnitWindow::DefaultUnitId(Clock& clock, RandomSource& random) {
    QString id;
    for (int i = 0; i < 5; ++i) {
        const QChar letter(u'A' + random.Between(1, 25) - 1);  // A to Y, never Z
        id += i == 0 ? letter : letter.toLower();
    }
    const QDateTime now = clock.Now();
    const int n = random.Between(320, 900) + now.date().day() + now.time().second();
    return id + QString::number(n);
}

void NewUnitWindow::CategoryClicked(const char* registry) {
    NewUnitRegistry = registry;
    FillAppearanceList();
}

void NewUnitWindow::FillAppearanceList() {
    // The picture is cleared here, so the selection changes below need not look it up.
    const QSignalBlocker quiet(组合框_外观);
    组合框_外观->clear();
    组合框_外观->addItem(kChooseAppearance);
    图片框_外观->clear();
    // The sail button is unchecked too, so a sail choice does not carry over from ships.
    for (QRadioButton* b : {单选框_两栖方式, 单选框_传送方式, 单选框_飞行方式, 单选框_步行方式, 单选框_航行})
        Uncheck(b);
    单选框_航行->setEnabled(false);

    const Catalogues& catalogues = ProgramCatalogues();
    const TextList* list = nullptr;
    const bool building = NewUnitRegistry == kBuildingTypes;
    for (QRadioButton* b : {单选框_两栖方式, 单选框_传送方式, 单选框_飞行方式, 单选框_步行方式})
        b->setEnabled(!building);
    if (building) {
        list = &catalogues.BuildingList;
        NewUnitKind = Gbk("建筑");
    }
    if (NewUnitRegistry == kAircraftTypes) {
        list = &catalogues.AircraftList;
        NewUnitKind = Gbk("飞行");
    }
    if (NewUnitRegistry == kVehicleTypes) {
        if (单选框_船只->isChecked()) {
            NewUnitKind = Gbk("船只");
            单选框_航行->setEnabled(true);
        } else {
            NewUnitKind = Gbk("车辆");
        }
        list = &catalogues.VehicleList;  // vehicles and ships share one list
    }
    if (NewUnitRegistry == kInfantryTypes) {
        list = &catalogues.InfantryList;
        NewUnitKind = Gbk("步兵");
    }
    if (list) {
        QStringList items;
        items.reserve(static_cast<qsizetype>(list->size()));
        for (const Text& item : *list) items << GbkToQt(item);
        组合框_外观->addItems(items);
    }
    组合框_外观->setCurrentIndex(0);
}

Text NewUnitWindow::AppearanceImageName() const {
    return Rules.GetImageName(ItemId(QtToGbk(组合框_外观->currentText())));
}

void NewUnitWindow::AppearanceChosen() {
    const std::string bytes = AppearancePictureBytes(AppearanceImageName());
    QPixmap picture;
    if (!bytes.empty() &&
        picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size())))
        图片框_外观->setPixmap(picture);
    else
        图片框_外观->clear();
}

bool NewUnitWindow::RefuseId(const QString& id) {
    QString refusal;
    if (!IsPlainId(id))
        refusal = QStringLiteral("单位名称必须为英文或数字！");
    else if (IdInUse(QtToGbk(id)))
        refusal = QStringLiteral("存在的单位名称！");
    if (refusal.isEmpty()) return false;
    services_.prompts->Message(refusal, PromptIcon::Information);
    services_.sounds->Play(Sound::Failure);
    return true;
}

void NewUnitWindow::GenerateUnit() {
    // The first checked movement button decides, enabled or not; with none checked the
    // movement stays as it was.
    const struct {
        QRadioButton* button;
        const char* movement;
    } movements[] = {{单选框_传送方式, "传送"},
                     {单选框_两栖方式, "两栖"},
                     {单选框_飞行方式, "飞行"},
                     {单选框_步行方式, "步行"},
                     {单选框_航行, "航行"}};
    for (const auto& m : movements) {
        if (m.button->isChecked()) {
            NewUnitMovement = Gbk(m.movement);
            break;
        }
    }

    const QString typed = 编辑框_新单位名称->text();
    if (RefuseId(typed)) return;
    const Text id = QtToGbk(typed);

    const Text image = AppearanceImageName();
    if (!Rules.CreateUnit(NewUnitRegistry, NewUnitKind, id, NewUnitMovement, image)) {
        services_.sounds->Play(Sound::Failure);
        services_.prompts->Message(
            QStringLiteral("生成失败！\r\n\r\n无法写入配置文件：") + PathToQt(RulesPath),
            PromptIcon::Warning, QStringLiteral("错误"));
        return;
    }
    services_.sounds->Play(Sound::Success);

    // The log of generated units: the next number of the registry's "-new" section.
    const std::string settings = SettingsFilePath();
    const Text log = NewUnitRegistry + "-new";
    const auto count = static_cast<long long>(ListSectionKeys(settings, log).size());
    WriteProfileValue(settings, log, NumberText(count), id);

    if (services_.prompts->Question(kEditNowQuestion, PromptIcon::Information, QStringLiteral("提示：")) &&
        editNow_)
        editNow_(CurrentCategory);
}

void RunNewUnitDialog(const Services& services, QWidget* owner,
                      std::function<void(const std::string& registry)> editNow) {
    NewUnitWindow dialog(services, owner, std::move(editNow));
    dialog.exec();
}

}  // namespace qm

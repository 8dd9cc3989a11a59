// EditorWindow itself: creation, the toolbar and its menu, categories, the other-countries
// list, the dependent check boxes, catalogue rebuilds and closing.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QImageReader>
#include <QMovie>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "app/qt_text.h"
#include "app/window_globals.h"
#include "catalogue/catalogues.h"
#include "editor/wait_window.h"
#include "editor_test.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qmtest {
namespace {

const QColor kGrey(236, 236, 236);
const QColor kWhite(255, 255, 255);

QColor Background(QWidget* w) { return w->palette().color(QPalette::Base); }

QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
    return items;
}

QStringList Rows(QTreeWidget* list) {
    QStringList rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) rows << list->topLevelItem(i)->text(0);
    return rows;
}

QStringList ToQt(const qm::TextList& items) {
    QStringList out;
    for (const auto& item : items) out << qm::GbkToQt(item);
    return out;
}

using EditorWindowTest = EditorTest;

TEST_F(EditorWindowTest, OpensOnTheWelcomePageWithTheCataloguesInTheirLists) {
    auto& w = Open(qm::TemplateBytes(2));
    EXPECT_EQ(w.windowTitle(), "Quillmere");
    EXPECT_EQ(w.选择夹->currentIndex(), 0);
    EXPECT_FALSE(w.图片框1->pixmap().isNull());
    EXPECT_EQ(w.图片框1->pixmap().size(), QSize(768, 352));
    EXPECT_FALSE(w.单位列表框->isVisibleTo(&w));
    EXPECT_FALSE(w.分组框->isVisibleTo(&w));
    EXPECT_FALSE(WaitWindowShown());
    EXPECT_EQ(w.类别按钮组->checkedAction(), nullptr);

    const qm::Catalogues& c = qm::ProgramCatalogues();
    const QStringList weapons = ToQt(c.WeaponItems);
    ASSERT_EQ(weapons.size(), 177);
    for (QComboBox* list : {w.组合框_主武器, w.组合框_主升级, w.组合框_辅武器, w.组合框_辅升级})
        EXPECT_EQ(Items(list), weapons) << list->objectName();
    EXPECT_EQ(Items(w.组合框_死亡武器), QStringList{"None-无"} + weapons);
    EXPECT_EQ(Items(w.组合框_前提选择), ToQt(c.BuildingList));
    EXPECT_EQ(Items(w.组合框_仅拥有), QStringList{"不设定-None"} + ToQt(c.CountryItems));
    EXPECT_EQ(Items(w.组合框_装甲).size(), 10);
    EXPECT_EQ(Items(w.组合框_科技), (QStringList{"1(建议)", "2", "3", "4", "5", "6", "7", "8", "9", "-1(不可建造)"}));
    for (QComboBox* list : w.findChildren<QComboBox*>())
        if (list != w.组合框_要删除项目) {
            EXPECT_EQ(list->currentIndex(), -1) << list->objectName();
        }
    EXPECT_EQ(w.组合框_要删除项目->currentText(), "选择要删除的...");
    EXPECT_FALSE(w.组合框_要删除项目->isEnabled());
    EXPECT_FALSE(w.按钮_删除前提->isEnabled());
    EXPECT_FALSE(w.选择框_展开射击->isEnabled());
    EXPECT_FALSE(w.选择框_长时变身->isEnabled());
    EXPECT_FALSE(w.组合框_车辆变身->isEnabled());
    EXPECT_FALSE(w.编辑框_限制数量->isEnabled());
    EXPECT_EQ(Background(w.编辑框_限制数量), kGrey);
    // The stock rules name no country of their own.
    EXPECT_EQ(w.其他国家列表->count(), 0);
    EXPECT_FALSE(w.其他国家_按钮->isEnabled());
    EXPECT_FALSE(w.其他国家_编辑框->isEnabled());
    EXPECT_EQ(w.其他国家_编辑框->text(), "其他国家信息...");

    std::vector<std::string> problems;
    EXPECT_TRUE(CaptionsFit(&w, &problems)) << ::testing::PrintToString(problems);
}

TEST_F(EditorWindowTest, ToolbarHasItsEntriesAndTheNewUnitMenu) {
    auto& w = Open(SmallRules());
    const char* captions[] = {"新增单位", nullptr, "基本设置", "步兵单位", "车船单位", "飞行单位", "建筑设置",
                              nullptr, "伞兵修改", nullptr, "游戏目录", "关于", "退出"};
    for (int i = 0; i < 13; ++i) {
        QAction* entry = w.工具条项目[i];
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->isSeparator(), captions[i] == nullptr) << i;
        if (captions[i]) {
            EXPECT_EQ(entry->text(), QString::fromUtf8(captions[i]));
            EXPECT_EQ(entry->icon().actualSize(QSize(24, 24)), QSize(24, 24)) << i;
        }
        EXPECT_EQ(entry->isCheckable(), i >= 3 && i <= 6) << i;
    }
    EXPECT_EQ(w.工具条->actions().size(), 13);
    auto* newUnit = qobject_cast<QToolButton*>(w.工具条->widgetForAction(w.工具条项目[kNewUnit]));
    EXPECT_EQ(newUnit->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_EQ(newUnit->menu(), w.新单位);
    QStringList menu;
    for (QAction* item : w.新单位->actions()) menu << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(menu, (QStringList{"步兵单位", "车船单位", "飞行单位", "-", "建筑单位"}));

    // The button's main part opens the wizard for infantry; the menu for each category.
    Click(kNewUnit);
    int category = 1;
    for (QAction* item : w.新单位->actions())
        if (!item->isSeparator()) {
            qm::NewUnitCategory = 0;
            item->trigger();
            EXPECT_EQ(qm::NewUnitCategory, category++);
        }
    EXPECT_EQ(newUnitCalls, (std::vector<int>{1, 1, 2, 3, 4}));
    EXPECT_EQ(newUnitOwners, std::vector<QWidget*>(5, &w));

    Click(kGameDir);
    EXPECT_EQ(gameDirCalls, std::vector<int>{1});
    EXPECT_EQ(gameDirOwners, std::vector<QWidget*>{nullptr});
    EXPECT_EQ(qm::RulesPath, rulesPath);
}

TEST_F(EditorWindowTest, OpensOneSettingsWindowAtATime) {
    auto& w = Open(SmallRules());
    Click(kSettings);
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_EQ(qm::SettingsPage, 0);
    ASSERT_TRUE(settingsWindow);
    EXPECT_EQ(settingsWindow->parentWidget(), &w);
    EXPECT_EQ(w.settingsWindow(), settingsWindow.data());

    // While it exists the other entries only change the page.
    Click(kParadrop);
    EXPECT_EQ(qm::SettingsPage, 1);
    Click(kAbout);
    EXPECT_EQ(qm::SettingsPage, 2);
    EXPECT_EQ(settingsOpened, 1);

    delete settingsWindow.data();
    Click(kParadrop);
    EXPECT_EQ(settingsOpened, 2);
    EXPECT_EQ(qm::SettingsPage, 1);
}

// The editor opens the program's own wizard and settings window.
TEST_F(EditorWindowTest, OpensTheProgramsWindows) {
    auto& w = Open(SmallRules(), 2, true);
    QString wizard;
    QWidget* wizardOwner = nullptr;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            wizard = modal->objectName();
            wizardOwner = modal->parentWidget();
            modal->close();
        }
    });
    Click(kNewUnit);
    EXPECT_EQ(wizard, "NewUnitWindow");
    EXPECT_EQ(wizardOwner, &w);
    EXPECT_EQ(qm::NewUnitCategory, 1);

    auto settingsWindows = [] {
        int n = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            n += top->isVisible() && top->objectName() == "SettingsWindow";
        return n;
    };
    Click(kAbout);
    ASSERT_EQ(settingsWindows(), 1);
    EXPECT_EQ(w.settingsWindow()->parentWidget(), &w);
    Click(kSettings);
    EXPECT_EQ(settingsWindows(), 1);
    EXPECT_EQ(qm::SettingsPage, 0);
    // It goes with the editor.
    QPointer<QWidget> settings = w.settingsWindow();
    editor.reset();
    EXPECT_FALSE(settings);
}

struct CategoryCase {
    Entry entry;
    const char* registry;
    bool building, infantry, aircraft;
};

class CategoryTest : public EditorTest, public ::testing::WithParamInterface<CategoryCase> {};

TEST_P(CategoryTest, ShowsTheListAndPreparesTheForm) {
    const CategoryCase& k = GetParam();
    auto& w = Open(qm::TemplateBytes(2));
    Click(k.entry);
    const qm::Catalogues& c = qm::ProgramCatalogues();
    const qm::TextList& list = k.building ? c.BuildingList
                               : k.infantry ? c.InfantryList
                               : k.aircraft ? c.AircraftList
                                            : c.VehicleList;

    EXPECT_EQ(qm::CurrentCategory, k.registry);
    EXPECT_EQ(w.选择夹->currentIndex(), 1);
    EXPECT_TRUE(w.单位列表框->isVisible());
    EXPECT_TRUE(w.分组框->isVisible());
    EXPECT_EQ(Rows(w.单位列表框), ToQt(list));
    EXPECT_EQ(w.单位列表框->currentItem(), nullptr);
    EXPECT_EQ(w.类别按钮组->checkedAction(), w.工具条项目[k.entry]);

    EXPECT_EQ(w.标签_速度_电量->text(), k.building ? "建筑耗电：" : "移动速度：");
    EXPECT_EQ(w.标签_占位_距离->text(), k.building ? "建筑距离：" : "占位大小：");
    EXPECT_EQ(w.选择框_碾压步兵->text(), k.building ? "允许敌人建造" : "可以碾压步兵");
    EXPECT_EQ(w.选择框_碾压步兵->palette().color(QPalette::Active, QPalette::WindowText),
              k.building ? QColor(255, 0, 0) : QColor(0, 0, 0));
    EXPECT_EQ(w.选择框_车辆变身->text(), k.building ? "建筑可变身成为" : "车船可变身成为");
    EXPECT_EQ(Items(w.组合框_车辆变身), ToQt(k.building ? c.VehicleList : c.BuildingList));
    EXPECT_EQ(w.组合框_车辆变身->currentIndex(), -1);

    for (QCheckBox* box : {w.选择框_移动攻击, w.选择框_可以变身, w.选择框_开始拥有, w.选择框_可以展开,
                           w.选择框_不受控制, w.选择框_自动回血, w.选择框_死亡爆炸, w.选择框_可宝箱获得,
                           w.选择框_不能碾压})
        EXPECT_EQ(box->isEnabled(), !k.building) << box->objectName();
    for (QCheckBox* box : {w.选择框_可以爆破, w.选择框_可进建筑, w.选择框_长时变身})
        EXPECT_EQ(box->isEnabled(), k.infantry) << box->objectName();
    EXPECT_EQ(w.选择框_车辆变身->isEnabled(), !k.infantry && !k.aircraft);
    EXPECT_EQ(w.选择框_碾压步兵->isEnabled(), !k.infantry);
    EXPECT_EQ(w.编辑框_容量->isEnabled(), !k.infantry);
    EXPECT_EQ(Background(w.编辑框_容量), k.infantry ? kGrey : kWhite);
    EXPECT_TRUE(w.选择_尤里->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Categories, CategoryTest,
                         ::testing::Values(CategoryCase{kInfantry, "InfantryTypes", false, true, false},
                                           CategoryCase{kVehicles, "VehicleTypes", false, false, false},
                                           CategoryCase{kAircraft, "AircraftTypes", false, false, true},
                                           CategoryCase{kBuildings, "BuildingTypes", true, false, false}));

TEST_F(EditorWindowTest, AnotherCategoryClearsTheFormAndRestoresItsStates) {
    auto& w = Open(SmallRules(R"([MTNK]
Cost=700
Passengers=5
Primary=105mm
)"), 1);
    Click(kInfantry);
    EXPECT_FALSE(w.选择_尤里->isEnabled());  // Red Alert 2
    Click(kBuildings);
    Click(kVehicles);
    Select("MTNK");
    ASSERT_EQ(w.编辑框_成本->text(), "700");
    ASSERT_FALSE(w.单位图片->pixmap().isNull());

    Click(kInfantry);
    EXPECT_TRUE(w.编辑框_成本->text().isEmpty());
    EXPECT_EQ(w.组合框_主武器->currentIndex(), -1);
    EXPECT_TRUE(w.单位图片->pixmap().isNull());
    EXPECT_FALSE(w.编辑框_容量->isEnabled());
    EXPECT_EQ(Background(w.编辑框_容量), kGrey);

    // The same button again lists anew; vehicles bring the capacity box back.
    Click(kInfantry);
    EXPECT_EQ(w.单位列表框->topLevelItemCount(), static_cast<int>(qm::ProgramCatalogues().InfantryList.size()));
    Click(kVehicles);
    EXPECT_TRUE(w.编辑框_容量->isEnabled());
    EXPECT_EQ(Background(w.编辑框_容量), kWhite);
    EXPECT_EQ(w.选择框_碾压步兵->text(), "可以碾压步兵");
    EXPECT_EQ(w.类别按钮组->checkedAction(), w.工具条项目[kVehicles]);
}

TEST_F(EditorWindowTest, DependentBoxesSwitchTheirControls) {
    auto& w = Open(SmallRules());
    Click(kVehicles);
    const struct {
        QCheckBox* box;
        QWidget* control;
    } pairs[] = {{w.选择框_可以展开, w.选择框_展开射击},
                 {w.选择框_可以变身, w.选择框_长时变身},
                 {w.选择框_车辆变身, w.组合框_车辆变身},
                 {w.选择框_限制数量, w.编辑框_限制数量}};
    w.选择框_展开射击->setChecked(true);
    for (const auto& p : pairs) {
        // Vehicles disable 选择框_长时变身 with the category; the box still switches it on.
        Click(p.box);
        EXPECT_TRUE(p.control->isEnabled()) << p.box->objectName();
        Click(p.box);
        EXPECT_FALSE(p.control->isEnabled()) << p.box->objectName();
    }
    EXPECT_TRUE(w.选择框_展开射击->isChecked());  // disabling keeps the check
    Click(w.选择框_限制数量);
    EXPECT_EQ(Background(w.编辑框_限制数量), kWhite);
    Click(w.选择框_限制数量);
    EXPECT_EQ(Background(w.编辑框_限制数量), kGrey);
}

TEST_F(EditorWindowTest, OtherCountriesListShowsAndHides) {
    auto& w = Open(SmallRules());
    EXPECT_TRUE(w.其他国家_按钮->isEnabled());
    EXPECT_TRUE(w.其他国家_编辑框->isEnabled());
    ASSERT_EQ(w.其他国家列表->count(), 1);
    EXPECT_EQ(w.其他国家列表->item(0)->text(), "Mexicans-未知");
    EXPECT_EQ(Items(w.组合框_仅拥有).last(), "Mexicans-未知");

    Click(kVehicles);
    EXPECT_FALSE(w.其他国家列表->isVisible());
    Click(w.其他国家_按钮);
    EXPECT_TRUE(w.其他国家列表->isVisible());
    Click(w.其他国家_按钮);
    EXPECT_FALSE(w.其他国家列表->isVisible());

    // Losing the focus hides it.
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Click(w.其他国家_按钮);
    ASSERT_TRUE(w.其他国家列表->hasFocus());
    QTest::mouseClick(w.编辑框_成本, Qt::LeftButton);
    EXPECT_FALSE(w.其他国家列表->isVisible());
}

TEST_F(EditorWindowTest, RebuildAfterANewUnitRepeatsNoItem) {
    auto& w = Open(SmallRules(R"([MTNK]
Secondary=Zapper
)"));
    Click(kVehicles);
    Select("MTNK");
    ASSERT_EQ(w.组合框_辅武器->currentText(), "Zapper");
    const QStringList deathBefore = Items(w.组合框_死亡武器);
    const QStringList ownersBefore = Items(w.组合框_仅拥有);
    const QStringList prerequisitesBefore = Items(w.组合框_前提选择);

    // The wizard adds a vehicle and the user wants to edit it at once.
    onNewUnit = [this](std::function<void(const std::string&)> editNow) {
        qm::WriteProfileValue(rulesPath, "VehicleTypes", "2", "NEWTNK");
        qm::WriteProfileValue(rulesPath, "NEWTNK", "Cost", "1");
        editNow("VehicleTypes");
    };
    Click(kNewUnit);

    EXPECT_EQ(Items(w.组合框_死亡武器), deathBefore);
    EXPECT_EQ(Items(w.组合框_仅拥有), ownersBefore);
    EXPECT_EQ(Items(w.组合框_前提选择), prerequisitesBefore);
    EXPECT_EQ(w.组合框_主武器->count(), 177);
    EXPECT_EQ(Items(w.组合框_辅武器).last(), "Zapper");  // added by the load, kept
    EXPECT_EQ(w.组合框_辅武器->count(), 178);
    EXPECT_EQ(w.其他国家列表->count(), 1);
    EXPECT_FALSE(WaitWindowShown());

    // The category on screen is shown again, the new unit last.
    EXPECT_EQ(Rows(w.单位列表框).last(), "NEWTNK-未知");
    EXPECT_EQ(w.单位列表框->currentItem(), nullptr);
    EXPECT_EQ(w.组合框_辅武器->currentIndex(), -1);
    Select("NEWTNK");
    EXPECT_EQ(w.编辑框_成本->text(), "1");
}

TEST_F(EditorWindowTest, AsksBeforeClosing) {
    auto& w = Open(SmallRules());
    prompts.AnswerNo();
    w.close();
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text, "您真的要关闭『Quillmere』吗？");
    EXPECT_EQ(prompts.shown()[0].caption, "信息：");
    EXPECT_EQ(prompts.shown()[0].icon, qm::PromptIcon::Question);

    prompts.AnswerNo();
    Click(kExit);
    EXPECT_TRUE(w.isVisible());

    prompts.AnswerYes();
    Click(kExit);
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(prompts.shown().size(), 3u);  // "退出" asks once

    auto& again = Open(SmallRules());
    prompts.AnswerYes();
    again.close();
    EXPECT_FALSE(again.isVisible());
}

TEST(WaitWindowTest, ShowsALoopingAnimationAndItsText) {
    qm::WaitWindow wait;
    EXPECT_EQ(wait.objectName(), "WaitWindow");
    EXPECT_EQ(wait.size(), QSize(306, 81));
    EXPECT_TRUE(wait.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(wait.标签1->text(), "请稍等...");
    EXPECT_EQ(wait.标签1->geometry(), QRect(88, 13, 184, 32));
    EXPECT_EQ(wait.图片框1->geometry(), QRect(88, 40, 128, 40));
    ASSERT_TRUE(wait.动画->isValid());
    EXPECT_EQ(wait.动画->frameCount(), 8);
    EXPECT_EQ(wait.动画->loopCount(), -1);
    EXPECT_EQ(wait.动画->state(), QMovie::Running);
    QImageReader reader(QStringLiteral(":/editor/wait.gif"));
    EXPECT_EQ(reader.size(), QSize(145, 15));
}

}  // namespace
}  // namespace qmtest

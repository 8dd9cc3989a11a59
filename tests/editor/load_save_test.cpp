// Loading a unit into the form and saving it back: the widgets against the file, list
// matching, tech levels, the build limit, the picture, and the bytes a save writes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/qt_text.h"
#include "catalogue/picture_package.h"
#include "editor/unit_form.h"
#include "editor_test.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qmtest {
namespace {

using LoadSaveTest = EditorTest;

// How the game reads a flag: the value up to ";", trimmed, starting with y, t or 1.
bool FlagSet(const std::string& value) {
    const std::string cut = qm::TrimBlanks(value.substr(0, value.find(';')));
    return !cut.empty() && std::string("yYtT1").find(cut[0]) != std::string::npos;
}

struct LoadCase {
    Entry entry;
    const char* category;
    const char* id;
};

class StockLoadTest : public EditorTest, public ::testing::WithParamInterface<LoadCase> {};

// Every field against the stock record, read straight from the file.
TEST_P(StockLoadTest, FillsTheFormFromTheRecord) {
    const LoadCase& k = GetParam();
    auto& w = Open(qm::TemplateBytes(2));
    Click(k.entry);
    Select(k.id);
    const std::string category = k.category;
    const bool building = category == "BuildingTypes";

    std::vector<std::pair<const char*, QLineEdit*>> texts = {
        {"Prerequisite", w.编辑框_生产前提}, {"Cost", w.编辑框_成本}, {"Strength", w.编辑框_生命},
        {"BuildLimit", w.编辑框_限制数量},   {"Sight", w.编辑框_视野}, {"Passengers", w.编辑框_容量},
        {building ? "Power" : "Speed", w.编辑框_速度},
        {building ? "Adjacent" : "PhysicalSize", w.编辑框_占位}};
    for (const auto& [key, box] : texts)
        EXPECT_EQ(box->text(), qm::GbkToQt(Value(k.id, key))) << key;

    std::vector<std::pair<const char*, QCheckBox*>> flags = {
        {"AllowedToStartInMultiplayer", w.选择框_开始拥有}, {"SelfHealing", w.选择框_自动回血},
        {"Deployer", w.选择框_可以展开},   {"DeployFire", w.选择框_展开射击},
        {"ImmuneToPsionics", w.选择框_不受控制}, {"Crushable", w.选择框_不能碾压},
        {"Explodes", w.选择框_死亡爆炸}};
    if (!building) flags.push_back({"OpportunityFire", w.选择框_移动攻击});
    if (building) flags.push_back({"AIBuildThis", w.选择框_碾压步兵});
    if (category == "VehicleTypes") {
        flags.push_back({"CrateGoodie", w.选择框_可宝箱获得});
        flags.push_back({"Crusher", w.选择框_碾压步兵});
    }
    if (category != "AircraftTypes") {
        flags.push_back({"C4", w.选择框_可以爆破});
        flags.push_back({"Occupier", w.选择框_可进建筑});
        flags.push_back({"CanDisguise", w.选择框_可以变身});
        flags.push_back({"PermaDisguise", w.选择框_长时变身});
    }
    int checked = 0;
    for (const auto& [key, box] : flags) {
        EXPECT_EQ(box->isChecked(), FlagSet(Value(k.id, key))) << key;
        checked += box->isChecked();
    }

    const std::pair<const char*, QComboBox*> lists[] = {
        {"Primary", w.组合框_主武器},     {"Secondary", w.组合框_辅武器},
        {"ElitePrimary", w.组合框_主升级}, {"EliteSecondary", w.组合框_辅升级},
        {"DeathWeapon", w.组合框_死亡武器}, {"Armor", w.组合框_装甲},
        {"RequiredHouses", w.组合框_仅拥有}};
    int selected = 0;
    for (const auto& [key, list] : lists) {
        const std::string value = Value(k.id, key);
        if (value.empty()) {
            EXPECT_EQ(list->currentIndex(), -1) << key;
        } else {
            EXPECT_EQ(qm::UpperAscii(qm::ItemId(qm::QtToGbk(list->currentText()))), qm::UpperAscii(value)) << key;
            ++selected;
        }
    }
    EXPECT_EQ(w.组合框_科技->currentData().toLongLong(), qm::LeadingNumber(Value(k.id, "TechLevel")));

    const qm::TextList owners = qm::ListPieces(Value(k.id, "Owner"));
    const auto boxes = w.CountryBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        const bool named = std::find(owners.begin(), owners.end(), qm::kCountryTable[i].id) != owners.end();
        EXPECT_EQ(boxes[i]->isChecked(), named) << qm::kCountryTable[i].id;
    }
    const std::string image = Value(k.id, "Image").empty() ? Value(k.id, "Name") : Value(k.id, "Image");
    EXPECT_EQ(w.图片模型_编辑框->text(), qm::GbkToQt(image));
    EXPECT_FALSE(w.单位图片->pixmap().isNull());
    // Not vacuous: the stock units set several of these.
    EXPECT_GT(checked, 0);
    EXPECT_GT(selected, 0);
    EXPECT_FALSE(w.编辑框_成本->text().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Stock, StockLoadTest,
                         ::testing::Values(LoadCase{kInfantry, "InfantryTypes", "E1"},
                                           LoadCase{kVehicles, "VehicleTypes", "MTNK"},
                                           LoadCase{kAircraft, "AircraftTypes", "ORCA"},
                                           LoadCase{kBuildings, "BuildingTypes", "GAWEAP"}));

TEST_F(LoadSaveTest, MatchesListItemsByIdAndKeepsUnknownIds) {
    auto& w = Open(SmallRules(R"([MTNK]
Image=GTNK
Primary=105MM
Secondary=Zapper
DeathWeapon=
Armor=HEAVY
DeploysInto=no
[HTNK]
Deployer=yes
CanDisguise=yes
)"));
    Click(kVehicles);
    Select("MTNK");
    EXPECT_EQ(w.组合框_主武器->currentText(), "105mm-炮弹");
    EXPECT_EQ(w.组合框_装甲->currentText(), "heavy-重型装甲");
    EXPECT_EQ(w.组合框_辅武器->currentText(), "Zapper");
    EXPECT_EQ(w.组合框_辅武器->count(), 178);
    EXPECT_EQ(w.组合框_死亡武器->currentIndex(), -1);
    EXPECT_FALSE(w.选择框_车辆变身->isChecked());
    EXPECT_FALSE(w.组合框_车辆变身->isEnabled());
    EXPECT_EQ(w.组合框_车辆变身->currentText(), "no");
    EXPECT_EQ(w.单位图片->pixmap().size(), QSize(60, 48));  // from Picture.pic

    // Dependent controls follow the loaded boxes.
    Select("HTNK");
    EXPECT_TRUE(w.选择框_展开射击->isEnabled());
    EXPECT_TRUE(w.选择框_长时变身->isEnabled());
    EXPECT_EQ(w.组合框_辅武器->currentIndex(), -1);
    EXPECT_EQ(w.单位图片->pixmap().size(), QSize(10, 10));  // None.pic

    Select("MTNK");
    EXPECT_EQ(w.组合框_辅武器->count(), 178);
    EXPECT_EQ(w.组合框_辅武器->currentText(), "Zapper");

    // No record, no image or name: the picture comes by the item's Chinese name.
    Select("ELE");
    EXPECT_TRUE(w.编辑框_成本->text().isEmpty());
    EXPECT_EQ(w.组合框_主武器->currentIndex(), -1);
    EXPECT_EQ(w.单位图片->pixmap().size(), QSize(60, 48));
    EXPECT_TRUE(sounds.played.empty());
}

// IDs of a mod that hold a "-" are added whole, found again and saved back as stored.
TEST_F(LoadSaveTest, UnknownIdsWithAHyphenSurviveASave) {
    auto& w = Open(SmallRules(R"([MTNK]
Primary=Rail-Gun
DeploysInto=GA-WEAP
)"));
    Click(kVehicles);
    Select("MTNK");
    Select("HTNK");
    Select("MTNK");
    EXPECT_EQ(w.组合框_主武器->currentText(), "Rail-Gun");
    EXPECT_EQ(w.组合框_主武器->count(), 178);
    EXPECT_EQ(w.组合框_车辆变身->currentText(), "GA-WEAP");
    Save();
    EXPECT_EQ(Value("MTNK", "Primary"), "Rail-Gun");
    EXPECT_EQ(Value("MTNK", "DeploysInto"), "GA-WEAP");
}

TEST_F(LoadSaveTest, TechLevelsMatchByValueAndOthersSurviveASave) {
    auto& w = Open(SmallRules("[E1]\r\nTechLevel=1\r\n"));
    Click(kInfantry);
    const struct {
        const char* stored;  // nullptr: no key
        const char* shown;   // "" for no selection
        const char* saved;
    } cases[] = {{"-1", "-1(不可建造)", "-1"}, {"5", "5", "5"},  {"1", "1(建议)", "1"},
                 {"10", "10", "10"},           {nullptr, "", ""}, {"10", "10", "10"}};
    for (const auto& c : cases) {
        if (c.stored) qm::WriteProfileValue(rulesPath, "E1", "TechLevel", c.stored);
        else qm::DeleteProfileKey(rulesPath, "E1", "TechLevel");
        Select("SNIPE");
        Select("E1");
        EXPECT_EQ(w.组合框_科技->currentText(), c.shown) << (c.stored ? c.stored : "missing");
        Save();
        EXPECT_EQ(Value("E1", "TechLevel"), c.saved);
    }
    EXPECT_EQ(w.组合框_科技->count(), 11);  // "10" was added once
}

TEST_F(LoadSaveTest, BuildLimitSetsItsBox) {
    auto& w = Open(SmallRules("[E1]\r\nBuildLimit=0\r\n"));
    Click(kInfantry);
    Select("E1");
    EXPECT_TRUE(w.选择框_限制数量->isChecked());
    EXPECT_TRUE(w.编辑框_限制数量->isEnabled());
    EXPECT_EQ(w.编辑框_限制数量->palette().color(QPalette::Base), QColor(255, 255, 255));
    Select("SNIPE");
    EXPECT_FALSE(w.选择框_限制数量->isChecked());
    EXPECT_FALSE(w.编辑框_限制数量->isEnabled());
    EXPECT_EQ(w.编辑框_限制数量->palette().color(QPalette::Base), QColor(236, 236, 236));
}

const char* const kMtnk = R"([MTNK]
UIName=Name:MTNK
Name=Grizzly Battle Tank
Image=GTNK
Prerequisite=GAWEAP
Owner=Americans, French,Mexicans,Atlantis
Cost=700
Strength=300
Speed=7
Primary=105mm
ElitePrimary=105mmE
DeathWeapon=Demobomb
TechLevel=2
Armor=heavy
RequiredHouses=Alliance
; a comment that stays
Crusher=yes
)";

// Only the record's keys change, in place or added in their order; nothing else in the file.
TEST_F(LoadSaveTest, SaveWritesTheFormIntoTheRecord) {
    auto& w = Open(SmallRules(kMtnk));
    const std::string before = Rules();
    Click(kVehicles);
    Select("MTNK");
    w.编辑框_成本->clear();
    QTest::keyClicks(w.编辑框_成本, "7a5-0");  // whole numbers only
    EXPECT_EQ(w.编辑框_成本->text(), "750");
    Click(w.选择框_自动回血);
    w.组合框_辅武器->setCurrentIndex(w.组合框_辅武器->findText("155mm"));  // a bare ID
    w.组合框_死亡武器->setCurrentIndex(0);  // "None-无"
    w.组合框_仅拥有->setCurrentIndex(0);    // "不设定-None"
    const std::string after = Save();
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Success});
    EXPECT_TRUE(prompts.shown().empty());

    const std::string expected = R"([MTNK]
UIName=Name:MTNK
Name=Grizzly Battle Tank
Image=GTNK
Prerequisite=GAWEAP
Owner=French,Americans,Mexicans,Atlantis
Cost=750
Strength=300
Speed=7
Primary=105mm
ElitePrimary=105mmE
DeathWeapon=
TechLevel=2
Armor=heavy
RequiredHouses=
; a comment that stays
Crusher=yes
BuildLimit=
PhysicalSize=
OpportunityFire=no
Sight=
Size=3
CrateGoodie=no
DeploysInto=no
Passengers=
Secondary=155mm
EliteSecondary=
AllowedToStartInMultiplayer=no
SelfHealing=yes
Deployer=no
DeployFire=no
C4=no
Occupier=no
CanDisguise=no
PermaDisguise=no
ImmuneToPsionics=no
Crushable=no
Explodes=no
)";
    EXPECT_EQ(after, SmallRules(expected));
    ASSERT_EQ(before, SmallRules(kMtnk));

    // Saved unchanged, the record stays as it is.
    Select("HTNK");
    Select("MTNK");
    EXPECT_EQ(Save(), after);
}

TEST_F(LoadSaveTest, SaveAfterResetWritesTheClearedForm) {
    auto& w = Open(SmallRules(R"([E1]
Owner=Americans,Mexicans,Atlantis
Prerequisite=GAPOWR
Cost=200
BuildLimit=3
OpportunityFire=yes
Crushable=yes
Deployer=yes
Primary=M60
TechLevel=1
)"));
    Click(kInfantry);
    Select("E1");
    Click(w.按钮_重置内容);
    EXPECT_EQ(w.单位列表框->currentItem()->text(0).left(3), "E1-");
    EXPECT_TRUE(w.编辑框_成本->text().isEmpty());
    Save();
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Success});
    // The reset leaves the build limit, 选择框_移动攻击 and 选择框_不能碾压 as they were.
    const std::vector<std::string> expected = {
        "Owner=", "Prerequisite=", "Cost=", "BuildLimit=3", "OpportunityFire=yes", "Crushable=yes",
        "Deployer=no", "Primary=", "TechLevel=", "Strength=", "PhysicalSize=", "Speed=", "Sight=",
        "Size=1", "Passengers=", "Secondary=", "ElitePrimary=", "EliteSecondary=", "DeathWeapon=",
        "Armor=", "RequiredHouses=", "AllowedToStartInMultiplayer=no", "SelfHealing=no",
        "DeployFire=no", "C4=no", "Occupier=no", "CanDisguise=no", "PermaDisguise=no",
        "ImmuneToPsionics=no", "Explodes=no"};
    EXPECT_EQ(Section("E1"), expected);
}

TEST_F(LoadSaveTest, SaveWithoutAUnitWritesNothing) {
    Open(SmallRules(kMtnk));
    const std::string before = Rules();
    Click(kVehicles);
    EXPECT_EQ(Save(), before);
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Failure});
    EXPECT_TRUE(prompts.shown().empty());
}

TEST_F(LoadSaveTest, FailedWriteIsReported) {
    Open(SmallRules(kMtnk));
    Click(kVehicles);
    Select("MTNK");
    qm::RulesPath = program.file("gone/Rulesmd.ini");
    Save();
    EXPECT_EQ(sounds.played, std::vector<qm::Sound>{qm::Sound::Failure});
    ASSERT_EQ(prompts.shown().size(), 1u);
    EXPECT_EQ(prompts.shown()[0].text,
              QString("保存失败！\r\n\r\n无法写入配置文件：") + qm::PathToQt(qm::RulesPath));
    EXPECT_EQ(prompts.shown()[0].caption, "错误");
    EXPECT_EQ(prompts.shown()[0].icon, qm::PromptIcon::Warning);
}

}  // namespace
}  // namespace qmtest

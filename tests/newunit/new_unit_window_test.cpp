// NewUnitWindow: opening on a category, the category buttons, the default ID, the appearance
// picture, and generating units with their refusals, failure report, log and question.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>
#include <memory>

#include "app/qt_text.h"
#include "app/scripted_services.h"
#include "app/window_globals.h"
#include "catalogue/catalogues.h"
#include "catalogue/picture_package.h"
#include "newunit/new_unit_window.h"
#include "store/file_services.h"
#include "store/settings.h"
#include "support/new_unit_lines.h"
#include "support/temp_dir.h"

namespace qmtest {
namespace {

using qm::Gbk;
using qm::NewUnitWindow;
using qm::PromptIcon;
using qm::ShownPrompt;
using qm::Sound;
using Lines = std::vector<std::string>;

// Registries with a gap and a commented entry; units with and without an Image; a weapon.
const std::string kRulesHead =
    "[General]\r\nName=Red Alert 2\r\n"
    "[InfantryTypes]\r\n1=E1\r\n2=ENGINEER\r\n";
const std::string kRulesVehicles = "[VehicleTypes]\r\n1=MTNK\r\n3=DEST\r\n4=HTNK ;the heavy tank\r\n";
const std::string kRulesAircraft = "[AircraftTypes]\r\n1=ORCA\r\n2=BEAG\r\n";
const std::string kRulesBuildings = "[BuildingTypes]\r\n1=GAPOWR\r\n";
const std::string kRulesUnits =
    "[E1]\r\nImage=GI\r\n"
    "[MTNK]\r\nName=Grizzly Battle Tank\r\nImage=MTNK\r\n"
    "[DEST]\r\nName=Destroyer\r\n"
    "[ORCA]\r\nImage=NoSuchPicture\r\n"
    "[BEAG]\r\nName=Black Eagle\r\n"
    "[GAPOWR]\r\nName=Allied Power Plant\r\n"
    "[Medusa]\r\nDamage=10\r\n";
const std::string kRules = kRulesHead + kRulesVehicles + kRulesAircraft + kRulesBuildings + kRulesUnits;

const Lines& kCommon = qmtest::kNewUnitCommonLines;
const Lines& kFly = qmtest::kNewUnitFlyLines;
const char* const kDrive = "{92612C46-F71F-11d1-AC9F-006008055BB5}";

Lines MovementLines(const std::string& zone, const std::string& speed, const std::string& loco) {
    return {"MovementZone=" + zone, "MovementRestrictedTo=" + zone, "SpeedType=" + speed,
            "Locomotor=" + loco};
}

std::string Section(const std::string& name, const std::vector<Lines>& parts) {
    std::string text = "[" + name + "]\r\n";
    for (const Lines& lines : parts)
        for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

const QString kEditNowQuestion = QStringLiteral(
    "您必须对新建的单位做修改，否则该单位不能被使用！\r\n\r\n是否现在修改？！\r\n\r\n"
    "新建的单位将出现在单位列表的最下面！！！");

class NewUnitWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        qm::SetProgramDirectoryForTests(program.path());
        qm::ResetProgramValues();
        qm::GameVersion = 1;
        qm::RulesPath = program.file("Rules.ini");
        Spit(qm::RulesPath, kRules);
        qm::BuildCatalogues();  // also writes Picture.pic
        qm::CurrentCategory.clear();
        qm::NewUnitCategory = 1;
        qm::NewUnitRegistry.clear();
        qm::NewUnitKind.clear();
        qm::NewUnitMovement.clear();
        clock.now = QDateTime(QDate(2024, 5, 17), QTime(9, 30, 43));
    }
    void TearDown() override { qm::SetProgramDirectoryForTests(""); }

    std::unique_ptr<NewUnitWindow> Open(int category) {
        qm::NewUnitCategory = category;
        auto window = std::make_unique<NewUnitWindow>(services, nullptr, [this](const std::string& r) {
            edits.push_back(r);
            if (onEdit) onEdit();
        });
        window->show();
        return window;
    }

    // Selects the appearance item whose ID is `id`.
    static void Choose(NewUnitWindow& w, const char* id) {
        const int index = w.组合框_外观->findText(QString::fromLatin1(id) + "-", Qt::MatchStartsWith);
        ASSERT_GT(index, 0) << id;
        w.组合框_外观->setCurrentIndex(index);
    }

    static QStringList Items(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
        return items;
    }

    static QStringList Expected(const qm::TextList& list) {
        QStringList items{QStringLiteral("请选择单位外观...")};
        for (const qm::Text& item : list) items << qm::GbkToQt(item);
        return items;
    }

    static QImage PackagePicture(const char* name) {
        const std::string bytes = qm::FindUnitPicture(qm::PicturePackagePath(), name);
        return QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    }

    static void Generate(NewUnitWindow& w, const QString& id) {
        w.编辑框_新单位名称->setText(id);
        QTest::mouseClick(w.按钮_生成单位, Qt::LeftButton);
    }

    std::string SettingsFile() const { return program.file("Install.ini"); }

    TempDir program;
    qm::ScriptedPrompts prompts;
    qm::RecordingSounds sounds;
    qm::FixedClock clock;
    qm::ScriptedRandom random;
    qm::Services services{&prompts, &sounds, &clock, &random};
    std::vector<std::string> edits;  // what the editor was asked to show
    std::function<void()> onEdit;
};

// A unit of each registry whose appearance has a picture.
const std::map<std::string, const char*> kWithPicture = {
    {"InfantryTypes", "E1"},
    {"VehicleTypes", "MTNK"},
    {"AircraftTypes", "BEAG"},
    {"BuildingTypes", "GAPOWR"}};

std::vector<QRadioButton*> MovementButtons(NewUnitWindow& w) {
    return {w.单选框_步行方式, w.单选框_飞行方式, w.单选框_传送方式, w.单选框_两栖方式, w.单选框_航行};
}

// Every opening: the category NewUnitCategory names, its list, no picture, no movement
// checked, sail disabled, the movement "两栖".
TEST_F(NewUnitWindowTest, OpensOnTheCategoryItWasGiven) {
    const qm::Catalogues& c = qm::ProgramCatalogues();
    const struct {
        int category;
        const char* button;  // the one checked category button, or nullptr
        const char* registry;
        const char* kind;
        const qm::TextList& list;
    } cases[] = {
        {1, "单选框_步兵", "InfantryTypes", "步兵", c.InfantryList},
        {2, "单选框_车辆", "VehicleTypes", "车辆", c.VehicleList},
        {3, "单选框_飞行", "AircraftTypes", "飞行", c.AircraftList},
        {4, "单选框_建筑", "BuildingTypes", "建筑", c.BuildingList},
        // Any other value keeps the registry as it was (aircraft here).
        {0, nullptr, "AircraftTypes", "飞行", c.AircraftList},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.category);
        qm::NewUnitMovement = Gbk("步行");
        if (tc.category == 0) qm::NewUnitRegistry = "AircraftTypes";
        auto w = Open(tc.category);
        EXPECT_EQ(w->windowTitle(), QStringLiteral("新单位设置"));
        for (QRadioButton* b : {w->单选框_步兵, w->单选框_车辆, w->单选框_船只, w->单选框_飞行, w->单选框_建筑})
            EXPECT_EQ(b->isChecked(), tc.button && b->objectName() == QString::fromUtf8(tc.button))
                << b->objectName().toStdString();
        EXPECT_EQ(qm::NewUnitRegistry, tc.registry);
        EXPECT_EQ(qm::NewUnitKind, Gbk(tc.kind));
        EXPECT_EQ(qm::NewUnitMovement, Gbk("两栖"));
        EXPECT_EQ(Items(w->组合框_外观), Expected(tc.list));
        EXPECT_EQ(w->组合框_外观->currentIndex(), 0);
        EXPECT_TRUE(w->图片框_外观->pixmap().isNull());
        for (QRadioButton* b : MovementButtons(*w)) {
            EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
            const bool enabled = b != w->单选框_航行 && tc.category != 4;
            EXPECT_EQ(b->isEnabled(), enabled) << b->objectName().toStdString();
        }
    }
}

// The editor's button and menu open the dialog modally over the editor; "取消退出" ends it
// and nothing is written.
TEST_F(NewUnitWindowTest, RunsModallyOverItsOwnerAndCancelWritesNothing) {
    QWidget owner;
    owner.show();
    qm::NewUnitCategory = 2;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<NewUnitWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->parentWidget(), &owner);
        EXPECT_TRUE(w->isModal());
        EXPECT_TRUE(w->单选框_车辆->isChecked());
        Choose(*w, "MTNK");
        w->单选框_两栖方式->click();
        QTest::mouseClick(w->按钮_关闭, Qt::LeftButton);
    });
    qm::RunNewUnitDialog(services, &owner, [&](const std::string&) { ADD_FAILURE() << "no edit"; });
    EXPECT_TRUE(seen);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Slurp(qm::RulesPath), kRules);
    EXPECT_FALSE(qm::FileExists(SettingsFile()));
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_TRUE(sounds.played.empty());
}

// Each category button refills the list for its category; sail is only for ships and a sail
// choice does not survive a change of category.
TEST_F(NewUnitWindowTest, CategoryButtonsRefillTheListAndMovementButtons) {
    const qm::Catalogues& c = qm::ProgramCatalogues();
    auto w = Open(2);
    const struct {
        QRadioButton* button;
        const char* registry;
        const char* kind;
        const qm::TextList& list;
        bool movesEnabled;  // the four movement buttons other than sail
        bool sailEnabled;
    } steps[] = {
        {w->单选框_船只, "VehicleTypes", "船只", c.VehicleList, true, true},
        {w->单选框_飞行, "AircraftTypes", "飞行", c.AircraftList, true, false},
        {w->单选框_船只, "VehicleTypes", "船只", c.VehicleList, true, true},
        {w->单选框_建筑, "BuildingTypes", "建筑", c.BuildingList, false, false},
        {w->单选框_步兵, "InfantryTypes", "步兵", c.InfantryList, true, false},
        {w->单选框_车辆, "VehicleTypes", "车辆", c.VehicleList, true, false},
        {w->单选框_车辆, "VehicleTypes", "车辆", c.VehicleList, true, false},  // clicked again
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.button->objectName().toStdString());
        // Leave a choice behind: an appearance and the last enabled movement button.
        Choose(*w, kWithPicture.at(qm::NewUnitRegistry));
        for (QRadioButton* b : MovementButtons(*w))
            if (b->isEnabled()) b->click();
        ASSERT_FALSE(w->图片框_外观->pixmap().isNull());

        QTest::mouseClick(s.button, Qt::LeftButton);
        EXPECT_TRUE(s.button->isChecked());
        EXPECT_EQ(qm::NewUnitRegistry, s.registry);
        EXPECT_EQ(qm::NewUnitKind, Gbk(s.kind));
        EXPECT_EQ(Items(w->组合框_外观), Expected(s.list));
        EXPECT_EQ(w->组合框_外观->currentIndex(), 0);
        EXPECT_TRUE(w->图片框_外观->pixmap().isNull());
        for (QRadioButton* b : MovementButtons(*w)) {
            EXPECT_FALSE(b->isChecked()) << b->objectName().toStdString();
            EXPECT_EQ(b->isEnabled(), b == w->单选框_航行 ? s.sailEnabled : s.movesEnabled)
                << b->objectName().toStdString();
        }
    }
}

// Five letters A to Y (the first a capital), then 320..900 + day of month + second.
TEST_F(NewUnitWindowTest, DefaultIdComesFromTheRandomSourceAndTheClock) {
    const struct {
        std::deque<int> draws;
        int day, second;
        const char* id;
    } cases[] = {
        {{1, 25, 2, 13, 7, 580}, 17, 43, "Aybmg640"},
        {{25, 25, 25, 25, 25, 900}, 31, 59, "Yyyyy990"},
        {{1, 1, 1, 1, 1, 320}, 1, 0, "Aaaaa321"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.id);
        random.values = tc.draws;
        random.asked.clear();
        clock.now = QDateTime(QDate(2024, 1, tc.day), QTime(23, 59, tc.second));
        auto w = Open(1);
        EXPECT_EQ(w->编辑框_新单位名称->text(), QString::fromLatin1(tc.id));
        const std::vector<std::pair<int, int>> asked = {
            {1, 25}, {1, 25}, {1, 25}, {1, 25}, {1, 25}, {320, 900}};
        EXPECT_EQ(random.asked, asked);
    }
}

// The picture of the appearance's image name ("Image", else "Name"); nothing when the package
// lacks it or the first item is selected.
TEST_F(NewUnitWindowTest, AppearanceShowsThePictureOfItsImageName) {
    const struct {
        int category;
        const char* id;
        const char* image;  // the image name, and the package entry expected
        bool shown;
    } cases[] = {
        {2, "MTNK", "MTNK", true},
        {2, "DEST", "Destroyer", true},  // no Image: its Name
        {3, "ORCA", "NoSuchPicture", false},
        {2, "HTNK", "", false},  // no section at all
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.id);
        auto w = Open(tc.category);
        Choose(*w, tc.id);
        EXPECT_EQ(w->AppearanceImageName(), tc.image);
        const QImage shown = w->图片框_外观->pixmap().toImage();
        if (tc.shown) {
            ASSERT_FALSE(shown.isNull());
            EXPECT_EQ(shown.convertToFormat(QImage::Format_RGB32),
                      PackagePicture(tc.image).convertToFormat(QImage::Format_RGB32));
        } else {
            EXPECT_TRUE(shown.isNull());
        }
        w->组合框_外观->setCurrentIndex(0);
        EXPECT_TRUE(w->图片框_外观->pixmap().isNull());
        EXPECT_EQ(w->AppearanceImageName(), "");
    }
}

// One generation of each kind: the registry entry after the registry's last one, the new
// section at the end with its keys in order, the success sound, the log, the question.
TEST_F(NewUnitWindowTest, GeneratesEachKindOfUnit) {
    const struct {
        const char* name;
        int category;
        const char* categoryButton;  // clicked after opening, or nullptr
        const char* movementButton;  // clicked, or nullptr for none
        const char* appearance;      // or nullptr for the first item
        const char* id;
        const char* movement;  // NewUnitMovement afterwards
        std::string rules;     // the whole rules file afterwards
        std::string log;       // the whole settings file afterwards
    } cases[] = {
        {"infantry walking", 1, nullptr, "单选框_步行方式", "E1", "Abcde500", "步行",
         kRulesHead + "3=Abcde500\r\n" + kRulesVehicles + kRulesAircraft + kRulesBuildings + kRulesUnits +
             Section("Abcde500", {{"UIName=Name:Abcde500", "Name=Abcde500", "Image=GI", "Points=15",
                                   "IdleRate=6", "IFVMode=6", "Size=1", "Category=Soldier"},
                                  kCommon,
                                  MovementLines("Normal", "Foot", kDrive)}),
         "[InfantryTypes-new]\r\n0=Abcde500\r\n"},
        {"vehicle with no movement button", 2, nullptr, nullptr, "MTNK", "Tank1", "两栖",
         kRulesHead + kRulesVehicles + "5=Tank1\r\n" + kRulesAircraft + kRulesBuildings + kRulesUnits +
             Section("Tank1", {{"UIName=Name:Tank1", "Name=Tank1", "Image=MTNK", "Points=15", "Size=8",
                                "Category=AFV"},
                               kCommon,
                               MovementLines("Amphibious", "Hover", kDrive)}),
         "[VehicleTypes-new]\r\n0=Tank1\r\n"},
        {"vehicle teleporting, no appearance", 2, nullptr, "单选框_传送方式", nullptr, "Tank2", "传送",
         kRulesHead + kRulesVehicles + "5=Tank2\r\n" + kRulesAircraft + kRulesBuildings + kRulesUnits +
             Section("Tank2", {{"UIName=Name:Tank2", "Name=Tank2", "Image=", "Points=15", "Size=8",
                                "Category=AFV"},
                               kCommon,
                               MovementLines("Infantry", "", "{4A582747-9839-11d1-B709-00A024DDAFD1}")}),
         "[VehicleTypes-new]\r\n0=Tank2\r\n"},
        {"ship sailing", 2, "单选框_船只", "单选框_航行", "DEST", "Boat1", "航行",
         kRulesHead + kRulesVehicles + "5=Boat1\r\n" + kRulesAircraft + kRulesBuildings + kRulesUnits +
             Section("Boat1", {{"UIName=Name:Boat1", "Name=Boat1", "Image=Destroyer", "Points=15", "Size=3",
                                "Category=AFV"},
                               kCommon,
                               MovementLines("Water", "Float", "{2BEA74E1-7CCA-11d3-BE14-00104B62A16C}")}),
         "[VehicleTypes-new]\r\n0=Boat1\r\n"},
        {"aircraft flying", 3, nullptr, "单选框_飞行方式", "ORCA", "Jet1", "飞行",
         kRulesHead + kRulesVehicles + kRulesAircraft + "3=Jet1\r\n" + kRulesBuildings + kRulesUnits +
             Section("Jet1", {{"UIName=Name:Jet1", "Name=Jet1", "Image=NoSuchPicture", "Points=15", "Size=5",
                               "Category=AirPower"},
                              kCommon,
                              kFly,
                              // "SpeedType" of the fly keys is set again in place
                              {"MovementZone=Fly", "MovementRestrictedTo=Fly",
                               std::string("Locomotor=") + kDrive}}),
         "[AircraftTypes-new]\r\n0=Jet1\r\n"},
        {"building", 4, nullptr, nullptr, "GAPOWR", "Plant1", "两栖",
         kRulesHead + kRulesVehicles + kRulesAircraft + kRulesBuildings + "2=Plant1\r\n" + kRulesUnits +
             Section("Plant1", {{"UIName=Name:Plant1", "Name=Plant1", "Image=Allied Power Plant",
                                 "Points=15", "Size="}}),
         "[BuildingTypes-new]\r\n0=Plant1\r\n"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        Spit(qm::RulesPath, kRules);
        std::remove(SettingsFile().c_str());
        prompts.Clear();
        sounds.played.clear();
        auto w = Open(tc.category);
        if (tc.categoryButton) w->findChild<QRadioButton*>(QString::fromUtf8(tc.categoryButton))->click();
        if (tc.movementButton) w->findChild<QRadioButton*>(QString::fromUtf8(tc.movementButton))->click();
        if (tc.appearance) Choose(*w, tc.appearance);
        // The sound is started and the log written before the question is asked.
        size_t soundsAtQuestion = 0;
        std::string logAtQuestion;
        prompts.onShow = [&](const ShownPrompt&) {
            soundsAtQuestion = sounds.played.size();
            logAtQuestion = Slurp(SettingsFile());
        };
        Generate(*w, QString::fromLatin1(tc.id));
        prompts.onShow = nullptr;

        EXPECT_EQ(Slurp(qm::RulesPath), tc.rules);
        EXPECT_EQ(Slurp(SettingsFile()), tc.log);
        EXPECT_EQ(qm::NewUnitMovement, Gbk(tc.movement));
        EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::Success});
        EXPECT_EQ(soundsAtQuestion, 1u);
        EXPECT_EQ(logAtQuestion, tc.log);
        ASSERT_EQ(prompts.shown().size(), 1u);
        const ShownPrompt& q = prompts.shown()[0];
        EXPECT_EQ(q.kind, ShownPrompt::Kind::Question);
        EXPECT_EQ(q.text, kEditNowQuestion);
        EXPECT_EQ(q.caption, QStringLiteral("提示："));
        EXPECT_EQ(q.icon, PromptIcon::Information);
        EXPECT_TRUE(edits.empty()) << "after No the editor is left alone";
        EXPECT_TRUE(w->isVisible()) << "the window stays open";
        EXPECT_EQ(w->编辑框_新单位名称->text(), QString::fromLatin1(tc.id));
    }
}

// Refused IDs: a message, then the failure sound, and no file changes.
TEST_F(NewUnitWindowTest, RefusesIdsThatAreTakenOrNotPlain) {
    const QString taken = QStringLiteral("存在的单位名称！");
    const QString notPlain = QStringLiteral("单位名称必须为英文或数字！");
    const struct {
        const char* name;
        int category;
        QString id;
        const QString& message;
    } cases[] = {
        {"listed in the chosen registry", 1, "E1", taken},
        {"other letter case", 1, "e1", taken},
        {"listed in another registry only", 2, "engineer", taken},
        {"listed before a comment", 4, "htnk", taken},
        {"a weapon's section", 3, "MEDUSA", taken},
        {"the General section", 2, "general", taken},
        {"empty", 1, "", notPlain},
        {"blank inside", 2, "Ab c", notPlain},
        {"leading blank", 2, " Abc", notPlain},
        {"Chinese", 2, QStringLiteral("坦克1"), notPlain},
        {"hyphen", 2, "A-1", notPlain},
        {"section syntax", 2, "A]", notPlain},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        prompts.Clear();
        sounds.played.clear();
        auto w = Open(tc.category);
        size_t soundsAtMessage = 99;
        prompts.onShow = [&](const ShownPrompt&) { soundsAtMessage = sounds.played.size(); };
        Generate(*w, tc.id);
        prompts.onShow = nullptr;
        ASSERT_EQ(prompts.shown().size(), 1u);
        const ShownPrompt& m = prompts.shown()[0];
        EXPECT_EQ(m.kind, ShownPrompt::Kind::Message);
        EXPECT_EQ(m.text, tc.message);
        EXPECT_EQ(m.caption, QStringLiteral("信息："));
        EXPECT_EQ(m.icon, PromptIcon::Information);
        EXPECT_EQ(soundsAtMessage, 0u) << "the sound follows the message";
        EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::Failure});
        EXPECT_EQ(Slurp(qm::RulesPath), kRules);
        EXPECT_FALSE(qm::FileExists(SettingsFile()));
    }
}

// The log numbers the generated units of a registry; the same ID again is refused.
TEST_F(NewUnitWindowTest, LogCountsUnitsAndTheSameIdIsRefusedTheSecondTime) {
    auto w = Open(2);
    Generate(*w, "Tank1");
    const std::string rulesAfterFirst = Slurp(qm::RulesPath);
    Generate(*w, "Tank1");
    EXPECT_EQ(prompts.shown().back().text, QStringLiteral("存在的单位名称！"));
    EXPECT_EQ(Slurp(qm::RulesPath), rulesAfterFirst);
    Generate(*w, "tank1");
    EXPECT_EQ(prompts.shown().back().text, QStringLiteral("存在的单位名称！"));
    Generate(*w, "Tank2");
    EXPECT_EQ(Slurp(SettingsFile()), "[VehicleTypes-new]\r\n0=Tank1\r\n1=Tank2\r\n");
    EXPECT_EQ(sounds.played,
              (std::vector<Sound>{Sound::Success, Sound::Failure, Sound::Failure, Sound::Success}));
    EXPECT_NE(Slurp(qm::RulesPath).find("[VehicleTypes]\r\n1=MTNK\r\n3=DEST\r\n4=HTNK ;the heavy tank\r\n"
                                        "5=Tank1\r\n6=Tank2\r\n"),
              std::string::npos);
}

// Yes hands the editor the category it shows; by then the rebuilt catalogues list the new unit
// last. No leaves the editor alone.
TEST_F(NewUnitWindowTest, YesAsksTheEditorToShowItsCategoryAgain) {
    const qm::TextList before = qm::ProgramCatalogues().VehicleList;
    const struct {
        const char* name;
        bool yes;
        const char* current;  // CurrentCategory
        std::vector<std::string> edits;
    } cases[] = {
        {"yes, vehicles on screen", true, "VehicleTypes", {"VehicleTypes"}},
        {"yes, infantry on screen", true, "InfantryTypes", {"InfantryTypes"}},
        {"yes, no category yet", true, "", {""}},
        {"no", false, "VehicleTypes", {}},
    };
    int n = 0;
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        Spit(qm::RulesPath, kRules);
        qm::BuildCatalogues();
        edits.clear();
        qm::CurrentCategory = tc.current;
        const std::string id = "Tank" + std::to_string(++n);
        qm::TextList rebuilt;
        onEdit = [&] {
            qm::BuildCatalogues();
            rebuilt = qm::ProgramCatalogues().VehicleList;
        };
        tc.yes ? prompts.AnswerYes() : prompts.AnswerNo();
        auto w = Open(2);
        Generate(*w, QString::fromStdString(id));
        EXPECT_EQ(edits, tc.edits);
        if (tc.yes) {
            ASSERT_EQ(rebuilt.size(), before.size() + 1);
            EXPECT_EQ(rebuilt.back(), id + Gbk("-未知"));
        } else {
            EXPECT_EQ(qm::ProgramCatalogues().VehicleList, before);
        }
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->组合框_外观->count(), static_cast<int>(before.size()) + 1) << "the list is not refilled";
    }
}

// A rules file that cannot be written: a warning naming it, the failure sound, no log and no
// question.
TEST_F(NewUnitWindowTest, ReportsAFailedWrite) {
    qm::RulesPath = program.file("missing/Rules.ini");
    auto w = Open(2);
    size_t soundsAtMessage = 99;
    prompts.onShow = [&](const ShownPrompt&) { soundsAtMessage = sounds.played.size(); };
    Generate(*w, "Tank1");
    ASSERT_EQ(prompts.shown().size(), 1u);
    const ShownPrompt& m = prompts.shown()[0];
    EXPECT_EQ(m.kind, ShownPrompt::Kind::Message);
    EXPECT_EQ(m.text, QStringLiteral("生成失败！\r\n\r\n无法写入配置文件：") + qm::PathToQt(qm::RulesPath));
    EXPECT_EQ(m.caption, QStringLiteral("错误"));
    EXPECT_EQ(m.icon, PromptIcon::Warning);
    EXPECT_EQ(soundsAtMessage, 1u);
    EXPECT_EQ(sounds.played, std::vector<Sound>{Sound::Failure});
    EXPECT_FALSE(qm::FileExists(SettingsFile()));
    EXPECT_FALSE(qm::FileExists(qm::RulesPath));
    EXPECT_TRUE(edits.empty());
}

}  // namespace
}  // namespace qmtest

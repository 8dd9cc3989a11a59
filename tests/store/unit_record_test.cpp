// LoadUnit, SaveUnit and GetImageName against small rules files.
#include <algorithm>
#include <sstream>

#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/registry.h"
#include "store/rules_file_test.h"

namespace {

using qm::UnitRecord;
using qmtest::Concat;
using qmtest::Lines;

// One line per member, so a failed comparison shows which member differs.
std::string Describe(const UnitRecord& u) {
    std::ostringstream o;
    auto t = [&](const char* n, const std::string& v) { o << n << "=" << v << "\n"; };
    auto f = [&](const char* n, bool v) { o << n << "=" << (v ? "checked" : "unchecked") << "\n"; };
    t("prerequisite", u.prerequisite); t("cost", u.cost); t("strength", u.strength);
    t("buildLimit", u.buildLimit); t("speed", u.speed); t("physicalSize", u.physicalSize);
    t("sight", u.sight); t("passengers", u.passengers);
    f("opportunityFire", u.opportunityFire); f("crusher", u.crusher); f("transform", u.transform);
    f("crateGoodie", u.crateGoodie); f("allowedToStart", u.allowedToStart);
    f("selfHealing", u.selfHealing); f("deployer", u.deployer); f("deployFire", u.deployFire);
    f("c4", u.c4); f("occupier", u.occupier); f("canDisguise", u.canDisguise);
    f("permaDisguise", u.permaDisguise); f("immuneToPsionics", u.immuneToPsionics);
    f("crushable", u.crushable); f("explodes", u.explodes);
    t("primary", u.primary); t("secondary", u.secondary); t("elitePrimary", u.elitePrimary);
    t("eliteSecondary", u.eliteSecondary); t("deathWeapon", u.deathWeapon); t("armor", u.armor);
    t("techLevel", u.techLevel); t("requiredHouses", u.requiredHouses);
    t("transformTarget", u.transformTarget); t("owner", u.owner); t("imageName", u.imageName);
    return o.str();
}

// A record whose texts are all "keep" and whose flags are all `flags`: what the caller
// passes in; members a category does not read must come back unchanged.
UnitRecord Sentinel(bool flags) {
    UnitRecord u;
    for (std::string* t : {&u.prerequisite, &u.cost, &u.strength, &u.buildLimit, &u.speed,
                           &u.physicalSize, &u.sight, &u.passengers, &u.primary, &u.secondary,
                           &u.elitePrimary, &u.eliteSecondary, &u.deathWeapon, &u.armor,
                           &u.techLevel, &u.requiredHouses, &u.transformTarget, &u.owner,
                           &u.imageName})
        *t = "keep";
    for (bool* b : {&u.opportunityFire, &u.crusher, &u.transform, &u.crateGoodie,
                    &u.allowedToStart, &u.selfHealing, &u.deployer, &u.deployFire, &u.c4,
                    &u.occupier, &u.canDisguise, &u.permaDisguise, &u.immuneToPsionics,
                    &u.crushable, &u.explodes})
        *b = flags;
    return u;
}

// Every key of every category, each with its own value; "Crusher" is the only flag set "no",
// so a building that read it in place of "AIBuildThis" would show.
const char* const kFullRecord =
    "Owner=Americans,French\r\n"
    "Prerequisite=GAPOWR,GAWEAP\r\n"
    "Cost=900\r\n"
    "Strength=400\r\n"
    "BuildLimit=2\r\n"
    "Speed=6\r\n"
    "PhysicalSize=3\r\n"
    "OpportunityFire=yes\r\n"
    "UndeploysInto=AMCV\r\n"
    "Adjacent=4\r\n"
    "Power=-50\r\n"
    "AIBuildThis=yes\r\n"
    "Sight=8\r\n"
    "Image=MTNK\r\n"
    "Name=Grizzly Battle Tank\r\n"
    "Passengers=5\r\n"
    "Primary=105mm\r\n"
    "Secondary=M60\r\n"
    "ElitePrimary=105mmE\r\n"
    "EliteSecondary=M60E\r\n"
    "DeathWeapon=Demobomb\r\n"
    "Armor=heavy\r\n"
    "TechLevel=2\r\n"
    "RequiredHouses=Russians\r\n"
    "CrateGoodie=yes\r\n"
    "Crusher=no\r\n"
    "DeploysInto=GACNST\r\n"
    "AllowedToStartInMultiplayer=yes\r\n"
    "SelfHealing=yes\r\n"
    "Deployer=yes\r\n"
    "DeployFire=yes\r\n"
    "C4=yes\r\n"
    "Occupier=yes\r\n"
    "CanDisguise=yes\r\n"
    "PermaDisguise=yes\r\n"
    "ImmuneToPsionics=yes\r\n"
    "Crushable=yes\r\n"
    "Explodes=yes\r\n";

class UnitRecordTest : public qmtest::RulesFileTest {};

TEST_F(UnitRecordTest, LoadFillsExactlyTheMembersOfTheCategory) {
    WriteRules(std::string("[General]\r\nName=Test\r\n[FULL]\r\n") + kFullRecord +
               "[Other]\r\nCost=1\r\n");
    for (const char* category : {qm::kInfantryTypes, qm::kVehicleTypes, qm::kAircraftTypes,
                                 qm::kBuildingTypes}) {
        for (bool flags : {false, true}) {
            SCOPED_TRACE(std::string(category) + (flags ? " from checked" : " from unchecked"));
            const std::string c = category;
            UnitRecord expected = Sentinel(flags);
            expected.owner = "Americans,French";
            expected.prerequisite = "GAPOWR,GAWEAP";
            expected.cost = "900";
            expected.strength = "400";
            expected.buildLimit = "2";
            expected.sight = "8";
            expected.imageName = "MTNK";
            expected.passengers = "5";
            expected.primary = "105mm";
            expected.secondary = "M60";
            expected.elitePrimary = "105mmE";
            expected.eliteSecondary = "M60E";
            expected.deathWeapon = "Demobomb";
            expected.armor = "heavy";
            expected.techLevel = "2";
            expected.requiredHouses = "Russians";
            expected.allowedToStart = expected.selfHealing = expected.deployer =
                expected.deployFire = expected.immuneToPsionics = expected.crushable =
                    expected.explodes = true;
            if (c == qm::kBuildingTypes) {
                expected.speed = "-50";
                expected.physicalSize = "4";
                expected.crusher = true;
                expected.transform = true;
                expected.transformTarget = "AMCV";
            } else {
                expected.speed = "6";
                expected.physicalSize = "3";
                expected.opportunityFire = true;
            }
            if (c == qm::kVehicleTypes) {
                expected.crateGoodie = true;
                expected.crusher = false;
                expected.transform = true;
                expected.transformTarget = "GACNST";
            }
            if (c != qm::kAircraftTypes)
                expected.c4 = expected.occupier = expected.canDisguise = expected.permaDisguise = true;

            UnitRecord got = Sentinel(flags);
            EXPECT_TRUE(rules.LoadUnit(c, "FULL", got));
            EXPECT_EQ(Describe(got), Describe(expected));
        }
    }
}

TEST_F(UnitRecordTest, MissingSectionLoadsAsEmptyRecord) {
    WriteRules("[General]\r\nName=Test\r\n");
    UnitRecord got = Sentinel(true);
    EXPECT_TRUE(rules.LoadUnit(qm::kVehicleTypes, "NOSUCH", got));
    // A vehicle reads every member, so every one comes back empty or unchecked.
    EXPECT_EQ(Describe(got), Describe(UnitRecord{}));
}

TEST_F(UnitRecordTest, EmptyCategoryOrIdTouchesNothing) {
    const std::string original = std::string("[U]\r\n") + kFullRecord;
    WriteRules(original);
    const std::pair<std::string, std::string> cases[] = {
        {"", "U"}, {qm::kInfantryTypes, ""}, {"", ""}};
    for (const auto& [category, id] : cases) {
        SCOPED_TRACE("category '" + category + "', id '" + id + "'");
        UnitRecord u = Sentinel(true);
        EXPECT_FALSE(rules.LoadUnit(category, id, u));
        EXPECT_EQ(Describe(u), Describe(Sentinel(true)));
        EXPECT_FALSE(rules.SaveUnit(category, id, UnitRecord{}));
        EXPECT_EQ(RulesBytes(), original);
    }
}

// Flags are read the way the game reads them and always saved as "yes" or "no".
TEST_F(UnitRecordTest, FlagValuesAsTheGameReadsThem) {
    struct Case {
        const char* line;  // the SelfHealing line, or nullptr for a missing key
        bool set;
    };
    const Case cases[] = {
        {"SelfHealing=yes", true},          {"SelfHealing=Yes", true},
        {"SelfHealing=YES", true},          {"SelfHealing=y", true},
        {"SelfHealing=true", true},         {"SelfHealing=True", true},
        {"SelfHealing=T", true},            {"SelfHealing=1", true},
        {"SelfHealing=yes ;comment", true}, {"SelfHealing=yes;comment", true},
        {"SelfHealing= \"yes\" ", true},    {"SelfHealing=no", false},
        {"SelfHealing=No", false},          {"SelfHealing=false", false},
        {"SelfHealing=0", false},           {"SelfHealing=", false},
        {"SelfHealing=; yes", false},       {"SelfHealing=nope", false},
        {"SelfHealing=2", false},           {nullptr, false},
    };
    std::string file;
    for (size_t i = 0; i < std::size(cases); ++i) {
        file += "[U" + std::to_string(i) + "]\r\nCost=1\r\n";
        if (cases[i].line) file += std::string(cases[i].line) + "\r\n";
    }
    WriteRules(file);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string id = "U" + std::to_string(i);
        SCOPED_TRACE(cases[i].line ? cases[i].line : "missing");
        UnitRecord u;
        ASSERT_TRUE(rules.LoadUnit(qm::kInfantryTypes, id, u));
        EXPECT_EQ(u.selfHealing, cases[i].set);
        ASSERT_TRUE(rules.SaveUnit(qm::kInfantryTypes, id, u));
        EXPECT_EQ(qm::ReadProfileValue(qm::RulesPath, id, "SelfHealing"),
                  cases[i].set ? "yes" : "no");
    }
}

TEST_F(UnitRecordTest, GetImageNameFallsBackToName) {
    WriteRules(
        "[A]\r\nImage=GI\r\nName=Soldier\r\n"
        "[B]\r\nImage=\r\nName=Aegis Cruiser\r\n"
        "[C]\r\nName=Tanya\r\n"
        "[D]\r\nCost=1\r\n");
    EXPECT_EQ(rules.GetImageName("A"), "GI");
    EXPECT_EQ(rules.GetImageName("B"), "Aegis Cruiser");
    EXPECT_EQ(rules.GetImageName("C"), "Tanya");
    EXPECT_EQ(rules.GetImageName("D"), "");
    EXPECT_EQ(rules.GetImageName("NOSUCH"), "");
}

// The record the save tests write.
UnitRecord FormRecord() {
    UnitRecord u;
    u.owner = "Americans";
    u.prerequisite = "GAPOWR";
    u.cost = "700";
    u.strength = "300";
    u.speed = "5";
    u.physicalSize = "2";
    u.sight = "6";
    u.opportunityFire = u.crusher = u.transform = u.crateGoodie = true;
    u.selfHealing = u.c4 = u.immuneToPsionics = u.crushable = true;
    u.primary = "M60";
    u.elitePrimary = "M60E";
    u.armor = "flak";
    u.techLevel = "1";
    u.transformTarget = "GAPILE";
    u.imageName = "NOT WRITTEN";
    return u;
}

// Saving into a record that has only "Name" and "Cost": "Cost" is replaced in place, every
// other key of the category is added in the save order, and "Name"/"Image" are not written.
TEST_F(UnitRecordTest, SaveWritesTheKeysOfTheCategoryInOrder) {
    const Lines head = {"Name=Thing", "Cost=700", "Owner=Americans", "Prerequisite=GAPOWR",
                        "Strength=300", "BuildLimit="};
    const Lines unitBody = {"PhysicalSize=2", "Speed=5", "OpportunityFire=yes", "Sight=6"};
    const Lines lists = {"Passengers=",   "Primary=M60",     "Secondary=",
                         "ElitePrimary=M60E", "EliteSecondary=", "DeathWeapon=",
                         "Armor=flak",    "TechLevel=1",     "RequiredHouses=",
                         "AllowedToStartInMultiplayer=no", "SelfHealing=yes", "Deployer=no",
                         "DeployFire=no"};
    const Lines disguise = {"C4=yes", "Occupier=no", "CanDisguise=no", "PermaDisguise=no"};
    const Lines tail = {"ImmuneToPsionics=yes", "Crushable=yes", "Explodes=no"};
    const struct {
        const char* category;
        Lines expected;
    } cases[] = {
        {qm::kInfantryTypes, Concat({head, unitBody, {"Size=1"}, lists, disguise, tail})},
        {qm::kVehicleTypes,
         Concat({head, unitBody,
                 {"Size=3", "CrateGoodie=yes", "Crusher=yes", "DeploysInto=GAPILE"}, lists,
                 disguise, tail})},
        {qm::kAircraftTypes, Concat({head, unitBody, lists, tail})},
        {qm::kBuildingTypes,
         Concat({head,
                 {"Adjacent=2", "Power=5", "Trainable=yes", "AIBuildThis=yes",
                  "UndeploysInto=GAPILE", "Sight=6"},
                 lists, disguise, tail})},
    };
    const std::string other = "[Other]\r\nCost=1\r\n";
    std::string file = "[General]\r\nName=Test\r\n";
    for (const auto& c : cases) file += std::string("[") + c.category + "]\r\nName=Thing\r\nCost=5\r\n";
    WriteRules(file + other);

    for (const auto& c : cases) {
        SCOPED_TRACE(c.category);
        EXPECT_TRUE(rules.SaveUnit(c.category, c.category, FormRecord()));
        EXPECT_EQ(Section(c.category), c.expected);
    }
    EXPECT_EQ(Section("General"), (Lines{"Name=Test"}));
    EXPECT_EQ(Section("Other"), (Lines{"Cost=1"}));
}

TEST_F(UnitRecordTest, BuildingIsTrainableOnlyWithAnUpgradeWeapon) {
    WriteRules("[B]\r\nTrainable=yes\r\n");
    UnitRecord u;
    ASSERT_TRUE(rules.SaveUnit(qm::kBuildingTypes, "B", u));
    EXPECT_EQ(qm::ReadProfileValue(qm::RulesPath, "B", "Trainable"), "no");
    u.elitePrimary = "105mmE";
    ASSERT_TRUE(rules.SaveUnit(qm::kBuildingTypes, "B", u));
    EXPECT_EQ(qm::ReadProfileValue(qm::RulesPath, "B", "Trainable"), "yes");
}

TEST_F(UnitRecordTest, VehicleTransformTarget) {
    struct Case {
        const char* stored;  // the DeploysInto line, or nullptr for none
        bool checked;        // after loading
        const char* target;  // after loading
    };
    const Case loads[] = {
        {"DeploysInto=GACNST", true, "GACNST"},
        {"DeploysInto=no", false, "no"},
        {"DeploysInto=", false, ""},
        {nullptr, false, ""},
    };
    std::string file;
    for (size_t i = 0; i < std::size(loads); ++i) {
        file += "[V" + std::to_string(i) + "]\r\nCost=1\r\n";
        if (loads[i].stored) file += std::string(loads[i].stored) + "\r\n";
    }
    WriteRules(file);
    for (size_t i = 0; i < std::size(loads); ++i) {
        SCOPED_TRACE(loads[i].stored ? loads[i].stored : "missing");
        UnitRecord u;
        ASSERT_TRUE(rules.LoadUnit(qm::kVehicleTypes, "V" + std::to_string(i), u));
        EXPECT_EQ(u.transform, loads[i].checked);
        EXPECT_EQ(u.transformTarget, loads[i].target);
    }

    const struct {
        bool checked;
        const char* target;
        const char* written;
    } saves[] = {
        {false, "no", "DeploysInto=no"},
        {false, "", "DeploysInto=no"},
        {false, "GACNST", "DeploysInto=no"},
        {true, "", "DeploysInto="},
        {true, "GAPILE", "DeploysInto=GAPILE"},
    };
    for (const auto& s : saves) {
        SCOPED_TRACE(s.written);
        UnitRecord u;
        u.transform = s.checked;
        u.transformTarget = s.target;
        ASSERT_TRUE(rules.SaveUnit(qm::kVehicleTypes, "V0", u));
        const Lines lines = Section("V0");
        EXPECT_EQ(std::count(lines.begin(), lines.end(), s.written), 1);
    }
}

// A building's "UndeploysInto" follows "AIBuildThis": the target when the box is checked; an
// unchecked box clears a stored target but adds no key to a record without one.
TEST_F(UnitRecordTest, BuildingTransformTarget) {
    const Lines saved = {"Owner=",  "Prerequisite=", "Strength=",    "BuildLimit=",
                         "Adjacent=", "Power=",      "Trainable=no", "AIBuildThis=no"};
    const struct {
        const char* stored;  // the UndeploysInto line, or nullptr for none
        bool loadedChecked;
        const char* loadedTarget;
        bool checked;  // what is saved
        const char* target;
        Lines expectedStart;  // the section's lines up to "Sight"
    } cases[] = {
        {"UndeploysInto=AMCV", true, "AMCV", true, "GAPOWR",
         Concat({{"UndeploysInto=GAPOWR", "Cost="}, saved, {"Sight="}})},
        {"UndeploysInto=AMCV", true, "AMCV", false, "AMCV",
         Concat({{"UndeploysInto=", "Cost="}, saved, {"Sight="}})},
        {"UndeploysInto=", false, "", false, "",
         Concat({{"UndeploysInto=", "Cost="}, saved, {"Sight="}})},
        {nullptr, false, "", false, "AMCV", Concat({{"Cost="}, saved, {"Sight="}})},
        {nullptr, false, "", true, "", Concat({{"Cost="}, saved, {"UndeploysInto=", "Sight="}})},
        {nullptr, false, "", true, "AMCV",
         Concat({{"Cost="}, saved, {"UndeploysInto=AMCV", "Sight="}})},
    };
    std::string file;
    for (size_t i = 0; i < std::size(cases); ++i) {
        file += "[B" + std::to_string(i) + "]\r\n";
        if (cases[i].stored) file += std::string(cases[i].stored) + "\r\n";
        file += "Cost=1\r\n";
    }
    WriteRules(file);
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        const std::string id = "B" + std::to_string(i);
        SCOPED_TRACE(std::string(c.stored ? c.stored : "none") +
                     (c.checked ? ", saved checked " : ", saved unchecked ") + c.target);
        UnitRecord u;
        ASSERT_TRUE(rules.LoadUnit(qm::kBuildingTypes, id, u));
        EXPECT_EQ(u.transform, c.loadedChecked);
        EXPECT_EQ(u.transformTarget, c.loadedTarget);

        u = UnitRecord{};
        u.transform = c.checked;
        u.transformTarget = c.target;
        ASSERT_TRUE(rules.SaveUnit(qm::kBuildingTypes, id, u));
        const Lines lines = Section(id);
        ASSERT_GE(lines.size(), c.expectedStart.size());
        EXPECT_EQ(Lines(lines.begin(), lines.begin() + c.expectedStart.size()), c.expectedStart);
    }
}

TEST_F(UnitRecordTest, SaveReportsFailedWrites) {
    // An unwritable file: nothing is written and the save says so.
    UseUnwritablePath();
    EXPECT_FALSE(rules.SaveUnit(qm::kInfantryTypes, "E1", FormRecord()));
    EXPECT_FALSE(qm::FileExists(qm::RulesPath));

    // A value that would break the file's lines is refused; the other keys are still written.
    qm::RulesPath = dir.file("Rules.ini");
    WriteRules("[E1]\r\nCost=100\r\n");
    UnitRecord u = FormRecord();
    u.strength = "300\r\n[Injected]";
    EXPECT_FALSE(rules.SaveUnit(qm::kInfantryTypes, "E1", u));
    EXPECT_EQ(qm::ReadProfileValue(qm::RulesPath, "E1", "Strength"), "");
    EXPECT_EQ(qm::ReadProfileValue(qm::RulesPath, "E1", "Cost"), "700");
    EXPECT_EQ(qm::ReadProfileValue(qm::RulesPath, "E1", "Explodes"), "no");
    EXPECT_EQ(qmtest::SectionLines(RulesBytes(), "Injected"), Lines{});
    EXPECT_EQ(RulesBytes().find("Injected"), std::string::npos);

    // An ID that cannot be a section name.
    EXPECT_FALSE(rules.SaveUnit(qm::kInfantryTypes, "E1]\r\n[X", FormRecord()));
}

}  // namespace

// Game-wide settings and paradrops of both game versions.
#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/rules_file_test.h"

namespace {

using qm::GeneralSettings;
using qm::Gbk;
using qm::ParadropList;
using qm::ParadropTimes;
using qmtest::Lines;

// Every section both games use, the nuke under both of its names, each with its own value.
const char* const kSettingsRules =
    "[General]\r\n"
    "BuildSpeed=.7\r\n"
    "AmerParaDropInf=E1\r\nAmerParaDropNum=8\r\n"
    "AllyParaDropInf=E1,GI\r\nAllyParaDropNum=6,2\r\n"
    "SovParaDropInf=E2\r\nSovParaDropNum=9\r\n"
    "YuriParaDropInf=INIT\r\nYuriParaDropNum=6\r\n"
    "[CrateRules]\r\nCrateMaximum=255\r\nCrateMinimum=1\r\nSoloCrateMoney=5000\r\n"
    "[MultiplayerDialogSettings]\r\nMinMoney=5000\r\nMoney=10000\r\nMaxMoney=10000\r\n"
    "UnitCount=5\r\nMaxUnitCount=10\r\n"
    "[Powerups]\r\nMoney=20,MONEY,yes,2000\r\n"
    "[MultiSpecial]\r\nRechargeTime=11\r\n"
    "[NukeSpecial]\r\nRechargeTime=12\r\n"
    "[IronCurtainSpecial]\r\nRechargeTime=13\r\n"
    "[LightningStormSpecial]\r\nRechargeTime=14\r\n"
    "[ChronoSphereSpecial]\r\nRechargeTime=15\r\n"
    "[ParaDropSpecial]\r\nRechargeTime=16\r\n"
    "[AmericanParaDropSpecial]\r\nRechargeTime=17\r\n"
    "[PsychicDominatorSpecial]\r\nRechargeTime=18\r\n"
    "[GeneticConverterSpecial]\r\nRechargeTime=19\r\n";

GeneralSettings Boxes() {
    return {"b1", "b2", "b3", "b4", "1,5", "b6", "b7", "b8", "b9", "b10", "b11", "b12"};
}

class GeneralSettingsTest : public qmtest::RulesFileTest {
protected:
    std::string Value(const char* section, const char* key) const {
        return qm::ReadProfileValue(qm::RulesPath, section, key);
    }
};

TEST_F(GeneralSettingsTest, LoadBothVersions) {
    WriteRules(kSettingsRules);
    // Boxes 3 and 4 show the second of their two keys.
    GeneralSettings ra2 = {"10000", "5000", "10", "255", "5000", ".7",
                           "14", "11", "15", "13", "", ""};
    GeneralSettings yr = ra2;
    yr.nuke = "12";
    yr.geneticConverter = "19";
    yr.psychicDominator = "18";
    qm::GameVersion = 1;
    EXPECT_EQ(rules.LoadGeneralSettings(), ra2);
    qm::GameVersion = 2;
    EXPECT_EQ(rules.LoadGeneralSettings(), yr);
    qm::GameVersion = 0;  // anything but 2 is Red Alert 2
    EXPECT_EQ(rules.LoadGeneralSettings(), ra2);
}

// A box showing two keys falls back to the first key when the second is missing or empty,
// so saving the page does not wipe the first key's value.
TEST_F(GeneralSettingsTest, PairedBoxFallsBackToTheFirstKey) {
    WriteRules(
        "[MultiplayerDialogSettings]\r\nUnitCount=5\r\n"
        "[CrateRules]\r\nCrateMinimum=3\r\nCrateMaximum=\r\n");
    const GeneralSettings s = rules.LoadGeneralSettings();
    EXPECT_EQ(s.unitCount, "5");
    EXPECT_EQ(s.crateCount, "3");
    ASSERT_TRUE(rules.SaveGeneralSettings(s));
    EXPECT_EQ(Value("MultiplayerDialogSettings", "UnitCount"), "5");
    EXPECT_EQ(Value("MultiplayerDialogSettings", "MaxUnitCount"), "5");
    EXPECT_EQ(Value("CrateRules", "CrateMinimum"), "3");
    EXPECT_EQ(Value("CrateRules", "CrateMaximum"), "3");
}

// Saving into an empty file shows every key written, in the order of the writes.
TEST_F(GeneralSettingsTest, SaveOrderBothVersions) {
    const Lines common = {
        "[MultiplayerDialogSettings]", "MinMoney=b2", "MaxMoney=b1", "UnitCount=b3",
        "MaxUnitCount=b3", "[General]", "BuildSpeed=b6", "[Powerups]",
        "Money=20,VETERAN,yes,2", "[CrateRules]",
        "SoloCrateMoney=1,5", "CrateMinimum=b4", "CrateMaximum=b4",
        "[LightningStormSpecial]", "RechargeTime=b7", "[ChronoSphereSpecial]",
        "RechargeTime=b9", "[IronCurtainSpecial]", "RechargeTime=b10"};
    const struct {
        int version;
        Lines tail;
    } cases[] = {
        {1, {"[MultiSpecial]", "RechargeTime=b8"}},
        {2,
         {"[NukeSpecial]", "RechargeTime=b8", "[GeneticConverterSpecial]", "RechargeTime=b11",
          "[PsychicDominatorSpecial]", "RechargeTime=b12"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version);
        qm::GameVersion = c.version;
        qm::RulesPath = dir.file("empty" + std::to_string(c.version) + ".ini");
        ASSERT_TRUE(rules.SaveGeneralSettings(Boxes()));
        EXPECT_EQ(qmtest::FileLines(RulesBytes()), qmtest::Concat({common, c.tail}));
    }
}

// A save replaces the twelve keys in place, rewrites the money crate, leaves the other game's
// sections alone, and reads back as what was saved.
TEST_F(GeneralSettingsTest, SaveIntoExistingFile) {
    for (int version : {1, 2}) {
        SCOPED_TRACE(version);
        qm::GameVersion = version;
        qm::RulesPath = dir.file("rules" + std::to_string(version) + ".ini");
        WriteRules(kSettingsRules);
        ASSERT_TRUE(rules.SaveGeneralSettings(Boxes()));
        GeneralSettings expected = Boxes();
        if (version == 1) expected.geneticConverter = expected.psychicDominator = "";
        EXPECT_EQ(rules.LoadGeneralSettings(), expected);
        EXPECT_EQ(Value("Powerups", "Money"), "20,VETERAN,yes,2");
        EXPECT_EQ(Value("MultiplayerDialogSettings", "Money"), "10000");
        EXPECT_EQ(Value("MultiSpecial", "RechargeTime"), version == 1 ? "b8" : "11");
        EXPECT_EQ(Value("NukeSpecial", "RechargeTime"), version == 2 ? "b8" : "12");
        EXPECT_EQ(Value("GeneticConverterSpecial", "RechargeTime"), version == 2 ? "b11" : "19");
        EXPECT_EQ(Value("PsychicDominatorSpecial", "RechargeTime"), version == 2 ? "b12" : "18");
        // Keys keep their lines: the crate section keeps its order.
        EXPECT_EQ(Section("CrateRules"),
                  (Lines{"CrateMaximum=b4", "CrateMinimum=b4", "SoloCrateMoney=1,5"}));
    }
}

TEST_F(GeneralSettingsTest, ParadropSides) {
    const struct {
        int version;
        const char* side;
        const char* unitsKey;  // nullptr: the side selects no keys
        const char* countsKey;
        ParadropList stored;
    } cases[] = {
        {1, "盟军", "AllyParaDropInf", "AllyParaDropNum", {"E1,GI", "6,2"}},
        {1, "美军", "AmerParaDropInf", "AmerParaDropNum", {"E1", "8"}},
        {1, "苏军", "SovParaDropInf", "SovParaDropNum", {"E2", "9"}},
        {1, "尤里", nullptr, nullptr, {}},
        {2, "盟军", "AllyParaDropInf", "AllyParaDropNum", {"E1,GI", "6,2"}},
        {2, "苏军", "SovParaDropInf", "SovParaDropNum", {"E2", "9"}},
        {2, "尤里", "YuriParaDropInf", "YuriParaDropNum", {"INIT", "6"}},
        {2, "", nullptr, nullptr, {}},
        {2, "法军", nullptr, nullptr, {}},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.version) + " " + c.side);
        qm::GameVersion = c.version;
        qm::RulesPath = dir.file("para" + std::to_string(n++) + ".ini");
        WriteRules(kSettingsRules);
        const Lines general = Section("General");

        EXPECT_EQ(rules.LoadParadrop(Gbk(c.side)), c.stored);
        EXPECT_EQ(rules.LoadParadropTimes(), (ParadropTimes{"17", "16"}));

        ASSERT_TRUE(rules.SaveParadrop(Gbk(c.side), {"E1,E2,E3", "1,2,3"}, {"a7", "s6"}));
        EXPECT_EQ(rules.LoadParadropTimes(), (ParadropTimes{"a7", "s6"}));
        if (c.unitsKey) {
            EXPECT_EQ(Value("General", c.unitsKey), "E1,E2,E3");
            EXPECT_EQ(Value("General", c.countsKey), "1,2,3");
            EXPECT_EQ(rules.LoadParadrop(Gbk(c.side)), (ParadropList{"E1,E2,E3", "1,2,3"}));
            EXPECT_EQ(Section("General").size(), general.size());
        } else {
            EXPECT_EQ(Section("General"), general);
        }
    }
}

TEST_F(GeneralSettingsTest, ParadropSaveOrderAndEmptyList) {
    ASSERT_TRUE(rules.SaveParadrop(Gbk("盟军"), {"", ""}, {"", "5"}));
    EXPECT_EQ(qmtest::FileLines(RulesBytes()),
              (Lines{"[General]", "AllyParaDropInf=", "AllyParaDropNum=",
                     "[AmericanParaDropSpecial]", "RechargeTime=", "[ParaDropSpecial]",
                     "RechargeTime=5"}));
}

TEST_F(GeneralSettingsTest, SavesReportFailedWrites) {
    for (int version : {1, 2}) {
        SCOPED_TRACE(version);
        qm::GameVersion = version;
        UseUnwritablePath();
        EXPECT_FALSE(rules.SaveGeneralSettings(Boxes()));
        EXPECT_FALSE(rules.SaveParadrop(Gbk("苏军"), {"E2", "9"}, {"1", "2"}));
        EXPECT_FALSE(rules.SaveParadrop("", {}, {"1", "2"}));
        EXPECT_FALSE(qm::FileExists(qm::RulesPath));
    }

    // One refused value: the save says so, and the other keys are written.
    qm::RulesPath = dir.file("Rules.ini");
    WriteRules(kSettingsRules);
    GeneralSettings s = Boxes();
    s.buildSpeed = "1\r\n[Injected]";
    EXPECT_FALSE(rules.SaveGeneralSettings(s));
    EXPECT_EQ(Value("General", "BuildSpeed"), ".7");
    EXPECT_EQ(Value("IronCurtainSpecial", "RechargeTime"), "b10");
    EXPECT_FALSE(rules.SaveParadrop(Gbk("盟军"), {"E1\n[X]", "1"}, {"1", "2"}));
    EXPECT_EQ(RulesBytes().find("Injected"), std::string::npos);
    EXPECT_EQ(RulesBytes().find("[X]"), std::string::npos);
}

}  // namespace

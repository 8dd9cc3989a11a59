// CreateUnit: the registry entry and the starting record of each category and movement.
#include <set>

#include "store/file_services.h"
#include "store/profile_file.h"
#include "store/registry.h"
#include "store/rules_file_test.h"
#include "support/new_unit_lines.h"

namespace {

using qm::Gbk;
using qmtest::Concat;
using qmtest::Lines;

const Lines& kCommon = qmtest::kNewUnitCommonLines;
const Lines& kFly = qmtest::kNewUnitFlyLines;

Lines Head(const std::string& id, const std::string& image) {
    return {"UIName=Name:" + id, "Name=" + id, "Image=" + image, "Points=15"};
}

// A small rules file whose vehicle registry has the stock gaps (keys 1 to 57 without 29 and
// 31) and no building registry.
std::string SmallRules() {
    std::string vehicles = "[VehicleTypes]\r\n";
    for (int k = 1; k <= 57; ++k) {
        if (k == 29 || k == 31) continue;
        vehicles += std::to_string(k) + "=V" + std::to_string(k) + "\r\n";
    }
    return "[General]\r\nName=Test\r\n"
           "[InfantryTypes]\r\n1=E1\r\n2=E2\r\n3=GI\r\n\r\n" +
           vehicles +
           "\r\n[AircraftTypes]\r\n1=ORCA\r\n"
           "[E1]\r\nCost=200\r\n";
}

class NewUnitRecordTest : public qmtest::RulesFileTest {
protected:
    // The registry's lines after a CreateUnit must be its old lines, blank lines aside, plus
    // one entry for id under a key no other line uses.
    void ExpectListedLast(const std::string& registry, const Lines& before, const std::string& id) {
        Lines after = Section(registry);
        while (!after.empty() && after.back().empty()) after.pop_back();
        Lines old = before;
        while (!old.empty() && old.back().empty()) old.pop_back();
        ASSERT_EQ(after.size(), old.size() + 1);
        EXPECT_EQ(Lines(after.begin(), after.end() - 1), old);
        const std::string& added = after.back();
        const size_t eq = added.find('=');
        ASSERT_NE(eq, std::string::npos);
        EXPECT_EQ(added.substr(eq + 1), id);
        const std::string key = added.substr(0, eq);
        EXPECT_FALSE(key.empty());
        EXPECT_EQ(key.find_first_not_of("0123456789"), std::string::npos) << key;
        for (const std::string& line : old) EXPECT_NE(line.substr(0, line.find('=')), key);
    }
};

TEST_F(NewUnitRecordTest, InfantryAbcde500) {
    WriteRules(SmallRules());
    const Lines before = Section("InfantryTypes");
    ASSERT_TRUE(rules.CreateUnit(qm::kInfantryTypes, Gbk("步兵"), "Abcde500", Gbk("步行"), "GI"));
    ExpectListedLast("InfantryTypes", before, "Abcde500");
    EXPECT_EQ(Section("Abcde500"),
              Concat({{"UIName=Name:Abcde500", "Name=Abcde500", "Image=GI", "Points=15",
                       "IdleRate=6", "IFVMode=6", "Size=1", "Category=Soldier"},
                      kCommon,
                      {"MovementZone=Normal", "MovementRestrictedTo=Normal", "SpeedType=Foot",
                       "Locomotor={92612C46-F71F-11d1-AC9F-006008055BB5}"}}));
    EXPECT_EQ(Section("E1"), Lines{"Cost=200"});
}

TEST_F(NewUnitRecordTest, EachCategoryAndMovement) {
    const std::string drive = "Locomotor={92612C46-F71F-11d1-AC9F-006008055BB5}";
    const std::string teleport = "Locomotor={4A582747-9839-11d1-B709-00A024DDAFD1}";
    const std::string ship = "Locomotor={2BEA74E1-7CCA-11d3-BE14-00104B62A16C}";
    const struct {
        const char* registry;
        const char* kind;
        const char* movement;
        const char* id;
        const char* image;
        Lines expected;
    } cases[] = {
        {"InfantryTypes", "步兵", "传送", "NewTele", "",
         Concat({Head("NewTele", ""),
                 {"IdleRate=6", "IFVMode=6", "Size=1", "Category=Soldier"},
                 kCommon,
                 {"MovementZone=Infantry", "MovementRestrictedTo=Infantry", "SpeedType=",
                  teleport}})},
        {"InfantryTypes", "步兵", "飞行", "NewJump", "JUMPJET",
         Concat({Head("NewJump", "JUMPJET"),
                 {"IdleRate=6", "IFVMode=6", "Size=1", "Category=Soldier"},
                 kCommon, kFly,
                 {"MovementZone=Fly", "MovementRestrictedTo=Fly", drive}})},
        {"VehicleTypes", "车辆", "两栖", "NewAmph", "MTNK",
         Concat({Head("NewAmph", "MTNK"), {"Size=8", "Category=AFV"}, kCommon,
                 {"MovementZone=Amphibious", "MovementRestrictedTo=Amphibious",
                  "SpeedType=Hover", drive}})},
        {"VehicleTypes", "车辆", "航行", "NewBoat", "DEST",
         Concat({Head("NewBoat", "DEST"), {"Size=8", "Category=AFV"}, kCommon,
                 {"MovementZone=Water", "MovementRestrictedTo=Water", "SpeedType=Float", ship}})},
        {"VehicleTypes", "船只", "航行", "NewShip", "DEST",
         Concat({Head("NewShip", "DEST"), {"Size=3", "Category=AFV"}, kCommon,
                 {"MovementZone=Water", "MovementRestrictedTo=Water", "SpeedType=Float", ship}})},
        {"AircraftTypes", "飞行", "飞行", "NewPlane", "ORCA",
         Concat({Head("NewPlane", "ORCA"), {"Size=5", "Category=AirPower"}, kCommon, kFly,
                 {"MovementZone=Fly", "MovementRestrictedTo=Fly", drive}})},
        {"AircraftTypes", "飞行", "步行", "NewWalker", "ORCA",
         Concat({Head("NewWalker", "ORCA"), {"Size=5", "Category=AirPower"}, kCommon,
                 {"MovementZone=Normal", "MovementRestrictedTo=Normal", "SpeedType=Foot",
                  drive}})},
        {"BuildingTypes", "建筑", "飞行", "NewBase", "",
         Concat({Head("NewBase", ""), {"Size="}})},
    };
    WriteRules(SmallRules());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        const Lines before = Section(c.registry);
        ASSERT_TRUE(rules.CreateUnit(c.registry, Gbk(c.kind), c.id, Gbk(c.movement), c.image));
        EXPECT_EQ(Section(c.id), c.expected);
        if (before.empty()) {
            // The file had no building registry: it is created with the one entry.
            EXPECT_EQ(Section(c.registry), Lines{std::string("1=") + c.id});
        } else {
            ExpectListedLast(c.registry, before, c.id);
        }
    }
    // Every ID went into its own registry once.
    for (const char* reg : {"InfantryTypes", "VehicleTypes", "AircraftTypes", "BuildingTypes"}) {
        const qm::TextList keys = qm::ListSectionKeys(qm::RulesPath, reg);
        EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << reg;
    }
}

// The stock registries have gaps: neither their entry count nor that count plus one is
// necessarily free.
TEST_F(NewUnitRecordTest, StockRegistriesKeepEveryEntry) {
    for (int version : {1, 2}) {
        SCOPED_TRACE(version);
        qm::RulesPath = dir.file("stock" + std::to_string(version) + ".ini");
        WriteRules(qm::TemplateBytes(version));
        for (const char* reg : {"InfantryTypes", "VehicleTypes", "AircraftTypes", "BuildingTypes"}) {
            SCOPED_TRACE(reg);
            const Lines before = Section(reg);
            ASSERT_TRUE(rules.CreateUnit(reg, Gbk("车辆"), "Abcde500", Gbk("步行"), "GI"));
            ExpectListedLast(reg, before, "Abcde500");
        }
    }
}

// The profile layer finds a registry header in any letter case; the new entry must not
// replace one that is there.
TEST_F(NewUnitRecordTest, RegistryInOtherLetterCaseKeepsItsEntries) {
    WriteRules("[infantrytypes]\r\n1=E1\r\n2=E2\r\n");
    ASSERT_TRUE(rules.CreateUnit(qm::kInfantryTypes, Gbk("步兵"), "NEWINF", Gbk("步行"), "GI"));
    EXPECT_EQ(Section("infantrytypes"), (Lines{"1=E1", "2=E2", "3=NEWINF"}));
}

TEST_F(NewUnitRecordTest, RefusedArguments) {
    const std::string original = SmallRules();
    WriteRules(original);
    const struct {
        const char* registry;
        const char* id;
    } cases[] = {{"", "X1"}, {"InfantryTypes", ""}, {"WeaponTypes", "X1"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.registry) + "/" + c.id);
        EXPECT_FALSE(rules.CreateUnit(c.registry, Gbk("步兵"), c.id, Gbk("步行"), "GI"));
        EXPECT_EQ(RulesBytes(), original);
    }
}

TEST_F(NewUnitRecordTest, ReportsFailedWrites) {
    UseUnwritablePath();
    EXPECT_FALSE(rules.CreateUnit(qm::kInfantryTypes, Gbk("步兵"), "X1", Gbk("步行"), "GI"));
    EXPECT_FALSE(qm::FileExists(qm::RulesPath));

    // A value that would break the file's lines.
    qm::RulesPath = dir.file("Rules.ini");
    WriteRules(SmallRules());
    EXPECT_FALSE(rules.CreateUnit(qm::kInfantryTypes, Gbk("步兵"), "X1", Gbk("步行"),
                                  "GI\r\n[Injected]"));
    EXPECT_EQ(RulesBytes().find("Injected"), std::string::npos);
}

}  // namespace

// RulesDocument: the unit records, new unit records, game-wide settings and paradrops of the
// rules file qm::RulesPath. Nothing is kept in memory: every operation reads or writes the
// file key by key through the profile layer, in a fixed order, so keys that a record lacks
// are added in that order. The windows pass plain structs in and out and map them onto their
// controls; each member names the control it belongs to.
//
// A save writes its keys one after another and puts them on disk together, in one
// replacement of the file, so a save that fails on disk leaves the file as it was. A value
// the profile layer refuses (one that would break the file's lines) does not hold back the
// other keys. Every save returns false when any of its writes failed.
#pragma once

#include "store/gbk_text.h"

namespace qm {

// One unit record as the editor form shows it. Several controls serve two keys, chosen by
// the category: the comments name the key for units first, then the key for buildings.
struct UnitRecord {
    // Edit fields.
    Text prerequisite;  // 编辑框_生产前提  "Prerequisite"
    Text cost;          // 编辑框_成本      "Cost"
    Text strength;      // 编辑框_生命      "Strength"
    Text buildLimit;    // 编辑框_限制数量  "BuildLimit"
    Text speed;         // 编辑框_速度      "Speed"; buildings "Power"
    Text physicalSize;  // 编辑框_占位      "PhysicalSize"; buildings "Adjacent"
    Text sight;         // 编辑框_视野      "Sight"
    Text passengers;    // 编辑框_容量      "Passengers"

    // Check boxes.
    bool opportunityFire = false;   // 选择框_移动攻击    "OpportunityFire" (not buildings)
    bool crusher = false;           // 选择框_碾压步兵    "Crusher" (vehicles); buildings "AIBuildThis"
    bool transform = false;         // 选择框_车辆变身    transform target is in use
    bool crateGoodie = false;       // 选择框_可宝箱获得  "CrateGoodie" (vehicles)
    bool allowedToStart = false;    // 选择框_开始拥有    "AllowedToStartInMultiplayer"
    bool selfHealing = false;       // 选择框_自动回血    "SelfHealing"
    bool deployer = false;          // 选择框_可以展开    "Deployer"
    bool deployFire = false;        // 选择框_展开射击    "DeployFire"
    bool c4 = false;                // 选择框_可以爆破    "C4" (not aircraft)
    bool occupier = false;          // 选择框_可进建筑    "Occupier" (not aircraft)
    bool canDisguise = false;       // 选择框_可以变身    "CanDisguise" (not aircraft)
    bool permaDisguise = false;     // 选择框_长时变身    "PermaDisguise" (not aircraft)
    bool immuneToPsionics = false;  // 选择框_不受控制    "ImmuneToPsionics"
    bool crushable = false;         // 选择框_不能碾压    "Crushable" (not inverted)
    bool explodes = false;          // 选择框_死亡爆炸    "Explodes"

    // List values: the ID text of the selected item, empty when nothing is selected.
    Text primary;          // 组合框_主武器    "Primary"
    Text secondary;        // 组合框_辅武器    "Secondary"
    Text elitePrimary;     // 组合框_主升级    "ElitePrimary"
    Text eliteSecondary;   // 组合框_辅升级    "EliteSecondary"
    Text deathWeapon;      // 组合框_死亡武器  "DeathWeapon"
    Text armor;            // 组合框_装甲      "Armor"
    Text techLevel;        // 组合框_科技      "TechLevel"
    Text requiredHouses;   // 组合框_仅拥有    "RequiredHouses"
    Text transformTarget;  // 组合框_车辆变身  "DeploysInto" (vehicles); buildings "UndeploysInto"

    Text owner;      // the country check boxes  "Owner"
    Text imageName;  // 图片模型_编辑框  "Image", else "Name"; read only

    bool operator==(const UnitRecord&) const = default;
};

// The twelve texts of the basic settings page, in the page's order.
struct GeneralSettings {
    Text maxMoney;          // 基本_金钱最大  MultiplayerDialogSettings "MaxMoney"
    Text minMoney;          // 基本_金钱最小  MultiplayerDialogSettings "MinMoney"
    Text unitCount;         // 基本_初始部队  MultiplayerDialogSettings "UnitCount", "MaxUnitCount"
    Text crateCount;        // 基本_宝箱数量  CrateRules "CrateMinimum", "CrateMaximum"
    Text crateMoney;        // 基本_宝箱钱    CrateRules "SoloCrateMoney"
    Text buildSpeed;        // 基本_建造间隔  General "BuildSpeed"
    Text lightningStorm;    // 基本_闪电风暴  LightningStormSpecial "RechargeTime"
    Text nuke;              // 基本_核弹发射  NukeSpecial (Yuri's Revenge) / MultiSpecial "RechargeTime"
    Text chronoSphere;      // 基本_时空传送  ChronoSphereSpecial "RechargeTime"
    Text ironCurtain;       // 基本_铁幕装置  IronCurtainSpecial "RechargeTime"
    Text geneticConverter;  // 基本_基因突变  GeneticConverterSpecial "RechargeTime" (Yuri's Revenge)
    Text psychicDominator;  // 基本_心灵控制  PsychicDominatorSpecial "RechargeTime" (Yuri's Revenge)

    bool operator==(const GeneralSettings&) const = default;
};

// The paradrop of one side: unit IDs and the number of each, both joined by ",".
struct ParadropList {
    Text units;   // "...ParaDropInf" of General
    Text counts;  // "...ParaDropNum" of General

    bool operator==(const ParadropList&) const = default;
};

// The two paradrop recharge times.
struct ParadropTimes {
    Text allied;  // 编辑框_盟军间隔  AmericanParaDropSpecial "RechargeTime"
    Text soviet;  // 编辑框_苏军间隔  ParaDropSpecial "RechargeTime"

    bool operator==(const ParadropTimes&) const = default;
};

// Works on qm::RulesPath, and on qm::GameVersion where the keys differ between the games
// (2 is Yuri's Revenge, anything else Red Alert 2). Category texts are the registry names
// "InfantryTypes", "VehicleTypes", "AircraftTypes", "BuildingTypes", compared exactly.
class RulesDocument {
public:
    // Lists id in the registry under a free numeric key after its last entry and writes the
    // starting record of the category (and, except for buildings, of the movement).
    // kind ("船只" tells a ship from a vehicle) and movement ("步行", "飞行", "传送", "两栖",
    // "航行") are GBK texts; any other movement writes no movement keys. False when id or
    // registry is empty or registry names none of the four registries (nothing written), or
    // when a write failed. id is not checked against existing sections.
    bool CreateUnit(const Text& registry, const Text& kind, const Text& id, const Text& movement,
                    const Text& image);

    // Writes the keys of the category from the record; imageName is not written. A flag is
    // written "yes" or "no". False when category or id is empty (nothing written) or when a
    // write failed.
    bool SaveUnit(const Text& category, const Text& id, const UnitRecord& unit);

    // Fills only the members that the category reads; the others keep the caller's values.
    // A flag counts as set when its value, cut at the first ";" and trimmed, starts with
    // y, Y, t, T or 1. False when category or id is empty (nothing read, nothing touched).
    bool LoadUnit(const Text& category, const Text& id, UnitRecord& unit) const;

    // "Image" of the unit's section, or "Name" when "Image" is empty.
    Text GetImageName(const Text& id) const;

    // Writes the side's unit and count lists (side "盟军", "美军", "苏军", or "尤里" for Yuri's
    // Revenge; any other side writes no list) and then both paradrop times. False when a
    // write failed.
    bool SaveParadrop(const Text& side, const ParadropList& list, const ParadropTimes& times);

    // Both texts empty for a side that selects no keys.
    ParadropList LoadParadrop(const Text& side) const;

    ParadropTimes LoadParadropTimes() const;

    // A box that shows two keys gets the second key, or the first when the second is empty.
    // The Yuri's Revenge boxes stay empty for Red Alert 2.
    GeneralSettings LoadGeneralSettings() const;

    // Each box that shows two keys writes its text to both. False when a write failed.
    bool SaveGeneralSettings(const GeneralSettings& settings);
};

// The program's one document; it holds no data, so any instance works on the same file.
extern RulesDocument Rules;

}  // namespace qm

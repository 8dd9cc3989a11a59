#include "catalogue/name_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using qm::Gbk;
using qm::Text;
using qm::TextList;

TextList Items(const Text& table) { return qm::SplitText(table, qm::TableSeparator()); }

TextList Ids(const TextList& items) {
    TextList ids;
    for (const Text& item : items) ids.push_back(qm::ItemId(item));
    return ids;
}

// A list written as "A, B, C".
TextList Listed(const std::string& ids) { return qm::SplitText(ids, ", "); }

bool Has(const TextList& items, const Text& item) {
    return std::find(items.begin(), items.end(), item) != items.end();
}

// UTF-8 items to GBK.
TextList GbkItems(std::initializer_list<const char*> utf8) {
    TextList out;
    for (const char* s : utf8) out.push_back(Gbk(s));
    return out;
}

const char kBuildingIdsYr[] =
    "GAPOWR, GAREFN, GAPILE, GAWEAP, GAAIRC, AMRADR, GADEPT, GAYARD, GATECH, GAROBO, GAOREP, "
    "GAWALL, GAPILL, NASAM, GAGAP, ATESLA, GASPYSAT, GACNST, GTGCAN, GACSPH, GAWEAT, NAPOWR, "
    "NAREFN, NAHAND, NAWEAP, NARADR, NADEPT, NAYARD, NATECH, NANRCT, NAINDP, NAWALL, NABNKR, "
    "NALASR, NAFLAK, TESLA, NACNST, NAIRON, NAMISL, YAPOWR, YAREFN, YABRCK, YAWEAP, NAPSIS, "
    "YAYARD, YAGRND, YATECH, GAFWLL, NATBNK, YAGGUN, YAPSYT, NACLON, YAGNTC, YAPPET, YACNST, "
    "CAEAST02, CATRAN03, GASAND, CAAIRP, CAOILD, CAHOSP, CAMACH, CAOUTP, CAPOWR, CASLAB, "
    "CATHOSP, CATIME01, CATIME02, CALAB, GATE1, CABUNK01, CABUNK02, CABUNK03, CABUNK04, CABHUT, "
    "CAGARD01, CAMIAM04, CAUSFGL, CACUFGL, CAFRFGL, CAGEFGL, CAIRFGL, CALBFGL, CARUFGL, CAUKFGL, "
    "CASKFGL, CALOND04, CALOND05, CALOND06, CAMORR06, CAEGYP01, CAEGYP02, CAEGYP03, CASEAT01, "
    "CASEAT02, CASTL04, CASYDN03, CAEAST01, CAEGYP03, CALUNR01, CAMIAM08, CAPRS03, CACHIG04, "
    "CAEURO05, CAFARM06, CAPARS01, CAPARS11, CAWASH14, CAWASH19, CAWASH15, CARUS03, CAWASH01, "
    "CATRAN01, CAWASH19, CACOLO01, CARUS08, CARUS09, CARUS10, CARUS11, CAMISC06, CAARMY01, "
    "CAARMY02, CAARMY03, CAARMY04, CAFRMB, CATECH01, AMMOCRAT, CAMISC01, CAMISC02";

const char kInfantryIdsYr[] =
    "E1, ADOG, ENGINEER, GGI, JUMPJET, SPY, GHOST, TANY, CLEG, CCOMAND, E2, DOG, SENGINEER, "
    "FLAKT, SHK, DESO, TERROR, IVAN, CIVAN, SNIPE, INIT, SLAV, YENGINEER, BRUTE, VIRUS, YURI, "
    "YURIPR, PTROOP, LUNR, ARND, STLN, CLNT, CTECH, BORIS, SSRV, PRES, RMNV, EINS, CIV1, CIV2, "
    "CIV3, CIVA, CIVB, CIVC, CIVBBP, CIVBFM, CIVBF, CIVBTM, CIVSFM, CIVSF, CIVSTM, VLADIMIR, "
    "PENTGEN, WEEDGUY, CAML, COW, ALL, POLARB, DNOA, DNOB, JOSH, MUMY, WWLF";

const char kInfantryIdsRa2[] =
    "E1, ADOG, ENGINEER, JUMPJET, SPY, GHOST, TANY, CLEG, CCOMAND, E2, DOG, SENGINEER, FLAKT, "
    "SHK, DESO, TERROR, IVAN, CIVAN, SNIPE, YURIPR, PTROOP, YURI, CTECH, ARND, STLN, CLNT, SSRV, "
    "PRES, RMNV, EINS, BORIS, CIV1, CIV2, CIV3, CIVA, CIVB, CIVC, CIVBBP, CIVBFM, CIVBF, CIVBTM, "
    "CIVSFM, CIVSF, CIVSTM, VLADIMIR, PENTGEN, WEEDGUY, CAML, COW, ALL, POLARB, DNOA, DNOB, "
    "JOSH, MUMY, WWLF";

const char kVehicleIdsYr[] =
    "AMCV, SMCV, PCV, MTNK, HTNK, LTNK, FV, HTK, YTNK, TTNK, MGTK, SREF, APOC, TNKD, BFRT, ELE, "
    "DRON, V3, DTRUCK, DISK, CAOS, ROBO, HOWI, CMIN, CMON, HARV, HORV, SMIN, SMON, TMIND, LCRF, "
    "SAPC, YHVR, DEST, AEGIS, CARRIER, HYD, DLPH, SQD, SUB, DRED, BSUB, CARRIERB, CDEST, TUG, "
    "CRUISE, DREDB, VLAD, CAR, EUROC, SUVB, STANG, SUVW, BUS, WINI, PICK, PTRUCK, TRUCKA, JEEP, "
    "TRUCKB, LIMO, TAXI, COP, CONA, PROPA, DDBX, BCAB, YCAB, DOLY, CBLC, FTRK, AMBU";

const char kWeaponIds[] =
    "105mm, 105mmE, 120HE, 120mm, 120mmE, 120mmx, 120mmxE, 155mm, 155mmE, 20mm, 20mmE, "
    "20mmRapid, 20mmRapidE, 75mm, 90mm, AlliedOccupyW, AlligatorBite, AssaultBolt, "
    "AssaultCannon, ASWBomb, ASWCollision, ASWLauncher, AWP, AWPE, BadTeeth, BAZOOKA, BearBite, "
    "BikeMissile, BlackHawkCannon, BlackHawkCannonE, BlimpBomb, BlimpBombE, Bomb, ChemLauncher, "
    "ChimpBite, ChronoMP5, ChronoMP5E, CoilBolt, Comet, CometFragment, CowShot, CRAWP, "
    "CRBAZOOKA, CRElectricBolt, CRFlakGuyGun, CRM1Carbine, CRM60, CRMakeupKit, CRMindControl, "
    "CRMP5, CRNeutronRifle, CRNuke, CRRadBeamWeapon, CRTerrorBomb, CyCannon, DefuseKit, "
    "Demobomb, DoublePistols, DoublePistolsE, Dragon, DredCollision, DredLauncher, DroneJump, "
    "EiffelBolt, ElectricBolt, ElectricBoltE, ElectricFragment, EMPulseWeapon, FakeC4, "
    "FiendShard, FireballLauncher, FlakGuyAAGun, FlakGuyAAGunE, FlakGuyGun, FlakGuyGunE, "
    "FlakTrackAAGun, FlakTrackAAGunE, FlakTrackGun, FlakTrackGunE, FlakWeapon, FlakWeaponE, "
    "GoodTeeth, GrandCannonWeapon, Grenade, HarpyClaw, Heal, Hellfire, HornetBomb, HornetBombE, "
    "HornetCollision, HornetLauncher, HoverMissile, HoverMissile2, HoverMissile2e, "
    "HoverMissileE, HowitzerGun, IvanBomber, IvanBomberE, JumpCannon, LaserFire, LaserFire2, "
    "LtRail, M1Carbine, M1CarbineE, M60, M60E, MakeupKit, MammothTusk, Maverick, Maverick2, "
    "Maverick2E, MaverickE, MayanPrism, MechRailgun, Medusa, MedusaE, MindControl, MindControlE, "
    "Minigun, MirageGun, MirageGunE, MP5, MP5E, NeutronRifle, NeutronRifleE, Nukebomb, "
    "NukeCarrier, NukePayload, OPCoilBolt, OutpostMachineGun, Para, paraE, ParaDropWeapon, "
    "Pistola, PrismShot, PrismSupport, Proton, PsiWave, QuadCannon, RadBeamWeapon, "
    "RadBeamWeaponE, RadEruptionWeapon, RaiderCannon, RedEye2, RepairBullet, RPGTower, SABOT, "
    "SABOTE, Sapper, SlimeAttack, Sniper, SonicZap, SonicZapE, SovietOccupyW, SquidGrab, "
    "SquidGrabE, SquidPunch, SquidPunchE, SubTorpedo, SubTorpedoE, SuicideBomb, SuperComet, "
    "SuperCometFragment, SuperMindControl, TankBolt, TankBoltE, TankMakeupKit, TerrorBomb, "
    "TeslaFragment, V3Airburst, V3Cluster, V3Launcher, VirtualScanner, Vulcan, Vulcan2, "
    "Vulcan3, VulcanTower";

const char kNamedWeaponIds[] =
    "105mm, 105mmE, 120mm, 120mmE, 120mmx, 120mmxE, 20mm, 20mmE, AlliedOccupyW, ASWBomb, AWP, "
    "AWPE, BadTeeth, BlimpBomb, BlimpBombE, CoilBolt, Comet, CometFragment, DefuseKit, Demobomb, "
    "DoublePistols, DoublePistolsE, EiffelBolt, ElectricBolt, ElectricBoltE, FlakGuyGun, "
    "FlakGuyGunE, FlakTrackGun, FlakTrackGunE, HarpyClaw, HornetBomb, HornetBombE, "
    "HornetLauncher, HoverMissile, HowitzerGun, IvanBomber, IvanBomberE, M1Carbine, M1CarbineE, "
    "M60, M60E, MammothTusk, Maverick, Maverick2, MayanPrism, MindControl, MindControlE, "
    "MirageGun, MirageGunE, MP5, MP5E, NeutronRifle, NeutronRifleE, Nukebomb, NukeCarrier, "
    "NukePayload, Para, paraE, ParaDropWeapon, PrismShot, PrismSupport, RadBeamWeapon, "
    "RadBeamWeaponE, RedEye2, SABOT, SovietOccupyW, SuperComet, SuperCometFragment, TankBolt, "
    "TankBoltE, V3Launcher, Vulcan, Vulcan2, Vulcan3";

// The items that only the Yuri's Revenge tables hold.
const TextList& YrOnlyBuildings() {
    static const TextList items = GbkItems(
        {"NAINDP-工业工厂", "NABNKR-战斗碉堡", "YAPOWR-生化反应炉", "YAREFN-奴隶矿厂",
         "YABRCK-尤里兵营", "YAWEAP-尤里兵工厂", "NAPSIS-心灵感应器", "YAYARD-尤里船厂",
         "YAGRND-部队回收厂", "YATECH-尤里实验室", "GAFWLL-尤里围墙", "NATBNK-坦克碉堡",
         "YAGGUN-盖特机炮", "YAPSYT-心灵控制塔", "YAGNTC-基因突变器", "YAPPET-心灵控制增幅器",
         "YACNST-尤里建造场", "CAEAST02-尤里雕像", "CATRAN03-尤里要塞"});
    return items;
}

const TextList& YrOnlyVehicles() {
    static const TextList items = GbkItems(
        {"PCV-尤里基地车", "LTNK-狂风坦克", "YTNK-格林机炮坦克", "BFRT-战斗要塞",
         "ELE-磁电坦克", "DISK-镭射幽浮", "CAOS-神经突击车", "ROBO-机器人坦克", "SMIN-奴隶矿车",
         "SMON-奴隶矿车[卸矿]", "TMIND-策划者", "YHVR-尤里气垫船", "BSUB-雷鸣潜艇"});
    return items;
}

TextList Without(const TextList& items, const TextList& drop) {
    TextList out;
    for (const Text& item : items)
        if (!Has(drop, item)) out.push_back(item);
    return out;
}

struct TableCase {
    const char* name;
    const Text& (*table)(int);
    int version;
    size_t count;
};

const TableCase kTables[] = {
    {"buildings yr", qm::BuildingTable, 2, 129},  {"buildings ra2", qm::BuildingTable, 1, 110},
    {"infantry yr", qm::InfantryTable, 2, 63},    {"infantry ra2", qm::InfantryTable, 1, 56},
    {"vehicles yr", qm::VehicleTable, 2, 72},     {"vehicles ra2", qm::VehicleTable, 1, 59},
    {"aircraft yr", qm::AircraftTable, 2, 13},    {"aircraft ra2", qm::AircraftTable, 1, 9},
    {"countries yr", qm::CountryTable, 2, 10},    {"countries ra2", qm::CountryTable, 1, 9},
};

TEST(NameTables, EveryItemEndsWithTheSeparatorAndHasAName) {
    const Text dash = "-";
    for (const TableCase& c : kTables) {
        SCOPED_TRACE(c.name);
        const Text& table = c.table(c.version);
        EXPECT_TRUE(qm::EndsWith(table, qm::TableSeparator()));
        EXPECT_EQ(qm::FindText(table, "?"), -1) << "a character did not convert to GBK";
        const TextList items = Items(table);
        EXPECT_EQ(items.size(), c.count);
        for (const Text& item : items) {
            const int hyphen = qm::FindText(item, dash);
            EXPECT_GT(hyphen, 1) << qm::GbkToUtf8(item);
            EXPECT_LT(static_cast<size_t>(hyphen), item.size()) << qm::GbkToUtf8(item);
            EXPECT_EQ(qm::FindText(item, ","), -1) << qm::GbkToUtf8(item);
        }
    }
}

TEST(NameTables, AnyVersionButTwoIsRedAlert2) {
    for (int version : {0, 1, 3, -1}) {
        EXPECT_EQ(&qm::BuildingTable(version), &qm::BuildingTable(1));
        EXPECT_EQ(&qm::CountryTable(version), &qm::CountryTable(1));
    }
    EXPECT_NE(qm::InfantryTable(2), qm::InfantryTable(1));
}

TEST(NameTables, IdsInTheirFixedOrder) {
    EXPECT_EQ(Ids(Items(qm::BuildingTable(2))), Listed(kBuildingIdsYr));
    EXPECT_EQ(Ids(Items(qm::InfantryTable(2))), Listed(kInfantryIdsYr));
    EXPECT_EQ(Ids(Items(qm::InfantryTable(1))), Listed(kInfantryIdsRa2));
    EXPECT_EQ(Ids(Items(qm::VehicleTable(2))), Listed(kVehicleIdsYr));
}

TEST(NameTables, RedAlert2BuildingsAndVehiclesAreYuriTablesWithoutTheirOwnItems) {
    const TextList buildings = Items(qm::BuildingTable(2));
    for (const Text& item : YrOnlyBuildings()) EXPECT_TRUE(Has(buildings, item)) << qm::GbkToUtf8(item);
    EXPECT_EQ(Items(qm::BuildingTable(1)), Without(buildings, YrOnlyBuildings()));

    // The vehicle tables differ in one name besides: SMCV has a final blank in Yuri's Revenge.
    TextList vehicles = Items(qm::VehicleTable(2));
    for (const Text& item : YrOnlyVehicles()) EXPECT_TRUE(Has(vehicles, item)) << qm::GbkToUtf8(item);
    TextList ra2 = Without(vehicles, YrOnlyVehicles());
    ASSERT_EQ(ra2[1], Gbk("SMCV-苏军基地车 "));
    ra2[1] = Gbk("SMCV-苏军基地车");
    EXPECT_EQ(Items(qm::VehicleTable(1)), ra2);
}

TEST(NameTables, InfantryNamesAgreeExceptYuriAndYuriPrime) {
    const TextList yr = Items(qm::InfantryTable(2));
    const TextList ra2 = Items(qm::InfantryTable(1));
    size_t differing = 0;
    for (const Text& item : ra2) differing += Has(yr, item) ? 0 : 1;
    EXPECT_EQ(differing, 2u);
}

struct TellingRow {
    const char* name;
    const Text& (*table)(int);
    int version;
    const char* item;  // UTF-8
};

const TellingRow kTellingRows[] = {
    {"V3 rack", qm::BuildingTable, 2, "CAMISC06-V3 飞弹"},
    {"V3 rack", qm::BuildingTable, 1, "CAMISC06-V3 飞弹"},
    {"pyramid", qm::BuildingTable, 1, "CAEGYP03-金字塔"},
    {"sphinx", qm::BuildingTable, 1, "CAEGYP03-人面狮身像"},
    {"memorial", qm::BuildingTable, 2, "CAWASH19-胜利纪念碑"},
    {"guardian gi", qm::InfantryTable, 2, "GGI-重装大兵"},
    {"initiate", qm::InfantryTable, 2, "INIT-尤里新兵"},
    {"slave", qm::InfantryTable, 2, "SLAV-奴隶矿工"},
    {"yuri engineer", qm::InfantryTable, 2, "YENGINEER-尤里工程师"},
    {"brute", qm::InfantryTable, 2, "BRUTE-狂兽人"},
    {"virus", qm::InfantryTable, 2, "VIRUS-病毒狙击手"},
    {"lunar", qm::InfantryTable, 2, "LUNR-月球飞行兵"},
    {"chrono commando", qm::InfantryTable, 2, "CCOMAND-超时空突击队[隐藏]"},
    {"chrono commando", qm::InfantryTable, 1, "CCOMAND-超时空突击队[隐藏]"},
    {"chrono ivan", qm::InfantryTable, 2, "CIVAN-超时空伊文[隐藏]"},
    {"chrono ivan", qm::InfantryTable, 1, "CIVAN-超时空伊文[隐藏]"},
    {"psi corps", qm::InfantryTable, 2, "PTROOP-心灵突击队[隐藏]"},
    {"psi corps", qm::InfantryTable, 1, "PTROOP-心灵突击队[隐藏]"},
    {"weedguy", qm::InfantryTable, 2, "WEEDGUY-未知"},
    {"weedguy", qm::InfantryTable, 1, "WEEDGUY-未知"},
    {"werewolf", qm::InfantryTable, 2, "WWLF-未知"},
    {"werewolf", qm::InfantryTable, 1, "WWLF-未知"},
    {"yuri", qm::InfantryTable, 1, "YURI-尤里"},
    {"yuri clone", qm::InfantryTable, 2, "YURI-克隆尤里"},
    {"yuri prime", qm::InfantryTable, 1, "YURIPR-尤里改"},
    {"yuri prime", qm::InfantryTable, 2, "YURIPR-超级尤里"},
    {"howitzer", qm::VehicleTable, 2, "HOWI-榴弹炮[隐藏]"},
    {"howitzer", qm::VehicleTable, 1, "HOWI-榴弹炮[隐藏]"},
    {"chrono miner", qm::VehicleTable, 2, "CMON-超时空矿车（倒矿)"},
    {"chrono miner", qm::VehicleTable, 1, "CMON-超时空矿车（倒矿)"},
    {"war miner", qm::VehicleTable, 1, "HORV-苏军矿车(倒矿)"},
    {"truck", qm::VehicleTable, 1, "TRUCKB-东风型卡车(载货)"},
    {"soviet mcv", qm::VehicleTable, 1, "SMCV-苏军基地车"},
    {"soviet mcv", qm::VehicleTable, 2, "SMCV-苏军基地车 "},
};

TEST(NameTables, TellingRowsByteForByte) {
    for (const TellingRow& row : kTellingRows) {
        SCOPED_TRACE(std::string(row.name) + " v" + std::to_string(row.version));
        EXPECT_TRUE(Has(Items(row.table(row.version)), Gbk(row.item)));
    }
    // Byte-exact spot checks of the GBK encoding itself.
    EXPECT_TRUE(Has(Items(qm::VehicleTable(2)),
                    Text("SMCV-\xCB\xD5\xBE\xFC\xBB\xF9\xB5\xD8\xB3\xB5 ")));
    EXPECT_TRUE(Has(Items(qm::VehicleTable(1)),
                    Text("CMON-\xB3\xAC\xCA\xB1\xBF\xD5\xBF\xF3\xB3\xB5\xA3\xA8\xB5\xB9\xBF\xF3)")));
    EXPECT_TRUE(qm::EndsWith(qm::BuildingTable(1), Text("\xA3\xAC")));
}

TEST(NameTables, AircraftAndCountriesInFull) {
    EXPECT_EQ(Items(qm::AircraftTable(2)),
              GbkItems({"SHAD-夜鹰直升机", "ORCA-入侵者战机", "ASW-舰载反潜机", "HORNET-大黄蜂",
                        "BEAG-黑鹰战机", "SCHP-围攻直升机", "ZEP-基洛夫飞艇", "BPLN-米格战机",
                        "SPYP-间谍飞机", "V3ROCKET-V3火箭", "DMISL-无畏级导弹", "CMISL-雷鸣导弹",
                        "PDPLANE-运输机"}));
    EXPECT_EQ(Items(qm::AircraftTable(1)),
              GbkItems({"SHAD-夜鹰直升机", "ORCA-入侵者战机", "ASW-舰载反潜机",
                        "HORNET-大黄蜂(航母机)", "BEAG-黑鹰战机", "ZEP-基洛夫飞艇",
                        "PDPLANE-运输机(空降机)", "V3ROCKET-V3火箭(导弹类)",
                        "DMISL-无畏级导弹(导弹类)"}));
    const TextList countries =
        GbkItems({"Americans-美国", "French-法国", "British-英国", "Germans-德国", "Alliance-韩国",
                  "Russians-苏联", "Arabs-利比亚", "Confederation-古巴", "Africans-伊拉克"});
    TextList yr = countries;
    yr.push_back(Gbk("YuriCountry-尤里"));
    EXPECT_EQ(Items(qm::CountryTable(1)), countries);
    EXPECT_EQ(Items(qm::CountryTable(2)), yr);
}

TEST(WeaponTable, IdsNamesAndSeparators) {
    const Text& table = qm::WeaponTable();
    EXPECT_FALSE(qm::EndsWith(table, ","));
    EXPECT_EQ(qm::FindText(table, qm::TableSeparator()), -1);
    EXPECT_EQ(qm::FindText(table, "?"), -1);
    const TextList items = qm::SplitText(table, qm::WeaponSeparator());
    ASSERT_EQ(items.size(), 177u);
    EXPECT_EQ(Ids(items), Listed(kWeaponIds));

    const TextList named = Listed(kNamedWeaponIds);
    ASSERT_EQ(named.size(), 74u);
    for (const Text& item : items) {
        const Text id = qm::ItemId(item);
        if (Has(named, id)) {
            EXPECT_GT(item.size(), id.size() + 1) << item;
        } else {
            EXPECT_EQ(item, id) << "should be the bare ID";
        }
    }
    for (const char* row : {"105mm-炮弹", "105mmE-炮弹(加强)", "MindControl-精神控制(未知)",
                            "MindControlE-精神控制(加强)(未知)", "SuperCometFragment-超级激光(未知)",
                            "BadTeeth-咬人(警犬)", "DefuseKit-维修/占领"}) {
        EXPECT_TRUE(Has(items, Gbk(row))) << row;
    }
}

TEST(WeaponTable, EliteVariantsAreTheBaseNameMarkedStrengthened) {
    const TextList items = qm::SplitText(qm::WeaponTable(), qm::WeaponSeparator());
    const Text strengthened = Gbk("(加强)");
    int pairs = 0;
    for (const Text& elite : items) {
        const Text id = qm::ItemId(elite);
        if (elite == id || id.size() < 2) continue;
        const char last = id.back();
        if (last != 'E' && last != 'e') continue;
        for (const Text& base : items) {
            if (qm::ItemId(base) != id.substr(0, id.size() - 1) || base == qm::ItemId(base)) continue;
            const Text baseName = base.substr(base.find('-') + 1);
            const Text eliteName = elite.substr(elite.find('-') + 1);
            // The elite name is the base name with "(加强)" put in (before a "(未知)" note).
            const int mark = qm::FindText(eliteName, strengthened);
            ASSERT_GT(mark, 0) << id;
            Text withoutMark = eliteName;
            withoutMark.erase(static_cast<size_t>(mark - 1), strengthened.size());
            EXPECT_EQ(withoutMark, baseName) << id;
            ++pairs;
        }
    }
    EXPECT_GE(pairs, 20);
}

}  // namespace

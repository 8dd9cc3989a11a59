// Game-wide settings and paradrops: the basic settings page and the paradrop page.
#include "store/rules_document.h"
#include "store/rules_io.h"

namespace qm {

namespace {

const char* const kMultiplayer = "MultiplayerDialogSettings";
const char* const kCrateRules = "CrateRules";
const char* const kGeneral = "General";
const char* const kRechargeTime = "RechargeTime";

bool IsYurisRevenge() { return GameVersion == 2; }

// The nuke of Yuri's Revenge is "NukeSpecial"; Red Alert 2 calls it "MultiSpecial".
const char* NukeSection() { return IsYurisRevenge() ? "NukeSpecial" : "MultiSpecial"; }

// One box shows two keys; the second key is the one shown. When the file lacks it, the box
// shows the first key instead, so a save does not wipe a value the file holds.
Text PairValue(const char* section, const char* first, const char* second) {
    Text shown = RulesValue(section, first);
    Text last = RulesValue(section, second);
    if (!last.empty()) shown = std::move(last);
    return shown;
}

struct ParadropKeys {
    const char* side;  // UTF-8; compared as GBK
    const char* units;
    const char* counts;
    bool yurisRevengeOnly;
};

constexpr ParadropKeys kParadropKeys[] = {
    {"盟军", "AllyParaDropInf", "AllyParaDropNum", false},
    {"美军", "AmerParaDropInf", "AmerParaDropNum", false},
    {"苏军", "SovParaDropInf", "SovParaDropNum", false},
    {"尤里", "YuriParaDropInf", "YuriParaDropNum", true},
};

// The keys of a side, or nullptr when the side has none in this game version.
const ParadropKeys* FindParadropKeys(const Text& side) {
    for (const ParadropKeys& k : kParadropKeys) {
        if (side != Gbk(k.side)) continue;
        if (k.yurisRevengeOnly && !IsYurisRevenge()) return nullptr;
        return &k;
    }
    return nullptr;
}

}  // namespace

GeneralSettings RulesDocument::LoadGeneralSettings() const {
    GeneralSettings s;
    s.minMoney = RulesValue(kMultiplayer, "MinMoney");
    s.maxMoney = RulesValue(kMultiplayer, "MaxMoney");
    s.unitCount = PairValue(kMultiplayer, "UnitCount", "MaxUnitCount");
    s.buildSpeed = RulesValue(kGeneral, "BuildSpeed");
    s.crateMoney = RulesValue(kCrateRules, "SoloCrateMoney");
    s.crateCount = PairValue(kCrateRules, "CrateMinimum", "CrateMaximum");
    s.lightningStorm = RulesValue("LightningStormSpecial", kRechargeTime);
    s.chronoSphere = RulesValue("ChronoSphereSpecial", kRechargeTime);
    s.ironCurtain = RulesValue("IronCurtainSpecial", kRechargeTime);
    s.nuke = RulesValue(NukeSection(), kRechargeTime);
    if (IsYurisRevenge()) {
        s.geneticConverter = RulesValue("GeneticConverterSpecial", kRechargeTime);
        s.psychicDominator = RulesValue("PsychicDominatorSpecial", kRechargeTime);
    }
    return s;
}

bool RulesDocument::SaveGeneralSettings(const GeneralSettings& s) {
    RulesWriter w;
    w.Put(kMultiplayer, "MinMoney", s.minMoney);
    w.Put(kMultiplayer, "MaxMoney", s.maxMoney);
    w.Put(kMultiplayer, "UnitCount", s.unitCount);
    w.Put(kMultiplayer, "MaxUnitCount", s.unitCount);
    w.Put(kGeneral, "BuildSpeed", s.buildSpeed);
    // Every save also sets the money crate to the program's fixed value.
    w.Put("Powerups", "Money", "20,VETERAN,yes,2");
    w.Put(kCrateRules, "SoloCrateMoney", s.crateMoney);
    w.Put(kCrateRules, "CrateMinimum", s.crateCount);
    w.Put(kCrateRules, "CrateMaximum", s.crateCount);
    w.Put("LightningStormSpecial", kRechargeTime, s.lightningStorm);
    w.Put("ChronoSphereSpecial", kRechargeTime, s.chronoSphere);
    w.Put("IronCurtainSpecial", kRechargeTime, s.ironCurtain);
    w.Put(NukeSection(), kRechargeTime, s.nuke);
    if (IsYurisRevenge()) {
        w.Put("GeneticConverterSpecial", kRechargeTime, s.geneticConverter);
        w.Put("PsychicDominatorSpecial", kRechargeTime, s.psychicDominator);
    }
    return w.Finish();
}

ParadropList RulesDocument::LoadParadrop(const Text& side) const {
    ParadropList list;
    if (const ParadropKeys* k = FindParadropKeys(side)) {
        list.units = RulesValue(kGeneral, k->units);
        list.counts = RulesValue(kGeneral, k->counts);
    }
    return list;
}

bool RulesDocument::SaveParadrop(const Text& side, const ParadropList& list,
                                 const ParadropTimes& times) {
    RulesWriter w;
    if (const ParadropKeys* k = FindParadropKeys(side)) {
        w.Put(kGeneral, k->units, list.units);
        w.Put(kGeneral, k->counts, list.counts);
    }
    w.Put("AmericanParaDropSpecial", kRechargeTime, times.allied);
    w.Put("ParaDropSpecial", kRechargeTime, times.soviet);
    return w.Finish();
}

ParadropTimes RulesDocument::LoadParadropTimes() const {
    ParadropTimes t;
    t.allied = RulesValue("AmericanParaDropSpecial", kRechargeTime);
    t.soviet = RulesValue("ParaDropSpecial", kRechargeTime);
    return t;
}

}  // namespace qm

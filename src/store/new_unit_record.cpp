// New unit records: CreateUnit lists a new ID in its registry and writes a starting record.
#include <algorithm>
#include <climits>

#include "store/registry.h"
#include "store/rules_document.h"
#include "store/rules_io.h"

namespace qm {

namespace {

struct KeyValue {
    const char* key;
    const char* value;
};

// Written for every category but buildings, after "Category".
constexpr KeyValue kCommonKeys[] = {
    {"IsSelectableCombatant", "yes"},
    {"Assaulter", "no"},
    {"Crashable", "yes"},
    {"VoiceSelect", "TeslaTroopSelect"},
    {"VoiceMove", "TeslaTroopMove"},
    {"VoiceAttack", "TeslaTroopAttackCommand"},
    {"VoiceFeedback", "TeslaTroopFear"},
    {"MoveSound", "RocketeerMoveLoop"},
    {"DieSound", "TeslaTroopDie"},
    {"CrashingSound", "RocketeerDie"},
    {"ThreatPosed", "20"},
    {"VeteranAbilities", "STRONGER,FIREPOWER,ROF,SIGHT,FASTER"},
    {"EliteAbilities", "SELF_HEAL,STRONGER,FIREPOWER,ROF"},
};

// Written for the fly movement only; the game spells two of the jump jet keys "JumpJet".
constexpr KeyValue kFlyKeys[] = {
    {"Fighter", "yes"},
    {"BalloonHover", "yes"},
    {"HoverAttack", "yes"},
    {"SpeedType", "Hover"},
    {"JumpjetSpeed", "30"},
    {"JumpjetClimb", "20"},
    {"JumpjetCrash", "25"},
    {"JumpJetAccel", "10"},
    {"JumpJetTurnRate", "10"},
    {"JumpjetHeight", "500"},
    {"JumpjetWobbles", ".01"},
    {"JumpjetDeviation", "1"},
    {"JumpjetNoWobbles", "yes"},
    {"ImpactLandSound", "RocketeerCrash"},
};

constexpr const char* kDriveLocomotor = "{92612C46-F71F-11d1-AC9F-006008055BB5}";
constexpr const char* kTeleportLocomotor = "{4A582747-9839-11d1-B709-00A024DDAFD1}";
constexpr const char* kShipLocomotor = "{2BEA74E1-7CCA-11d3-BE14-00104B62A16C}";

struct Movement {
    const char* name;  // UTF-8; compared as GBK
    const char* zone;  // "MovementZone" and "MovementRestrictedTo"
    const char* speedType;
    const char* locomotor;
};

// Matched in this order.
constexpr Movement kMovements[] = {
    {"飞行", "Fly", "Hover", kDriveLocomotor},
    {"步行", "Normal", "Foot", kDriveLocomotor},
    {"两栖", "Amphibious", "Hover", kDriveLocomotor},
    {"传送", "Infantry", "", kTeleportLocomotor},
    {"航行", "Water", "Float", kShipLocomotor},
};

const Movement* FindMovement(const Text& movement) {
    for (const Movement& m : kMovements) {
        if (movement == Gbk(m.name)) return &m;
    }
    return nullptr;
}

// A decimal key that no entry of the registry uses, above the highest numbered one. The
// profile layer finds sections and keys regardless of letter case, where the key list only
// sees the exactly spelled section, so a candidate that the profile layer reads as set is
// skipped too: the new entry never replaces an existing one.
Text FreeRegistryKey(const Text& registry) {
    TextList keys = ListSectionKeys(RulesPath, registry);
    long long highest = 0;
    for (Text& k : keys) {
        k = TrimBlanks(k);
        highest = std::max(highest, LeadingNumber(k));
    }
    long long n = highest < LLONG_MAX - 1 ? highest + 1 : 1;
    auto taken = [&](const Text& candidate) {
        for (const Text& k : keys) {
            if (EqualsNoCase(k, candidate)) return true;
        }
        return !RulesValue(registry, candidate).empty();
    };
    while (taken(NumberText(n))) ++n;
    return NumberText(n);
}

}  // namespace

bool RulesDocument::CreateUnit(const Text& registry, const Text& kind, const Text& id,
                               const Text& movement, const Text& image) {
    if (id.empty() || registry.empty()) return false;
    static const Text kShip = Gbk("船只");

    const bool infantry = registry == kInfantryTypes;
    const bool building = registry == kBuildingTypes;
    const char* size = "";  // buildings: an empty value
    const char* category = "";
    if (registry == kAircraftTypes) {
        size = "5";
        category = "AirPower";
    } else if (infantry) {
        size = "1";
        category = "Soldier";
    } else if (registry == kVehicleTypes) {
        size = kind == kShip ? "3" : "8";
        category = "AFV";
    } else if (!building) {
        return false;  // no starting record for any other section
    }

    RulesWriter w;
    w.Put(registry, FreeRegistryKey(registry), id);

    w.Put(id, "UIName", "Name:" + id);
    w.Put(id, "Name", id);
    w.Put(id, "Image", image);
    w.Put(id, "Points", "15");
    if (infantry) {
        w.Put(id, "IdleRate", "6");
        w.Put(id, "IFVMode", "6");
    }
    w.Put(id, "Size", size);
    if (building) return w.Finish();

    w.Put(id, "Category", category);
    for (const KeyValue& kv : kCommonKeys) w.Put(id, kv.key, kv.value);
    const Movement* m = FindMovement(movement);
    if (m == &kMovements[0]) {
        for (const KeyValue& kv : kFlyKeys) w.Put(id, kv.key, kv.value);
    }
    if (m) {
        w.Put(id, "MovementZone", m->zone);
        w.Put(id, "MovementRestrictedTo", m->zone);
        w.Put(id, "SpeedType", m->speedType);
        w.Put(id, "Locomotor", m->locomotor);
    }
    return w.Finish();
}

}  // namespace qm

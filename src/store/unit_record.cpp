// Unit records: LoadUnit, SaveUnit and GetImageName.
#include "store/registry.h"
#include "store/rules_document.h"
#include "store/rules_io.h"

namespace qm {

namespace {

// A flag is set the way the game reads it: the value up to the first ";", trimmed, starting
// with y, Y, t, T or 1. "Yes", "true" and "yes ;comment" all count, so a save does not turn
// them into "no".
bool FlagIsSet(const Text& value) {
    const size_t semicolon = FindBytes(value, ";");
    const Text cut = TrimBlanks(std::string_view(value).substr(0, semicolon));
    if (cut.empty()) return false;
    switch (cut[0]) {
        case 'y': case 'Y': case 't': case 'T': case '1': return true;
        default: return false;
    }
}

const char* FlagText(bool set) { return set ? "yes" : "no"; }

// Reads keys of one section of the rules file.
class SectionReader {
public:
    explicit SectionReader(const Text& section) : section_(section) {}
    Text Value(const char* key) const { return RulesValue(section_, key); }
    bool Flag(const char* key) const { return FlagIsSet(Value(key)); }

private:
    const Text& section_;
};

// Writes keys of one section of the rules file.
class SectionWriter {
public:
    explicit SectionWriter(const Text& section) : section_(section) {}
    void Value(const char* key, const Text& value) { out_.Put(section_, key, value); }
    void Flag(const char* key, bool set) { Value(key, FlagText(set)); }
    bool Finish() { return out_.Finish(); }

private:
    const Text& section_;
    RulesWriter out_;
};

}  // namespace

Text RulesDocument::GetImageName(const Text& id) const {
    Text name = RulesValue(id, "Image");
    if (name.empty()) name = RulesValue(id, "Name");
    return name;
}

bool RulesDocument::LoadUnit(const Text& category, const Text& id, UnitRecord& u) const {
    if (id.empty() || category.empty()) return false;
    const SectionReader r(id);
    const bool building = category == kBuildingTypes;

    u.owner = r.Value("Owner");
    u.prerequisite = r.Value("Prerequisite");
    u.cost = r.Value("Cost");
    u.strength = r.Value("Strength");
    u.buildLimit = r.Value("BuildLimit");
    if (!building) {
        u.speed = r.Value("Speed");
        u.physicalSize = r.Value("PhysicalSize");
        u.opportunityFire = r.Flag("OpportunityFire");
    } else {
        u.transformTarget = r.Value("UndeploysInto");
        u.transform = !u.transformTarget.empty();
        u.physicalSize = r.Value("Adjacent");
        u.speed = r.Value("Power");
        u.crusher = r.Flag("AIBuildThis");
    }
    u.sight = r.Value("Sight");
    u.imageName = GetImageName(id);
    u.passengers = r.Value("Passengers");

    u.primary = r.Value("Primary");
    u.secondary = r.Value("Secondary");
    u.elitePrimary = r.Value("ElitePrimary");
    u.eliteSecondary = r.Value("EliteSecondary");
    u.deathWeapon = r.Value("DeathWeapon");
    u.armor = r.Value("Armor");
    u.techLevel = r.Value("TechLevel");
    u.requiredHouses = r.Value("RequiredHouses");

    if (category == kVehicleTypes) {
        u.crateGoodie = r.Flag("CrateGoodie");
        u.crusher = r.Flag("Crusher");
        // "no" is the game's way of saying "does not deploy"; it is still handed back.
        u.transformTarget = r.Value("DeploysInto");
        u.transform = !u.transformTarget.empty() && u.transformTarget != "no";
    }

    u.allowedToStart = r.Flag("AllowedToStartInMultiplayer");
    u.selfHealing = r.Flag("SelfHealing");
    u.deployer = r.Flag("Deployer");
    u.deployFire = r.Flag("DeployFire");
    if (category != kAircraftTypes) {
        u.c4 = r.Flag("C4");
        u.occupier = r.Flag("Occupier");
        u.canDisguise = r.Flag("CanDisguise");
        u.permaDisguise = r.Flag("PermaDisguise");
    }
    u.immuneToPsionics = r.Flag("ImmuneToPsionics");
    u.crushable = r.Flag("Crushable");
    u.explodes = r.Flag("Explodes");
    return true;
}

bool RulesDocument::SaveUnit(const Text& category, const Text& id, const UnitRecord& u) {
    if (id.empty() || category.empty()) return false;
    SectionWriter w(id);

    w.Value("Owner", u.owner);
    w.Value("Prerequisite", u.prerequisite);
    w.Value("Cost", u.cost);
    w.Value("Strength", u.strength);
    w.Value("BuildLimit", u.buildLimit);
    if (category != kBuildingTypes) {
        w.Value("PhysicalSize", u.physicalSize);
        w.Value("Speed", u.speed);
        w.Flag("OpportunityFire", u.opportunityFire);
    } else {
        w.Value("Adjacent", u.physicalSize);
        w.Value("Power", u.speed);
        // A building with an upgrade weapon can gain veterancy.
        w.Value("Trainable", FlagText(!u.elitePrimary.empty()));
        w.Flag("AIBuildThis", u.crusher);
        // The form's transform controls are saved too. An unchecked box clears a target the
        // record holds, but adds no key to a record that has none.
        if (u.transform)
            w.Value("UndeploysInto", u.transformTarget);
        else if (!RulesValue(id, "UndeploysInto").empty())
            w.Value("UndeploysInto", "");
    }
    w.Value("Sight", u.sight);
    if (category == kInfantryTypes) w.Value("Size", "1");
    if (category == kVehicleTypes) {
        w.Value("Size", "3");
        w.Flag("CrateGoodie", u.crateGoodie);
        w.Flag("Crusher", u.crusher);
        w.Value("DeploysInto", u.transform ? u.transformTarget : Text("no"));
    }
    w.Value("Passengers", u.passengers);

    w.Value("Primary", u.primary);
    w.Value("Secondary", u.secondary);
    w.Value("ElitePrimary", u.elitePrimary);
    w.Value("EliteSecondary", u.eliteSecondary);
    w.Value("DeathWeapon", u.deathWeapon);
    w.Value("Armor", u.armor);
    w.Value("TechLevel", u.techLevel);
    w.Value("RequiredHouses", u.requiredHouses);

    w.Flag("AllowedToStartInMultiplayer", u.allowedToStart);
    w.Flag("SelfHealing", u.selfHealing);
    w.Flag("Deployer", u.deployer);
    w.Flag("DeployFire", u.deployFire);
    if (category != kAircraftTypes) {
        w.Flag("C4", u.c4);
        w.Flag("Occupier", u.occupier);
        w.Flag("CanDisguise", u.canDisguise);
        w.Flag("PermaDisguise", u.permaDisguise);
    }
    w.Flag("ImmuneToPsionics", u.immuneToPsionics);
    w.Flag("Crushable", u.crushable);
    w.Flag("Explodes", u.explodes);
    return w.Finish();
}

}  // namespace qm

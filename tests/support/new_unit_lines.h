// The lines a generated unit's record shares whatever its kind, and those of a flying unit,
// as the store and the new unit wizard tests expect them in the rules file.
#pragma once

#include <string>
#include <vector>

namespace qmtest {

inline const std::vector<std::string> kNewUnitCommonLines = {
    "IsSelectableCombatant=yes",
    "Assaulter=no",
    "Crashable=yes",
    "VoiceSelect=TeslaTroopSelect",
    "VoiceMove=TeslaTroopMove",
    "VoiceAttack=TeslaTroopAttackCommand",
    "VoiceFeedback=TeslaTroopFear",
    "MoveSound=RocketeerMoveLoop",
    "DieSound=TeslaTroopDie",
    "CrashingSound=RocketeerDie",
    "ThreatPosed=20",
    "VeteranAbilities=STRONGER,FIREPOWER,ROF,SIGHT,FASTER",
    "EliteAbilities=SELF_HEAL,STRONGER,FIREPOWER,ROF",
};

// "SpeedType" is written again after the movement zones with the same value; it stays here.
inline const std::vector<std::string> kNewUnitFlyLines = {
    "Fighter=yes",          "BalloonHover=yes",     "HoverAttack=yes",
    "SpeedType=Hover",      "JumpjetSpeed=30",      "JumpjetClimb=20",
    "JumpjetCrash=25",      "JumpJetAccel=10",      "JumpJetTurnRate=10",
    "JumpjetHeight=500",    "JumpjetWobbles=.01",   "JumpjetDeviation=1",
    "JumpjetNoWobbles=yes", "ImpactLandSound=RocketeerCrash",
};

}  // namespace qmtest

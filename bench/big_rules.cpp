#include "big_rules.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "store/settings.h"

namespace qmbench {

namespace {
constexpr int kExtraUnits = 740;  // 560 stock unit entries + 740 = 1,300
constexpr size_t kTargetBytes = 2500 * 1024;
}  // namespace

std::string BenchUnitId(int i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "BENCH%04d", i);
    return buf;
}

std::string BenchTempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qmbench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    return pattern;
}

std::string MakeBigRulesFile(const std::string& path) {
    std::string text = qm::TemplateBytes(2);

    // Register the extra vehicles at the end of [VehicleTypes].
    size_t sec = text.find("\r\n[VehicleTypes]\r\n");
    size_t end = text.find("\r\n[", sec + 2);
    std::string entries;
    for (int i = 0; i < kExtraUnits; ++i)
        entries += "\r\n" + std::to_string(100 + i) + "=" + BenchUnitId(i);
    text.insert(end, entries);

    // Each vehicle gets a full record and, like hand-edited mods, a block of comments.
    std::string units;
    const char* keys[] = {"UIName=Name:MTNK", "Name=Bench Tank", "Image=MTNK", "Prerequisite=GAWEAP",
                          "Primary=105mm", "ElitePrimary=105mmE", "Strength=300", "Category=AFV",
                          "Armor=heavy", "TechLevel=2", "Sight=8", "Speed=6", "CrateGoodie=yes",
                          "Owner=British,French,Germans,Americans,Alliance", "AllowedToStartInMultiplayer=yes",
                          "Cost=700", "Soylent=700", "Points=25", "ROT=5", "IsTilter=yes",
                          "Crusher=yes", "TooBigToFitUnderBridge=true", "Turret=yes",
                          "ThreatPosed=15", "DamageParticleSystems=SparkSys,SmallGreySSys",
                          "VoiceSelect=GrizzlySelect", "VoiceMove=GrizzlyMove",
                          "VoiceAttack=GrizzlyAttackCommand", "DieSound=GenVehicleDie",
                          "MoveSound=GrizzlyMoveStart", "Locomotor={4A582741-9839-11d1-B709-00A024DDAFD1}",
                          "Weight=3.5", "PhysicalSize=3", "MovementZone=Normal", "ZFudgeColumn=8",
                          "ZFudgeTunnel=13", "Size=3", "OpportunityFire=yes", "Explodes=no",
                          "MaxDebris=3", "DebrisTypes=TireVoxelDebris", "DebrisMaximums=4",
                          "Passengers=0", "SelfHealing=no", "ImmuneToPsionics=no"};
    for (int i = 0; i < kExtraUnits; ++i) {
        units += "\r\n[" + BenchUnitId(i) + "]\r\n";
        for (const char* k : keys) units += std::string(k) + "\r\n";
    }
    text += units;

    // Pad with comment lines up to the target size.
    int n = 0;
    while (text.size() < kTargetBytes) {
        text += ";;; note " + std::to_string(n++) + " tuning log\r\n";
    }
    std::ofstream(path, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
    return text;
}

}  // namespace qmbench

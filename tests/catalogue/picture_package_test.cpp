#include "catalogue/picture_package.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include <set>
#include <string>
#include <vector>

#include "store/file_services.h"
#include "store/gbk_text.h"
#include "support/temp_dir.h"

namespace {

using qm::Gbk;
using qm::Text;

// The entry names of the built-in package, in file order.
const char* const kNames[] = {
    "控制中心", "Aegis Cruiser", "Aircraft Carrier", "Airforce Command Headquarters",
    "Allied Airforce Command Headquarters", "Allied Attack Dog", "Allied Barracks",
    "Allied Battle Lab", "Allied Chrono Sphere", "Allied Construction Yard",
    "Allied Gap Generator", "Allied Grand Cannon", "Allied Ore Processor", "Allied Ore Refinery",
    "Allied Patriot Missile", "Allied Pill Box", "Allied Power Plant",
    "Allied Robot Control Center", "Allied Service Depot", "Allied Shipyard", "Allied Wall",
    "Allied War Factory", "Attack Dog", "Battle Fortress", "Black Eagle", "BlackHawk Transport",
    "Chaos Drone", "Chrono Commando", "Chrono Ivan", "Chrono Legionnaire", "Chrono Miner",
    "Chrono Sphere", "Cloning Vats", "CONS", "Crazy Ivan", "Desolater", "Destroyer", "Dolphin",
    "Dreadnought", "Engineer", "FALC", "Flak Cannon", "Flak Track", "Flak Trooper",
    "Floating Disk", "GAAIRC", "Gap Generator", "GAPRIS", "GASPST", "Gattling Tank", "GAWETH",
    "GI", "Giant Squid", "Grand Cannon", "GTNK", "Guardian GI", "Hover Transport Yuri", "IFV",
    "Kirov Airship", "Landing Craft", "LTNK", "LUNR", "MCV", "MTNK", "NAINDP", "NAIRON",
    "NATSLA", "Nuclear Missile Silo", "Nuclear Reactor", "Patriot Missile", "Pill Box",
    "Power Plant", "Prism Tank", "Psi-Corp Trooper", "Radar Tower", "Rhino Heavy Tank", "ROBO",
    "ROCK", "RTNK", "Sea Scorpion", "SEAL", "Sentry Gun", "Shock Trooper", "Slave Miner",
    "Sniper", "Soviet Barracks", "Soviet Battle Bunker", "Soviet Battle Lab",
    "Soviet Construction Vehicle", "Soviet Flak Cannon", "Soviet Iron Curtain Device",
    "Soviet MIG", "Soviet Nuclear Missile Silo", "Soviet Nuclear Reactor", "Soviet Ore Refinery",
    "Soviet Radar Tower", "Soviet Sentry Gun", "Soviet Service Depot", "Soviet Shipyard",
    "Soviet Spy Plane", "Soviet Tesla Reactor", "Soviet Wall", "Soviet War Factory", "Spy",
    "Tank Destroyer", "Tanya", "Terror Drone", "Tesla Reactor", "Tesla Tank", "TRS", "TRST",
    "TRUCKA", "Typhoon Attack Sub", "V3 Launcher", "War Miner", "YABRCK", "YAYARD",
    "Yuri Battle Lab", "Yuri Bio Reactor", "Yuri Boomer", "Yuri Brute", "Yuri Citadel Wall",
    "Yuri Clone", "Yuri Cloning Vats", "Yuri Construction Vehicle", "Yuri Gattling Cannon",
    "Yuri Genetic Mutator Device", "Yuri Grinder", "Yuri Initiate", "Yuri Ore Refinery",
    "Yuri Prime", "Yuri Psychic Sensor", "Yuri Psychic Tower", "Yuri Puppet Master",
    "Yuri Tank Bunker", "Yuri Virus", "Yuri War Factory", "Yuri", "YURIX", "磁电坦克",
};
static_assert(std::size(kNames) == 140);

struct PackageEntry {
    Text name;
    std::string jpeg;
};

unsigned Byte(const std::string& s, size_t i) { return static_cast<unsigned char>(s[i]); }

// Splits the built-in package by its known names: each entry must be the name, a JPEG
// (start-of-image ... end-of-image) and the name again, and nothing may be left over.
std::vector<PackageEntry> SplitBuiltinPackage(const std::string& package) {
    std::vector<PackageEntry> entries;
    size_t pos = 0;
    for (const char* utf8 : kNames) {
        const Text name = Gbk(utf8);
        EXPECT_EQ(package.compare(pos, name.size(), name), 0) << utf8 << " opens its entry";
        const size_t begin = pos + name.size();
        const size_t close = package.find("\xFF\xD9" + name, begin);
        EXPECT_NE(close, std::string::npos) << utf8 << " closes its entry";
        if (close == std::string::npos) return entries;
        const size_t end = close + 2;
        entries.push_back({name, package.substr(begin, end - begin)});
        pos = end + name.size();
    }
    EXPECT_EQ(pos, package.size()) << "nothing follows the last entry";
    return entries;
}

// Frame header facts of a JPEG, read from its marker segments up to the scan.
struct JpegHeader {
    bool jfif = false;      // APP0 "JFIF" right after the start-of-image marker
    bool baseline = false;  // SOF0 frame
    bool otherFrame = false;
    int width = 0;
    int height = 0;
};

JpegHeader ReadHeader(const std::string& jpeg) {
    JpegHeader h;
    if (jpeg.size() < 4 || Byte(jpeg, 0) != 0xFF || Byte(jpeg, 1) != 0xD8) return h;
    size_t i = 2;
    bool firstSegment = true;
    while (i + 4 <= jpeg.size() && Byte(jpeg, i) == 0xFF) {
        const unsigned marker = Byte(jpeg, i + 1);
        const size_t length = Byte(jpeg, i + 2) << 8 | Byte(jpeg, i + 3);
        if (firstSegment) h.jfif = marker == 0xE0 && jpeg.compare(i + 4, 5, std::string("JFIF\0", 5)) == 0;
        firstSegment = false;
        if (marker == 0xC0) {
            h.baseline = true;
            h.height = static_cast<int>(Byte(jpeg, i + 5) << 8 | Byte(jpeg, i + 6));
            h.width = static_cast<int>(Byte(jpeg, i + 7) << 8 | Byte(jpeg, i + 8));
        } else if (marker >= 0xC1 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 &&
                   marker != 0xCC) {
            h.otherFrame = true;
        }
        if (marker == 0xDA) break;
        i += 2 + length;
    }
    return h;
}

// A small hand-made JPEG: start-of-image, a comment segment, a scan header, scan data, and
// end-of-image. The comment and the scan data are free bytes, so a test can hide a name there.
std::string TinyJpeg(const std::string& comment = "c", const std::string& scanData = "\x12\x34") {
    std::string j = "\xFF\xD8";
    const size_t comLength = comment.size() + 2;
    j += "\xFF\xFE";
    j += static_cast<char>(comLength >> 8);
    j += static_cast<char>(comLength & 0xFF);
    j += comment;
    j += std::string("\xFF\xDA\x00\x08\x01\x01\x00\x00\x3F\x00", 10);
    j += scanData;
    j += "\xFF\xD9";
    return j;
}

std::string Entry(const Text& name, const std::string& jpeg) { return name + jpeg + name; }

TEST(BuiltinPicturePackage, HoldsTheNamedEntriesInOrderEachA60x48BaselineJfif) {
    const std::string package = qm::BuiltinPicturePackage();
    const auto entries = SplitBuiltinPackage(package);
    ASSERT_EQ(entries.size(), 140u);
    std::set<std::string> distinct;
    for (const auto& e : entries) {
        const JpegHeader h = ReadHeader(e.jpeg);
        EXPECT_TRUE(h.jfif) << qm::GbkToUtf8(e.name);
        EXPECT_TRUE(h.baseline) << qm::GbkToUtf8(e.name);
        EXPECT_FALSE(h.otherFrame) << qm::GbkToUtf8(e.name);
        EXPECT_EQ(h.width, 60) << qm::GbkToUtf8(e.name);
        EXPECT_EQ(h.height, 48) << qm::GbkToUtf8(e.name);
        EXPECT_GE(e.jpeg.size(), 480u) << qm::GbkToUtf8(e.name);
        EXPECT_LE(e.jpeg.size(), 1825u) << qm::GbkToUtf8(e.name);
        distinct.insert(e.jpeg);
    }
    EXPECT_EQ(distinct.size(), entries.size()) << "every entry has a picture of its own";
}

TEST(BuiltinPicturePackage, EveryNameFindsExactlyItsOwnPicture) {
    // Covers the names that first occur elsewhere: inside a longer name ("Attack Dog" in
    // "Allied Attack Dog", "Yuri" in "Hover Transport Yuri", "Spy" in "Soviet Spy Plane"),
    // across two entries ("TRS" closing one entry and "TRST" opening the next), and the last
    // entry "磁电坦克".
    const std::string package = qm::BuiltinPicturePackage();
    const auto entries = SplitBuiltinPackage(package);
    ASSERT_EQ(entries.size(), 140u);
    for (const auto& e : entries)
        EXPECT_EQ(qm::FindPictureInPackage(package, e.name), e.jpeg) << qm::GbkToUtf8(e.name);

    // The Soviet dog, not the Allied one.
    EXPECT_EQ(qm::FindPictureInPackage(package, "Attack Dog"), entries[22].jpeg);
    EXPECT_NE(entries[22].jpeg, entries[5].jpeg);
    EXPECT_EQ(qm::FindPictureInPackage(package, "TRST"), entries[110].jpeg);
    EXPECT_EQ(qm::FindPictureInPackage(package, Gbk("磁电坦克")), entries[139].jpeg);
}

TEST(BuiltinPicturePackage, NamesWithoutAnEntry) {
    const std::string package = qm::BuiltinPicturePackage();
    const auto entries = SplitBuiltinPackage(package);
    ASSERT_EQ(entries.size(), 140u);
    EXPECT_EQ(qm::FindPictureInPackage(package, ""), "");
    EXPECT_EQ(qm::FindPictureInPackage(package, "Apocalypse Tank"), "");
    EXPECT_EQ(qm::FindPictureInPackage(package, "attack dog"), "") << "letter case counts";
    // Found only inside other names: the plain cut from the first occurrence to the next.
    EXPECT_EQ(qm::FindPictureInPackage(package, "Attack"),
              " Dog" + entries[5].jpeg + "Allied ");
}

TEST(FindPictureInPackage, HandMadePackages) {
    const std::string a = TinyJpeg("a");
    const std::string b = TinyJpeg("b");
    const std::string c = TinyJpeg("c");
    struct Case {
        const char* what;
        std::string package;
        Text name;
        std::string expected;
    };
    const Case cases[] = {
        {"single entry", Entry("Tank", a), "Tank", a},
        {"entry after its name inside an earlier one", Entry("Big Dog", a) + Entry("Dog", b),
         "Dog", b},
        {"entry after overlapping occurrences", Entry("TRS", a) + Entry("TRST", b), "TRST", b},
        {"prefix of the next entry's name", Entry("TRS", a) + Entry("TRST", b), "TRS", a},
        {"entry after a name that is also a prefix of a later closing name",
         Entry("Hover Yuri", a) + Entry("Yuri Lab", b) + Entry("Yuri", c), "Yuri", c},
        {"no entry: piece after the first occurrence",
         Entry("Hover Yuri", a) + Entry("Yuri Lab", b), "Yuri", a + "Hover "},
        {"no entry: the cut does not overlap", "xABABAyyABAzz", "ABA", "BAyy"},
        {"no entry: up to the end", "headNAMEtail", "NAME", "tail"},
        {"package ending in the only occurrence", Entry("Tank", a) + "Lone", "Lone", ""},
        {"picture without its closing name is not an entry",
         "Ship" + a + "junk" + "Ship" + "rest", "Ship", a + "junk"},
        {"name inside the comment of its picture", Entry("Dog", TinyJpeg("a Dog here")), "Dog",
         TinyJpeg("a Dog here")},
        {"name inside the scan data of its picture",
         Entry("GI", TinyJpeg("x", std::string("\x01GI\xFF\x00\x02", 6))), "GI",
         TinyJpeg("x", std::string("\x01GI\xFF\x00\x02", 6))},
        {"missing name", Entry("Tank", a), "Ship", ""},
        {"empty name", Entry("Tank", a), "", ""},
        {"empty package", "", "Tank", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(qm::FindPictureInPackage(c.package, c.name), c.expected) << c.what;
}

class PictureFiles : public ::testing::Test {
protected:
    void SetUp() override { qm::SetProgramDirectoryForTests(dir.path()); }
    void TearDown() override { qm::SetProgramDirectoryForTests(""); }
    qmtest::TempDir dir;
};

TEST_F(PictureFiles, PathsAreBesideTheProgram) {
    EXPECT_EQ(qm::PicturePackagePath(), dir.file("Picture.pic"));
    EXPECT_EQ(qm::PlaceholderPicturePath(), dir.file("None.pic"));
}

TEST_F(PictureFiles, EnsureWritesTheBuiltinPackageOnlyWhenMissing) {
    qm::EnsurePicturePackage();
    EXPECT_EQ(qmtest::Slurp(dir.file("Picture.pic")), qm::BuiltinPicturePackage());

    const std::string own = Entry("Tank", TinyJpeg("own"));
    qmtest::Spit(dir.file("Picture.pic"), own);
    qm::EnsurePicturePackage();
    EXPECT_EQ(qmtest::Slurp(dir.file("Picture.pic")), own) << "an existing package is kept";
    EXPECT_EQ(qm::FindUnitPicture(qm::PicturePackagePath(), "Tank"), TinyJpeg("own"));

    ASSERT_TRUE(qm::RemoveFile(dir.file("Picture.pic")));
    EXPECT_EQ(qm::FindUnitPicture(qm::PicturePackagePath(), "GI"), "");
    qm::EnsurePicturePackage();
    EXPECT_NE(qm::FindUnitPicture(qm::PicturePackagePath(), "GI"), "");
}

TEST_F(PictureFiles, MissingPackageGivesNothing) {
    EXPECT_EQ(qm::FindUnitPicture(dir.file("Picture.pic"), "GI"), "");
    EXPECT_EQ(qm::FindUnitPicture(dir.file("nowhere/Picture.pic"), "GI"), "");
    EXPECT_EQ(qm::AppearancePictureBytes("GI"), "");
}

TEST_F(PictureFiles, UnitPictureFallsBackToThePlaceholderAppearanceDoesNot) {
    const std::string tank = TinyJpeg("tank");
    const std::string placeholder = TinyJpeg("none");
    qmtest::Spit(dir.file("Picture.pic"), Entry("Tank", tank));

    EXPECT_EQ(qm::UnitPictureBytes("Tank"), tank);
    EXPECT_EQ(qm::UnitPictureBytes("Ship"), "") << "no None.pic yet";

    qmtest::Spit(dir.file("None.pic"), placeholder);
    EXPECT_EQ(qm::UnitPictureBytes("Tank"), tank);
    EXPECT_EQ(qm::UnitPictureBytes("Ship"), placeholder);
    EXPECT_EQ(qm::UnitPictureBytes(""), placeholder);

    EXPECT_EQ(qm::AppearancePictureBytes("Tank"), tank);
    EXPECT_EQ(qm::AppearancePictureBytes("Ship"), "");
    EXPECT_EQ(qm::AppearancePictureBytes(""), "");
}

// quillmere-ini picture NAME: the built-in package's bytes on standard output.
struct CliRun {
    int status = -1;
    std::string out;
};

CliRun PictureCli(const std::string& nameUtf8) {
    const std::string command = std::string(QM_CLI_PATH) + " picture '" + nameUtf8 + "' 2>/dev/null";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(PictureCommand, WritesTheLookedUpBytesOrFails) {
    const auto entries = SplitBuiltinPackage(qm::BuiltinPicturePackage());
    ASSERT_EQ(entries.size(), 140u);
    struct Case {
        const char* name;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"TRST", 0, entries[110].jpeg},
        {"Attack Dog", 0, entries[22].jpeg},
        {"磁电坦克", 0, entries[139].jpeg},
        {"控制中心", 0, entries[0].jpeg},
        {"Apocalypse Tank", 1, ""},
        {"", 1, ""},
    };
    for (const auto& c : cases) {
        const CliRun run = PictureCli(c.name);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_EQ(run.out, c.out) << c.name;
    }
}

}  // namespace

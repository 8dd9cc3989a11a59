#include "store/profile_file.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "store/file_services.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using qmtest::Slurp;
using qmtest::Spit;
using qmtest::TempDir;
using namespace std::string_literals;

// A file with everything a hand-edited rules file may hold.
const std::string kMixed =
    "; header comment\r\n"
    "\r\n"
    "[General]\r\n"
    "Name=Red Alert 2\r\n"
    "\tMoney = 10000 \t\r\n"
    "Quoted=\"a b\"\r\n"
    "Single='x'\r\n"
    "Lone=\"\r\n"
    "Empty=\r\n"
    "Spaced   =   v  w   \r\n"
    "Comment=yes ;not a comment\r\n"
    "Gbk=\xD6\xD0\x81\x5B\x81\x5D\r\n"
    "junk line without equals\r\n"
    "; tail comment of General\r\n"
    "\r\n"
    "[\xD6\xD0\x81\x5D]\t// a GBK name\r\n"
    "k=gbk section\r\n"
    "[Broken\r\n"
    "AfterBroken=still General's? no: the GBK section's\r\n"
    "[VIRUS]\n"
    "Strength=100\n"
    "Strength=200\n"
    "[Virus]\r\n"
    "Strength=300\r\n"
    "Extra=only in the second\r\n"
    "[Nul]\r\n"
    "a=1\0b\r\n"
    "[Last]\r\n"
    "final=no line end"s;

TEST(ProfileRead, FindsValuesTheWayWindowsDoes) {
    TempDir dir;
    const std::string f = dir.file("rules.ini");
    Spit(f, kMixed);
    struct Case {
        std::string section, key, expected;
    } cases[] = {
        {"General", "Name", "Red Alert 2"},
        {"general", "NAME", "Red Alert 2"},
        {"  General", "\t Name", "Red Alert 2"},
        {"General", "Money", "10000"},
        {"General", "Quoted", "a b"},
        {"General", "Single", "x"},
        {"General", "Lone", "\""},
        {"General", "Empty", ""},
        {"General", "Missing", ""},
        {"General", "Spaced", "v  w"},
        {"General", "Comment", "yes ;not a comment"},
        {"General", "Gbk", "\xD6\xD0\x81\x5B\x81\x5D"},
        {"Nothing", "Name", ""},
        {"\xD6\xD0\x81\x5D", "k", "gbk section"},
        {"\xD6\xD0\x81\x5D", "AfterBroken", "still General's? no: the GBK section's"},
        {"VIRUS", "Strength", "100"},   // first key of the first matching section
        {"Virus", "Strength", "100"},
        {"Virus", "Extra", ""},         // the second [Virus] is never seen
        {"Nul", "a", std::string("1\0b", 3)},
        {"Last", "final", "no line end"},
        {"", "Name", ""},
        {"General", "  ", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadProfileValue(f, c.section, c.key), c.expected) << c.section << "/" << c.key;
    EXPECT_TRUE(ProfileSectionExists(f, "virus"));
    EXPECT_TRUE(ProfileSectionExists(f, " Last"));
    EXPECT_FALSE(ProfileSectionExists(f, "Broken"));
    EXPECT_FALSE(ProfileSectionExists(dir.file("missing.ini"), "General"));
    EXPECT_EQ(ReadProfileValue("", "General", "Name"), "");
    EXPECT_EQ(ReadProfileValue("   ", "General", "Name"), "");
    EXPECT_EQ(ReadProfileValue(dir.file("missing.ini"), "General", "Name"), "");
}

TEST(ProfileRead, LineEndsBomAndLongValues) {
    TempDir dir;
    const std::string f = dir.file("a.ini");
    Spit(f, "\xEF\xBB\xBF[A]\nx=1\r[B]\ry=2\r\nz=" + std::string(12000, 'v') + "\r\n");
    EXPECT_EQ(ReadProfileValue(f, "A", "x"), "1");
    EXPECT_EQ(ReadProfileValue(f, "B", "y"), "2");
    EXPECT_EQ(ReadProfileValue(f, "B", "z"), std::string(10239, 'v'));
}

TEST(ProfileRead, SeesChangesMadeByAnotherProgram) {
    TempDir dir;
    const std::string f = dir.file("a.ini");
    Spit(f, "[A]\r\nx=1\r\n");
    EXPECT_EQ(ReadProfileValue(f, "A", "x"), "1");
    Spit(f, "[A]\r\nx=2\r\n");  // same size, rewritten in place
    struct stat st;
    ASSERT_EQ(stat(f.c_str(), &st), 0);
    struct timespec times[2] = {st.st_atim, st.st_mtim};
    times[1].tv_nsec = (times[1].tv_nsec + 1) % 1000000000;  // make sure the time differs
    utimensat(AT_FDCWD, f.c_str(), times, 0);
    EXPECT_EQ(ReadProfileValue(f, "A", "x"), "2");
    std::filesystem::remove(f);
    EXPECT_EQ(ReadProfileValue(f, "A", "x"), "");
}

// Each write changes exactly the expected bytes of the mixed file.
TEST(ProfileWrite, ChangesOnlyTheLineItMust) {
    struct Case {
        const char* name;
        std::string section, key, value;
        std::string from, to;  // the one replacement expected in the file
    } cases[] = {
        {"existing key keeps the file's spelling and line end", "general", "money", "5",
         "\tMoney = 10000 \t\r\n", "Money=5\r\n"},
        {"empty value keeps the key", "General", "Name", "", "Name=Red Alert 2\r\n", "Name=\r\n"},
        {"missing key goes after the section's last key line", "General", "New", "1",
         "junk line without equals\r\n", "New=1\r\njunk line without equals\r\n"},
        {"LF section", "VIRUS", "Cost", "9", "Strength=200\n", "Strength=200\nCost=9\r\n"},
        {"first of two matching sections", "virus", "strength", "1", "Strength=100\n",
         "Strength=1\n"},
        {"NUL bytes of other lines stay", "Nul", "b", "2", std::string("a=1\0b\r\n", 7),
         std::string("a=1\0b\r\nb=2\r\n", 12)},
        {"a last line without line end gets one", "Last", "more", "x", "final=no line end",
         "final=no line end\r\nmore=x\r\n"},
        {"missing section is appended", "Brand", "k", "v", "final=no line end",
         "final=no line end\r\n[Brand]\r\nk=v\r\n"},
        {"GBK value", "General", "Gbk", "\xB2\xE2", "Gbk=\xD6\xD0\x81\x5B\x81\x5D\r\n",
         "Gbk=\xB2\xE2\r\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string f = dir.file("rules.ini");
        Spit(f, kMixed);
        ASSERT_TRUE(WriteProfileValue(f, c.section, c.key, c.value)) << c.name;
        std::string expected = kMixed;
        size_t at = expected.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.name;
        expected.replace(at, c.from.size(), c.to);
        EXPECT_EQ(Slurp(f), expected) << c.name;
        EXPECT_EQ(ReadProfileValue(f, c.section, c.key), TrimBlanks(c.value)) << c.name;
    }
}

TEST(ProfileWrite, SequencesOfWritesAndDeletesStayConsistent) {
    TempDir dir;
    const std::string f = dir.file("a.ini");
    Spit(f, "[A]\r\nx=1\r\n;c\r\n\r\n[B]\r\ny=2\r\n");
    ASSERT_TRUE(WriteProfileValue(f, "A", "y", "22"));
    ASSERT_TRUE(WriteProfileValue(f, "A", "x", "111"));
    ASSERT_TRUE(WriteProfileValue(f, "B", "z", "3"));
    ASSERT_TRUE(DeleteProfileKey(f, "A", "x"));
    ASSERT_TRUE(WriteProfileValue(f, "A", "w", "4"));
    ASSERT_TRUE(WriteProfileValue(f, "B", "y", ""));
    EXPECT_EQ(Slurp(f), "[A]\r\ny=22\r\nw=4\r\n;c\r\n\r\n[B]\r\ny=\r\nz=3\r\n");
    EXPECT_EQ(ReadProfileValue(f, "A", "w"), "4");
    EXPECT_EQ(ReadProfileValue(f, "B", "z"), "3");
    EXPECT_EQ(ReadProfileValue(f, "A", "x"), "");
}

TEST(ProfileWrite, NewFilesEmptySectionsAndLfFiles) {
    TempDir dir;
    const std::string fresh = dir.file("new.ini");
    ASSERT_TRUE(WriteProfileValue(fresh, "s", "k", "v"));
    EXPECT_EQ(Slurp(fresh), "[s]\r\nk=v\r\n");

    const std::string lf = dir.file("lf.ini");
    Spit(lf, "[A]\n;only a comment\n[B]\nq=1");
    ASSERT_TRUE(WriteProfileValue(lf, "A", "k", "v"));
    ASSERT_TRUE(WriteProfileValue(lf, "C", "k", "v"));
    EXPECT_EQ(Slurp(lf), "[A]\nk=v\n;only a comment\n[B]\nq=1\n[C]\nk=v\n");

    const std::string bom = dir.file("bom.ini");
    Spit(bom, "\xEF\xBB\xBF[A]\r\nx=1\r\n");
    ASSERT_TRUE(WriteProfileValue(bom, "A", "x", "2"));
    EXPECT_EQ(Slurp(bom), "\xEF\xBB\xBF[A]\r\nx=2\r\n");
}

TEST(ProfileWrite, DeleteRemovesTheLineAndNothingElse) {
    TempDir dir;
    const std::string f = dir.file("rules.ini");
    Spit(f, kMixed);
    ASSERT_TRUE(DeleteProfileKey(f, "General", "spaced"));
    std::string expected = kMixed;
    expected.erase(expected.find("Spaced   ="), std::string("Spaced   =   v  w   \r\n").size());
    EXPECT_EQ(Slurp(f), expected);
    ASSERT_TRUE(DeleteProfileKey(f, "General", "NotThere"));
    ASSERT_TRUE(DeleteProfileKey(f, "NoSection", "x"));
    EXPECT_EQ(Slurp(f), expected);

    const std::string none = dir.file("none.ini");
    EXPECT_TRUE(DeleteProfileKey(none, "a", "b"));
    EXPECT_FALSE(FileExists(none));
}

TEST(ProfileWrite, RefusesTextsThatWouldBreakTheFile) {
    TempDir dir;
    const std::string f = dir.file("a.ini");
    Spit(f, "[A]\r\nx=1\r\n");
    struct Case {
        std::string section, key, value;
    } cases[] = {
        {"A", "x", "1\r\n[B]"}, {"A", "x", "a\nb"}, {"A", "x", "a\rb"}, {"A\r\n", "x", "1"},
        {"A]", "x", "1"},       {"A", "x=y", "1"},  {"A", "[x", "1"},   {"A", " ;x", "1"},
        {"A", "x\n", "1"},      {"", "x", "1"},     {"A", "", "1"},     {"A", "  ", "1"},
        // An unpaired lead byte at the end would take the header's "]" as its second byte.
        {"A\x81", "x", "1"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(WriteProfileValue(f, c.section, c.key, c.value)) << c.section << "/" << c.key;
    }
    EXPECT_FALSE(DeleteProfileKey(f, "A", "x=1"));
    EXPECT_EQ(Slurp(f), "[A]\r\nx=1\r\n");
    // A "]" that is the second byte of a Chinese character is allowed in a section name.
    EXPECT_TRUE(WriteProfileValue(f, "\xD6\xD0\x81\x5D", "k", "v"));
    EXPECT_EQ(ReadProfileValue(f, "\xD6\xD0\x81\x5D", "k"), "v");
}

TEST(ProfileWrite, FailedWritesLeaveTheFileAsItWas) {
    TempDir dir;
    const std::string sub = dir.file("ro");
    std::filesystem::create_directory(sub);
    const std::string f = sub + "/rules.ini";
    Spit(f, kMixed);
    chmod(sub.c_str(), 0555);
    EXPECT_FALSE(WriteProfileValue(f, "General", "Name", "x"));
    EXPECT_FALSE(WriteProfileValue(f, "New", "k", "v"));
    EXPECT_FALSE(DeleteProfileKey(f, "General", "Name"));
    EXPECT_FALSE(WriteWholeFile(f, "x"));
    EXPECT_EQ(Slurp(f), kMixed);
    EXPECT_EQ(ReadProfileValue(f, "General", "Name"), "Red Alert 2");
    chmod(sub.c_str(), 0755);

    // A read-only file in a writable folder is not replaced either.
    chmod(f.c_str(), 0444);
    EXPECT_FALSE(WriteProfileValue(f, "General", "Name", "x"));
    EXPECT_EQ(Slurp(f), kMixed);
    chmod(f.c_str(), 0644);

    EXPECT_FALSE(WriteProfileValue(dir.file("missing/a.ini"), "s", "k", "v"));
    EXPECT_FALSE(FileExists(dir.file("missing")));

    // A full disk: the file size limit makes the write of the temporary file fail.
    std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit old_limit;
    getrlimit(RLIMIT_FSIZE, &old_limit);
    struct rlimit small = old_limit;
    small.rlim_cur = 100;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool wrote = WriteProfileValue(f, "General", "Name", "changed");
    setrlimit(RLIMIT_FSIZE, &old_limit);
    EXPECT_FALSE(wrote);
    EXPECT_EQ(Slurp(f), kMixed);
    EXPECT_EQ(ReadProfileValue(f, "General", "Name"), "Red Alert 2");
    // No temporary file is left behind.
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(sub)) (void)e, ++entries;
    EXPECT_EQ(entries, 1);
}

// A file that exists but cannot be read is not taken for an empty file: writes and deletes
// fail and leave it alone. Run in a child process as an ordinary user, since root reads
// everything.
TEST(ProfileWrite, UnreadableFileIsNotReplaced) {
    TempDir dir;
    const std::string f = dir.file("rules.ini");
    Spit(f, kMixed);
    chmod(dir.path().c_str(), 0777);
    chmod(f.c_str(), 0222);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(10);
        int failures = 0;
        if (ReadProfileValue(f, "General", "Name") != "") failures |= 1;
        if (WriteProfileValue(f, "General", "Name", "x")) failures |= 2;
        if (WriteProfileValue(f, "New", "k", "v")) failures |= 4;
        if (DeleteProfileKey(f, "General", "Name")) failures |= 8;
        _exit(failures);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    chmod(f.c_str(), 0644);
    EXPECT_EQ(Slurp(f), kMixed);
}

TEST(ProfileWrite, KeepsPermissionsAndWritesThroughSymbolicLinks) {
    TempDir dir;
    const std::string real = dir.file("real.ini");
    const std::string link = dir.file("Rules.ini");
    Spit(real, "[A]\r\nx=1\r\n");
    chmod(real.c_str(), 0640);
    std::filesystem::create_symlink("real.ini", link);
    ASSERT_TRUE(WriteProfileValue(link, "A", "x", "2"));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(Slurp(real), "[A]\r\nx=2\r\n");
    struct stat st;
    ASSERT_EQ(stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(ProfileWrite, UsesTheFileWhoseNameDiffersOnlyInLetterCase) {
    TempDir dir;
    Spit(dir.file("rules.ini"), "[A]\r\nx=1\r\n");
    ASSERT_TRUE(WriteProfileValue(dir.file("Rules.ini"), "A", "x", "2"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("Rules.ini")));
    EXPECT_EQ(Slurp(dir.file("rules.ini")), "[A]\r\nx=2\r\n");
    EXPECT_EQ(ReadProfileValue(dir.file("RULES.INI"), "A", "x"), "2");
}

TEST(ProfileBatchTest, GathersWritesIntoOneReplacement) {
    TempDir dir;
    const std::string f = dir.file("a.ini");
    const std::string g = dir.file("b.ini");
    Spit(f, "[A]\r\nx=1\r\n");
    Spit(g, "[A]\r\nx=1\r\n");
    {
        ProfileBatch batch(f);
        ASSERT_TRUE(WriteProfileValue(f, "A", "x", "2"));
        ASSERT_TRUE(WriteProfileValue(f, "A", "y", "3"));
        ASSERT_TRUE(WriteProfileValue(f, "B", "z", "4"));
        EXPECT_EQ(ReadProfileValue(f, "A", "y"), "3");
        EXPECT_EQ(Slurp(f), "[A]\r\nx=1\r\n");  // nothing on disk yet
        ASSERT_TRUE(WriteProfileValue(g, "A", "x", "9"));  // other files are written at once
        EXPECT_EQ(Slurp(g), "[A]\r\nx=9\r\n");
        EXPECT_TRUE(batch.Commit());
    }
    EXPECT_EQ(Slurp(f), "[A]\r\nx=2\r\ny=3\r\n[B]\r\nz=4\r\n");

    chmod(f.c_str(), 0444);
    {
        ProfileBatch batch(f);
        WriteProfileValue(f, "A", "x", "5");
        EXPECT_FALSE(batch.Commit());
    }
    chmod(f.c_str(), 0644);
    EXPECT_EQ(ReadProfileValue(f, "A", "x"), "2");  // the failed batch is forgotten
}

}  // namespace
}  // namespace qm

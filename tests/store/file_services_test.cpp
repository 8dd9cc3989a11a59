#include "store/file_services.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace qm {
namespace {

using qmtest::Slurp;
using qmtest::Spit;
using qmtest::TempDir;

TEST(FileServices, NamesDifferingOnlyInLetterCaseAreTheSameFile) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("Game"));
    Spit(dir.file("Game/RA2.EXE"), "");
    Spit(dir.file("Game/rules.ini"), "abc");

    EXPECT_EQ(ResolvePath(dir.file("game/ra2.exe")), dir.file("Game/RA2.EXE"));
    EXPECT_EQ(ResolvePath(dir.file("GAME/Rules.ini")), dir.file("Game/rules.ini"));
    EXPECT_EQ(ResolvePath(dir.file("Game/new.ini")), dir.file("Game/new.ini"));
    EXPECT_EQ(ResolvePath(dir.file("nothing/new.ini")), dir.file("nothing/new.ini"));
    EXPECT_TRUE(FileExists(dir.file("Game/Ra2.exe")));
    EXPECT_EQ(ReadWholeFile(dir.file("game/RULES.INI")), "abc");

    // An exact match wins over a case variant.
    Spit(dir.file("Game/Rules.ini"), "exact");
    EXPECT_EQ(ReadWholeFile(dir.file("Game/Rules.ini")), "exact");
}

TEST(FileServices, ExistenceOfFilesFoldersAndPatterns) {
    TempDir dir;
    Spit(dir.file("a.ini"), "");
    struct Case {
        std::string path;
        bool exists;
    } cases[] = {
        {"", false},
        {dir.path(), true},
        {dir.path() + "/", true},
        {dir.file("a.ini"), true},
        {dir.file("A.INI"), true},
        {dir.file("b.ini"), false},
        {dir.file("*.ini"), true},
        {dir.file("*.exe"), false},
        {dir.file("?.INI"), true},
    };
    for (const auto& c : cases) EXPECT_EQ(FileExists(c.path), c.exists) << c.path;
}

TEST(FileServices, WholeFileWritesReplaceContentExactly) {
    TempDir dir;
    const std::string f = dir.file("f.bin");
    Spit(f, std::string(1000, 'x'));
    ASSERT_TRUE(WriteWholeFile(f, std::string("ab\0c", 4)));
    EXPECT_EQ(Slurp(f), std::string("ab\0c", 4));
    ASSERT_TRUE(WriteWholeFile(f, ""));
    EXPECT_EQ(Slurp(f), "");
    EXPECT_FALSE(WriteWholeFile("", "x"));
    EXPECT_FALSE(WriteWholeFile(dir.path(), "x"));  // a folder is not replaced
    EXPECT_EQ(ReadWholeFile(dir.file("missing")), "");
    EXPECT_TRUE(RemoveFile(f));
    EXPECT_FALSE(RemoveFile(f));
}

TEST(FileServices, ProgramDirectoryCanBePointedElsewhere) {
    EXPECT_FALSE(ProgramDirectory().empty());
    EXPECT_NE(ProgramDirectory().back(), '/');
    SetProgramDirectoryForTests("/tmp/x");
    EXPECT_EQ(ProgramDirectory(), "/tmp/x");
    SetProgramDirectoryForTests("");
    EXPECT_NE(ProgramDirectory(), "/tmp/x");
    EXPECT_EQ(JoinPath("/a", "b"), "/a/b");
    EXPECT_EQ(JoinPath("/a/", "b"), "/a/b");
}

}  // namespace
}  // namespace qm

#include "store/settings.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

#include "store/file_services.h"
#include "store/profile_file.h"
#include "support/temp_dir.h"

namespace qm {
namespace {

using qmtest::Slurp;
using qmtest::Spit;
using qmtest::TempDir;

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramValues();
        SetProgramDirectoryForTests(program_.path());
    }
    void TearDown() override {
        SetProgramDirectoryForTests("");
        ResetProgramValues();
    }
    TempDir program_;
    TempDir game_;
};

TEST_F(SettingsTest, GameDirectoryRules) {
    EXPECT_EQ(SettingsFilePath(), program_.path() + "/Install.ini");
    EXPECT_EQ(NormaliseGameDirectory("/games/ra2"), "/games/ra2/");
    EXPECT_EQ(NormaliseGameDirectory("/games/ra2/"), "/games/ra2/");
    EXPECT_EQ(NormaliseGameDirectory("/games/ra2/  "), "/games/ra2/  ");
    EXPECT_EQ(NormaliseGameDirectory(""), "/");

    const std::string dir = game_.path() + "/";
    EXPECT_FALSE(IsGameDirectory(dir));
    Spit(game_.file("yuri.exe"), "");
    EXPECT_TRUE(IsGameDirectory(dir));  // YURI.exe alone, in any letter case
    std::filesystem::remove(game_.file("yuri.exe"));
    Spit(game_.file("Ra2.exe"), "");
    EXPECT_TRUE(IsGameDirectory(dir));
}

TEST_F(SettingsTest, RulesFilesAndTheirVersion) {
    Spit(game_.file("Rulesmd.ini"), "[General]\r\nName=Yuri's Revenge\r\n");
    Spit(game_.file("ok.ini"), "[General]\r\nName=Red Alert 2 mod\r\n");
    Spit(game_.file("case.ini"), "[General]\r\nName=red alert 2\r\n");
    EXPECT_FALSE(IsRulesFile(game_.file("Rulesmd.ini")));
    EXPECT_TRUE(IsRulesFile(game_.file("ok.ini")));
    EXPECT_FALSE(IsRulesFile(game_.file("case.ini")));
    EXPECT_FALSE(IsRulesFile(game_.file("missing.ini")));

    struct Case {
        const char* path;
        int version;
    } cases[] = {{"/g/Rules.ini", 1},     {"/g/rules.ini", 1},    {"/g/RULES.INI", 1},
                 {"/g/Rulesmd.ini", 2},   {"/g/my.ini", 2},       {"/Rules.ini/x.ini", 2},
                 {"Rules.ini", 1},        {"/g/Rules.ini.bak", 2}};
    for (const auto& c : cases) EXPECT_EQ(VersionOfRulesPath(c.path), c.version) << c.path;
}

TEST_F(SettingsTest, RecordDocumentPathsFollowsTheFilesOfTheDirectory) {
    const std::string ini = SettingsFilePath();
    Spit(ini, "[Game]\r\nPath=x\r\n[Document]\r\nRa2Path=/elsewhere/Rules.ini\r\nYuriPath=/old\r\n");
    GameDirectory = game_.path() + "/";
    Spit(game_.file("Rulesmd.ini"), "");
    RecordDocumentPaths();
    EXPECT_EQ(Slurp(ini), "[Game]\r\nPath=x\r\n[Document]\r\nYuriPath=" + GameDirectory +
                              "Rulesmd.ini\r\n");
    Spit(game_.file("Rules.ini"), "");
    RecordDocumentPaths();
    EXPECT_EQ(ReadProfileValue(ini, "Document", "Ra2Path"), GameDirectory + "Rules.ini");
}

TEST_F(SettingsTest, TemplatesAreWrittenWholeAndPassTheRulesCheck) {
    GameDirectory = game_.path() + "/";
    Spit(game_.file("Rules.ini"), std::string(600000, 'x'));  // longer than the template
    ASSERT_TRUE(WriteTemplate(1));
    ASSERT_TRUE(WriteTemplate(2));
    for (int v : {1, 2}) {
        const std::string path = GameDirectory + RulesFileName(v);
        const std::string bytes = Slurp(path);
        EXPECT_EQ(bytes, TemplateBytes(v));
        EXPECT_TRUE(IsRulesFile(path));
        EXPECT_EQ(ReadProfileValue(path, "General", "Name").find("Red Alert 2"), 0u);
        // Four GBK comment lines, then [General].
        const std::string head = Gbk(";红色警戒2配置文件\r\n;本文件由《Quillmere》生成\r\n;请勿修改本文件任何数据\r\n");
        EXPECT_EQ(bytes.compare(0, head.size(), head), 0);
        size_t general = bytes.find("[General]\r\n");
        EXPECT_EQ(std::count(bytes.begin(), bytes.begin() + general, '\n'), 4);
        EXPECT_EQ(bytes.find('\0'), std::string::npos);
        EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
    }

    // A missing game directory makes the write fail.
    GameDirectory = game_.path() + "/missing/";
    EXPECT_FALSE(WriteTemplate(1));
}

}  // namespace
}  // namespace qm

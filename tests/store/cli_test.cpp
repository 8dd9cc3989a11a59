// quillmere-ini, run as a separate program.
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace {

using qmtest::Slurp;
using qmtest::Spit;
using qmtest::TempDir;

struct Run {
    int status;
    std::string out;
    std::string err;
};

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

// Runs the program; standard output goes to `out_file` when one is given.
Run Cli(const std::vector<std::string>& args, const std::string& out_file = "") {
    TempDir tmp;
    std::string cmd = QM_CLI_PATH;
    for (const auto& a : args) cmd += " " + Quote(a);
    cmd += " 2>" + Quote(tmp.file("err"));
    if (!out_file.empty()) cmd += " >" + Quote(out_file);
    FILE* p = popen(cmd.c_str(), "r");
    Run r{-1, {}, {}};
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.err = Slurp(tmp.file("err"));
    return r;
}

TEST(Cli, GetSetDeleteKeysIdsAndTemplates) {
    TempDir dir;
    const std::string f = dir.file("rules.ini");
    Spit(f, "[VehicleTypes]\r\n1=MTNK\r\n; 2=old\r\n3=\xD6\xD0\r\n");

    EXPECT_EQ(Cli({"get", f, "vehicletypes", "3"}).out, "\xD6\xD0\n");
    EXPECT_EQ(Cli({"keys", f, "VehicleTypes"}).out, "1\n3\n");
    EXPECT_EQ(Cli({"ids", f, "VehicleTypes"}).out, "MTNK\n\xD6\xD0\n");
    EXPECT_EQ(Cli({"set", f, "VehicleTypes", "4", "HTNK"}).status, 0);
    EXPECT_EQ(Cli({"delete", f, "VehicleTypes", "1"}).status, 0);
    EXPECT_EQ(Slurp(f), "[VehicleTypes]\r\n; 2=old\r\n3=\xD6\xD0\r\n4=HTNK\r\n");

    EXPECT_EQ(Cli({"template", "yr", dir.file("Rulesmd.ini")}).status, 0);
    EXPECT_EQ(Cli({"get", dir.file("Rulesmd.ini"), "General", "Name"}).out.find("Red Alert 2"), 0u);
    EXPECT_EQ(Cli({"keys", dir.file("Rulesmd.ini"), "Countries"}).out.substr(0, 2), "0\n");

    // Display items come out as UTF-8.
    const std::string yuri = Cli({"list", dir.file("Rulesmd.ini"), "yr", "infantry"}).out;
    EXPECT_NE(yuri.find("\nYURI-克隆尤里\n"), std::string::npos);
    const std::string as_ra2 = Cli({"list", dir.file("Rulesmd.ini"), "ra2", "infantry"}).out;
    EXPECT_NE(as_ra2.find("\nYURI-尤里\n"), std::string::npos);
    EXPECT_EQ(Cli({"list", dir.file("Rulesmd.ini"), "yr", "weapons"}).out.substr(0, 13), "105mm-炮弹\n");
}

TEST(Cli, ExitStatusTellsUsageErrorsFromFailures) {
    TempDir dir;
    Spit(dir.file("a.ini"), "[s]\r\n");
    struct Case {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{}, 2},
        {{"frobnicate"}, 2},
        {{"get", "f"}, 2},
        {{"set", "f", "s", "k"}, 2},
        {{"template", "ra3", "f"}, 2},
        {{"list", dir.file("a.ini"), "yr", "tanks"}, 2},
        {{"list", dir.file("a.ini"), "ts", "infantry"}, 2},
        {{"list", dir.file("missing.ini"), "yr", "infantry"}, 1},
        {{"set", dir.file("no/such/dir.ini"), "s", "k", "v"}, 1},
        {{"set", dir.file("a.ini"), "s", "k", "line\nbreak"}, 1},
        {{"keys", dir.file("missing.ini"), "s"}, 1},
        {{"template", "ra2", dir.file("no/such/Rules.ini")}, 1},
        {{"get", dir.file("missing.ini"), "s", "k"}, 1},
        {{"get", dir.path(), "s", "k"}, 1},
        {{"get", dir.file("*.ini"), "s", "k"}, 1},
        {{"ids", dir.path(), "s"}, 1},
        {{"list", dir.path(), "yr", "infantry"}, 1},
        {{"get", dir.file("a.ini"), "s", "missing"}, 0},
    };
    for (const auto& c : cases) {
        const auto r = Cli(c.args);
        EXPECT_EQ(r.status, c.status) << testing::PrintToString(c.args);
        // Errors are told in one line; without arguments the usage is printed.
        if (c.args.empty()) {
            EXPECT_NE(r.err.find("quillmere-ini get FILE SECTION KEY"), std::string::npos);
        } else if (c.status != 0) {
            EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1)
                << testing::PrintToString(c.args) << r.err;
        }
    }

    // Output that cannot be written is a failure.
    EXPECT_EQ(Cli({"get", dir.file("a.ini"), "s", "k"}, "/dev/full").status, 1);
}

}  // namespace

// Shared fixture of the RulesDocument tests: a rules file in a fresh temporary folder, set as
// qm::RulesPath, and helpers that show a file's lines exactly as they are stored.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "store/rules_document.h"
#include "store/settings.h"
#include "support/temp_dir.h"

namespace qmtest {

using Lines = std::vector<std::string>;

// Every line of the bytes, split at CR LF; a final line break gives no empty last line.
inline Lines FileLines(const std::string& bytes) {
    Lines lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        lines.push_back(bytes.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

// The lines of the first section headed exactly "[name]", up to the next header.
inline Lines SectionLines(const std::string& bytes, const std::string& name) {
    Lines all = FileLines(bytes), out;
    bool inside = false;
    for (const std::string& line : all) {
        if (!line.empty() && line[0] == '[') {
            if (inside) break;
            inside = line == "[" + name + "]";
            continue;
        }
        if (inside) out.push_back(line);
    }
    return out;
}

inline Lines Concat(std::initializer_list<Lines> parts) {
    Lines out;
    for (const Lines& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

class RulesFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        qm::ResetProgramValues();
        qm::RulesPath = dir.file("Rules.ini");
        qm::GameVersion = 1;
    }
    void TearDown() override { qm::ResetProgramValues(); }

    void WriteRules(const std::string& bytes) { Spit(qm::RulesPath, bytes); }
    std::string RulesBytes() const { return Slurp(qm::RulesPath); }
    Lines Section(const std::string& name) const { return SectionLines(RulesBytes(), name); }
    // A rules path in a folder that does not exist: every write fails.
    void UseUnwritablePath() { qm::RulesPath = dir.file("missing/Rules.ini"); }

    TempDir dir;
    qm::RulesDocument rules;
};

}  // namespace qmtest

// Reads and writes of single values of the rules file qm::RulesPath, for RulesDocument.
#pragma once

#include "store/gbk_text.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qm {

inline Text RulesValue(const Text& section, const Text& key) {
    return ReadProfileValue(RulesPath, section, key);
}

// The writes of one save: made one value at a time, in order, with the same bytes as single
// writes, and put on disk together when the save finishes (reads in between see them). A
// refused write does not stop the later ones.
class RulesWriter {
public:
    RulesWriter() : batch_(RulesPath) {}

    void Put(const Text& section, const Text& key, const Text& value) {
        if (!WriteProfileValue(RulesPath, section, key, value)) ok_ = false;
    }

    // Puts the writes on disk; true when every write succeeded.
    bool Finish() {
        const bool committed = batch_.Commit();
        return ok_ && committed;
    }

private:
    ProfileBatch batch_;
    bool ok_ = true;
};

}  // namespace qm

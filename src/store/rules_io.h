// Reads and writes of single values of the rules file qm::RulesPath, for RulesDocument.
#pragma once

#include "store/gbk_text.h"
#include "store/profile_file.h"
#include "store/settings.h"

namespace qm {

inline Text RulesValue(const Text& section, const Text& key) {
    return ReadProfileValue(RulesPath, section, key);
}

// Writes values one at a time and remembers whether every write succeeded. A failed write
// does not stop the later ones.
class RulesWriter {
public:
    void Put(const Text& section, const Text& key, const Text& value) {
        if (!WriteProfileValue(RulesPath, section, key, value)) ok_ = false;
    }
    bool ok() const { return ok_; }

private:
    bool ok_ = true;
};

}  // namespace qm

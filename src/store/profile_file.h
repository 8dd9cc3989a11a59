// Profile ("INI") files, read and written one value at a time with Windows private-profile
// semantics: section and key names match regardless of ASCII letter case, the first match
// wins, a write changes only the one line it must and leaves every other byte as it was.
#pragma once

#include <string>

#include "store/gbk_text.h"

namespace qm {

// Longest value a read returns; longer values are cut.
constexpr size_t kMaxProfileValue = 10239;

// The value, trimmed, with one pair of outer quotes removed; empty when the file, section or
// key is missing. Leading control bytes and blanks of file, section and key are skipped.
Text ReadProfileValue(const std::string& file, const Text& section, const Text& key);

// Sets a key (adding the key, the section or the file as needed). False when the write fails
// or the names or the value could break the file's structure; the file is then unchanged.
bool WriteProfileValue(const std::string& file, const Text& section, const Text& key,
                       const Text& value);

// Removes a key's line. Deleting a missing key changes nothing and is not a failure.
bool DeleteProfileKey(const std::string& file, const Text& section, const Text& key);

// True when the file has a section of that name, matched as reads and writes match it
// (trimmed, regardless of ASCII letter case).
bool ProfileSectionExists(const std::string& file, const Text& section);

// Gathers the writes to one file made while it lives and puts them on disk in one atomic
// replacement, with the same bytes as the single writes would give. Reads in the meantime
// see the changes. Commit (or the destructor) writes; false when that write failed, and then
// none of the gathered changes reach the file.
class ProfileBatch {
public:
    explicit ProfileBatch(const std::string& file);
    ~ProfileBatch();
    ProfileBatch(const ProfileBatch&) = delete;
    ProfileBatch& operator=(const ProfileBatch&) = delete;

    bool Commit();

private:
    std::string path_;
    bool done_ = false;
    bool ok_ = false;
};

}  // namespace qm

// The parsed layout of one profile file: where its sections and key lines are. Kept with the
// file's bytes and identity so repeated reads of an unchanged file do not parse it again.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/gbk_text.h"

namespace qm {

struct KeyLine {
    Text upper;          // the key, trimmed and upper-cased, for matching
    size_t line_start;   // first byte of the line
    size_t line_end;     // end of the line's text (its line end not included)
    size_t next;         // start of the following line
};

struct SectionBlock {
    Text upper;           // the section name, trimmed and upper-cased
    size_t header_end;    // end of the header line's text
    size_t header_next;   // start of the line after the header
    std::vector<KeyLine> keys;  // every key line, in file order
    // First key line for each key name; built on first use for large sections.
    std::unordered_map<Text, size_t> first_key;
    bool first_key_built = false;

    const KeyLine* Find(const Text& upper_key);
    void Forget() { first_key.clear(); first_key_built = false; }
};

struct ProfileFile {
    std::string bytes;
    std::vector<SectionBlock> sections;
    std::unordered_map<Text, size_t> first_section;  // upper name -> first section with it
    std::string line_end = "\r\n";                    // used for inserted lines
    bool pending = false;  // changed in memory by a batch, not yet written

    // Identity of the file on disk that these bytes came from.
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = -1;
    struct timespec mtime {};

    void Parse();
    SectionBlock* FindSection(const Text& upper_name);
    // Moves every recorded position at or after `from` by `delta` bytes.
    void Shift(size_t from, long long delta);
};

}  // namespace qm

#include "store/profile_index.h"

#include <cstring>

namespace qm {

namespace {

bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// Trims ASCII blanks and tabs from both ends of [b, e).
void Trim(const std::string& s, size_t& b, size_t& e) {
    while (b < e && IsSpaceOrTab(s[b])) ++b;
    while (e > b && IsSpaceOrTab(s[e - 1])) --e;
}

constexpr size_t kIndexThreshold = 24;

}  // namespace

const KeyLine* SectionBlock::Find(const Text& upper_key) {
    if (keys.size() < kIndexThreshold) {
        for (const KeyLine& k : keys)
            if (k.upper == upper_key) return &k;
        return nullptr;
    }
    if (!first_key_built) {
        first_key.reserve(keys.size());
        for (size_t i = 0; i < keys.size(); ++i) first_key.emplace(keys[i].upper, i);
        first_key_built = true;
    }
    auto it = first_key.find(upper_key);
    return it == first_key.end() ? nullptr : &keys[it->second];
}

void ProfileFile::Parse() {
    sections.clear();
    first_section.clear();
    const std::string& s = bytes;
    size_t pos = 0;
    if (s.size() >= 3 && static_cast<unsigned char>(s[0]) == 0xEF &&
        static_cast<unsigned char>(s[1]) == 0xBB && static_cast<unsigned char>(s[2]) == 0xBF)
        pos = 3;

    bool first_line = true;
    line_end = "\r\n";
    SectionBlock* current = nullptr;
    while (pos < s.size()) {
        // Find the line's end: CR LF, LF or CR.
        size_t end = pos;
        while (end < s.size() && s[end] != '\r' && s[end] != '\n') ++end;
        size_t next = end;
        if (next < s.size()) {
            if (s[next] == '\r' && next + 1 < s.size() && s[next + 1] == '\n') next += 2;
            else ++next;
        }
        if (first_line) {
            if (end < s.size() && s[end] == '\n') line_end = "\n";
            first_line = false;
        }

        size_t b = pos, e = end;
        Trim(s, b, e);
        if (b < e) {
            if (s[b] == '[') {
                std::string_view line(s.data() + b, e - b);
                size_t close = FindLastBytes(line, "]");
                if (close != std::string_view::npos) {
                    size_t nb = b + 1, ne = b + close;
                    Trim(s, nb, ne);
                    Text upper = UpperAscii(std::string_view(s.data() + nb, ne - nb));
                    sections.push_back(SectionBlock{});
                    SectionBlock& sec = sections.back();
                    sec.upper = std::move(upper);
                    sec.header_end = end;
                    sec.header_next = next;
                    first_section.emplace(sec.upper, sections.size() - 1);
                    current = &sec;
                }
            } else if (s[b] != ';' && current) {
                const void* eq = std::memchr(s.data() + b, '=', e - b);
                if (eq) {
                    size_t kb = b, ke = static_cast<const char*>(eq) - s.data();
                    Trim(s, kb, ke);
                    current->keys.push_back(KeyLine{
                        UpperAscii(std::string_view(s.data() + kb, ke - kb)), pos, end, next});
                }
            }
        }
        pos = next;
    }
}

SectionBlock* ProfileFile::FindSection(const Text& upper_name) {
    auto it = first_section.find(upper_name);
    return it == first_section.end() ? nullptr : &sections[it->second];
}

void ProfileFile::Shift(size_t from, long long delta) {
    auto move = [&](size_t& p) {
        if (p >= from) p = static_cast<size_t>(static_cast<long long>(p) + delta);
    };
    for (SectionBlock& sec : sections) {
        if (sec.header_next < from && (sec.keys.empty() || sec.keys.back().next < from)) continue;
        move(sec.header_end);
        move(sec.header_next);
        for (KeyLine& k : sec.keys) {
            move(k.line_start);
            move(k.line_end);
            move(k.next);
        }
    }
}

}  // namespace qm

#include "store/registry.h"

#include <cstring>

#include "store/file_services.h"

namespace qm {

namespace {

bool IsBlankByte(char c) { return c == ' ' || c == '\t'; }

// Calls fn(begin, end) for each line of the text; lines end at CR LF, LF or CR.
template <typename Fn>
void ForEachLine(std::string_view text, Fn fn) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = pos;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        if (!fn(text.substr(pos, end - pos))) return;
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            pos = end + 2;
        else
            pos = end + 1;
    }
}

std::string_view TrimLine(std::string_view line) {
    size_t b = 0, e = line.size();
    while (b < e && IsBlankByte(line[b])) ++b;
    while (e > b && IsBlankByte(line[e - 1])) --e;
    return line.substr(b, e - b);
}

}  // namespace

Text SectionKeysText(const std::string& file, const Text& section) {
    if (!FileExists(file)) return {};
    std::string bytes = ReadWholeFile(file);
    std::string_view text(bytes.data(), strnlen(bytes.data(), bytes.size()));
    const std::string header = "[" + section + "]";

    TextList keys;
    bool inside = false;
    ForEachLine(text, [&](std::string_view line) {
        std::string_view t = TrimLine(line);
        if (!inside) {
            if (t == header) inside = true;
            return true;
        }
        if (!t.empty() && t[0] == '[') return false;  // the next section begins
        if (t.empty() || t[0] == ';') return true;
        size_t eq = line.find('=');
        if (eq != std::string_view::npos) keys.emplace_back(line.substr(0, eq));
        return true;
    });
    return JoinText(keys, "|");
}

TextList ListSectionKeys(const std::string& file, const Text& section) {
    return SplitText(SectionKeysText(file, section), "|");
}

}  // namespace qm

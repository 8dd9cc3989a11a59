#include "store/gbk_text.h"

#include <iconv.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace qm {

int TextLength(std::string_view s) { return static_cast<int>(s.size()); }

size_t FindBytes(std::string_view hay, std::string_view needle, size_t from) {
    if (needle.size() > hay.size()) return std::string_view::npos;
    const size_t last = hay.size() - needle.size();
    size_t i = from;
    while (i <= last) {
        // Jump to the next candidate quickly, then walk character boundaries up to it.
        if (!needle.empty()) {
            const void* hit = std::memchr(hay.data() + i, needle[0], last - i + 1);
            if (!hit) return std::string_view::npos;
            size_t cand = static_cast<const char*>(hit) - hay.data();
            while (i < cand) i += CharLength(hay, i);
            if (i != cand) continue;  // candidate was the trail byte of a double-byte char
        }
        if (hay.compare(i, needle.size(), needle) == 0) return i;
        i += CharLength(hay, i);
    }
    return std::string_view::npos;
}

size_t FindLastBytes(std::string_view hay, std::string_view needle) {
    size_t found = std::string_view::npos;
    size_t pos = FindBytes(hay, needle, 0);
    while (pos != std::string_view::npos) {
        found = pos;
        if (pos + 1 > hay.size()) break;
        pos = FindBytes(hay, needle, pos + CharLength(hay, pos));
    }
    return found;
}

int FindText(std::string_view hay, std::string_view needle, int start) {
    if (start < 1) start = 1;
    if (static_cast<size_t>(start) > hay.size()) return -1;
    // Walk to the character boundary at or after start.
    size_t i = 0;
    while (i < static_cast<size_t>(start - 1)) i += CharLength(hay, i);
    size_t pos = FindBytes(hay, needle, i);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos) + 1;
}

int FindLastText(std::string_view hay, std::string_view needle) {
    size_t pos = FindLastBytes(hay, needle);
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos) + 1;
}

bool ContainsText(std::string_view hay, std::string_view needle) {
    return FindBytes(hay, needle, 0) != std::string_view::npos;
}

bool StartsWith(std::string_view s, std::string_view prefix) {
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(std::string_view s, std::string_view suffix) {
    if (s.size() < suffix.size()) return false;
    // The suffix must start on a character boundary.
    size_t i = 0;
    const size_t at = s.size() - suffix.size();
    while (i < at) i += CharLength(s, i);
    return i == at && s.compare(at, suffix.size(), suffix) == 0;
}

TextList SplitText(std::string_view text, std::string_view sep) {
    TextList out;
    if (text.empty()) return out;
    if (sep.empty()) {
        out.emplace_back(text);
        return out;
    }
    size_t begin = 0;
    for (;;) {
        size_t pos = FindBytes(text, sep, begin);
        if (pos == std::string_view::npos) {
            if (begin < text.size()) out.emplace_back(text.substr(begin));
            break;
        }
        out.emplace_back(text.substr(begin, pos - begin));
        begin = pos + sep.size();
    }
    return out;
}

Text JoinText(const TextList& pieces, std::string_view sep) {
    Text out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i) out.append(sep);
        out.append(pieces[i]);
    }
    return out;
}

namespace {
// Byte length of the blank starting at i, or 0.
size_t BlankAt(std::string_view s, size_t i) {
    if (s[i] == ' ') return 1;
    if (i + 1 < s.size() && static_cast<unsigned char>(s[i]) == 0xA1 &&
        static_cast<unsigned char>(s[i + 1]) == 0xA1)
        return 2;
    return 0;
}
}  // namespace

Text TrimLeftBlanks(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        size_t n = BlankAt(s, i);
        if (!n) break;
        i += n;
    }
    return Text(s.substr(i));
}

Text TrimRightBlanks(std::string_view s) {
    // Walk forward so a trail byte A1 of another character is never taken for a blank.
    size_t i = 0, keep = 0;
    while (i < s.size()) {
        size_t n = BlankAt(s, i);
        if (n) {
            i += n;
        } else {
            i += CharLength(s, i);
            keep = i;
        }
    }
    return Text(s.substr(0, keep));
}

Text TrimBlanks(std::string_view s) { return TrimRightBlanks(TrimLeftBlanks(s)); }

Text RemoveBlanks(std::string_view s) {
    Text out;
    size_t i = 0;
    while (i < s.size()) {
        size_t n = BlankAt(s, i);
        if (n) {
            i += n;
            continue;
        }
        size_t len = CharLength(s, i);
        out.append(s.substr(i, len));
        i += len;
    }
    return out;
}

Text UpperAscii(std::string_view s) {
    Text out(s);
    size_t i = 0;
    while (i < out.size()) {
        size_t len = CharLength(out, i);
        if (len == 1 && out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 32);
        i += len;
    }
    return out;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    return UpperAscii(a) == UpperAscii(b);
}

long long LeadingNumber(std::string_view s) {
    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        negative = s[i] == '-';
        ++i;
    }
    long long n = 0;
    bool any = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        any = true;
        // Very long digit runs stop growing instead of overflowing.
        if (n <= (LLONG_MAX - 9) / 10) n = n * 10 + (s[i] - '0');
        ++i;
    }
    if (!any) return 0;
    return negative ? -n : n;
}

Text NumberText(long long n) { return std::to_string(n); }

Text ItemId(std::string_view item) {
    size_t pos = FindBytes(item, "-", 0);
    return Text(pos == std::string_view::npos ? item : item.substr(0, pos));
}

namespace {
std::string Convert(const char* to, const char* from, std::string_view in) {
    std::string out;
    if (in.empty()) return out;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(in);
    out.resize(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    char* dst = out.data();
    size_t dst_left = out.size();
    while (src_left > 0) {
        size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
        if (r != static_cast<size_t>(-1)) break;
        if (errno == E2BIG) {
            size_t used = dst - out.data();
            out.resize(out.size() * 2);
            dst = out.data() + used;
            dst_left = out.size() - used;
        } else {
            // Invalid or incomplete input: emit "?" for one byte and go on.
            if (dst_left < 1) {
                size_t used = dst - out.data();
                out.resize(out.size() * 2);
                dst = out.data() + used;
                dst_left = out.size() - used;
            }
            *dst++ = '?';
            --dst_left;
            ++src;
            --src_left;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    out.resize(dst - out.data());
    iconv_close(cd);
    return out;
}
}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert("UTF-8", "CP936", gbk); }
Text Utf8ToGbk(std::string_view utf8) { return Convert("CP936", "UTF-8", utf8); }

}  // namespace qm

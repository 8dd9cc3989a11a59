// Text rules of the core: every text is a GBK byte string. Lengths and positions count
// bytes, positions are 1-based, -1 means "not found". Searches and splits step over
// double-byte characters whole (a lead byte 0x81-0xFE takes the next byte with it), so the
// second byte of a Chinese character never matches.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

using Text = std::string;
using TextList = std::vector<Text>;

// True when the byte opens a GBK double-byte character.
inline bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Length of the character that starts at byte offset i (1 or 2; 1 at the very end).
inline size_t CharLength(std::string_view s, size_t i) {
    return (IsLeadByte(static_cast<unsigned char>(s[i])) && i + 1 < s.size()) ? 2 : 1;
}

int TextLength(std::string_view s);

// 0-based offset of the first match at a character boundary at or after `from`
// (a character boundary itself), or npos.
size_t FindBytes(std::string_view hay, std::string_view needle, size_t from = 0);
// 0-based offset of the last match at a character boundary, or npos.
size_t FindLastBytes(std::string_view hay, std::string_view needle);

// 1-based position of needle in hay, searching from 1-based position `start`; -1 if none.
// An empty needle is found at `start` when start lies within the text.
int FindText(std::string_view hay, std::string_view needle, int start = 1);
int FindLastText(std::string_view hay, std::string_view needle);
bool ContainsText(std::string_view hay, std::string_view needle);
bool StartsWith(std::string_view s, std::string_view prefix);
bool EndsWith(std::string_view s, std::string_view suffix);

// Split at every separator. Inner empty pieces are kept, an empty last piece is dropped and
// the empty text gives the empty list.
TextList SplitText(std::string_view text, std::string_view sep);
Text JoinText(const TextList& pieces, std::string_view sep);

// Blanks are the ASCII blank and the full-width blank (GBK A1 A1); tabs are not blanks.
Text TrimBlanks(std::string_view s);
Text TrimLeftBlanks(std::string_view s);
Text TrimRightBlanks(std::string_view s);
Text RemoveBlanks(std::string_view s);

// ASCII-only upper case; bytes of double-byte characters stay as they are.
Text UpperAscii(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);

// The decimal number at the start of a text (an optional sign, then digits); 0 when none.
long long LeadingNumber(std::string_view s);
// Decimal text of a number.
Text NumberText(long long n);

// The ID of a display item: the text before the first "-", or the whole text.
Text ItemId(std::string_view item);

// GBK <-> UTF-8 through iconv. Bytes that cannot be converted become "?".
std::string GbkToUtf8(std::string_view gbk);
Text Utf8ToGbk(std::string_view utf8);

// A UTF-8 literal of the source, as GBK. Intended for constants converted once:
//   static const Text kUnknown = Gbk("-未知");
inline Text Gbk(std::string_view utf8) { return Utf8ToGbk(utf8); }

}  // namespace qm

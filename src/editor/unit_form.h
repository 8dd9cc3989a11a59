// The text rules of the unit form that need no widgets: the country table, owner and
// prerequisite pieces, and the names the prerequisite explanation shows. GBK texts throughout.
#pragma once

#include <array>

#include "store/gbk_text.h"

namespace qm {

// The ten countries that have a check box, in the order their IDs appear in an owner text.
struct CountryEntry {
    const char* id;   // the country ID of the rules file
    const char* box;  // objectName of its check box (UTF-8)
};
inline constexpr std::array<CountryEntry, 10> kCountryTable{{
    {"Arabs", "选择_利比亚"},
    {"Confederation", "选择_古巴"},
    {"Africans", "选择_伊拉克"},
    {"Alliance", "选择_韩国"},
    {"YuriCountry", "选择_尤里"},
    {"British", "选择_英国"},
    {"Germans", "选择_德国"},
    {"French", "选择_法国"},
    {"Americans", "选择_美国"},
    {"Russians", "选择_苏联"},
}};

// The pieces of a comma list (an owner or a prerequisite text), each trimmed of blanks; pieces
// that are empty after trimming are left out.
TextList ListPieces(const Text& list);

// The prerequisite text without its index-th piece (counted as ListPieces counts them); every
// other piece keeps its bytes. An index past the last piece gives the text unchanged.
Text RemoveListPiece(const Text& list, size_t index);

// The name part of a display item: the text between its first and second "-" (to the end
// when there is no second "-"); empty when the item has no "-".
Text ItemName(const Text& item);

// The Chinese name of a prerequisite: the name part of the last building item whose text
// contains id (letter case significant), "未知" when that part is empty or no item contains id.
Text PrerequisiteName(const TextList& buildingList, const Text& id);

}  // namespace qm

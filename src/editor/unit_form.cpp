#include "editor/unit_form.h"

namespace qm {

TextList ListPieces(const Text& list) {
    TextList pieces;
    for (const Text& raw : SplitText(list, ",")) {
        Text piece = TrimBlanks(raw);
        if (!piece.empty()) pieces.push_back(std::move(piece));
    }
    return pieces;
}

Text RemoveListPiece(const Text& list, size_t index) {
    TextList raw = SplitText(list, ",");
    size_t seen = 0;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (TrimBlanks(raw[i]).empty()) continue;
        if (seen++ == index) {
            raw.erase(raw.begin() + static_cast<std::ptrdiff_t>(i));
            return JoinText(raw, ",");
        }
    }
    return list;
}

Text ItemName(const Text& item) {
    const size_t first = FindBytes(item, "-");
    if (first == std::string::npos) return {};
    const size_t second = FindBytes(item, "-", first + 1);
    return item.substr(first + 1, second == std::string::npos ? Text::npos : second - first - 1);
}

Text PrerequisiteName(const TextList& buildingList, const Text& id) {
    static const Text kUnknown = Gbk("未知");
    const Text* found = nullptr;
    Text name;
    for (const Text& item : buildingList) {
        if (!ContainsText(item, id)) continue;
        found = &item;
    }
    if (found) name = ItemName(*found);
    return name.empty() ? kUnknown : name;
}

}  // namespace qm

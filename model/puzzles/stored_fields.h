#pragma once
// Puzzles, the puzzle history and the practice list are stored as text: entries and fields
// joined by separators. Reading them splits on a separator; an empty text has no fields.
#include <string_view>
#include <vector>

namespace circumvia {

inline std::vector<std::string_view> SplitFields(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    if (text.empty()) return parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

}  // namespace circumvia

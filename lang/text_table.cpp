#include "text_table.h"

#include <charconv>

namespace circumvia::lang {

extern const std::string_view kTextsTsv;  // generated from named_texts.tsv

TextTable TextTable::Parse(std::string_view tsv) {
    TextTable table;
    while (!tsv.empty()) {
        const std::size_t end = tsv.find('\n');
        std::string_view line = tsv.substr(0, end);
        tsv = end == std::string_view::npos ? std::string_view{} : tsv.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::size_t tab = line.find('\t');
        if (line.empty() || line.front() == '#' || tab == std::string_view::npos) continue;
        int number = 0;
        const auto [ptr, error] = std::from_chars(line.data(), line.data() + tab, number);
        if (error != std::errc{} || ptr != line.data() + tab) continue;
        table.texts_[number] = std::string(line.substr(tab + 1));
    }
    return table;
}

const std::string& TextTable::Get(int number) const {
    static const std::string kEmpty;
    const auto it = texts_.find(number);
    return it == texts_.end() ? kEmpty : it->second;
}

const TextTable& BuiltInTexts() {
    static const TextTable table = TextTable::Parse(kTextsTsv);
    return table;
}

}  // namespace circumvia::lang

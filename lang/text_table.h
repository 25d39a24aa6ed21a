#pragma once
// The numbered texts of the program: messages and control captions in four languages.

#include <map>
#include <string>
#include <string_view>

namespace circumvia::lang {

class TextTable {
public:
    // Lines "number<TAB>text"; '#' starts a comment line. Texts are kept exactly,
    // trailing blanks included.
    static TextTable Parse(std::string_view tsv);

    // The text stored under the number; the empty text when there is none.
    const std::string& Get(int number) const;
    // Whether a text is stored under the number (an empty text counts).
    bool Contains(int number) const { return texts_.count(number) != 0; }
    std::size_t size() const { return texts_.size(); }

private:
    std::map<int, std::string> texts_;
};

// The table compiled into the program.
const TextTable& BuiltInTexts();

}  // namespace circumvia::lang

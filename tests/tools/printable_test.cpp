#include "tools/cli/printable.h"

#include <gtest/gtest.h>

namespace circumvia::cli {
namespace {

TEST(Printable, EscapesControlsAndBrokenBytesAndKeepsEveryOtherCharacter) {
    const struct {
        std::string_view text;
        std::string_view printed;
    } cases[] = {
        {"Zo\u00e9 \u4e2d\U0001F600", "Zo\u00e9 \u4e2d\U0001F600"},  // kept as they are
        {"a\nb\rc\td", "a\\nb\\rc\\td"},
        {"\x1b[31m", "\\x1b[31m"},
        {std::string_view("\0\x7f", 2), "\\x00\\x7f"},
        {"back\\slash", "back\\\\slash"},
        {"\u0085\u009b\u00a0", "\\u0085\\u009b\u00a0"},  // C1 controls; NBSP is text
        {"\x9b"
         "2J",
         "\\x9b2J"},                          // a stray byte, not UTF-8
        {"\xc3", "\\xc3"},                    // a truncated sequence
        {"\xc0\xaf", "\\xc0\\xaf"},           // overlong
        {"\xed\xa0\x80", "\\xed\\xa0\\x80"},  // a surrogate
        {"\u202aa\u202eb\u2066c\u2069", "\\u202aa\\u202eb\\u2066c\\u2069"},  // bidi controls
        {"\u2029\u206a", "\u2029\u206a"},  // their neighbours are text
    };
    for (const auto& c : cases) EXPECT_EQ(Printable(c.text), c.printed) << c.text;
}

}  // namespace
}  // namespace circumvia::cli

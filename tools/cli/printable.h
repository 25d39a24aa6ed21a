#pragma once
// Texts from files and arguments made safe to print one value per line: nothing in them
// can start a new line or reach the terminal as a control sequence.

#include <string>
#include <string_view>

namespace circumvia::cli {

// The text with every control character escaped: \n, \r, \t, \\ for a backslash,
// \xHH for the other C0 controls, DEL and bytes that are not valid UTF-8, \u00HH for
// the C1 controls U+0080..U+009F, \uHHHH for the bidirectional embeddings, overrides and
// isolates (U+202A..U+202E, U+2066..U+2069). Everything else is kept as it is.
std::string Printable(std::string_view text);

}  // namespace circumvia::cli

#pragma once
// The 20-character settings text kept between runs:
//   1 sound ("1" on), 2 textures ("1" on), 3 language letter, 4 show possible moves ("1" on),
//   5 view at start ("2" top view, anything else perspective), 6..20 unused ("0").

#include <string>
#include <string_view>

namespace circumvia::control {

inline constexpr std::size_t kSettingsTextLength = 20;

struct SettingsOptions {
    bool sound = true;
    bool textures = true;
    char language = 'F';  // 'F', 'A', 'E' or 'D'
    bool show_possible_moves = true;
    bool top_view = false;
};

// "11F13000000000000000" with the locale's language letter as character 3.
std::string DefaultSettingsText(char locale_language);

// Reads a stored text (UTF-8). A text shorter than five characters takes each missing
// character from the default text, and so does any character that is not printable ASCII
// (none of the values is written with one), so an old or damaged value still yields the
// locale's language and the designed options instead of switching them off. Any other
// language letter than 'A', 'E' or 'D' means French.
SettingsOptions ParseSettingsText(std::string_view text, char locale_language);

// The text written at close: all 20 characters, view as "2" or "3".
std::string SettingsTextFor(const SettingsOptions& options);

}  // namespace circumvia::control

#include "control/settings/settings_text.h"

#include "model/text_encoding.h"

namespace circumvia::control {

std::string DefaultSettingsText(char locale_language) {
    std::string text = "11F13000000000000000";
    text[2] = locale_language;
    return text;
}

SettingsOptions ParseSettingsText(std::string_view stored, char locale_language) {
    std::string text = DefaultSettingsText(locale_language);
    // Counted in characters, not bytes, so a multi-byte character cannot shift the others.
    const std::u32string characters = DecodeUtf8(stored);
    for (std::size_t i = 0; i < std::min(characters.size(), text.size()); ++i) {
        if (characters[i] >= U' ' && characters[i] <= U'~') {
            text[i] = static_cast<char>(characters[i]);
        }
    }
    SettingsOptions options;
    options.sound = text[0] == '1';
    options.textures = text[1] == '1';
    const char language = text[2];
    options.language = (language == 'A' || language == 'E' || language == 'D') ? language : 'F';
    options.show_possible_moves = text[3] == '1';
    options.top_view = text[4] == '2';
    return options;
}

std::string SettingsTextFor(const SettingsOptions& options) {
    std::string text(kSettingsTextLength, '0');
    text[0] = options.sound ? '1' : '0';
    text[1] = options.textures ? '1' : '0';
    text[2] = options.language;
    text[3] = options.show_possible_moves ? '1' : '0';
    text[4] = options.top_view ? '2' : '3';
    return text;
}

}  // namespace circumvia::control

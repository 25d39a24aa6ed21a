#include "language.h"

#include "text_table.h"

namespace circumvia::lang {

namespace {
char g_languageCode = 'F';  // before the locale is asked, the program speaks French

int MessageOffset(char code) {
    switch (code) {
        case 'A':
            return 100;
        case 'E':
            return 200;
        case 'D':
            return 300;
        default:
            return 0;
    }
}
}  // namespace

char LanguageCode() {
    return g_languageCode;
}
void SetLanguageCode(char code) {
    g_languageCode = code;
}

std::string LoadText(int message) {
    return BuiltInTexts().Get(message + MessageOffset(g_languageCode));
}

int CaptionBaseFor(char code) {
    return 1000 + 10 * MessageOffset(code);
}
int CaptionBase() {
    return CaptionBaseFor(g_languageCode);
}

std::string Caption(int number) {
    return BuiltInTexts().Get(number);
}

char LanguageFromAbbreviation(std::string_view name) {
    const std::string_view language = name.substr(0, 2);
    if (language == "EN") return 'A';
    if (language == "FR") return 'F';
    if (language == "DE") return 'D';
    if (language == "ES") return 'E';
    return 'A';
}

}  // namespace circumvia::lang

#pragma once
// The program-wide language and the two ways of turning a number into a text.
//
// Language letters: 'F' French, 'A' English, 'E' Spanish, 'D' German; any other
// letter reads as French.

#include <string>
#include <string_view>

namespace circumvia::lang {

char LanguageCode();
void SetLanguageCode(char code);

// Message n (1..99) in the current language: stored under n + 0, 100, 200 or 300.
std::string LoadText(int message);

// 1000, 2000, 3000 or 4000: captions are numbered CaptionBase() + k.
int CaptionBase();
int CaptionBaseFor(char code);

// The text stored under a caption number, as it stands (no language offset).
std::string Caption(int number);

// Language letter for a locale's two-letter language name, compared exactly:
// "EN" English, "FR" French, "DE" German, "ES" Spanish, anything else English.
char LanguageFromAbbreviation(std::string_view name);

// Sets LanguageCode from the system's locale.
void LanguageFromLocale();

}  // namespace circumvia::lang

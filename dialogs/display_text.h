#pragma once
// Names and paths as the program shows them: whole up to a length, their middle given
// way beyond it, and always as plain text, never read as markup.

#include <QString>
#include <string>
#include <string_view>

class QLabel;
class QMessageBox;

namespace circumvia::dialogs {

// Player names longer than this are shown shortened (the game keeps them whole).
inline constexpr int kLongestShownName = 64;

// `utf8` as text of at most `max_chars` characters: a longer one keeps its start and end
// around "…". Only the kept ends are copied, so a name of megabytes costs nothing.
std::string ShortenedUtf8(std::string_view utf8, int max_chars);
QString ShortenedText(std::string_view utf8, int max_chars);

// A player's name as the window shows it: shortened, its line and paragraph separators
// (which would break a status line or a header) turned into spaces.
QString ShownName(std::string_view utf8);
std::string ShownNameUtf8(std::string_view utf8);
// The same name for a sentence of the program's own: a name that could reorder the words
// around it (right-to-left letters, an unclosed override) is set apart in a bidirectional
// isolate, so that only the name reads right to left.
std::string NameInTextUtf8(std::string_view utf8);

// Widgets that would guess rich text from what they show told to show it as it is. A
// message box is told once its informative text is set.
void ShowAsPlainText(QLabel& label);
void ShowAsPlainText(QMessageBox& box);

}  // namespace circumvia::dialogs

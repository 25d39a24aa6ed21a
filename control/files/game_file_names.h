#pragma once
// Names around the game files: the dialogs' filters, the name a dialog returned made into
// a full path, the window caption that follows the game's file, and the command line.

#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>

namespace circumvia::control {

// The dialogs' default extension, added to a name typed without one.
inline constexpr char kGameFileExtension[] = "Cva";
// The text record's extension, offered beside the game file's.
inline constexpr char kGameTextExtension[] = "cvn";

// A filter text of the form "description|pattern|description|pattern" as a file dialog's
// list of filters ("description (patterns)" each). Each pattern is offered in its own
// spelling and in lower and upper case, since file names are case-sensitive here and a
// game may be called "partie.cva".
QStringList DialogFilters(const std::string& filter_text);
// The open and save dialogs' filters: the designed ones, then the text record's; the open
// dialog ends with both formats at once.
QStringList OpenDialogFilters();
QStringList SaveDialogFilters();
// The extension a save dialog adds to a bare name under `filter`: the text record's for its
// own filter, else the game file's.
QString DefaultSuffixFor(const QString& filter);

// A name as a full path (relative names are taken from the current working directory).
std::filesystem::path FullPathOf(const QString& name);
// The name a dialog returned (or the user typed) as a full path, with ".Cva" added when
// the name has no extension.
std::filesystem::path GamePathFromChoice(const QString& chosen);

// The window caption for a game whose FileName is `file_name`: the program's name alone
// for a game never saved or opened, else the program's name and the file's full path.
QString FileCaption(const std::string& file_name);

// A path as the user reads it, and a user's name as a path (file names are bytes here).
QString ShownPath(const std::filesystem::path& path);
std::filesystem::path PathOf(const QString& name);

// The game's command line (after Qt took its own options): at most one game file.
struct CommandLine {
    QString game_file;  // empty: start with a new game
    QString error;      // non-empty: a wrong argument, said in one line
};
CommandLine ParseCommandLine(const QStringList& arguments);

// The arguments less the options Qt's application object takes for itself (-platform NAME,
// -style=NAME, -reverse, ...), so that the command line can be checked before that object
// exists: creating it without a display ends the program.
QStringList WithoutQtOptions(const QStringList& arguments);

}  // namespace circumvia::control

#pragma once
// The game as text between the window and the rest of the desktop: Edit > Copy the game as
// text and Paste a game through the clipboard, and the notice, given once, that a game file
// keeps the line on the board alone. A text that cannot be read is refused with its line and
// column, and the game on the board stays as it was. It reaches the window only through
// GameExchangeHost.

#include <QString>
#include <filesystem>
#include <functional>

#include "model/game_text.h"
#include "model/tjeu.h"

namespace circumvia::control {

class SettingsStore;

class GameExchangeHost {
public:
    virtual ~GameExchangeHost() = default;

    virtual const Tjeu& ExchangedGame() const = 0;
    // Asks before the game on the board is dropped (a rated game, unsaved moves); false
    // keeps it.
    virtual bool MayReplaceGame() = 0;
    // Puts `game` on the board in place of the one there, as an opened file is; `saved`
    // false marks it as not saved yet.
    virtual void ReplaceGame(Tjeu game, bool saved) = 0;
    // A message with an OK button; `detail` under it.
    virtual void TellUser(const QString& text, const QString& detail) = 0;
    virtual void ShowStatus(const QString& text) = 0;
};

// The clipboard's text, read and written; tests supply their own.
struct ClipboardText {
    std::function<QString()> read;
    std::function<void(const QString&)> write;
};
ClipboardText SystemClipboard();

class GameExchange {
public:
    GameExchange(GameExchangeHost& host, SettingsStore& settings,
                 ClipboardText clipboard = SystemClipboard());

    // The whole tree, comments and marks as game text on the clipboard.
    void CopyAsText();
    // The clipboard's game text in place of the game on the board, once the player agrees
    // to drop it; refused with the line and column of its fault otherwise.
    void Paste();
    // After the game was saved to `path`: the first time ever that a game file drops a
    // variation, a comment or a mark, the player is told that only the text keeps them.
    void Saved(const std::filesystem::path& path);

private:
    GameExchangeHost& host_;
    SettingsStore& settings_;
    ClipboardText clipboard_;
};

// "The game text cannot be read at line L, column C: <fault>." in the current language.
QString TextFaultMessage(const GameTextError& error);
// What a game written now keeps beyond the game: today's date.
GameTextTags TagsForNow();

}  // namespace circumvia::control

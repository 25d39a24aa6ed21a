#pragma once
// A game kept in either of its forms: the game file (".Cva", the line on the board in the
// designed format) or the text record (".cvn", the whole tree). Opening and pasting read into
// a copy, so a file or a text that cannot be read leaves the game as it was.

#include <filesystem>
#include <string_view>

#include "model/file_io.h"
#include "model/game_text.h"
#include "model/tjeu.h"

namespace circumvia {

enum class OpenOutcome {
    kOpened,
    kCannotRead,   // missing, not permitted, not a regular file
    kDamagedFile,  // a game file that is not the format
    kTextFault,    // a text the reader refused: `text` says where and why
};

struct OpenedGame {
    OpenOutcome outcome = OpenOutcome::kCannotRead;
    GameTextError text;
    explicit operator bool() const { return outcome == OpenOutcome::kOpened; }
};

// Reads the game at `path` into `game` (FileName := the full path), only when all of it
// reads; else `game` is untouched. A ".cvn" name is a text record; any other name is read by
// its content: a game file begins with a value's type byte, a text with a printable one.
OpenedGame OpenGame(Tjeu& game, const std::filesystem::path& path);

// Writes `game` to `path`: the whole tree as text for a ".cvn" name, else the game file
// (SaveGameFile). On success FileName := the full path; on failure nothing changes.
WriteResult SaveGameAs(Tjeu& game, const std::filesystem::path& path,
                       const GameTextTags& tags = {});

// A pasted text read into `game` only when all of it reads; the game has no file then.
GameTextError PasteGameText(Tjeu& game, std::string_view text);

// A game file would lose part of the game: a variation, a comment or a mark.
bool GameFileLosesPart(const Tjeu& game);

}  // namespace circumvia

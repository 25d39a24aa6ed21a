#pragma once
// The game a command reads: a game file (.Cva) or a text record (.cvn), by the name's
// extension, with the errors every command prints the same way.

#include <iosfwd>
#include <string>

#include "model/game_text.h"
#include "model/tjeu.h"

namespace circumvia::cli {

// Reads `path` into `game`. Returns 0, or 1 after printing why not to `err`: a file that
// cannot be read, a damaged game file, or a text's fault with its line and column. `tags`
// gets what a text keeps beyond the game, or a game file's stored file name.
int ReadGameInput(const std::string& path, Tjeu& game, std::ostream& err,
                  GameTextTags* tags = nullptr);

}  // namespace circumvia::cli

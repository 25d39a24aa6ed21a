#pragma once
// The --save option of the commands that play games.

#include <iosfwd>
#include <string>

#include "model/tjeu.h"

namespace circumvia::cli {

// Saves the game to `path` unless it is empty. Returns the exit status: 0, or 1 with a
// message when the file cannot be written (the old file, if any, is then unchanged).
int SaveIfAsked(Tjeu& game, const std::string& path, std::ostream& err);

}  // namespace circumvia::cli

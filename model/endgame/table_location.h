#pragma once
// Where the endgame table lives: in the user's data folder, where the program builds it,
// or in the system's data folders, where a package installs it.

#include <filesystem>
#include <optional>
#include <vector>

namespace circumvia::endgame {

// $XDG_DATA_HOME/circumvia/endgame, by default ~/.local/share/circumvia/endgame.
std::filesystem::path UserTableFolder();

// The user's folder, then circumvia/endgame in each of $XDG_DATA_DIRS (by default
// /usr/local/share and /usr/share).
std::vector<std::filesystem::path> TableSearchFolders();

// The first folder holding a table, or nothing.
std::optional<std::filesystem::path> FindTableFolder();

}  // namespace circumvia::endgame

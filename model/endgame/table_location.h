#pragma once
// Where the endgame table lives: in the user's data folder, where `circumvia-cli endgame
// build` puts it, beside the program (share/circumvia/endgame next to its bin folder), where
// the build and the package put the table of up to five pieces, or in the system's data
// folders.

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

namespace circumvia::endgame {

class EndgameTable;

// $XDG_DATA_HOME/circumvia/endgame, by default ~/.local/share/circumvia/endgame.
std::filesystem::path UserTableFolder();

// The user's folder, the one beside the running program, then circumvia/endgame in each of
// $XDG_DATA_DIRS (by default /usr/local/share and /usr/share).
std::vector<std::filesystem::path> TableSearchFolders();

// Of `folders`, the one whose table is complete for the most pieces, the earliest on ties;
// nothing when none holds a table.
std::optional<std::filesystem::path> MostCompleteTableFolder(
    const std::vector<std::filesystem::path>& folders);

// The most complete table of the search folders, or nothing.
std::optional<std::filesystem::path> FindTableFolder();

// The table the program plays and reviews with: found once, on first use (a table built
// while the program runs serves from its next start); null when there is none.
std::shared_ptr<const EndgameTable> InstalledTable();

}  // namespace circumvia::endgame

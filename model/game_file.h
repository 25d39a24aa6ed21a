#pragma once
// Game files (".Cva"): the whole game as a typed value stream. The layout is described
// in docs/file-format.md.

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

#include "file_io.h"
#include "tjeu.h"
#include "value_stream.h"

namespace circumvia {

inline constexpr std::int32_t kGameFileFormat = 21;
// Far beyond any real game (a 100000-move game takes 4.4 MB) yet bounded, so a huge or
// endless file cannot exhaust memory.
inline constexpr std::size_t kMaxGameFileBytes = 16 * 1024 * 1024;

// Told every value LoadGame reads, in file order and before the value is checked, so a
// tool can show a file value by value, up to the point where it is damaged.
class GameFileListener {
public:
    virtual ~GameFileListener() = default;
    // `field` is one of: format, filename, side, depth, position, current, result,
    // red_name, red_pieces, red_kind, white_name, white_pieces, white_kind.
    virtual void Integer(std::string_view field, std::int32_t value) = 0;
    virtual void Text(std::string_view field, std::string_view text) = 0;
    // One record entry, once its four values are read.
    virtual void Entry(int index, std::string_view cells, std::int32_t mover, std::int32_t from,
                       std::int32_t to) = 0;
};

// Writes the game's values, entries 0..Current included.
void SaveGame(const Tjeu& game, ValueWriter& writer);
std::vector<std::uint8_t> GameFileBytes(const Tjeu& game);

// Reads a game into `game`, which the caller has reset. Returns false at a format error;
// the values read before it stay, except that Current is lowered to the last entry read
// completely, so that it always names an entry of the record. A player kind outside 0..5
// is a format error, and the depth is kept within 0..kDeepestSearch.
bool LoadGame(Tjeu& game, ValueReader& reader, GameFileListener* listener = nullptr);

enum class LoadOutcome { kLoaded, kCannotRead, kFormatError };

// The whole load as the open command does it: ResetGame, read the file, LoadGame, and
// on success FileName := the file's full path. After a format error the game stands at the
// last record entry read (board, side to move, pieces and result of that entry). A file above
// kMaxGameFileBytes, or anything that is not a regular file (a folder, a pipe, a device), is a
// format error.
LoadOutcome LoadGameFile(Tjeu& game, const std::filesystem::path& path,
                         GameFileListener* listener = nullptr);

// Saves the whole recorded game, as it stands at its last move whatever move is being looked
// at, so that the old file survives any failure (see ReplaceFileContents for what is
// refused); on success FileName := the file's full path, on failure FileName and the
// file are unchanged and the result holds the system's reason.
WriteResult SaveGameFile(Tjeu& game, const std::filesystem::path& path);

}  // namespace circumvia

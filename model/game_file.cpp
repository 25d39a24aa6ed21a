#include "game_file.h"

#include <algorithm>
#include <optional>
#include <string>
#include <system_error>

#include "file_io.h"
#include "position_text.h"
#include "record_review.h"
#include "text_encoding.h"

namespace circumvia {

namespace fs = std::filesystem;

namespace {

struct PlayerFields {
    Side side;
    std::string_view name;
    std::string_view pieces;
    std::string_view kind;
};

constexpr PlayerFields kPlayerFields[] = {
    {kRed, "red_name", "red_pieces", "red_kind"},
    {kWhite, "white_name", "white_pieces", "white_kind"},
};

// Entries store their side and cells as bytes, and the reader keeps the low byte.
constexpr int LowByte(std::int32_t value) {
    return static_cast<std::uint8_t>(value);
}
constexpr bool IsSideByte(int value) {
    return value == kRed || value == kWhite;
}
constexpr bool IsMoverByte(int value) {
    return value == 0 || IsSideByte(value);
}
constexpr bool IsCellOrNone(int value) {
    return value >= 0 && value <= kCellCount;
}

// A position text needs 36 characters; any beyond them are ignored. Characters are
// counted after decoding, so a non-ASCII character is one (empty) cell.
std::optional<Position> CellsFromText(std::string_view utf8) {
    const std::u32string characters = DecodeUtf8(utf8);
    if (characters.size() < kCellCount) return std::nullopt;
    std::string cells(kCellCount, '_');
    for (int i = 0; i < kCellCount; ++i) {
        if (characters[i] == U'R' || characters[i] == U'B') {
            cells[i] = static_cast<char>(characters[i]);
        }
    }
    return PositionFromText(cells);
}

std::string FullPath(const fs::path& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    return (error ? path : absolute.lexically_normal()).string();
}

class GameLoader {
public:
    GameLoader(Tjeu& game, ValueReader& reader, GameFileListener* listener)
        : game_(game), reader_(reader), listener_(listener) {}

    bool Load() {
        const bool ok = LoadHeader() && LoadPlayer(kPlayerFields[0]) &&
                        LoadPlayer(kPlayerFields[1]) && LoadRecord();
        if (!ok) game_.Current = std::min(game_.Current, last_entry_read_);
        game_.AdoptRecord();
        return ok;
    }

private:
    std::optional<std::int32_t> Integer(std::string_view field) {
        const auto value = reader_.ReadInteger();
        if (value && listener_) listener_->Integer(field, *value);
        return value;
    }

    std::optional<std::string> Text(std::string_view field) {
        auto text = reader_.ReadText();
        if (text && listener_) listener_->Text(field, *text);
        return text;
    }

    bool LoadHeader() {
        if (!Integer("format") || !Text("filename")) return false;
        const auto side = Integer("side");
        if (!side || !IsSideByte(LowByte(*side))) return false;
        game_.SideToMove = LowByte(*side);
        const auto depth = Integer("depth");
        if (!depth) return false;
        game_.Depth = std::clamp(*depth, 0, kDeepestSearch);
        const auto text = Text("position");
        const auto position = text ? CellsFromText(*text) : std::nullopt;
        if (!position) return false;
        game_.Pos = *position;
        const auto current = Integer("current");
        if (!current || *current < 0) return false;
        game_.Current = *current;
        const auto result = Integer("result");
        if (!result) return false;
        game_.Result = *result;
        return true;
    }

    bool LoadPlayer(const PlayerFields& fields) {
        Player& player = game_.Players[fields.side];
        auto name = Text(fields.name);
        if (!name) return false;
        player.Name = std::move(*name);
        const auto pieces = Integer(fields.pieces);
        if (!pieces) return false;
        player.Pieces = *pieces;
        // No save holds another kind, and the search would take one for a depth of its own.
        const auto kind = Integer(fields.kind);
        if (!kind || !IsPlayerKind(*kind)) return false;
        player.Kind = *kind;
        return true;
    }

    // The record grows as entries arrive rather than to Current + 2 at once, so a huge
    // Current costs nothing until the file really holds that many entries.
    bool LoadRecord() {
        for (int k = 0; k <= game_.Current; ++k) {
            while (game_.History.size() < static_cast<std::size_t>(k) + 2) game_.History.Grow();
            if (!LoadEntry(k)) return false;
            last_entry_read_ = k;
        }
        return true;
    }

    bool LoadEntry(int k) {
        const auto text = reader_.ReadText();
        const auto mover = text ? reader_.ReadInteger() : std::nullopt;
        const auto from = mover ? reader_.ReadInteger() : std::nullopt;
        const auto to = from ? reader_.ReadInteger() : std::nullopt;
        if (!to) return false;
        if (listener_) listener_->Entry(k, *text, *mover, *from, *to);
        const auto cells = CellsFromText(*text);
        if (!cells || !IsMoverByte(LowByte(*mover)) || !IsCellOrNone(LowByte(*from)) ||
            !IsCellOrNone(LowByte(*to))) {
            return false;
        }
        game_.History.Set(static_cast<std::size_t>(k),
                          HistoryEntry{*cells, static_cast<std::uint8_t>(LowByte(*mover)),
                                       static_cast<std::uint8_t>(LowByte(*from)),
                                       static_cast<std::uint8_t>(LowByte(*to))});
        return true;
    }

    Tjeu& game_;
    ValueReader& reader_;
    GameFileListener* listener_;
    int last_entry_read_ = 0;  // entry 0 is there from the reset even before it is read
};

// After a format error the game goes on from the last entry read: board, side to move,
// piece counts and result are those of that entry, as the counter and the record show it.
void SettleOnLastEntryRead(Tjeu& game) {
    const HistoryEntry& last = game.History[static_cast<std::size_t>(game.Current)];
    game.Pos = last.Cells;
    if (IsSideByte(last.Mover)) game.SideToMove = Opponent(last.Mover);
    game.EndTest();
    if (game.Current > 0 && last.Mover == 0) game.Result = kDrawn;  // the null move ends it
}

}  // namespace

void SaveGame(const Tjeu& game, ValueWriter& writer) {
    writer.WriteInteger(kGameFileFormat);
    writer.WriteText(game.FileName);
    writer.WriteInteger(game.SideToMove);
    writer.WriteInteger(game.Depth);
    writer.WriteText(PositionText(game.Pos));
    writer.WriteInteger(game.Current);
    writer.WriteInteger(game.Result);
    for (const PlayerFields& fields : kPlayerFields) {
        const Player& player = game.Players[fields.side];
        writer.WriteText(player.Name);
        writer.WriteInteger(player.Pieces);
        writer.WriteInteger(player.Kind);
    }
    for (int k = 0; k <= game.Current; ++k) {
        const HistoryEntry& entry = game.History[static_cast<std::size_t>(k)];
        writer.WriteText(PositionText(entry.Cells));
        writer.WriteInteger(entry.Mover);
        writer.WriteInteger(entry.From);
        writer.WriteInteger(entry.To);
    }
}

std::vector<std::uint8_t> GameFileBytes(const Tjeu& game) {
    ValueWriter writer;
    SaveGame(game, writer);
    return writer.Bytes();
}

bool LoadGame(Tjeu& game, ValueReader& reader, GameFileListener* listener) {
    return GameLoader(game, reader, listener).Load();
}

LoadOutcome LoadGameFile(Tjeu& game, const fs::path& path, GameFileListener* listener) {
    game.ResetGame();
    const FileContents contents = ReadWholeFile(path, kMaxGameFileBytes);
    if (contents.status == ReadStatus::kTooLarge || contents.status == ReadStatus::kNotRegular) {
        return LoadOutcome::kFormatError;
    }
    if (contents.status != ReadStatus::kOk) return LoadOutcome::kCannotRead;
    ValueReader reader(contents.bytes);
    if (!LoadGame(game, reader, listener)) {
        SettleOnLastEntryRead(game);
        return LoadOutcome::kFormatError;
    }
    game.FileName = FullPath(path);
    return LoadOutcome::kLoaded;
}

WriteResult SaveGameFile(Tjeu& game, const fs::path& path) {
    // Looking at an earlier move is no reason to lose the moves after it.
    WriteResult result = ReplaceFileContents(path, GameFileBytes(GameAtRecordEnd(game)));
    if (result) game.FileName = FullPath(path);
    return result;
}

}  // namespace circumvia

#pragma once
// The endgame table as the program reads it: a folder of material files, each opened and
// checked the first time a position of its material is asked for. A material whose file
// is missing or refused is simply not in the table; nothing else changes.

#include <array>
#include <atomic>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/endgame/endgame_value.h"
#include "model/endgame/table_file.h"
#include "model/move.h"

namespace circumvia::endgame {

struct MoveValue {
    Move move;
    EndgameValue value;  // for the side that plays it
};

class EndgameTable {
public:
    explicit EndgameTable(std::filesystem::path folder);
    ~EndgameTable();

    const std::filesystem::path& Folder() const { return folder_; }
    // The most pieces for which every material's file is there (0: none), as the folder
    // held them when the table was made; whether they are sound is known on first use.
    int Pieces() const { return pieces_; }

    // The value for `side` to move, when both sides have pieces and the material's file is
    // there and sound.
    std::optional<EndgameValue> Probe(const Position& position, Side side) const;
    std::optional<EndgameValue> Probe(SidesMasks position) const;

    // Every legal move of `side` with its value, in the order of ListAllMoves; empty when
    // the position is not in the table or a move leads out of it.
    std::vector<MoveValue> ProbeMoves(const Position& position, Side side) const;

    // The best move for the side to move: the soonest win, else a draw, else the longest
    // loss; the earlier move on ties. The null move when the position is not in the table.
    Move BestMove(const Position& position, Side side) const;

    // Files opened and refused so far, one line each.
    std::vector<std::string> Refusals() const;

private:
    // One material's file, opened on first use.
    struct OpenedFile {
        std::once_flag once;
        std::atomic<bool> tried{false};
        std::unique_ptr<MappedMaterial> table;
        std::unique_ptr<MaterialIndex> index;
        std::string refusal;
    };
    OpenedFile* Open(Material material) const;

    std::filesystem::path folder_;
    int pieces_ = 0;
    mutable std::array<std::array<OpenedFile, kMostPiecesPerSide + 1>, kMostPiecesPerSide + 1>
        materials_;
};

}  // namespace circumvia::endgame

#include "model/endgame/endgame_table.h"

#include <bit>

#include "model/movegen.h"

namespace circumvia::endgame {

namespace {

SidesMasks MasksOf(const Position& position, Side side) {
    SidesMasks masks;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const CellMask bit = CellMask{1} << (cell - 1);
        if (position[cell] == side) masks.own |= bit;
        if (position[cell] == Opponent(side)) masks.other |= bit;
    }
    return masks;
}

}  // namespace

EndgameTable::EndgameTable(std::filesystem::path folder) : folder_(std::move(folder)) {
    for (int total = 2; total <= kMostTablePieces; ++total) {
        for (int own = 1; own < total; ++own) {
            std::error_code error;
            if (!std::filesystem::is_regular_file(folder_ / MaterialFileName({own, total - own}),
                                                  error)) {
                return;
            }
        }
        pieces_ = total;
    }
}

EndgameTable::~EndgameTable() = default;

EndgameTable::OpenedFile* EndgameTable::Open(Material material) const {
    if (material.own < 1 || material.other < 1 || material.own > kMostPiecesPerSide ||
        material.other > kMostPiecesPerSide || material.own + material.other > kMostTablePieces) {
        return nullptr;
    }
    OpenedFile& file = materials_[material.own][material.other];
    std::call_once(file.once, [&] {
        file.table =
            MappedMaterial::Open(folder_ / MaterialFileName(material), material, file.refusal);
        if (file.table) file.index = std::make_unique<MaterialIndex>(material);
        file.tried = true;
    });
    return file.table ? &file : nullptr;
}

std::optional<EndgameValue> EndgameTable::Probe(SidesMasks position) const {
    const OpenedFile* file = Open({std::popcount(position.own), std::popcount(position.other)});
    if (!file) return std::nullopt;
    return ValueOf(file->table->At(file->index->SlotOf(position)));
}

std::optional<EndgameValue> EndgameTable::Probe(const Position& position, Side side) const {
    return Probe(MasksOf(position, side));
}

std::vector<MoveValue> EndgameTable::ProbeMoves(const Position& position, Side side) const {
    if (!Probe(position, side)) return {};
    std::vector<MoveValue> values;
    for (const Move& move : ListAllMoves(position, side)) {
        Position after = position;
        ApplyMoveTo(after, move);
        if (after.Count(Opponent(side)) == 0) {
            values.push_back({move, {Outcome::Win, 1}});
            continue;
        }
        const std::optional<EndgameValue> reply = Probe(after, Opponent(side));
        if (!reply) return {};
        values.push_back({move, ValueBefore(*reply)});
    }
    return values;
}

Move EndgameTable::BestMove(const Position& position, Side side) const {
    Move best;
    int best_preference = -1;
    for (const MoveValue& value : ProbeMoves(position, side)) {
        if (Preference(value.value) > best_preference) {
            best = value.move;
            best_preference = Preference(value.value);
        }
    }
    return best;
}

std::vector<std::string> EndgameTable::Refusals() const {
    std::vector<std::string> lines;
    for (int own = 1; own <= kMostPiecesPerSide; ++own) {
        for (int other = 1; own + other <= kMostTablePieces; ++other) {
            const OpenedFile& file = materials_[own][other];
            if (file.tried && !file.table && file.refusal != "missing") {
                lines.push_back(MaterialFileName({own, other}) + ": " + file.refusal);
            }
        }
    }
    return lines;
}

}  // namespace circumvia::endgame

#include "model/analysis/exact_judgement.h"

#include "model/endgame/endgame_table.h"

namespace circumvia {

std::optional<ExactJudgement> JudgeByTable(const endgame::EndgameTable& table,
                                           const Position& before, Side mover, Move played) {
    const auto best = table.Probe(before, mover);
    if (!best) return std::nullopt;
    for (const endgame::MoveValue& move : table.ProbeMoves(before, mover)) {
        if (move.move == played) return ExactJudgement{*best, move.value};
    }
    return std::nullopt;
}

MoveClass ExactClass(const ExactJudgement& judgement, bool forced, bool missed_win) {
    if (forced) return MoveClass::kForced;
    if (judgement.played.outcome != judgement.best.outcome) return MoveClass::kBlunder;
    if (missed_win) return MoveClass::kMissedWin;
    return judgement.played == judgement.best ? MoveClass::kBest : MoveClass::kGood;
}

}  // namespace circumvia

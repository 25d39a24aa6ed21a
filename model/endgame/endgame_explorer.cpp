#include "model/endgame/endgame_explorer.h"

#include <algorithm>

#include "model/movegen.h"
#include "model/tjeu.h"

namespace circumvia::endgame {

std::optional<Exploration> Explore(const EndgameTable& table, const Position& position, Side side) {
    const std::optional<EndgameValue> value = table.Probe(position, side);
    if (!value) return std::nullopt;
    Exploration exploration{*value, table.ProbeMoves(position, side)};
    // ProbeMoves is empty when a move leads out of the table, as well as without moves.
    if (exploration.moves.empty() && !ListAllMoves(position, side).empty()) return std::nullopt;
    // A capture that can go round either circuit is listed twice: the same move to a player.
    std::vector<MoveValue>& moves = exploration.moves;
    for (std::size_t k = moves.size(); k-- > 0;) {
        const auto same = [&](const MoveValue& other) { return other.move == moves[k].move; };
        if (std::find_if(moves.begin(), moves.begin() + static_cast<std::ptrdiff_t>(k), same) !=
            moves.begin() + static_cast<std::ptrdiff_t>(k)) {
            moves.erase(moves.begin() + static_cast<std::ptrdiff_t>(k));
        }
    }
    std::stable_sort(exploration.moves.begin(), exploration.moves.end(),
                     [](const MoveValue& a, const MoveValue& b) {
                         return Preference(a.value) > Preference(b.value);
                     });
    return exploration;
}

std::optional<Side> PracticeSide(EndgameValue value, Side to_move, bool won_side) {
    if (value.outcome == Outcome::Draw) return std::nullopt;
    const bool mover_wins = value.outcome == Outcome::Win;
    return mover_wins == won_side ? to_move : Opponent(to_move);
}

void SetUpPractice(Tjeu& game, Side learner) {
    const Position position = game.Pos;
    const Side to_move = game.SideToMove;
    game.ResetGame();
    game.Pos = position;
    game.History.Set(0, HistoryEntry{position, 0, 0, 0});
    game.Tree.Reset(game.History[0]);
    game.SideToMove = to_move;
    game.PlayerOf(learner).Kind = kHuman;
    game.PlayerOf(Opponent(learner)).Kind = kExpertLevel;
    game.EndTest();
}

}  // namespace circumvia::endgame

#include "model/review_lines.h"

#include "model/movegen.h"

namespace circumvia {

namespace {

// The main line's node at depth `depth`, or kNoNode when it is shorter.
int MainLineNode(const GameTree& tree, int depth) {
    int node = kRootNode;
    for (int k = 0; k < depth && node != kNoNode; ++k) node = tree.Node(node).FirstChild;
    return node;
}

}  // namespace

GameRecord MainLineRecord(const GameTree& tree) {
    GameRecord record;
    record.Set(0, tree.Node(kRootNode).Entry);
    std::size_t k = 1;
    for (int node = tree.Node(kRootNode).FirstChild; node != kNoNode;
         node = tree.Node(node).FirstChild, ++k) {
        while (record.size() <= k + 1) record.Grow();
        record.Set(k, tree.Node(node).Entry);
    }
    return record;
}

int MainLineShare(const Tjeu& game) {
    const std::vector<int>& line = game.Tree.Line();
    for (std::size_t k = 1; k < line.size(); ++k) {
        const int node = line[k];
        if (game.Tree.Node(game.Tree.Node(node).Parent).FirstChild != node) {
            return static_cast<int>(k) - 1;
        }
    }
    return static_cast<int>(line.size()) - 1;
}

bool OffersBetterLine(const MoveAnalysis& move) {
    const MoveClass shown = move.move_class;
    return (shown == MoveClass::kInaccuracy || shown == MoveClass::kMistake ||
            shown == MoveClass::kBlunder || shown == MoveClass::kMissedWin) &&
           !move.better_line.empty();
}

const MoveAnalysis* BetterLineAt(const GameAnalysis& main_line, const Tjeu& game) {
    const int number = game.Current;
    if (number < 1 || number > static_cast<int>(main_line.moves.size())) return nullptr;
    if (MainLineShare(game) < number) return nullptr;  // the board is in a variation
    const MoveAnalysis& move = main_line.moves[static_cast<std::size_t>(number - 1)];
    return OffersBetterLine(move) ? &move : nullptr;
}

int InsertBetterLine(Tjeu& game, const MoveAnalysis& move) {
    const int played = MainLineNode(game.Tree, move.number);
    if (move.better_line.empty() || played == kNoNode) return kNoNode;
    const HistoryEntry& entry = game.Tree.Node(played).Entry;
    if (entry.Mover != move.mover || entry.From != move.played.From || entry.To != move.played.To) {
        return kNoNode;
    }
    int node = game.Tree.Node(played).Parent;
    Position position = game.Tree.Node(node).Entry.Cells;
    Side side = move.mover;
    int first = kNoNode;
    for (const Move step : move.better_line) {
        ApplyMoveTo(position, step);
        node = game.Tree.AddChild(
            node, HistoryEntry{position, static_cast<std::uint8_t>(side), step.From, step.To});
        if (first == kNoNode) first = node;
        side = Opponent(side);
    }
    game.GoToNode(first);
    return first;
}

}  // namespace circumvia

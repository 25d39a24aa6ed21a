#include "model/record_review.h"

#include <algorithm>

#include "model/analysis/analysis_search.h"

namespace circumvia {

namespace {

// A side without moves ends the game with the null move: recorded without a mover, unlike a
// cleared entry, on a board that still holds pieces.
bool NullMoveFollows(const Tjeu& game, int last) {
    const auto after = static_cast<std::size_t>(last + 1);
    return after < game.History.size() &&
           game.History[after].Cells.Count(kRed) + game.History[after].Cells.Count(kWhite) > 0;
}

}  // namespace

int LastRecordedEntry(const Tjeu& game) {
    return RecordedMoveCount(game.History);
}

bool RecordFinished(const Tjeu& game) {
    const int last = LastRecordedEntry(game);
    if (NullMoveFollows(game, last)) return true;
    Tjeu end = game;
    ReviewGoTo(end, last);
    return end.Result != kInProgress;
}

namespace {

int MainLineEnd(const GameTree& tree) {
    int node = kRootNode;
    while (tree.Node(node).FirstChild != kNoNode) node = tree.Node(node).FirstChild;
    return node;
}

// The end test of the record, on a line of the tree: read in place, as a long game is
// asked this at every turn.
bool LineFinishedAt(const GameTree& tree, int node) {
    const TreeNode& last = tree.Node(node);
    if (node != kRootNode && !last.Entry.IsRecorded()) return true;  // the null move
    if (last.Entry.Cells.Count(kRed) == 0 || last.Entry.Cells.Count(kWhite) == 0) return true;
    if (tree.Depth(node) < kFirstRepetitionMove) return false;
    const Position& before_last = tree.Node(last.Parent).Entry.Cells;
    int seen = 0;
    for (int at = tree.Node(last.Parent).Parent; at != kNoNode; at = tree.Node(at).Parent) {
        seen += tree.Node(at).Entry.Cells == before_last;
    }
    return seen >= kRepetitionsForDraw;
}

}  // namespace

bool MainLineFinished(const Tjeu& game) {
    return LineFinishedAt(game.Tree, MainLineEnd(game.Tree));
}

bool AtMainLineEnd(const Tjeu& game) {
    return game.CurrentNode() == MainLineEnd(game.Tree);
}

void ReviewGoTo(Tjeu& game, int index) {
    const int entry = std::clamp(index, 0, LastRecordedEntry(game));
    const auto at = static_cast<std::size_t>(entry);
    game.Current = entry;
    game.Pos = game.History[at].Cells;
    if (entry > 0) {
        game.SideToMove = Opponent(game.History[at].Mover);
    } else if (game.History[1].IsRecorded()) {
        game.SideToMove = game.History[1].Mover;
    }
    game.EndTest();
}

Tjeu GameAtRecordEnd(const Tjeu& game) {
    const int last = LastRecordedEntry(game);
    const bool null_move = NullMoveFollows(game, last);
    if (game.Current >= (null_move ? last + 1 : last)) return game;
    Tjeu end = game;
    ReviewGoTo(end, last);
    if (null_move) {
        // Played again as it was recorded, so that entry, side and result match.
        const HistoryEntry& entry = game.History[static_cast<std::size_t>(last + 1)];
        end.ApplyMove(end.Pos, entry.From, entry.To);
    }
    return end;
}

std::vector<int> ReviewStops(const Tjeu& game) {
    std::vector<int> stops(static_cast<std::size_t>(LastRecordedEntry(game) + 1));
    for (std::size_t k = 0; k < stops.size(); ++k) stops[k] = static_cast<int>(k);
    return stops;
}

void TrimAnalysisToRecord(GameAnalysis& analysis, const GameRecord& record) {
    for (const MoveAnalysis& move : analysis.moves) {
        const auto at = static_cast<std::size_t>(move.number);
        const bool same = at < record.size() && record[at].IsRecorded() &&
                          record[at].Mover == move.mover && record[at].From == move.played.From &&
                          record[at].To == move.played.To;
        if (!same) {
            analysis.TruncateFrom(move.number);
            return;
        }
    }
}

bool IsMistake(const MoveAnalysis& move) {
    return move.move_class == MoveClass::kMistake || move.move_class == MoveClass::kBlunder ||
           move.move_class == MoveClass::kMissedWin;
}

std::optional<MoveAnalysis> ReviewOfMoveHere(const Tjeu& game, Move move, int depth) {
    Tjeu trial = game;
    const int before = trial.Current;
    trial.ApplyMove(trial.Pos, move.From, move.To);
    if (trial.Current != before + 1 || move.IsNull()) return std::nullopt;
    AnalysisSearch search;
    search.SetRecord(trial.History, 0);
    return AnalysePosition(search, trial.History, trial.Current,
                           HorizonDepth(depth, game.SideToMove), DefaultThresholds());
}

Move ReviewArrowAt(const GameAnalysis& analysis, int current) {
    const auto marked = [&](int number) -> const MoveAnalysis* {
        if (number < 1 || number > static_cast<int>(analysis.moves.size())) return nullptr;
        const MoveAnalysis& move = analysis.moves[static_cast<std::size_t>(number - 1)];
        return IsMistake(move) ? &move : nullptr;
    };
    if (const MoveAnalysis* next = marked(current + 1); next && next->best != next->played) {
        return next->best;
    }
    if (const MoveAnalysis* last = marked(current); last && !last->reply_line.empty()) {
        return last->reply_line.front();
    }
    return {};
}

int NextMistake(const GameAnalysis& analysis, int current, bool forward) {
    const auto is_next = [&](const MoveAnalysis& move) {
        return IsMistake(move) && (forward ? move.number > current : move.number < current);
    };
    if (forward) {
        const auto found = std::find_if(analysis.moves.begin(), analysis.moves.end(), is_next);
        return found == analysis.moves.end() ? -1 : found->number;
    }
    const auto found = std::find_if(analysis.moves.rbegin(), analysis.moves.rend(), is_next);
    return found == analysis.moves.rend() ? -1 : found->number;
}

}  // namespace circumvia

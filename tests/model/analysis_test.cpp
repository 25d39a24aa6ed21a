// The game review against a plain negamax: every value it reports is the value the
// literal reference search gives the same move, on games with wins, losses, repeated
// positions and a side left without moves; then classes on a known game, resuming an
// analysis, and cancelling one.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <random>
#include <thread>

#include "model/analysis/analysis_search.h"
#include "model/analysis/game_analysis.h"
#include "model/evaluation.h"
#include "model/position_text.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::PlayRandomGame;
using testing::RandomBoard;
using testing::ToReference;

struct ReferenceValue {
    Move move;
    int value = 0;
};

// The plain search's value of every move of move `number`'s position, in the rules' order:
// each move searched alone with a full window, with the running penalty the computer
// player gives it, and a move taking the last enemy piece a win, as at the search's root.
// Where the rules end the game drawn by repetition after the move or the reply (a position
// seen four times before, from move 6 on), the move is worth 0, or a loss when the reply
// can take the mover's last piece instead.
std::vector<ReferenceValue> ReferenceValues(reference::Game& g, int number, int depth) {
    const reference::Board before = g.history[static_cast<std::size_t>(number - 1)].cells;
    const int side = g.history[static_cast<std::size_t>(number)].mover;
    const int saved_current = g.current;
    g.current = number - 1;
    g.depth = depth;
    g.rootSide = side;
    long long penalty = 0;
    std::vector<ReferenceValue> values;
    const int opponent = side == kWhite ? kRed : kWhite;
    const bool drawn_now = number >= 6 && reference::RepetitionCount(g, before) >= 4;
    for (const auto& [from, to] : reference::ListAllMoves(before, side)) {
        reference::Board child = before;
        child[to] = child[from];
        child[from] = 0;
        const int sightings = reference::RepetitionCount(g, child);
        penalty += sightings;
        const bool wins = reference::Evaluate(child, side) == reference::kWin;
        int value = reference::kWin;
        if (!wins && (drawn_now || (number + 1 >= 6 && sightings >= 4))) {
            value = 0;
            for (const auto& [reply_from, reply_to] : reference::ListAllMoves(child, opponent)) {
                reference::Board after = child;
                after[reply_to] = after[reply_from];
                after[reply_from] = 0;
                if (!drawn_now && reference::Evaluate(after, opponent) == reference::kWin) {
                    value = reference::kLoss;
                }
            }
        } else if (!wins) {
            g.stack[1] = reference::Frame{child, from, to, opponent};
            reference::Move best{0, 0};
            int score = 0;
            reference::Search(g, 1, penalty, best, score, reference::kLoss, reference::kWin);
            value = -score;
        }
        values.push_back({testing::ToMove({from, to}), value});
    }
    g.current = saved_current;
    return values;
}

// The best value among a move's occurrences (two walks may capture the same piece).
int ValueOf(const std::vector<ReferenceValue>& values, Move move) {
    int best = reference::kLoss;
    for (const ReferenceValue& v : values) {
        if (v.move == move) best = std::max(best, v.value);
    }
    return best;
}

void ExpectSameValues(const Tjeu& game, reference::Game& oracle, int depth) {
    AnalysisSearch search;  // one engine for the whole game, as a worker uses it
    const int moves = RecordedMoveCount(game.History);
    ASSERT_GT(moves, 0);
    for (int number = 1; number <= moves; ++number) {
        const std::vector<ReferenceValue> expected = ReferenceValues(oracle, number, depth);
        const std::optional<MoveAnalysis> analysis =
            AnalysePosition(search, game.History, number, depth, DefaultThresholds());
        ASSERT_TRUE(analysis);
        const HistoryEntry& entry = game.History[static_cast<std::size_t>(number)];
        const Move played{entry.From, entry.To};
        const Position before = game.History[static_cast<std::size_t>(number - 1)].Cells;
        const Side enemy = Opponent(entry.Mover);
        const auto takes_last = [&](const ReferenceValue& v) {
            return before.Count(enemy) == 1 && before[v.move.To] == enemy;
        };
        int best = reference::kLoss;
        for (const ReferenceValue& v : expected) best = std::max(best, v.value);
        const bool win_at_hand = std::any_of(expected.begin(), expected.end(), takes_last);
        const bool forced = std::all_of(expected.begin(), expected.end(),
                                        [&](const auto& v) { return v.move == expected[0].move; });
        const std::string where = "move " + std::to_string(number) + " of " + PositionText(before);
        EXPECT_EQ(analysis->value_best, best) << where;
        EXPECT_EQ(analysis->value_played, ValueOf(expected, played)) << where;
        EXPECT_EQ(ValueOf(expected, analysis->best), best) << where;
        EXPECT_EQ(analysis->forced, forced) << where;
        EXPECT_EQ(analysis->missed_win, win_at_hand && !takes_last({played, 0})) << where;
    }
}

// Both games start from `start` with `side` to move.
void StartBoth(Tjeu& game, reference::Game& oracle, const Position& start, Side side) {
    game.Pos = start;
    game.SideToMove = side;
    game.History.Set(0, HistoryEntry{start, 0, 0, 0});
    oracle.pos = ToReference(start);
    oracle.sideToMove = side;
    oracle.history[0].cells = oracle.pos;
}

struct ValueCase {
    const char* name;
    int red = 12;  // pieces on a random board; 12 and 12 is the start position
    int white = 12;
    int random_moves = 0;
    int depth = 0;
};

TEST(AnalysisValues, EqualThePlainNegamaxOfEveryMove) {
    const ValueCase cases[] = {
        {"opening and middlegame, moves undone so positions repeat", 12, 12, 30, 2},
        {"three against three, searched deeper", 3, 3, 24, 3},
        {"two against two down to a win", 2, 2, 20, 4},
        {"one against two: losses and missed wins", 1, 2, 12, 4},
    };
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (unsigned seed = 1; seed <= 3; ++seed) {
            std::mt19937 rng(seed);
            Tjeu game;
            reference::Game oracle;
            const Position start =
                c.red == 12 ? Position::Start() : RandomBoard(rng, c.red, c.white);
            StartBoth(game, oracle, start, kRed);
            PlayRandomGame(rng, c.random_moves, game, oracle);
            ExpectSameValues(game, oracle, c.depth);
        }
    }
}

TEST(AnalysisValues, ASideWithoutMovesIsScoredAsItStands) {
    // White's one piece sits in a corner behind Red's pieces: Red's moves that keep it
    // shut in leave White without a move.
    Tjeu game;
    reference::Game oracle;
    Position start;
    for (int cell : {2, 7, 8, 36}) start[cell] = kRed;
    start[1] = kWhite;
    StartBoth(game, oracle, start, kRed);
    game.ApplyMove(game.Pos, 36, 30);
    reference::ApplyMove(oracle, oracle.pos, 36, 30);
    ExpectSameValues(game, oracle, 3);
}

// Red steps its last piece where White can take it; White then lets it live.
Tjeu GameWithABlunderAndAMissedWin() {
    Tjeu game;
    const Position start = *ParsePositionText("__B____R____________________________");
    game.Pos = start;
    game.History.Set(0, HistoryEntry{start, 0, 0, 0});
    game.ApplyMove(game.Pos, 8, 13);
    game.ApplyMove(game.Pos, 3, 2);
    return game;
}

TEST(AnalysisClasses, AKnownBlunderAndAKnownMissedWin) {
    AnalysisRun run;
    const GameAnalysis analysis = AnalyseGame(GameWithABlunderAndAMissedWin().History, run);
    ASSERT_EQ(analysis.moves.size(), 2u);
    const MoveAnalysis& blunder = analysis.moves[0];
    EXPECT_EQ(blunder.move_class, MoveClass::kBlunder);
    EXPECT_EQ(blunder.value_played, kLossScore);
    EXPECT_GT(blunder.value_best, kLossScore);
    const MoveAnalysis& missed = analysis.moves[1];
    EXPECT_EQ(missed.move_class, MoveClass::kMissedWin);
    EXPECT_EQ(missed.value_best, kWinScore);
    EXPECT_EQ(missed.best.To, 13);  // takes the piece
    const std::array<PlayerSummary, 3> summary = Summarise(analysis);
    EXPECT_EQ(summary[kRed].blunders, 1);
    EXPECT_EQ(summary[kRed].average_loss, blunder.loss);
    EXPECT_EQ(summary[kWhite].missed_wins, 1);
    // Why it was a blunder: White's reply takes the piece, and the game ends there.
    EXPECT_EQ(blunder.reply_line, (std::vector<Move>{Move{3, 13}}));
}

// The line after a quiet mistake runs on for three moves, by turns, each legal in its place.
TEST(AnalysisClasses, ThePunishingLineIsPlayableFromThePositionAfterTheMove) {
    const Tjeu game = testing::ComputerGame(1, 5, 4, 40);
    AnalysisRun run;
    run.depth = 3;
    const GameAnalysis analysis = AnalyseGame(game.History, run);
    int lines = 0;
    for (const MoveAnalysis& move : analysis.moves) {
        if (move.reply_line.empty()) continue;
        ++lines;
        Position position = game.History[static_cast<std::size_t>(move.number)].Cells;
        Side side = Opponent(move.mover);
        for (const Move reply : move.reply_line) {
            const Tlcoup legal = ListAllMoves(position, side);
            ASSERT_NE(std::find(legal.begin(), legal.end(), reply), legal.end()) << move.number;
            ApplyMoveTo(position, reply);
            side = Opponent(side);
        }
        EXPECT_TRUE(move.reply_line.size() == 3 || position.Count(move.mover) == 0) << move.number;
    }
    EXPECT_GT(lines, 0) << "a level-1 player makes mistakes";
}

// A computer game long enough to be worth cancelling.
Tjeu LongGame() {
    return testing::ComputerGame(5, 4, 3, 60);
}

TEST(AnalysisRuns, ResumingAfterATruncationGivesTheFreshAnalysis) {
    const Tjeu game = LongGame();
    AnalysisRun run;
    run.depth = 3;
    run.threads = 2;
    const GameAnalysis fresh = AnalyseGame(game.History, run);
    ASSERT_EQ(static_cast<int>(fresh.moves.size()), RecordedMoveCount(game.History));
    GameAnalysis resumed = fresh;
    resumed.TruncateFrom(20);
    ASSERT_EQ(resumed.moves.size(), 19u);
    run.threads = 1;
    EXPECT_TRUE(ExtendAnalysis(game.History, resumed, run));
    EXPECT_EQ(resumed.moves, fresh.moves);
}

int ThreadCount() {
    const auto tasks = std::filesystem::directory_iterator("/proc/self/task");
    return static_cast<int>(std::distance(tasks, std::filesystem::directory_iterator{}));
}

TEST(AnalysisRuns, CancelStopsEveryWorkerAndKeepsAnUnbrokenStart) {
    const Tjeu game = LongGame();
    // A sanitizer starts a helper thread of its own with the first thread: one thread
    // started and joined first gets it counted before.
    std::thread([] {}).join();
    const int threads_before = ThreadCount();
    std::atomic<bool> cancel{false};
    bool progress_on_caller = true;
    AnalysisRun run;
    run.depth = 7;
    run.threads = 2;
    run.cancel = &cancel;
    run.progress = [&, caller = std::this_thread::get_id()](int, int) {
        progress_on_caller = progress_on_caller && std::this_thread::get_id() == caller;
        cancel = true;
    };
    bool completed = true;
    const GameAnalysis analysis = AnalyseGame(game.History, run, &completed);
    EXPECT_FALSE(completed);
    EXPECT_TRUE(progress_on_caller);
    EXPECT_EQ(ThreadCount(), threads_before);
    EXPECT_LT(analysis.moves.size(), 60u);
    for (std::size_t i = 0; i < analysis.moves.size(); ++i) {
        EXPECT_EQ(analysis.moves[i].number, static_cast<int>(i) + 1);
    }
}

}  // namespace
}  // namespace circumvia

// The record against the literal reference: random games of every pairing of human and
// computer players, with moves, null moves, back and forward in random order. After every
// step the whole state must be identical, and the navigation queries must say exactly
// whether the step would change anything.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

#include "model/tjeu.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::FromReference;
using testing::Play;

void ExpectSameState(const Tjeu& game, const reference::Game& oracle) {
    ASSERT_EQ(game.Pos, FromReference(oracle.pos));
    ASSERT_EQ(game.SideToMove, oracle.sideToMove);
    ASSERT_EQ(game.Current, oracle.current);
    ASSERT_EQ(game.Result, oracle.result);
    ASSERT_EQ(game.Players[kRed].Pieces, oracle.pieces[kRed]);
    ASSERT_EQ(game.Players[kWhite].Pieces, oracle.pieces[kWhite]);
    ASSERT_EQ(game.History.size(), oracle.history.size());
    for (std::size_t k = 0; k < game.History.size(); ++k) {
        const HistoryEntry& entry = game.History[k];
        const reference::Entry& expected = oracle.history[k];
        ASSERT_EQ(entry.Cells, FromReference(expected.cells)) << k;
        ASSERT_EQ(entry.Mover, expected.mover) << k;
        ASSERT_EQ(entry.From, expected.from) << k;
        ASSERT_EQ(entry.To, expected.to) << k;
    }
    reference::Game back = oracle;
    reference::Game forward = oracle;
    ASSERT_EQ(game.CanStepBack(), reference::StepBack(back));
    ASSERT_EQ(game.CanStepForward(), reference::StepForward(forward));
}

// The designed overwrite, except that no line is thrown away: every move tried from a
// position is kept, literally, by the moves that led there. Playing the move recorded next
// keeps the record; any other goes on along the first move tried from each position reached.
class LineBook {
public:
    void Play(reference::Game& oracle, Move move) {
        const int before = oracle.current;
        const std::vector<reference::Entry> kept = oracle.history;
        reference::ApplyMove(oracle, oracle.pos, move.From, move.To);
        if (oracle.current == before) return;
        const auto at = static_cast<std::size_t>(oracle.current);
        const bool recorded_next = SameMove(kept[at], oracle.history[at]);
        std::vector<int> key = KeyBefore(oracle, oracle.current);
        std::vector<reference::Entry>& tried = next_[key];
        const reference::Entry& played = oracle.history[static_cast<std::size_t>(oracle.current)];
        if (std::none_of(tried.begin(), tried.end(),
                         [&](const reference::Entry& e) { return SameMove(e, played); })) {
            tried.push_back(played);
        }
        if (recorded_next) {
            std::copy(kept.begin() + oracle.current + 1, kept.end(),
                      oracle.history.begin() + oracle.current + 1);
            return;
        }
        for (auto k = static_cast<std::size_t>(oracle.current);; ++k) {
            Append(key, oracle.history[k]);
            const auto found = next_.find(key);
            if (found == next_.end()) break;
            oracle.history[k + 1] = found->second.front();
        }
    }

private:
    static bool SameMove(const reference::Entry& a, const reference::Entry& b) {
        return a.mover == b.mover && a.from == b.from && a.to == b.to;
    }
    static void Append(std::vector<int>& key, const reference::Entry& entry) {
        key.insert(key.end(), {entry.mover, entry.from, entry.to});
    }
    // The moves of entries 1 .. index - 1.
    static std::vector<int> KeyBefore(const reference::Game& oracle, int index) {
        std::vector<int> key;
        for (int k = 1; k < index; ++k) Append(key, oracle.history[static_cast<std::size_t>(k)]);
        return key;
    }

    std::map<std::vector<int>, std::vector<reference::Entry>> next_;
};

TEST(RecordAgainstReference, AgreesThroughRandomPlayAndNavigation) {
    std::mt19937 rng(31337);
    int steps = 0;
    for (int g = 0; g < 150; ++g) {
        Tjeu game;
        reference::Game oracle;
        LineBook lines;
        for (Side side : {kRed, kWhite}) {
            game.Players[side].Kind = oracle.kind[side] = static_cast<int>(rng() % 3);
        }
        for (int n = 0; n < 160; ++n, ++steps) {
            const unsigned action = rng() % 20;
            if (action < 2) {
                game.StepBack();
                reference::StepBack(oracle);
            } else if (action < 4) {
                game.StepForward();
                reference::StepForward(oracle);
            } else {
                const Tlcoup moves = ListAllMoves(game.Pos, game.SideToMove);
                Move move;  // the null move when there is none, and now and then anyway
                if (!moves.empty() && action != 4) move = moves[rng() % moves.size()];
                // Undoing one's own last step makes positions repeat.
                if (game.Current >= 2 && rng() % 2 == 0) {
                    const HistoryEntry& own = game.History[game.Current - 1];
                    const Move back{own.To, own.From};
                    if (std::find(moves.begin(), moves.end(), back) != moves.end()) move = back;
                }
                Play(game, move.From, move.To);
                lines.Play(oracle, move);
            }
            ExpectSameState(game, oracle);
            if (HasFatalFailure()) {
                ADD_FAILURE() << "game " << g << " step " << n;
                return;
            }
            ASSERT_EQ(game.RepetitionCount(game.Pos),
                      reference::RepetitionCount(oracle, oracle.pos));
        }
    }
    EXPECT_GT(steps, 10000);
}

}  // namespace
}  // namespace circumvia

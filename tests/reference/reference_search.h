#pragma once
// The game record and the computer player written out literally, one step of the rule
// text per line: 36-cell comparisons against every entry, a fresh move list per node,
// every piece rescanned per evaluation. Slow on purpose: it is the oracle the model's
// record, evaluation and search are compared with. It makes the same choices where the
// rules leave one open: a leaf score below the loss score is raised to it, StepBack lands
// only on a recorded move and StepForward only on a recorded entry.

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "tests/reference/reference_rules.h"

namespace reference {

using Move = std::pair<int, int>;      // (from, to); a 0 in either is the null move
using Draw = std::function<int(int)>;  // a uniform integer in 0..n-1

constexpr int kWin = 2147483647;
constexpr int kLoss = -2147483647;

struct Entry {
    Board cells{};
    int mover = 0;
    int from = 0;
    int to = 0;
    bool operator==(const Entry&) const = default;
};

struct Frame {
    Board cells{};
    int from = 0;
    int to = 0;
    int side = 0;
};

struct Game {
    Board pos{};
    int sideToMove = 1;
    int depth = 7;
    int current = 0;
    int result = 0;
    bool bothComputers = false;
    std::vector<Entry> history;
    int pieces[3] = {0, 12, 12};
    int kind[3] = {0, 0, 3};

    Frame stack[21];
    int rootSide = 0;
    long long nodes = 0;

    Game();  // a new game, as ResetGame leaves it
};

// Part of the record.
void ApplyMove(Game& g, Board& p, int from, int to);
void EndTest(Game& g);
int RepetitionCount(const Game& g, const Board& cells);
bool StepBack(Game& g);  // true when it changed something
bool StepForward(Game& g);

// The computer player.
int PieceValue(const Board& p, int a);
int Evaluate(const Board& p, int side);
void Search(Game& g, int L, long long penalty, Move& best, int& score, int alpha, int beta);
Move RandomMove(Game& g, const Draw& draw);
Move SuggestMove(Game& g, const Board& p, int side, int depth, const Draw& draw);
Move ComputerMove(Game& g, const Board& p, int side, const Draw& draw);

}  // namespace reference

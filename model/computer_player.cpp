// The computer player: the level rules around the search, proposals and random moves.
#include <algorithm>

#include "evaluation.h"
#include "expert/expert_search.h"
#include "tjeu.h"

namespace circumvia {

namespace {

// With two computer players, one search in this many is replaced by a random move.
constexpr int kBothComputersDraw = 21;
constexpr int kBothComputersEvery = 7;

// Level 5 searches this deep once both sides are down to kFewPieces - 1 pieces or fewer.
constexpr int kEndgameDepth = kDeepestSearch;
constexpr int kFewPieces = 4;

// A side more than this many pieces ahead plays a shallower search drawn at random.
constexpr int kComfortableLead = 3;

}  // namespace

// The level table. Draws are taken only where the table takes them, in its order, so a
// seeded game replays exactly.
int Tjeu::ChooseDepth(Side side, int balance, int red, int white) {
    const bool ahead = balance > kComfortableLead;
    switch (Players[side].Kind) {
        case 0:
        case 1:
            return balance < 0 ? 1 : Random.Draw(2);
        case 2:
            if (balance >= 0 && Random.Draw(3) == 0) return 0;
            return ahead ? Random.Draw(3) : 2;
        case 3:
            if (balance >= 0 && Random.Draw(4) == 0) return 0;
            return ahead ? Random.Draw(4) : 3;
        case 4: {
            const int depth = Current < 3 ? 0 : Current < 6 ? 2 : 3;
            return ahead ? Random.Draw(4) : depth;
        }
        case 5: {
            int depth = Current < 3 ? 0 : Current < 6 ? 2 : Current < 8 ? 3 : 4;
            if (ahead) depth = Random.Draw(5);
            if (red < kFewPieces && white < kFewPieces) depth = kEndgameDepth;
            return depth;
        }
        default:
            return Depth;
    }
}

Move Tjeu::ComputerMove(const Position& position, Side side) {
    if (side != kRed && side != kWhite) return kNullMove;
    if (Players[side].Kind == kExpertLevel) return ExpertMove(position, side);
    const int red = position.Count(kRed);
    const int white = position.Count(kWhite);
    const int balance = side == kWhite ? white - red : red - white;
    Random.Reseed();
    BothComputers = IsComputer(Players[kRed].Kind) && IsComputer(Players[kWhite].Kind);
    Engine.SetRoot(position, side);
    Depth = ChooseDepth(side, balance, red, white);
    if (BothComputers && Depth > 0 && Random.Draw(kBothComputersDraw) % kBothComputersEvery == 0) {
        Depth = 0;
    }
    Depth = std::clamp(Depth, 0, kMaxDepth);
    // Depth 0 is the level rules' random move; a search of depth 0 would still look one ply.
    return Depth == 0 ? RandomMove() : SearchFromRoot();
}

Move Tjeu::SuggestMove(const Position& position, Side side, int depth) {
    if (side != kRed && side != kWhite) return kNullMove;
    Engine.SetRoot(position, side);
    Depth = std::clamp(depth, 0, kMaxDepth);
    return SearchFromRoot();
}

Move Tjeu::ExpertMove(const Position& position, Side side) {
    expert::ExpertSearch search(Endgame);
    expert::ExpertLimits limits;
    limits.time = ExpertTime;
    limits.stop = Engine.StopFlag();
    const Move move = search.Choose(position, side, History, Current, limits);
    Depth = search.CompletedDepth();
    return move;
}

Move Tjeu::SearchFromRoot() {
    Engine.SetRecord(History, Current);
    Move best = kNullMove;
    int score = 0;
    Engine.Run(Depth, best, score);
    return best.IsNull() ? RandomMove() : best;
}

Move Tjeu::RandomMove() {
    std::array<Move, kMaxMoves> moves;
    const int count = Engine.RootMoves(moves);
    if (count == 0) return kNullMove;
    return moves[static_cast<std::size_t>(Random.Draw(count))];
}

}  // namespace circumvia

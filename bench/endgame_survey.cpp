// circumvia_endgame_survey [COUNT [SEED]]
//
// Level 5's endgame search, eight moves ahead (SuggestMove at depth 7), on COUNT positions
// with at most three pieces a side (default 1000), reached by random play from the start
// with the given seed (default 1). Each position is searched in a new game whose record
// holds only that position. Prints the processor time per search (maximum, 99th and 90th
// percentile, median), the node total and rate, and the slowest positions, which are the
// ones to add to the search benchmark. The maximum must stay well inside one 100 ms tick
// of the window's turn loop.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/movegen.h"
#include "model/position_text.h"
#include "model/tjeu.h"

namespace circumvia {
namespace {

constexpr int kEndgameDepth = 7;
constexpr int kMostPieces = 3;
constexpr int kMostPlies = 3000;  // a playout that has not thinned out by then starts again
constexpr int kSlowestShown = 8;

bool IsEndgame(const Position& p) {
    const int red = p.Count(kRed);
    const int white = p.Count(kWhite);
    return red >= 1 && white >= 1 && red <= kMostPieces && white <= kMostPieces;
}

// Random legal moves from the start, a random side first, until both sides are down to
// kMostPieces or fewer; false when a side loses its last piece or cannot move first.
bool PlayToEndgame(std::mt19937& rng, Position& p, Side& side) {
    p = Position::Start();
    side = rng() % 2 ? kRed : kWhite;
    for (int ply = 0; ply < kMostPlies; ++ply) {
        if (IsEndgame(p)) return true;
        if (p.Count(kRed) == 0 || p.Count(kWhite) == 0) return false;
        const Tlcoup moves = ListAllMoves(p, side);
        if (moves.empty()) return false;
        ApplyMoveTo(p, moves[rng() % moves.size()]);
        side = Opponent(side);
    }
    return false;
}

struct Searched {
    double ms = 0;
    std::int64_t nodes = 0;
    Position position;
    Side side = kRed;
};

double ProcessorMs() {
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

Searched Search(const Position& p, Side side) {
    auto game = std::make_unique<Tjeu>();
    game->Pos = p;
    game->SideToMove = side;
    game->History.Set(0, HistoryEntry{p, 0, 0, 0});
    game->Random.Seed(1);  // a search that finds no move falls back on a repeatable one
    const double start = ProcessorMs();
    game->SuggestMove(p, side, kEndgameDepth);
    return Searched{ProcessorMs() - start, game->Engine.Nodes, p, side};
}

int Run(int count, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<Searched> searched;
    while (static_cast<int>(searched.size()) < count) {
        Position p;
        Side side = kRed;
        if (PlayToEndgame(rng, p, side)) searched.push_back(Search(p, side));
    }
    std::sort(searched.begin(), searched.end(),
              [](const Searched& a, const Searched& b) { return a.ms > b.ms; });
    std::int64_t nodes = 0;
    double ms = 0;
    for (const Searched& s : searched) {
        nodes += s.nodes;
        ms += s.ms;
    }
    const auto at = [&](double fraction) {
        return searched[static_cast<std::size_t>(fraction * static_cast<double>(count - 1))].ms;
    };
    std::printf("positions %d seed %u depth %d\n", count, seed, kEndgameDepth);
    std::printf("max %.2f ms  p99 %.2f ms  p90 %.2f ms  median %.3f ms\n", at(0.0), at(0.01),
                at(0.1), at(0.5));
    std::printf("total nodes %lld in %.1f ms: %.0f nodes per second\n",
                static_cast<long long>(nodes), ms, ms > 0 ? 1000.0 * nodes / ms : 0.0);
    std::printf("slowest:\n");
    for (int k = 0; k < std::min(kSlowestShown, count); ++k) {
        const Searched& s = searched[static_cast<std::size_t>(k)];
        std::printf("  %8.2f ms %10lld nodes  %s %d\n", s.ms, static_cast<long long>(s.nodes),
                    PositionText(s.position).c_str(), s.side);
    }
    return 0;
}

}  // namespace
}  // namespace circumvia

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    if (argc > 3 || count < 1) {
        std::fprintf(stderr, "usage: circumvia_endgame_survey [COUNT [SEED]]\n");
        return 2;
    }
    return circumvia::Run(count, seed);
}

// circumvia_reference_speed [COUNT [SEED]]
//
// The search against the literal reference in tests/reference/, in one run of the same
// build on the same positions: COUNT middlegames searched at depth 3 (the hint) and COUNT
// endgames with at most three pieces a side at depth 7 (level 5), reached by random play
// from the start (defaults 60 and seed 1). Each search starts in a new game whose record
// holds only its position. Prints, per kind, the positions visited and the time each
// implementation took, and how many times faster the search is; exits with 1 if a chosen
// move or a node count differs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

#include "model/movegen.h"
#include "model/position_text.h"
#include "model/tjeu.h"
#include "tests/reference/reference_search.h"

namespace circumvia {
namespace {

struct Sample {
    Position position;
    Side side = kRed;
    int depth = 0;
};

// Random moves from the start, a random side first, until `done` holds; no sample when a
// side runs out of pieces or moves first.
template <typename Done>
bool PlayUntil(std::mt19937& rng, Done done, Sample& sample) {
    Position p = Position::Start();
    Side side = rng() % 2 ? kRed : kWhite;
    for (int ply = 0; ply < 3000; ++ply) {
        if (p.Count(kRed) == 0 || p.Count(kWhite) == 0) return false;
        if (done(p, ply)) {
            sample.position = p;
            sample.side = side;
            return true;
        }
        const Tlcoup moves = ListAllMoves(p, side);
        if (moves.empty()) return false;
        ApplyMoveTo(p, moves[rng() % moves.size()]);
        side = Opponent(side);
    }
    return false;
}

std::vector<Sample> Middlegames(std::mt19937& rng, int count) {
    std::vector<Sample> samples;
    while (static_cast<int>(samples.size()) < count) {
        const int plies = 10 + static_cast<int>(rng() % 30);
        Sample s;
        s.depth = 3;
        if (PlayUntil(
                rng, [plies](const Position&, int ply) { return ply == plies; }, s)) {
            samples.push_back(s);
        }
    }
    return samples;
}

std::vector<Sample> Endgames(std::mt19937& rng, int count) {
    const auto endgame = [](const Position& p, int) {
        return p.Count(kRed) <= 3 && p.Count(kWhite) <= 3;
    };
    std::vector<Sample> samples;
    while (static_cast<int>(samples.size()) < count) {
        Sample s;
        s.depth = 7;
        if (PlayUntil(rng, endgame, s)) samples.push_back(s);
    }
    return samples;
}

double Ms(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Totals {
    std::int64_t nodes = 0;
    double fast_ms = 0;
    double literal_ms = 0;
    bool same = true;
};

Totals Compare(const std::vector<Sample>& samples) {
    using Clock = std::chrono::steady_clock;
    Totals totals;
    for (const Sample& s : samples) {
        auto game = std::make_unique<Tjeu>();
        game->Random.Seed(1);
        const auto fast_start = Clock::now();
        const Move fast = game->SuggestMove(s.position, s.side, s.depth);
        totals.fast_ms += Ms(Clock::now() - fast_start);

        reference::Game oracle;
        reference::Board board{};
        for (int cell = 1; cell <= kCellCount; ++cell) board[cell] = s.position[cell];
        RandomSource draws;
        draws.Seed(1);
        const auto literal_start = Clock::now();
        const reference::Move literal = reference::SuggestMove(
            oracle, board, s.side, s.depth, [&draws](int n) { return draws.Draw(n); });
        totals.literal_ms += Ms(Clock::now() - literal_start);

        totals.nodes += game->Engine.Nodes;
        if (fast.From != literal.first || fast.To != literal.second ||
            game->Engine.Nodes != oracle.nodes) {
            std::printf("DIFFERENT: %s side %d depth %d\n", PositionText(s.position).c_str(),
                        s.side, s.depth);
            totals.same = false;
        }
    }
    return totals;
}

bool Report(const char* kind, const std::vector<Sample>& samples) {
    const Totals t = Compare(samples);
    std::printf(
        "%zu %s: %lld positions visited; search %.1f ms, literal %.1f ms: %.1f times "
        "faster\n",
        samples.size(), kind, static_cast<long long>(t.nodes), t.fast_ms, t.literal_ms,
        t.fast_ms > 0 ? t.literal_ms / t.fast_ms : 0.0);
    return t.same;
}

}  // namespace
}  // namespace circumvia

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 60;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    if (argc > 3 || count < 1) {
        std::fprintf(stderr, "usage: circumvia_reference_speed [COUNT [SEED]]\n");
        return 2;
    }
    std::mt19937 rng(seed);
    const auto middlegames = circumvia::Middlegames(rng, count);
    const auto endgames = circumvia::Endgames(rng, count);
    const bool same = circumvia::Report("middlegames at depth 3", middlegames) &
                      circumvia::Report("endgames at depth 7", endgames);
    return same ? 0 : 1;
}

// Micro-benchmarks of the computer player: move generation and evaluation on the packed
// board, and whole searches on the bench positions (the hint at depth 3 in middlegames,
// level 5's eight-move look-ahead in endgames).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "model/evaluation.h"
#include "model/position_text.h"
#include "model/tjeu.h"
#include "tools/cli/bench_positions.h"

namespace circumvia {
namespace {

struct Sample {
    Position position;
    Side side;
};

std::vector<Sample> Samples(std::string_view kind) {
    std::vector<Sample> samples;
    for (const cli::BenchPosition& bench : cli::BenchPositions()) {
        if (bench.kind == kind) samples.push_back({PositionFromText(bench.text), bench.side});
    }
    return samples;
}

void BM_PackedMoveGeneration(benchmark::State& state) {
    const std::vector<Sample> samples = Samples("middlegame");
    std::array<Move, kMaxMoves> moves;
    for (auto _ : state) {
        for (const Sample& s : samples) {
            benchmark::DoNotOptimize(
                PackedBoard::From(s.position).GenerateMoves(s.side, moves.data()));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(samples.size()));
}
BENCHMARK(BM_PackedMoveGeneration);

void BM_Evaluation(benchmark::State& state) {
    std::vector<PackedBoard> boards;
    for (const Sample& s : Samples("middlegame")) boards.push_back(PackedBoard::From(s.position));
    for (const Sample& s : Samples("endgame")) boards.push_back(PackedBoard::From(s.position));
    for (auto _ : state) {
        for (const PackedBoard& board : boards) benchmark::DoNotOptimize(Evaluate(board, kRed));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(boards.size()));
}
BENCHMARK(BM_Evaluation);

// One SuggestMove per iteration, each in a new game so that nothing is remembered from an
// earlier iteration.
void SearchSample(benchmark::State& state, const Sample& sample, int depth) {
    std::int64_t nodes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto game = std::make_unique<Tjeu>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(game->SuggestMove(sample.position, sample.side, depth));
        nodes += game->Engine.Nodes;
    }
    state.counters["nodes/s"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
    state.SetLabel(PositionText(sample.position));
}

// On sample number state.range(0) of `kind`.
void Search(benchmark::State& state, std::string_view kind, int depth) {
    SearchSample(state, Samples(kind).at(static_cast<std::size_t>(state.range(0))), depth);
}

void BM_HintInMiddlegame(benchmark::State& state) {
    Search(state, "middlegame", 3);
}
BENCHMARK(BM_HintInMiddlegame)->DenseRange(0, 11)->Unit(benchmark::kMillisecond);

void BM_LevelFiveEndgame(benchmark::State& state) {
    Search(state, "endgame", 7);
}
BENCHMARK(BM_LevelFiveEndgame)->DenseRange(0, 9)->Unit(benchmark::kMillisecond);

// The slowest of level 5's endgame searches among 10,000 endgames reached by random play
// (circumvia_endgame_survey 5000 1 and 5000 2), and the slowest of the first 1000.
const Sample kHardestEndgames[] = {
    {PositionFromText("____B__RR__B_______R_________B______"), kRed},  // 11.7 M positions
    {PositionFromText("_____R_B_B_R____________B__________R"), kRed},  // 10.5 M
    {PositionFromText("____B__B____R_________R__BR_________"), kRed},  // 7.7 M
    {PositionFromText("B____R__________R_____B___B________R"), kRed},  // 4.1 M
};

void BM_HardestRandomEndgame(benchmark::State& state) {
    SearchSample(state, kHardestEndgames[static_cast<std::size_t>(state.range(0))], 7);
}
BENCHMARK(BM_HardestRandomEndgame)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

void BM_OpeningDepth5(benchmark::State& state) {
    Search(state, "opening", 5);
}
BENCHMARK(BM_OpeningDepth5)->Arg(0)->Arg(6)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace circumvia

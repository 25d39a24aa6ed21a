// Micro-benchmarks of the move generator.
#include <benchmark/benchmark.h>

#include "model/movegen.h"
#include "model/position_text.h"

namespace circumvia {
namespace {

// A middlegame with open circuits.
const Position kMiddlegame = PositionFromText("B_B_BB_B__B___RB_R__B__R__R__RR__R_R");

void BM_GenerateAllMovesStart(benchmark::State& state) {
    const Position p = Position::Start();
    for (auto _ : state) {
        MoveList moves;
        GenerateAllMoves(p, kRed, moves);
        benchmark::DoNotOptimize(moves);
    }
}
BENCHMARK(BM_GenerateAllMovesStart);

void BM_GenerateAllMovesMiddlegame(benchmark::State& state) {
    for (auto _ : state) {
        MoveList moves;
        GenerateAllMoves(kMiddlegame, kRed, moves);
        benchmark::DoNotOptimize(moves);
    }
}
BENCHMARK(BM_GenerateAllMovesMiddlegame);

void BM_CapturePath(benchmark::State& state) {
    const Position p = PositionFromText("_R________________________________B_");
    for (auto _ : state) benchmark::DoNotOptimize(CapturePath(2, 35, p));
}
BENCHMARK(BM_CapturePath);

}  // namespace
}  // namespace circumvia

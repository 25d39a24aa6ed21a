// The game review's speed: a whole 60-move game between two level-5 players analysed at
// the default depth, positions spread over two worker threads (the speed goal is under
// two seconds on two cores), and over one for the cost per core; and long games at the
// shallowest depth, for the time's growth with the length.
#include <benchmark/benchmark.h>

#include <ctime>

#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

namespace circumvia {
namespace {

constexpr int kGameMoves = 60;
constexpr std::uint64_t kGameSeed = 1;  // a game that runs past 60 moves

GameRecord SixtyMoveGame() {
    Tjeu game;
    game.Players[kRed].Kind = kDesignedLevels;
    game.Players[kWhite].Kind = kDesignedLevels;
    game.Random.Seed(kGameSeed);
    while (game.Result == kInProgress && game.Current < kGameMoves) {
        const Move move = game.ComputerMove(game.Pos, game.SideToMove);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    return game.History;
}

// CPU time of the whole process, every thread included: on a shared machine the wall time
// depends on the other work, this does not.
double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_AnalyseSixtyMoveGame(benchmark::State& state) {
    const GameRecord record = SixtyMoveGame();
    AnalysisRun run;
    run.threads = static_cast<int>(state.range(0));
    int progress_reports = 0;
    run.progress = [&](int, int) { ++progress_reports; };
    const double cpu_before = ProcessSeconds();
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnalyseGame(record, run));
    }
    state.counters["cpu_s"] =
        benchmark::Counter(ProcessSeconds() - cpu_before, benchmark::Counter::kAvgIterations);
    state.counters["moves"] = RecordedMoveCount(record);
    state.counters["progress_reports"] =
        benchmark::Counter(progress_reports, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AnalyseSixtyMoveGame)
    ->Arg(2)
    ->Arg(1)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// A record of `moves` entries cycling through three full boards, so that every position
// repeats all along: the shape of the longest games, which live on repetitions.
GameRecord RepeatingRecord(int moves) {
    GameRecord record;
    while (record.size() <= static_cast<std::size_t>(moves) + 1) record.Grow();
    for (int k = 0; k <= moves; ++k) {
        Position cells;
        for (int cell = 1; cell <= kCellCount; ++cell)
            cells[cell] = static_cast<std::uint8_t>((cell * 7 + k * 13) % 3);
        const auto mover = static_cast<std::uint8_t>(k == 0 ? 0 : k % 2 ? kRed : kWhite);
        record.Set(static_cast<std::size_t>(k),
                   HistoryEntry{cells, mover, static_cast<std::uint8_t>(k % 36 + 1),
                                static_cast<std::uint8_t>((k * 5) % 36 + 1)});
    }
    return record;
}

// The review's time against the game's length at the shallowest depth, where counting the
// repetitions weighs most: the processor time per move should stay flat. (Wall time on a
// shared machine, and any complexity fitted to it, follows the other work.)
void BM_AnalyseLongGame(benchmark::State& state) {
    const GameRecord record = RepeatingRecord(static_cast<int>(state.range(0)));
    AnalysisRun run;
    run.depth = 1;
    run.threads = 1;
    const double cpu_before = ProcessSeconds();
    for (auto _ : state) {
        benchmark::DoNotOptimize(AnalyseGame(record, run));
    }
    const double cpu_per_game = (ProcessSeconds() - cpu_before) / state.iterations();
    state.counters["cpu_s"] = cpu_per_game;
    state.counters["cpu_us_per_move"] = 1e6 * cpu_per_game / state.range(0);
}
BENCHMARK(BM_AnalyseLongGame)
    ->RangeMultiplier(4)
    ->Range(2500, 40000)
    ->ArgName("moves")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace circumvia

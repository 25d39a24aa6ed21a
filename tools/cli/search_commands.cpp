// Commands over the computer player: piece values, evaluation, proposals, move-sequence
// counts and the search benchmark.
#include <array>
#include <chrono>
#include <climits>
#include <cstdint>
#include <iomanip>
#include <optional>
#include <ostream>

#include "model/evaluation.h"
#include "model/movegen.h"
#include "model/packed_board.h"
#include "model/tjeu.h"
#include "tools/cli/arguments.h"
#include "tools/cli/bench_positions.h"
#include "tools/cli/options.h"

namespace circumvia::cli {

namespace {

// The bench's default depth: six moves ahead in every position, a few seconds in all.
constexpr int kBenchDepth = 5;
// The deepest runs that still end in minutes. Each move deeper costs about ten times as
// much for the search and twenty to thirty times for perft (measured in the README), so
// one more would run for half an hour to hours.
constexpr int kMaxSuggestDepth = 8;
constexpr int kMaxBenchDepth = 7;
constexpr int kMaxPerftDepth = 7;
constexpr std::uint64_t kBenchSeed = 1;

int Value(const Arguments& args, std::ostream& out, std::ostream&) {
    ExpectCount(args, 2, "value");
    const Position position = ParsePosition(args[0]);
    const int cell = ParseCell(args[1]);
    if (position[cell] == kEmpty) throw UsageError("value: cell " + args[1] + " holds no piece");
    out << PieceValue(position, cell) << '\n';
    return 0;
}

int Eval(const Arguments& args, std::ostream& out, std::ostream&) {
    ExpectCount(args, 2, "eval");
    out << Evaluate(ParsePosition(args[0]), ParseSide(args[1])) << '\n';
    return 0;
}

// A new game whose record holds only `position`, as its start entry, with `side` to move.
void StartFrom(Tjeu& game, const Position& position, Side side) {
    game.Pos = position;
    game.SideToMove = side;
    game.History.Set(0, HistoryEntry{position, 0, 0, 0});
}

int Suggest(const Arguments& args, std::ostream& out, std::ostream&) {
    std::optional<int> seed;
    const Option options[] = {
        {"--seed", "N", [&](const std::string& v) { seed = ParseNumber(v, 0, INT_MAX, "seed"); }},
    };
    const Arguments words = ParseOptions(args, options, "suggest");
    ExpectCount(words, 3, "suggest");
    const Position position = ParsePosition(words[0]);
    const Side side = ParseSide(words[1]);
    const int depth = ParseNumber(words[2], 0, kMaxSuggestDepth, "depth");
    Tjeu game;
    if (seed) game.Random.Seed(static_cast<std::uint64_t>(*seed));
    StartFrom(game, position, side);
    const Move move = game.SuggestMove(position, side, depth);
    out << int{move.From} << ' ' << int{move.To} << "\nnodes " << game.Engine.Nodes << '\n';
    if (game.Engine.Chosen.IsNull() && !move.IsNull()) out << "random\n";
    return 0;
}

// Move sequences of `depth` moves; none goes on once a side has no piece left.
std::uint64_t Perft(const PackedBoard& board, Side side, int depth) {
    if (depth == 0) return 1;
    if (board.pieces[kRed] == 0 || board.pieces[kWhite] == 0) return 0;
    std::array<Move, kMaxMoves> moves;
    const int count = board.GenerateMoves(side, moves.data());
    if (depth == 1) return static_cast<std::uint64_t>(count);
    std::uint64_t sequences = 0;
    for (int i = 0; i < count; ++i) {
        PackedBoard child = board;
        child.Apply(moves[static_cast<std::size_t>(i)], side);
        sequences += Perft(child, Opponent(side), depth - 1);
    }
    return sequences;
}

int PerftCommand(const Arguments& args, std::ostream& out, std::ostream&) {
    ExpectCount(args, 3, "perft");
    const Position position = ParsePosition(args[0]);
    const Side side = ParseSide(args[1]);
    const int depth = ParseNumber(args[2], 0, kMaxPerftDepth, "depth");
    out << Perft(PackedBoard::From(position), side, depth) << '\n';
    return 0;
}

int Bench(const Arguments& args, std::ostream& out, std::ostream&) {
    if (args.size() > 1) throw UsageError("bench: unexpected argument '" + args[1] + "'");
    const int depth = args.empty() ? kBenchDepth : ParseNumber(args[0], 0, kMaxBenchDepth, "depth");
    std::int64_t total_nodes = 0;
    std::chrono::duration<double> total_time{0};
    int number = 0;
    out << std::fixed;
    for (const BenchPosition& bench : BenchPositions()) {
        Tjeu game;
        game.Random.Seed(kBenchSeed);
        const Position position = ParsePosition(std::string(bench.text));
        StartFrom(game, position, bench.side);
        const auto start = std::chrono::steady_clock::now();
        const Move move = game.SuggestMove(position, bench.side, depth);
        const std::chrono::duration<double> time = std::chrono::steady_clock::now() - start;
        total_nodes += game.Engine.Nodes;
        total_time += time;
        out << ++number << ' ' << bench.kind << ' ' << int{move.From} << ' ' << int{move.To}
            << " nodes " << game.Engine.Nodes << " ms " << std::setprecision(3)
            << time.count() * 1000 << '\n';
    }
    const double seconds = total_time.count();
    out << "total nodes " << total_nodes << '\n'
        << "total ms " << std::setprecision(1) << seconds * 1000 << '\n'
        << "nodes per second " << std::setprecision(0)
        << (seconds > 0 ? static_cast<double>(total_nodes) / seconds : 0.0) << '\n';
    return 0;
}

constexpr Command kCommands[] = {
    {"value", "POS CELL", "the value of the piece on CELL (PieceValue)", Value},
    {"eval", "POS SIDE", "the evaluation of POS for SIDE (Evaluate)", Eval},
    {"suggest", "[--seed N] POS SIDE DEPTH",
     "SuggestMove with POS as the start of the record: FROM TO, nodes N, and 'random' "
     "when the search found no move and a random one is played; DEPTH 0..8 (8 can take "
     "several minutes in a busy middlegame)",
     Suggest},
    {"perft", "POS SIDE DEPTH",
     "the number of move sequences of DEPTH moves (none after a side has lost its last "
     "piece); DEPTH 0..7 (7 takes about 2 minutes in a busy middlegame)",
     PerftCommand},
    {"bench", "[DEPTH]",
     "SuggestMove at DEPTH (default 5, at most 7: about 3 minutes) on fixed positions: move, "
     "nodes and ms per position, then total nodes (the bench's signature), total ms and "
     "nodes per second",
     Bench},
};

}  // namespace

std::span<const Command> SearchCommands() {
    return kCommands;
}

}  // namespace circumvia::cli

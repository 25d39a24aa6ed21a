// Commands that play whole games through the model: a replay of given moves and a game
// between two computer players.
#include <climits>
#include <optional>
#include <ostream>

#include "model/movegen.h"
#include "model/notation.h"
#include "model/position_text.h"
#include "model/tjeu.h"
#include "tools/cli/arguments.h"
#include "tools/cli/file_commands.h"
#include "tools/cli/options.h"

namespace circumvia::cli {

namespace {

constexpr int kDefaultMaxMoves = 500;

std::string_view SideName(Side side) {
    return side == kWhite ? "White" : "Red";
}

std::string MoveWords(Move move) {
    return std::to_string(move.From) + ' ' + std::to_string(move.To);
}

bool IsLegal(const Position& position, Side side, Move move) {
    MoveList moves;
    GenerateAllMoves(position, side, moves);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

// Pairs of cells; 0 0 is the null move. No moves at all is a new game, worth asking for
// only to save it.
std::vector<Move> ParseMoves(const Arguments& words, bool saving) {
    if (words.empty() && !saving) throw UsageError("replay: missing moves");
    if (words.size() % 2 != 0) throw UsageError("replay: moves come in pairs FROM TO");
    std::vector<Move> moves;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        moves.push_back(
            {static_cast<std::uint8_t>(ParseNumber(words[i], 0, kCellCount, "cell")),
             static_cast<std::uint8_t>(ParseNumber(words[i + 1], 0, kCellCount, "cell"))});
    }
    return moves;
}

int Replay(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::string red_name = kDefaultRedName;
    std::string white_name = kDefaultWhiteName;
    Side first = kRed;
    std::string save_path;
    const Option options[] = {
        {"--red-name", "NAME", [&](const std::string& v) { red_name = v; }},
        {"--white-name", "NAME", [&](const std::string& v) { white_name = v; }},
        {"--first", "SIDE", [&](const std::string& v) { first = ParseSide(v); }},
        {"--save", "FILE", [&](const std::string& v) { save_path = v; }},
    };
    const Arguments words = ParseOptions(args, options, "replay");
    const std::vector<Move> moves = ParseMoves(words, !save_path.empty());
    Tjeu game;
    game.Players[kRed].Name = red_name;
    game.Players[kWhite].Name = white_name;
    game.SideToMove = first;
    for (std::size_t n = 0; n < moves.size(); ++n) {
        const Move move = moves[n];
        const bool null_move = move.From == 0 && move.To == 0;
        const char* refusal = game.Result != kInProgress ? "comes after the end of the game"
                              : !null_move && !IsLegal(game.Pos, game.SideToMove, move)
                                  ? "is not legal"
                                  : nullptr;
        if (refusal) {
            err << "circumvia-cli: replay: move " << n + 1 << " (" << MoveWords(move) << ") "
                << refusal << " for " << SideName(game.SideToMove) << '\n';
            return 1;
        }
        game.ApplyMove(game.Pos, move.From, move.To);
        out << game.Current << ' ' << game.SideToMove << ' ' << game.Result << ' '
            << PositionText(game.Pos) << '\n';
    }
    return SaveIfAsked(game, save_path, err);
}

int SelfPlay(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<int> levels[3];
    std::optional<int> seed;
    int max_moves = kDefaultMaxMoves;
    std::string save_path;
    const Option options[] = {
        {"--red", "LEVEL",
         [&](const std::string& v) { levels[kRed] = ParseNumber(v, 1, kMaxLevel, "level"); }},
        {"--white", "LEVEL",
         [&](const std::string& v) { levels[kWhite] = ParseNumber(v, 1, kMaxLevel, "level"); }},
        {"--seed", "N", [&](const std::string& v) { seed = ParseNumber(v, 0, INT_MAX, "seed"); }},
        {"--max-moves", "N",
         [&](const std::string& v) { max_moves = ParseNumber(v, 1, INT_MAX - 1, "move limit"); }},
        {"--save", "FILE", [&](const std::string& v) { save_path = v; }},
    };
    ExpectCount(ParseOptions(args, options, "selfplay"), 0, "selfplay");
    if (!levels[kRed] || !levels[kWhite])
        throw UsageError("selfplay: --red and --white are needed");
    Tjeu game;
    game.Players[kRed].Kind = *levels[kRed];
    game.Players[kWhite].Kind = *levels[kWhite];
    if (seed) game.Random.Seed(static_cast<std::uint64_t>(*seed));
    // What the turn loop does for two computer players, without the pauses.
    while (game.Result == kInProgress && game.Current < max_moves) {
        const Side side = game.SideToMove;
        const Move move = game.ComputerMove(game.Pos, side);
        game.ApplyMove(game.Pos, move.From, move.To);
        out << game.Current << ". " << SideName(side) << ' '
            << (move.IsNull() ? std::string("no move") : MoveText(move.From, move.To)) << '\n';
    }
    out << "result " << game.Result << '\n';
    return SaveIfAsked(game, save_path, err);
}

constexpr const char kReplayUsage[] =
    "[--red-name NAME] [--white-name NAME] [--first SIDE] [--save FILE] [FROM TO ...]";

const Command kCommands[] = {
    {"replay", kReplayUsage,
     "plays the moves (0 0: the null move) in a new game: CURRENT SIDETOMOVE RESULT POSITION "
     "after each; an illegal move, or one after the end, exits with status 1; with --save, "
     "no moves saves the new game",
     Replay},
    {"selfplay", "--red LEVEL --white LEVEL [--seed N] [--max-moves N] [--save FILE]",
     "a whole game between two computer players (levels 1..5): the moves in notation, then "
     "result CODE (0 when the move limit, default 500, ends it)",
     SelfPlay},
};

}  // namespace

std::span<const Command> GameCommands() {
    return kCommands;
}

}  // namespace circumvia::cli

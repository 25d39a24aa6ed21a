// Commands of the game review: the analysis of a saved game, and the survey its class
// thresholds come from.
#include <cerrno>
#include <climits>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <system_error>

#include "model/analysis/game_analysis.h"
#include "model/analysis/winning_chance.h"
#include "model/endgame/endgame_table.h"
#include "model/endgame/table_location.h"
#include "model/evaluation.h"
#include "model/game_file.h"
#include "model/notation.h"
#include "tools/cli/analysis_survey.h"
#include "tools/cli/arguments.h"
#include "tools/cli/game_input.h"
#include "tools/cli/options.h"
#include "tools/cli/printable.h"

namespace circumvia::cli {

namespace {

// Each level deeper costs about four times as much: a 60-move game took 0.6 s of processor
// time at depth 5, 2.4 s at 6 and 11 s at 7 (docs/analysis.md); 8 would take about a minute.
constexpr int kMaxAnalysisDepth = 7;
constexpr int kMaxSurveyGames = 100000;

std::string_view SideName(Side side) {
    return side == kWhite ? "White" : "Red";
}

// A value for a reader: in pieces ("+1.2"), or the end it forces ("wins in 3", "loses in 2",
// "draw by repetition").
std::string ValueText(int value, int moves_to_end, bool drawn) {
    if (drawn) return "draw by repetition";
    if (value == kWinScore) return "wins in " + std::to_string(moves_to_end);
    if (value == kLossScore) return "loses in " + std::to_string(moves_to_end);
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << std::showpos << Pieces(value);
    return text.str();
}

std::string PercentText(double chance) {
    std::ostringstream text;
    text << std::lround(100 * chance) << '%';
    return text.str();
}

std::string_view OutcomeWord(endgame::Outcome outcome) {
    switch (outcome) {
        case endgame::Outcome::Win:
            return "win";
        case endgame::Outcome::Loss:
            return "loss";
        case endgame::Outcome::Draw:
            break;
    }
    return "draw";
}

// "win 7": the table's result for the mover and the moves to the end.
std::string ExactText(const endgame::EndgameValue& value) {
    std::string text(OutcomeWord(value.outcome));
    if (value.outcome != endgame::Outcome::Draw) text += ' ' + std::to_string(value.distance);
    return text;
}

void PrintMoveLine(const MoveAnalysis& move, std::ostream& out) {
    out << std::setw(3) << move.number << ". " << std::left << std::setw(5) << SideName(move.mover)
        << ' ' << std::setw(12) << MoveText(move.played.From, move.played.To) << " best "
        << std::setw(12) << MoveText(move.best.From, move.best.To) << std::right << " value "
        << ValueText(move.value_best, move.best_moves_to_end, move.best_drawn) << " played "
        << ValueText(move.value_played, move.played_moves_to_end, move.played_drawn) << " chance "
        << PercentText(move.chance_before) << " -> " << PercentText(move.chance_after) << ' '
        << ClassWord(move.move_class);
    if (move.exact) {
        out << " exact " << ExactText(move.exact->best) << " played "
            << ExactText(move.exact->played);
    }
    if (move.turning_point) out << " turning-point";
    if (!move.reply_line.empty()) {
        out << " reply";
        for (const Move reply : move.reply_line) out << ' ' << MoveText(reply.From, reply.To);
    }
    out << '\n';
}

// {"best": "win", "best_distance": 7, "played": "draw", "played_distance": 0}
void PrintJsonExact(const ExactJudgement& exact, std::ostream& out) {
    out << "{\"best\": \"" << OutcomeWord(exact.best.outcome)
        << "\", \"best_distance\": " << exact.best.distance << ", \"played\": \""
        << OutcomeWord(exact.played.outcome) << "\", \"played_distance\": " << exact.played.distance
        << '}';
}

void PrintSummaryLine(Side side, const PlayerSummary& summary, std::ostream& out) {
    out << SideName(side) << ": " << summary.inaccuracies << " inaccuracies, " << summary.mistakes
        << " mistakes, " << summary.blunders << " blunders, " << summary.missed_wins
        << " missed wins, average loss " << std::fixed << std::setprecision(1)
        << summary.average_loss << " over " << summary.moves << " moves\n";
}

// A chance as a percentage with one decimal.
double JsonPercent(double chance) {
    return std::round(1000 * chance) / 10;
}

// "missed wins: 12. White (best B 2->C 1), ..." and "turning points: 5. Red 52% -> 18%, ...",
// each line only when the game has some.
void PrintListLines(const GameAnalysis& analysis, std::ostream& out) {
    std::string missed;
    std::string turning;
    for (const MoveAnalysis& m : analysis.moves) {
        const std::string head = std::to_string(m.number) + ". " + std::string(SideName(m.mover));
        if (m.missed_win) {
            missed += (missed.empty() ? "" : ", ") + head + " (best " +
                      MoveText(m.best.From, m.best.To) + ")";
        }
        if (m.turning_point) {
            turning += (turning.empty() ? "" : ", ") + head + " " +
                       MoveText(m.played.From, m.played.To) + " " + PercentText(m.chance_before) +
                       " -> " + PercentText(m.chance_after);
        }
    }
    if (!missed.empty()) out << "missed wins: " << missed << '\n';
    if (!turning.empty()) out << "turning points: " << turning << '\n';
}

void PrintJsonMove(const MoveAnalysis& move, std::ostream& out) {
    out << "{\"number\": " << move.number << ", \"mover\": " << move.mover
        << ", \"from\": " << int{move.played.From} << ", \"to\": " << int{move.played.To}
        << ", \"best_from\": " << int{move.best.From} << ", \"best_to\": " << int{move.best.To}
        << ", \"value_best\": " << move.value_best << ", \"value_played\": " << move.value_played
        << ", \"loss\": " << move.loss << ", \"class\": \"" << ClassWord(move.move_class)
        << "\", \"chance_before\": " << JsonPercent(move.chance_before)
        << ", \"chance_after\": " << JsonPercent(move.chance_after)
        << ", \"pieces_best\": " << Pieces(move.value_best)
        << ", \"pieces_played\": " << Pieces(move.value_played)
        << ", \"best_moves_to_end\": " << move.best_moves_to_end
        << ", \"played_moves_to_end\": " << move.played_moves_to_end
        << ", \"best_drawn\": " << std::boolalpha << move.best_drawn
        << ", \"played_drawn\": " << move.played_drawn
        << ", \"turning_point\": " << move.turning_point << std::noboolalpha
        << ", \"reply_line\": [";
    for (std::size_t i = 0; i < move.reply_line.size(); ++i) {
        out << (i == 0 ? "" : ", ") << "[" << int{move.reply_line[i].From} << ", "
            << int{move.reply_line[i].To} << "]";
    }
    out << "], \"exact\": ";
    if (move.exact) {
        PrintJsonExact(*move.exact, out);
    } else {
        out << "null";
    }
    out << '}';
}

void PrintJsonSummary(const PlayerSummary& summary, std::ostream& out) {
    out << "{\"moves\": " << summary.moves << ", \"inaccuracies\": " << summary.inaccuracies
        << ", \"mistakes\": " << summary.mistakes << ", \"blunders\": " << summary.blunders
        << ", \"missed_wins\": " << summary.missed_wins << ", \"average_loss\": " << std::fixed
        << std::setprecision(2) << summary.average_loss << '}';
}

// The moves whose `pick` holds, as JSON objects from `fields`.
template <typename Pick, typename Fields>
void PrintJsonMoves(const GameAnalysis& analysis, Pick pick, Fields fields, std::ostream& out) {
    out << '[';
    bool first = true;
    for (const MoveAnalysis& move : analysis.moves) {
        if (!pick(move)) continue;
        out << (first ? "" : ", ") << "{\"number\": " << move.number
            << ", \"mover\": " << move.mover;
        fields(move);
        out << '}';
        first = false;
    }
    out << ']';
}

void PrintJson(const GameAnalysis& analysis, const std::array<PlayerSummary, 3>& summaries,
               std::ostream& out) {
    out << "{\"depth\": " << analysis.depth << ", \"moves\": [";
    for (std::size_t i = 0; i < analysis.moves.size(); ++i) {
        out << (i == 0 ? "\n  " : ",\n  ");
        PrintJsonMove(analysis.moves[i], out);
    }
    out << "\n], \"summary\": {\"red\": ";
    PrintJsonSummary(summaries[kRed], out);
    out << ", \"white\": ";
    PrintJsonSummary(summaries[kWhite], out);
    out << ", \"missed_wins\": ";
    PrintJsonMoves(
        analysis, [](const MoveAnalysis& m) { return m.missed_win; },
        [&](const MoveAnalysis& m) {
            out << ", \"best_from\": " << int{m.best.From} << ", \"best_to\": " << int{m.best.To};
        },
        out);
    out << ", \"turning_points\": ";
    PrintJsonMoves(
        analysis, [](const MoveAnalysis& m) { return m.turning_point; },
        [&](const MoveAnalysis& m) {
            out << ", \"chance_before\": " << JsonPercent(m.chance_before)
                << ", \"chance_after\": " << JsonPercent(m.chance_after);
        },
        out);
    out << "}}\n";
}

int Analyse(const Arguments& args, std::ostream& out, std::ostream& err) {
    AnalysisRun run;
    bool json = false;
    std::optional<std::filesystem::path> table;
    const Option options[] = {
        {"--depth", "N",
         [&](const std::string& v) { run.depth = ParseNumber(v, 1, kMaxAnalysisDepth, "depth"); }},
        {"--json", "", [&](const std::string&) { json = true; }},
        {"--table", "DIR", [&](const std::string& v) { table = v; }},
    };
    const Arguments words = ParseOptions(args, options, "analyse");
    ExpectCount(words, 1, "analyse");
    Tjeu game;
    if (const int status = ReadGameInput(words[0], game, err)) return status;
    if (!table) table = endgame::FindTableFolder();
    if (table) run.table = std::make_shared<const endgame::EndgameTable>(*table);
    const GameAnalysis analysis = AnalyseGame(game.History, run);
    const std::array<PlayerSummary, 3> summaries = Summarise(analysis, run.thresholds);
    if (json) {
        PrintJson(analysis, summaries, out);
        return 0;
    }
    out << "depth " << analysis.depth << '\n';
    for (const MoveAnalysis& move : analysis.moves) PrintMoveLine(move, out);
    PrintSummaryLine(kRed, summaries[kRed], out);
    PrintSummaryLine(kWhite, summaries[kWhite], out);
    PrintListLines(analysis, out);
    return 0;
}

// The tables of earlier surveys' --moves files, counted again with today's thresholds.
int Tally(const Arguments& files, const ClassThresholds& thresholds, std::ostream& out,
          std::ostream& err) {
    if (files.empty()) throw UsageError("analyse-survey: --tally needs the --moves files");
    std::vector<SurveyMove> moves;
    for (const std::string& path : files) {
        std::ifstream in(path);
        if (!in || !ReadSurveyMoves(in, moves)) {
            err << "circumvia-cli: cannot read the survey moves in '" << Printable(path) << "'\n";
            return 1;
        }
    }
    PrintSurvey(TallySurvey(std::move(moves), thresholds), SurveyPlan{.games = 0}, thresholds, out);
    return 0;
}

int Survey(const Arguments& args, std::ostream& out, std::ostream& err) {
    SurveyPlan plan;
    std::string moves_path;
    bool tally = false;
    const Option options[] = {
        {"--games", "N",
         [&](const std::string& v) { plan.games = ParseNumber(v, 1, kMaxSurveyGames, "games"); }},
        {"--depth", "N",
         [&](const std::string& v) { plan.depth = ParseNumber(v, 1, kMaxAnalysisDepth, "depth"); }},
        {"--seed", "N",
         [&](const std::string& v) {
             plan.first_seed = ParseNumber(v, 0, INT_MAX - kMaxSurveyGames, "seed");
         }},
        {"--threads", "N",
         [&](const std::string& v) { plan.threads = ParseNumber(v, 1, 256, "threads"); }},
        {"--moves", "FILE", [&](const std::string& v) { moves_path = v; }},
        {"--tally", "", [&](const std::string&) { tally = true; }},
        {"--fixed-depth", "", [&](const std::string&) { plan.same_parity = false; }},
    };
    const Arguments files = ParseOptions(args, options, "analyse-survey");
    const ClassThresholds thresholds = DefaultThresholds();
    if (tally) return Tally(files, thresholds, out, err);
    ExpectCount(files, 0, "analyse-survey");
    std::ofstream moves_file;
    if (!moves_path.empty()) {
        moves_file.open(moves_path);
        if (!moves_file) {
            err << "circumvia-cli: cannot write '" << Printable(moves_path) << "'\n";
            return 1;
        }
        plan.moves_out = &moves_file;
    }
    errno = 0;
    // The tables are shown whatever happened to the moves file: the games took long.
    PrintSurvey(RunSurvey(plan, thresholds), plan, thresholds, out);
    if (plan.moves_out) {
        moves_file.close();
        if (!moves_file) {
            // The stream keeps no reason of its own; the failed write left it in errno.
            const std::string reason = errno != 0 ? std::generic_category().message(errno)
                                                  : std::string("the file is incomplete");
            err << "circumvia-cli: cannot write '" << Printable(moves_path) << "': " << reason
                << '\n';
            return 1;
        }
    }
    return 0;
}

const Command kCommands[] = {
    {"analyse", "GAME [--depth N] [--json] [--table DIR]",
     "the review of a saved game (a game file or a game text): per move its number, mover, "
     "move, best move, the values of both for the mover in pieces, the winning chance before "
     "and after, the class (and for a position the endgame table of "
     "DIR, by default the one found, holds: its exact result and distance, the best and the "
     "played move's, which set the class), then each player's summary; DEPTH 1..7 "
     "(default 5); --json prints one JSON object, \"exact\" null outside the table",
     Analyse},
    {"analyse-survey",
     "[--games N] [--depth N] [--seed N] [--threads N] [--moves FILE] [--fixed-depth] | "
     "--tally FILE...",
     "plays N computer games of mixed levels (default 1000, seeds from 1), analyses every "
     "move and shows the winning-chance curve fitted on them, its check by bands of value, "
     "the quiet half-move swing, and per class and band of chance lost how often the side "
     "that made it won or lost; --moves also writes every analysed move to FILE; "
     "--fixed-depth searches every move to the full depth; --tally counts such files again "
     "with the current curve and thresholds",
     Survey},
};

}  // namespace

std::span<const Command> AnalysisCommands() {
    return kCommands;
}

}  // namespace circumvia::cli

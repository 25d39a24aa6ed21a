// Commands of the puzzles: making a set from computer games, and proving a set again.
#include <fstream>
#include <iomanip>
#include <ostream>
#include <sstream>

#include "model/file_io.h"
#include "model/puzzles/puzzle_batch.h"
#include "tools/cli/arguments.h"
#include "tools/cli/options.h"

namespace circumvia::cli {

namespace {

constexpr int kMaxGames = 1000000;
// Each ply deeper multiplies the work by about the number of replies that matter.
constexpr int kMaxProofDepth = 8;
constexpr int kMaxMargin = 12;

struct PuzzleOptions {
    ProofSettings settings;
    int threads = 0;
};

std::vector<Option> ProofOptions(PuzzleOptions& options) {
    return {
        {"--depth", "N",
         [&](const std::string& v) {
             options.settings.depth = ParseNumber(v, 2, kMaxProofDepth, "depth");
         }},
        {"--margin", "N",
         [&](const std::string& v) {
             options.settings.margin = ParseNumber(v, 1, kMaxMargin, "margin");
         }},
        {"--threads", "N",
         [&](const std::string& v) { options.threads = ParseNumber(v, 1, 256, "threads"); }},
    };
}

void PrintFigures(const GenerationFigures& f, std::ostream& out) {
    out << "games " << f.games_done << '/' << f.games << ", positions " << f.positions
        << ", candidates " << f.candidates << ", rejected " << f.rejected << ", puzzles "
        << f.puzzles << ", " << std::fixed << std::setprecision(0) << f.seconds << " s";
}

int Generate(const Arguments& args, std::ostream& out, std::ostream& err) {
    PuzzleOptions options;
    GenerationPlan plan;
    std::string path;
    std::vector<Option> table = ProofOptions(options);
    table.push_back({"--games", "N", [&](const std::string& v) {
                         plan.games = ParseNumber(v, 1, kMaxGames, "games");
                     }});
    table.push_back({"--seed", "N", [&](const std::string& v) {
                         plan.first_seed = ParseNumber(v, 0, 1 << 30, "seed");
                     }});
    table.push_back({"--out", "FILE", [&](const std::string& v) { path = v; }});
    ExpectCount(ParseOptions(args, table, "puzzles generate"), 0, "puzzles generate");
    if (path.empty()) throw UsageError("puzzles generate: --out FILE is needed");
    plan.settings = options.settings;
    plan.threads = options.threads;
    plan.progress = [&](const GenerationFigures& figures) {
        err << '\r';
        PrintFigures(figures, err);
        err << std::flush;
    };
    const Generation generation = GeneratePuzzles(plan);
    err << '\n';
    std::ostringstream text;
    text << "# circumvia puzzles: depth " << plan.settings.depth << ", margin "
         << plan.settings.margin << ", games " << plan.games << " from seed " << plan.first_seed
         << '\n';
    WritePuzzles(generation.puzzles, text);
    const std::string bytes = text.str();
    if (!ReplaceFileContents(
            path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()))) {
        err << "circumvia-cli: cannot write '" << path << "'\n";
        return 1;
    }
    PrintFigures(generation.figures, out);
    const GenerationFigures& f = generation.figures;
    const double minutes = f.seconds / 60.0;
    out << "\nrate " << std::setprecision(1) << (minutes > 0 ? f.puzzles / minutes : 0.0)
        << " puzzles a minute, rejected "
        << (f.candidates > 0 ? 100.0 * f.rejected / f.candidates : 0.0) << " % of the candidates\n";
    return 0;
}

int Check(const Arguments& args, std::ostream& out, std::ostream& err) {
    PuzzleOptions options;
    const std::vector<Option> table = ProofOptions(options);
    const Arguments words = ParseOptions(args, table, "puzzles check");
    ExpectCount(words, 1, "puzzles check");
    std::ifstream in(words[0]);
    if (!in) {
        err << "circumvia-cli: cannot read '" << words[0] << "'\n";
        return 1;
    }
    const PuzzleFile file = ReadPuzzles(in);
    for (int line : file.bad_lines) out << "line " << line << ": not a puzzle\n";
    const std::vector<std::string> reasons = CheckPuzzles(
        file.puzzles, options.settings, options.threads,
        [&](int done, int total) { err << "\rchecked " << done << '/' << total << std::flush; });
    err << '\n';
    int failed = 0;
    for (std::size_t i = 0; i < reasons.size(); ++i) {
        if (reasons[i].empty()) continue;
        ++failed;
        out << "puzzle " << i + 1 << ": " << reasons[i] << '\n';
    }
    out << file.puzzles.size() - static_cast<std::size_t>(failed) << " of " << file.puzzles.size()
        << " puzzles proven";
    if (!file.bad_lines.empty()) out << ", " << file.bad_lines.size() << " lines unreadable";
    out << '\n';
    return failed == 0 && file.bad_lines.empty() ? 0 : 1;
}

int Puzzles(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) throw UsageError("puzzles: generate or check?");
    const Arguments rest(args.begin() + 1, args.end());
    if (args[0] == "generate") return Generate(rest, out, err);
    if (args[0] == "check") return Check(rest, out, err);
    throw UsageError("puzzles: unknown action '" + args[0] + "' (generate or check)");
}

const Command kCommands[] = {
    {"puzzles",
     "generate --games N --out FILE [--seed N] [--depth N] [--margin N] [--threads N] | "
     "check FILE [--depth N] [--margin N] [--threads N]",
     "generate plays N computer games of mixed levels and keeps every position where one "
     "move gains a piece or wins and every other move is proven worse by MARGIN pieces "
     "(default 1) at DEPTH plies (default 4), on every core, with progress on the error "
     "output; check proves each puzzle of FILE again and names those that fail (status 1)",
     Puzzles},
};

}  // namespace

std::span<const Command> PuzzleCommands() {
    return kCommands;
}

}  // namespace circumvia::cli

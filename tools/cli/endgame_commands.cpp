// The endgame table: building it, and asking it about a position.
#include <sys/resource.h>
#include <chrono>
#include <iomanip>
#include <ostream>

#include "model/endgame/endgame_builder.h"
#include "model/endgame/endgame_table.h"
#include "model/endgame/table_location.h"
#include "tools/cli/arguments.h"
#include "tools/cli/options.h"

namespace circumvia::cli {

namespace {

using namespace circumvia::endgame;

std::string OutcomeWord(Outcome outcome) {
    switch (outcome) {
        case Outcome::Win:
            return "win";
        case Outcome::Loss:
            return "loss";
        case Outcome::Draw:
            return "draw";
    }
    return "";
}

std::string ValueText(const EndgameValue& value) {
    return OutcomeWord(value.outcome) + ' ' + std::to_string(value.distance);
}

long PeakMemoryMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

void PrintMaterial(const MaterialReport& report, std::ostream& out) {
    out << report.material.own << "-" << report.material.other << ": " << report.slots << " slots, "
        << report.counts.wins << " wins, " << report.counts.draws << " draws, "
        << report.counts.losses << " losses, longest " << report.counts.longest
        << (report.reused ? " (already built)" : "") << '\n';
}

int Build(const Arguments& args, std::ostream& out, std::ostream& err) {
    BuildOptions options;
    options.folder = UserTableFolder();
    const Option kOptions[] = {
        {"--pieces", "N",
         [&](const std::string& v) {
             options.pieces = ParseNumber(v, 2, kMostTablePieces, "pieces");
         }},
        {"--out", "DIR", [&](const std::string& v) { options.folder = v; }},
        {"--threads", "T",
         [&](const std::string& v) { options.threads = ParseNumber(v, 1, 256, "threads"); }},
    };
    ExpectCount(ParseOptions(args, kOptions, "endgame build"), 0, "endgame build");
    std::error_code error;
    std::filesystem::create_directories(options.folder, error);
    if (error) {
        err << "circumvia-cli: " << options.folder.string() << ": " << error.message() << '\n';
        return 1;
    }
    int last_percent = -1;
    options.progress = [&](Material material, double fraction) {
        const int percent = static_cast<int>(fraction * 100);
        if (percent == last_percent) return;
        last_percent = percent;
        err << "\r" << material.own << "-" << material.other << " " << percent << " %   "
            << std::flush;
    };
    const auto start = std::chrono::steady_clock::now();
    const BuildReport report = BuildEndgameTable(options);
    err << '\n';
    for (const MaterialReport& material : report.materials) PrintMaterial(material, out);
    if (!report.error.empty()) {
        err << "circumvia-cli: " << report.error << '\n';
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    out << "table of up to " << options.pieces << " pieces in " << options.folder.string()
        << ", built in " << std::fixed << std::setprecision(1) << seconds << " s, peak memory "
        << PeakMemoryMiB() << " MiB\n";
    return 0;
}

int Probe(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<std::filesystem::path> folder;
    const Option kOptions[] = {
        {"--table", "DIR", [&](const std::string& v) { folder = v; }},
    };
    const Arguments words = ParseOptions(args, kOptions, "endgame probe");
    ExpectCount(words, 2, "endgame probe");
    const Position position = ParsePosition(words[0]);
    const Side side = ParseSide(words[1]);
    if (!folder) folder = FindTableFolder();
    if (!folder) {
        err << "circumvia-cli: no endgame table found (build one with: circumvia-cli endgame "
               "build)\n";
        return 1;
    }
    const EndgameTable table(*folder);
    const std::optional<EndgameValue> value = table.Probe(position, side);
    for (const std::string& refusal : table.Refusals()) {
        err << "circumvia-cli: " << (*folder / refusal).string() << '\n';
    }
    if (!value) {
        err << "circumvia-cli: the position is not in the table\n";
        return 1;
    }
    out << ValueText(*value) << '\n';
    for (const MoveValue& move : table.ProbeMoves(position, side)) {
        out << int{move.move.From} << ' ' << int{move.move.To} << ' ' << ValueText(move.value)
            << '\n';
    }
    return 0;
}

int Endgame(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) throw UsageError("endgame: expected build or probe");
    const Arguments rest(args.begin() + 1, args.end());
    if (args[0] == "build") return Build(rest, out, err);
    if (args[0] == "probe") return Probe(rest, out, err);
    throw UsageError("endgame: expected build or probe, not '" + args[0] + "'");
}

constexpr Command kCommands[] = {
    {"endgame", "build [--pieces N] [--out DIR] [--threads T] | probe [--table DIR] POS SIDE",
     "build the endgame table (up to N pieces, 6 by default, into the user's data folder), or "
     "print a position's result and distance and each move's",
     Endgame},
};

}  // namespace

std::span<const Command> EndgameCommands() {
    return kCommands;
}

}  // namespace circumvia::cli

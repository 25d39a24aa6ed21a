// Commands that measure the computer's levels: a match between two levels, and the ladder
// of every level fitted to matches between neighbours.
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>

#include "model/endgame/endgame_table.h"
#include "model/endgame/table_location.h"
#include "model/rating/ladder_fit.h"
#include "model/rating/match_runner.h"
#include "model/tjeu.h"
#include "tools/cli/arguments.h"
#include "tools/cli/options.h"

namespace circumvia::cli {

namespace {

using rating::Estimate;
using rating::MatchTally;

constexpr int kMaxGames = 1000000;
constexpr int kMaxThreads = 256;
constexpr int kDefaultSeed = 1;
constexpr double kAnchorRating = 1000.0;

// The pairs of the ladder, the stronger-looking level first: neighbours, and the two ends
// so the steps are tied together by one long measurement.
constexpr int kLadderPairs[][2] = {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {5, 1}, {6, 5}};

constexpr int kDefaultExpertMilliseconds = 1000;
constexpr int kMostExpertMilliseconds = 600000;

struct MatchOptions {
    int games = 0;
    int seed = kDefaultSeed;
    int threads = 0;
    int expert_ms = kDefaultExpertMilliseconds;
    std::optional<std::filesystem::path> table;
};

// The options shared by match and ladder.
std::vector<Option> CommonOptions(MatchOptions& chosen) {
    return {
        {"--games", "N",
         [&](const std::string& v) { chosen.games = ParseNumber(v, 1, kMaxGames, "games"); }},
        {"--seed", "S",
         [&](const std::string& v) { chosen.seed = ParseNumber(v, 0, INT_MAX, "seed"); }},
        {"--threads", "T",
         [&](const std::string& v) { chosen.threads = ParseNumber(v, 1, kMaxThreads, "threads"); }},
        {"--expert-ms", "MS",
         [&](const std::string& v) {
             chosen.expert_ms = ParseNumber(v, 1, kMostExpertMilliseconds, "milliseconds");
         }},
        {"--table", "DIR", [&](const std::string& v) { chosen.table = v; }},
    };
}

// "seeds S to S+N-1", the seeds of a match of N games.
std::string Seeds(int seed, int games) {
    return "seeds " + std::to_string(seed) + " to " +
           std::to_string(std::int64_t{seed} + games - 1);
}

std::string Signed(double value) {
    if (std::isinf(value)) return value > 0 ? "+inf" : "-inf";
    std::ostringstream text;
    text << std::showpos << std::fixed << std::setprecision(0) << value;
    return text.str();
}

std::string Percent(double share) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << share * 100 << " %";
    return text.str();
}

std::string Tally(const MatchTally& tally) {
    return std::to_string(tally.wins) + " wins, " + std::to_string(tally.draws) + " draws, " +
           std::to_string(tally.losses) + " losses";
}

std::string Difference(const Estimate& difference) {
    return Signed(difference.value) + " (95 % interval " + Signed(difference.low) + " to " +
           Signed(difference.high) + ")";
}

// A progress line rewritten in place, once per percent.
rating::MatchProgress ProgressLine(std::ostream& err, const std::string& label) {
    return [&err, label, shown = -1](int finished, int games) mutable {
        const int percent = finished * 100 / games;
        if (percent == shown) return;
        shown = percent;
        err << '\r' << label << finished << '/' << games << " games" << std::flush;
        if (finished == games) err << '\n';
    };
}

rating::MatchPlan Plan(int first, int second, const MatchOptions& chosen) {
    rating::MatchPlan plan;
    plan.first_level = first;
    plan.second_level = second;
    plan.games = chosen.games;
    plan.seed = static_cast<std::uint64_t>(chosen.seed);
    plan.threads = chosen.threads;
    plan.expert.time = std::chrono::milliseconds(chosen.expert_ms);
    const auto folder = chosen.table ? chosen.table : endgame::FindTableFolder();
    if (folder) plan.expert.table = std::make_shared<const endgame::EndgameTable>(*folder);
    return plan;
}

int Match(const Arguments& args, std::ostream& out, std::ostream& err) {
    std::optional<int> levels[3];
    MatchOptions chosen;
    std::vector<Option> options = CommonOptions(chosen);
    options.push_back({"--red", "LEVEL", [&](const std::string& v) {
                           levels[kRed] = ParseNumber(v, 1, kMaxLevel, "level");
                       }});
    options.push_back({"--white", "LEVEL", [&](const std::string& v) {
                           levels[kWhite] = ParseNumber(v, 1, kMaxLevel, "level");
                       }});
    ExpectCount(ParseOptions(args, options, "match"), 0, "match");
    if (!levels[kRed] || !levels[kWhite] || chosen.games == 0) {
        throw UsageError("match: --red, --white and --games are needed");
    }
    const int first = *levels[kRed];
    const int second = *levels[kWhite];
    const MatchTally tally =
        rating::PlayMatch(Plan(first, second, chosen), ProgressLine(err, "match: "));
    // Named by colour too, so a level against itself is still two players.
    const std::string first_name = "level " + std::to_string(first) + " (Red first)";
    const std::string second_name = "level " + std::to_string(second) + " (White first)";
    out << "games " << tally.Games() << ", colours alternating, "
        << Seeds(chosen.seed, tally.Games()) << '\n'
        << first_name << ": " << Tally(tally) << '\n'
        << second_name << ": " << Tally(tally.Reversed()) << '\n'
        << "score of " << first_name << ": " << Percent(tally.Score()) << '\n'
        << first_name << " minus " << second_name << ": "
        << Difference(rating::RatingDifference(tally)) << '\n';
    return 0;
}

std::string Rounded(double value) {
    return std::to_string(std::lround(value));
}

// The ratings as a Markdown table, the form docs/levels.md publishes and the build reads.
void PrintRatingsTable(const std::vector<Estimate>& ratings, std::ostream& out) {
    out << "| Level | Rating | 95 % interval |\n"
           "|------:|-------:|:--------------|\n";
    for (std::size_t i = 0; i < ratings.size(); ++i) {
        const Estimate& rating = ratings[i];
        out << "| " << i + 1 << " | " << Rounded(rating.value) << " | "
            << (i == 0 ? std::string("anchor")
                       : Rounded(rating.low) + " to " + Rounded(rating.high))
            << " |\n";
    }
}

int Ladder(const Arguments& args, std::ostream& out, std::ostream& err) {
    MatchOptions chosen;
    ExpectCount(ParseOptions(args, CommonOptions(chosen), "ladder"), 0, "ladder");
    if (chosen.games == 0) throw UsageError("ladder: --games is needed");
    const auto start = std::chrono::steady_clock::now();
    std::vector<rating::PairResult> results;
    out << "games per pair " << chosen.games << ", colours alternating, "
        << Seeds(chosen.seed, chosen.games) << '\n';
    for (const auto& [first, second] : kLadderPairs) {
        const std::string label =
            "level " + std::to_string(first) + " against level " + std::to_string(second);
        const MatchTally tally =
            rating::PlayMatch(Plan(first, second, chosen), ProgressLine(err, label + ": "));
        results.push_back({first - 1, second - 1, tally});
        out << label << ": " << Tally(tally) << ", score " << Percent(tally.Score())
            << ", difference " << Difference(rating::RatingDifference(tally)) << '\n';
    }
    out << '\n';
    PrintRatingsTable(rating::FitRatings(results, kMaxLevel, 0, kAnchorRating), out);
    const std::chrono::duration<double> time = std::chrono::steady_clock::now() - start;
    err << "ladder: " << std::fixed << std::setprecision(0) << time.count() << " s\n";
    return 0;
}

constexpr Command kCommands[] = {
    {"match",
     "--red LEVEL --white LEVEL --games N [--seed S] [--threads T] [--expert-ms MS] "
     "[--table DIR]",
     "N games between two levels (1..5, 6 the Expert), colours alternating, game k with seed "
     "S+k (default 1), on T threads (default: one per core), the Expert thinking MS "
     "milliseconds a move (default 1000) with the endgame table in DIR (default: the one "
     "installed or built): each level's wins, draws and losses, the score and the rating "
     "difference with its 95 % interval",
     Match},
    {"ladder", "--games N [--seed S] [--threads T] [--expert-ms MS] [--table DIR]",
     "N games for each pair of neighbouring levels and for level 5 against level 1, then one "
     "rating per level fitted to them all, level 1 held at 1000, as a Markdown table (the "
     "match's options for the Expert apply)",
     Ladder},
};

}  // namespace

std::span<const Command> RatingCommands() {
    return kCommands;
}

}  // namespace circumvia::cli

#include "tools/cli/analysis_survey.h"

#include <chrono>
#include <iomanip>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

namespace circumvia::cli {

namespace {

constexpr int kSurveyMaxMoves = 500;

// What selfplay does, without printing.
void PlayGame(Tjeu& game, int red_level, int white_level, int seed) {
    game.Players[kRed].Kind = red_level;
    game.Players[kWhite].Kind = white_level;
    game.Random.Seed(static_cast<std::uint64_t>(seed));
    while (game.Result == kInProgress && game.Current < kSurveyMaxMoves) {
        const Move move = game.ComputerMove(game.Pos, game.SideToMove);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
}

Side Winner(int result) {
    if (result == kRedWon) return kRed;
    if (result == kWhiteWon) return kWhite;
    return 0;
}

void Count(Outcomes& outcomes, Side mover, Side winner) {
    ++outcomes.moves;
    outcomes.won += winner == mover;
    outcomes.lost += winner == Opponent(mover) && winner != 0;
}

std::size_t BandOf(int loss) {
    std::size_t band = 0;
    while (band + 1 < kLossBands.size() && loss >= kLossBands[band + 1]) ++band;
    return band;
}

void PrintRow(std::ostream& out, const std::string& label, const Outcomes& o) {
    const auto percent = [&](std::int64_t n) {
        return o.moves == 0 ? 0.0 : 100.0 * static_cast<double>(n) / static_cast<double>(o.moves);
    };
    out << "| " << std::left << std::setw(14) << label << std::right << " | " << std::setw(7)
        << o.moves << " | " << std::setw(5) << percent(o.won) << " | " << std::setw(5)
        << percent(o.lost) << " |\n";
}

std::size_t StandingOf(int value) {
    return value < -kLevelBand ? 0 : value > kLevelBand ? 2 : 1;
}

void AddMove(SurveyResult& result, const MoveAnalysis& move, Side winner) {
    ++result.moves;
    const auto move_class = static_cast<std::size_t>(move.move_class);
    Count(result.by_class[move_class], move.mover, winner);
    Count(result.by_standing[StandingOf(move.value_best)][move_class], move.mover, winner);
    if (!move.forced && !move.missed_win) {
        Count(result.by_loss[BandOf(move.loss)], move.mover, winner);
    }
}

}  // namespace

bool TallySurvey(std::istream& in, const ClassThresholds& thresholds, SurveyResult& result) {
    result.by_loss.resize(kLossBands.size());
    int last_seed = -1;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int seed = 0;
        int red_level = 0;
        int white_level = 0;
        int game_result = 0;
        MoveAnalysis move;
        if (!(fields >> seed >> red_level >> white_level >> game_result >> move.number >>
              move.mover >> move.value_best >> move.value_played >> move.forced >>
              move.missed_win)) {
            return false;
        }
        move.loss = MoveLoss(move.value_best, move.value_played);
        move.move_class = Classify(move.loss, move.forced, move.missed_win, thresholds);
        AddMove(result, move, Winner(game_result));
        result.games += seed != last_seed;
        last_seed = seed;
    }
    return true;
}

SurveyResult RunSurvey(const SurveyPlan& plan, const ClassThresholds& thresholds) {
    const auto start = std::chrono::steady_clock::now();
    SurveyResult result;
    result.by_loss.resize(kLossBands.size());
    AnalysisRun run;
    run.depth = plan.depth;
    run.threads = plan.threads;
    run.thresholds = thresholds;
    for (int g = 0; g < plan.games; ++g) {
        Tjeu game;
        PlayGame(game, 1 + g % kDesignedLevels, 1 + (g / kDesignedLevels) % kDesignedLevels,
                 plan.first_seed + g);
        const Side winner = Winner(game.Result);
        const GameAnalysis analysis = AnalyseGame(game.History, run);
        for (const MoveAnalysis& move : analysis.moves) {
            if (plan.moves_out) {
                *plan.moves_out << plan.first_seed + g << '\t' << game.Players[kRed].Kind << '\t'
                                << game.Players[kWhite].Kind << '\t' << game.Result << '\t'
                                << move.number << '\t' << move.mover << '\t' << move.value_best
                                << '\t' << move.value_played << '\t' << move.forced << '\t'
                                << move.missed_win << '\n';
            }
            AddMove(result, move, winner);
        }
        ++result.games;
    }
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

void PrintSurvey(const SurveyResult& result, const SurveyPlan& plan,
                 const ClassThresholds& thresholds, std::ostream& out) {
    out << std::fixed << std::setprecision(1);
    if (plan.games > 0) {
        out << "games " << result.games << " (seeds " << plan.first_seed << ".."
            << plan.first_seed + result.games - 1 << "), moves " << result.moves << ", depth "
            << plan.depth << ", " << result.seconds << " s\n";
    } else {
        out << "games " << result.games << ", moves " << result.moves << " (tallied)\n";
    }
    out << "thresholds: inaccuracy " << thresholds.inaccuracy << ", mistake " << thresholds.mistake
        << ", blunder " << thresholds.blunder << "\n\n";
    out << "| class          |   moves | won % | lost % |\n"
           "|----------------|---------|-------|--------|\n";
    for (std::size_t c = 0; c < result.by_class.size(); ++c) {
        PrintRow(out, std::string(ClassWord(static_cast<MoveClass>(c))), result.by_class[c]);
    }
    out << "\n| class          |  behind | lost % |   level | lost % |   ahead | lost % |\n"
           "|----------------|---------|--------|---------|--------|---------|--------|\n";
    for (std::size_t c = 0; c < result.by_class.size(); ++c) {
        out << "| " << std::left << std::setw(14) << ClassWord(static_cast<MoveClass>(c))
            << std::right;
        for (const auto& standing : result.by_standing) {
            const Outcomes& o = standing[c];
            const double lost =
                o.moves == 0 ? 0.0
                             : 100.0 * static_cast<double>(o.lost) / static_cast<double>(o.moves);
            out << " | " << std::setw(7) << o.moves << " | " << std::setw(6) << lost;
        }
        out << " |\n";
    }
    out << "\n| loss from      |   moves | won % | lost % |\n"
           "|----------------|---------|-------|--------|\n";
    for (std::size_t band = 0; band < result.by_loss.size(); ++band) {
        PrintRow(out, std::to_string(kLossBands[band]), result.by_loss[band]);
    }
}

}  // namespace circumvia::cli

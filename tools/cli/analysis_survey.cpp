#include "tools/cli/analysis_survey.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <iomanip>
#include <istream>
#include <ostream>
#include <sstream>
#include <string>

#include "model/analysis/game_analysis.h"
#include "model/evaluation.h"
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

// Whether move `number` of the record took a piece.
bool Captured(const GameRecord& record, int number) {
    const auto at = static_cast<std::size_t>(number);
    return record[at].Cells.Count(kEmpty) != record[at - 1].Cells.Count(kEmpty);
}

Side Winner(int result) {
    if (result == kRedWon) return kRed;
    if (result == kWhiteWon) return kWhite;
    return 0;
}

// What the side to move scored in the end: 1 won, 0 lost, 1/2 otherwise.
double ScoreOf(Side mover, Side winner) {
    if (winner == 0) return 0.5;
    return winner == mover ? 1.0 : 0.0;
}

void Count(Outcomes& outcomes, const MoveAnalysis& move, Side winner) {
    ++outcomes.moves;
    outcomes.won += winner == move.mover;
    outcomes.lost += winner == Opponent(move.mover) && winner != 0;
    outcomes.chance_before += move.chance_before;
    outcomes.scored += ScoreOf(move.mover, winner);
}

template <typename Bands, typename T>
std::size_t BandOf(const Bands& bands, T value) {
    std::size_t band = 0;
    while (band + 1 < bands.size() && value >= bands[band + 1]) ++band;
    return band;
}

double Percent(std::int64_t n, std::int64_t of) {
    return of == 0 ? 0.0 : 100.0 * static_cast<double>(n) / static_cast<double>(of);
}

// The row of a class or band: its moves, won and lost, the mover's mean winning chance
// before the move and what it scored in the end (a draw half).
void PrintRow(std::ostream& out, const std::string& label, const Outcomes& o) {
    const double n = std::max<double>(static_cast<double>(o.moves), 1);
    out << "| " << std::left << std::setw(14) << label << std::right << " | " << std::setw(7)
        << o.moves << " | " << std::setw(5) << Percent(o.won, o.moves) << " | " << std::setw(6)
        << Percent(o.lost, o.moves) << " | " << std::setw(8) << 100 * o.chance_before / n << " | "
        << std::setw(8) << 100 * o.scored / n << " |\n";
}

std::size_t StandingOf(double chance) {
    const auto at = std::lround(1000 * chance);
    return at < 500 - kLevelBand ? 0 : at > 500 + kLevelBand ? 2 : 1;
}

bool Forced(int value) {
    return value == kWinScore || value == kLossScore;
}

int RedView(const MoveAnalysis& move) {
    return move.mover == kRed ? move.value_played : -move.value_played;
}

void AddMove(SurveyResult& result, const MoveAnalysis& move, Side winner) {
    ++result.moves;
    const auto move_class = static_cast<std::size_t>(move.move_class);
    Count(result.by_class[move_class], move, winner);
    Count(result.by_standing[StandingOf(move.chance_before)][move_class], move, winner);
    if (!move.forced && !move.missed_win) {
        Count(result.by_loss[BandOf(kChanceLossBands,
                                    ChanceLoss(move.chance_before, move.chance_after))],
              move, winner);
    }
    if (!Forced(move.value_best)) {
        ChanceBin& bin = result.by_value[BandOf(kValueBands, Pieces(move.value_best))];
        ++bin.positions;
        bin.predicted += move.chance_before;
        bin.observed += ScoreOf(move.mover, winner);
    }
}

}  // namespace

bool ReadSurveyMoves(std::istream& in, std::vector<SurveyMove>& moves) {
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int red_level = 0;
        int white_level = 0;
        SurveyMove m;
        MoveAnalysis& move = m.move;
        if (!(fields >> m.seed >> red_level >> white_level >> m.result >> move.number >>
              move.mover >> move.value_best >> move.value_played >> move.forced >>
              move.missed_win)) {
            return false;
        }
        fields >> m.captured;  // files of earlier surveys end before it
        moves.push_back(m);
    }
    return true;
}

SurveyResult TallySurvey(std::vector<SurveyMove> moves, const ClassThresholds& thresholds) {
    SurveyResult result;
    result.by_loss.resize(kChanceLossBands.size());
    result.by_value.resize(kValueBands.size());
    std::vector<ChanceSample> samples;
    samples.reserve(moves.size());
    int last_seed = -1;
    const SurveyMove* previous = nullptr;
    for (SurveyMove& m : moves) {
        MoveAnalysis& move = m.move;
        move.loss = MoveLoss(move.value_best, move.value_played);
        move.chance_before = WinningChance(move.value_best);
        move.chance_after = WinningChance(move.value_played);
        move.move_class = MoveClassOf(move, thresholds);
        const Side winner = Winner(m.result);
        AddMove(result, move, winner);
        samples.push_back({move.value_best, ScoreOf(move.mover, winner)});
        result.games += m.seed != last_seed;
        last_seed = m.seed;
        if (previous && previous->seed == m.seed && previous->move.number + 1 == move.number &&
            !previous->captured && !m.captured && !Forced(previous->move.value_played) &&
            !Forced(move.value_played)) {
            result.quiet_swings.push_back(std::abs(RedView(move) - RedView(previous->move)));
        }
        previous = &m;
    }
    result.fitted = FitChanceCurve(samples);
    return result;
}

SurveyResult RunSurvey(const SurveyPlan& plan, const ClassThresholds& thresholds) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<SurveyMove> moves;
    AnalysisRun run;
    run.depth = plan.depth;
    run.threads = plan.threads;
    run.thresholds = thresholds;
    run.same_parity = plan.same_parity;
    for (int g = 0; g < plan.games; ++g) {
        Tjeu game;
        PlayGame(game, 1 + g % kDesignedLevels, 1 + (g / kDesignedLevels) % kDesignedLevels,
                 plan.first_seed + g);
        const GameAnalysis analysis = AnalyseGame(game.History, run);
        for (const MoveAnalysis& move : analysis.moves) {
            const bool captured = Captured(game.History, move.number);
            if (plan.moves_out) {
                *plan.moves_out << plan.first_seed + g << '\t' << game.Players[kRed].Kind << '\t'
                                << game.Players[kWhite].Kind << '\t' << game.Result << '\t'
                                << move.number << '\t' << move.mover << '\t' << move.value_best
                                << '\t' << move.value_played << '\t' << move.forced << '\t'
                                << move.missed_win << '\t' << captured << '\n';
            }
            moves.push_back({plan.first_seed + g, game.Result, move, captured});
        }
    }
    SurveyResult result = TallySurvey(std::move(moves), thresholds);
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
            << plan.depth << (plan.same_parity ? "" : " (fixed)") << ", " << result.seconds
            << " s\n";
    } else {
        out << "games " << result.games << ", moves " << result.moves << " (tallied)\n";
    }
    const ChanceCurve curve = DefaultChanceCurve();
    out << std::setprecision(3) << "chance curve: scale " << curve.scale << ", offset "
        << curve.offset << "; fitted on these games: scale " << result.fitted.scale << ", offset "
        << result.fitted.offset << '\n';
    std::vector<int> swings = result.quiet_swings;
    std::sort(swings.begin(), swings.end());
    if (!swings.empty()) {
        double sum = 0;
        for (const int s : swings) sum += s;
        const auto at = [&](double q) {
            return Pieces(
                swings[static_cast<std::size_t>(q * static_cast<double>(swings.size() - 1))]);
        };
        out << std::setprecision(2) << "quiet half-move swing (pieces): mean "
            << sum / static_cast<double>(swings.size()) / kPieceUnits << ", median " << at(0.5)
            << ", 90th percentile " << at(0.9) << " over " << swings.size() << " pairs\n";
    }
    out << std::setprecision(1) << "thresholds (chance lost, tenths of a percent): inaccuracy "
        << thresholds.inaccuracy << ", mistake " << thresholds.mistake << ", blunder "
        << thresholds.blunder << "\n\n";
    out << "| value from    | positions | predicted % | observed % |\n"
           "|---------------|-----------|-------------|------------|\n";
    for (std::size_t band = 0; band < result.by_value.size(); ++band) {
        const ChanceBin& bin = result.by_value[band];
        const double n = std::max<double>(static_cast<double>(bin.positions), 1);
        out << "| " << std::setw(13) << (band == 0 ? std::string("below -4") : [&] {
            std::ostringstream label;
            label << std::fixed << std::setprecision(1) << kValueBands[band];
            return label.str();
        }()) << " | " << std::setw(9) << bin.positions << " | " << std::setw(11)
            << 100 * bin.predicted / n << " | " << std::setw(10) << 100 * bin.observed / n
            << " |\n";
    }
    out << "\n| class          |   moves | won % | lost % | before % | scored % |\n"
           "|----------------|---------|-------|--------|----------|----------|\n";
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
            out << " | " << std::setw(7) << o.moves << " | " << std::setw(6)
                << Percent(o.lost, o.moves);
        }
        out << " |\n";
    }
    out << "\n| chance lost    |   moves | won % | lost % | before % | scored % |\n"
           "|----------------|---------|-------|--------|----------|----------|\n";
    for (std::size_t band = 0; band < result.by_loss.size(); ++band) {
        std::ostringstream label;
        label << std::fixed << std::setprecision(1) << kChanceLossBands[band] / 10.0 << " %";
        PrintRow(out, label.str(), result.by_loss[band]);
    }
}

}  // namespace circumvia::cli

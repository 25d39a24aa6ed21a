#include "dialogs/review_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "dialogs/class_marks.h"
#include "dialogs/display_text.h"
#include "dialogs/exact_value_text.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/analysis/winning_chance.h"
#include "model/draw_cause.h"
#include "model/evaluation.h"
#include "model/movegen.h"
#include "model/notation.h"

namespace circumvia::dialogs {

std::string PiecesText(int value) {
    char text[32];
    const double pieces = std::round(Pieces(value) * 10) / 10;
    std::snprintf(text, sizeof text, "%.1f", std::abs(pieces));
    std::string written = text;
    if (lang::LanguageCode() != 'A') std::replace(written.begin(), written.end(), '.', ',');
    if (pieces == 0) return written;
    return (pieces > 0 ? "+" : "\u2212") + written;
}

std::string ReviewValueText(int value, int moves_to_end, bool drawn) {
    const int base = lang::CaptionBase();
    if (drawn) return lang::Caption(base + lang::caption::kValueRepetitionDraw);
    if (value == kWinScore || value == kLossScore) {
        const int caption =
            value == kWinScore ? lang::caption::kExactWin : lang::caption::kExactLoss;
        return lang::FormatText(lang::Caption(base + caption), {std::to_string(moves_to_end)});
    }
    return PiecesText(value);
}

std::string PercentText(double chance) {
    return lang::FormatText(lang::Caption(lang::CaptionBase() + lang::caption::kPercent),
                            {std::to_string(std::lround(100 * chance))});
}

std::string MoveValueText(const MoveAnalysis& move, bool played) {
    std::string text =
        played ? ReviewValueText(move.value_played, move.played_moves_to_end, move.played_drawn)
               : ReviewValueText(move.value_best, move.best_moves_to_end, move.best_drawn);
    text += ", " + PercentText(played ? move.chance_after : move.chance_before);
    if (move.exact) text += ", " + ExactValueText(played ? move.exact->played : move.exact->best);
    return text;
}

std::string MarkedMoveText(const MoveAnalysis& move) {
    std::string text = MoveText(move.played.From, move.played.To);
    const QString symbol = ClassSymbol(move.move_class);
    if (!symbol.isEmpty()) {
        text += ' ';
        text += symbol.toStdString();
    }
    return text;
}

std::string LineMoveText(Move move, const Position& position, Side side,
                         const std::array<std::string, 3>& names) {
    const int base = lang::CaptionBase();
    const std::string& name = names[static_cast<std::size_t>(side)];
    const std::string text = MoveText(move.From, move.To);
    if (position[move.To] == Opponent(side)) {
        return lang::FormatText(lang::Caption(base + lang::caption::kLineTakes),
                                {name, CellText(move.To), text});
    }
    return lang::FormatText(lang::Caption(base + lang::caption::kLinePlays), {name, text});
}

std::string PunishingLineText(const MoveAnalysis& move, const Position& after,
                              const std::array<std::string, 3>& names) {
    if (move.reply_line.empty()) return {};
    Position position = after;
    Side side = Opponent(move.mover);
    std::string line;
    for (const Move reply : move.reply_line) {
        if (!line.empty()) line += ", ";
        line += LineMoveText(reply, position, side, names);
        ApplyMoveTo(position, reply);
        side = Opponent(side);
    }
    return lang::FormatText(lang::LoadText(lang::message::kPunishingLine),
                            {MoveText(move.played.From, move.played.To), line});
}

namespace {

std::string SummaryLine(const std::string& name, const PlayerSummary& summary) {
    return lang::FormatText(lang::LoadText(lang::message::kReviewPlayerSummary),
                            {name, lang::CountedText(summary.inaccuracies, lang::kInaccuracies),
                             lang::CountedText(summary.mistakes, lang::kMistakes),
                             lang::CountedText(summary.blunders, lang::kBlunders),
                             lang::CountedText(summary.missed_wins, lang::kMissedWins)});
}

// "Turning points: 5. D 5->C 5 ? 52% → 18%, ..." for one player; empty without any.
std::string TurningPointsLine(const GameAnalysis& analysis, Side side) {
    const int base = lang::CaptionBase();
    std::string points;
    for (const MoveAnalysis& move : analysis.moves) {
        if (!move.turning_point || move.mover != side) continue;
        if (!points.empty()) points += ", ";
        points += std::to_string(move.number);
        points += ". ";
        points += MarkedMoveText(move);
        points += ' ';
        points +=
            lang::FormatText(lang::Caption(base + lang::caption::kChanceAfter),
                             {PercentText(move.chance_before), PercentText(move.chance_after)});
    }
    if (points.empty()) return {};
    return lang::FormatText(lang::Caption(base + lang::caption::kTurningPoints), {points});
}

}  // namespace

QStringList ReviewSummaryLines(const GameAnalysis& analysis,
                               const std::array<std::string, 3>& names) {
    if (analysis.moves.empty()) return {};
    const std::array<PlayerSummary, 3> summaries = Summarise(analysis);
    QStringList lines;
    for (const Side side : {kRed, kWhite}) {
        lines << QString::fromStdString(SummaryLine(names[side], summaries[side]));
        const std::string points = TurningPointsLine(analysis, side);
        if (!points.empty()) lines << QString::fromStdString(points);
    }
    return lines;
}

std::string DrawText(const Tjeu& game) {
    const DrawReason reason = ReasonOfDraw(game);
    switch (reason.cause) {
        case DrawCause::kRepetition:
            return lang::LoadText(lang::message::kDrawByRepetition);
        case DrawCause::kNoMove:
            return lang::FormatText(lang::LoadText(lang::message::kDrawNoMove),
                                    {NameInTextUtf8(game.PlayerOf(reason.without_move).Name)});
        case DrawCause::kNone:
            break;
    }
    return lang::LoadText(lang::message::kGameDrawn);
}

QString ReviewLegend() {
    const int base = lang::CaptionBase();
    std::string legend;
    for (const int caption : {lang::caption::kLegendInaccuracy, lang::caption::kLegendMistake,
                              lang::caption::kLegendBlunder, lang::caption::kLegendMissedWin,
                              lang::caption::kLegendTurningPoint, lang::caption::kLegendValues}) {
        if (!legend.empty()) legend += "   ";
        legend += lang::Caption(base + caption);
    }
    return QString::fromStdString(legend);
}

}  // namespace circumvia::dialogs

#pragma once
// How a move is judged once its loss is known. The loss is what the move gave away against
// the best move, in evaluation units (a piece is worth about 55); the thresholds were chosen
// from how often the side making such a move went on to win (docs/analysis.md).

#include <cstdint>
#include <optional>
#include <string_view>

namespace circumvia {

enum class MoveClass {
    kBest,        // nothing lost
    kGood,        // lost less than an inaccuracy
    kInaccuracy,  // "?!"
    kMistake,     // "?"
    kBlunder,     // "??"
    kMissedWin,   // a move taking the opponent's last piece was there and not played
    kForced,      // the only legal move
};

// A loss from this value up is an inaccuracy, a mistake, a blunder.
struct ClassThresholds {
    std::int64_t inaccuracy = 0;
    std::int64_t mistake = 0;
    std::int64_t blunder = 0;
};

// The thresholds measured for the default depth.
ClassThresholds DefaultThresholds();

// The class by loss alone: kBest for no loss, up to kBlunder.
MoveClass LossClass(std::int64_t loss, const ClassThresholds& thresholds);

// The class shown for a move: kForced before kMissedWin before the class by loss.
MoveClass Classify(std::int64_t loss, bool forced, bool missed_win,
                   const ClassThresholds& thresholds);

// "best", "good", "inaccuracy", "mistake", "blunder", "missed-win", "forced".
std::string_view ClassWord(MoveClass move_class);
std::optional<MoveClass> ClassFromWord(std::string_view word);

}  // namespace circumvia

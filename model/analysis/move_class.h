#pragma once
// How a move is judged: by the winning chance it lost against the best move
// (winning_chance.h), in tenths of a percent. The thresholds were chosen from how often the
// side making such a move went on to win (docs/analysis.md). The loss in evaluation units
// (MoveLoss) is still reported beside it.

#include <optional>
#include <string_view>

namespace circumvia {

enum class MoveClass {
    kBest,        // nothing lost
    kGood,        // lost less than an inaccuracy
    kInaccuracy,  // "?!"
    kMistake,     // "?"
    kBlunder,     // "??"
    kMissedWin,   // a move taking the opponent's last piece was there and not played: "#?"
    kForced,      // the only legal move
};

// A loss of winning chance (in tenths of a percent: 1000 is the whole game) from this value
// up is an inaccuracy, a mistake, a blunder.
struct ClassThresholds {
    int inaccuracy = 0;
    int mistake = 0;
    int blunder = 0;
};

// Values beyond this either way count as this much in a loss. A forced win or loss is
// worth the whole score range, yet throwing away a forced win while staying far ahead
// costs little, and walking into a forced loss from a balanced position costs everything
// there is: so a win counts as being this far ahead (about six pieces), a loss as this
// far behind.
inline constexpr int kDecisiveValue = 300;

// The loss of a move worth `played` where the best was worth `best`: never negative,
// at most twice kDecisiveValue.
int MoveLoss(int best, int played);

// The thresholds measured for the default depth.
ClassThresholds DefaultThresholds();

// The winning chance (0..1) lost from `before` to `after`, in tenths of a percent, never
// negative.
int ChanceLoss(double before, double after);

// The class by loss of chance alone: kBest for no loss, up to kBlunder.
MoveClass LossClass(int loss, const ClassThresholds& thresholds);

// The class shown for a move: kForced before kMissedWin before the class by loss.
MoveClass Classify(int loss, bool forced, bool missed_win, const ClassThresholds& thresholds);

// "best", "good", "inaccuracy", "mistake", "blunder", "missed-win", "forced".
std::string_view ClassWord(MoveClass move_class);
std::optional<MoveClass> ClassFromWord(std::string_view word);

}  // namespace circumvia

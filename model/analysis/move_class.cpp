#include "model/analysis/move_class.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace circumvia {

namespace {

constexpr std::array<std::pair<MoveClass, std::string_view>, 7> kWords = {{
    {MoveClass::kBest, "best"},
    {MoveClass::kGood, "good"},
    {MoveClass::kInaccuracy, "inaccuracy"},
    {MoveClass::kMistake, "mistake"},
    {MoveClass::kBlunder, "blunder"},
    {MoveClass::kMissedWin, "missed-win"},
    {MoveClass::kForced, "forced"},
}};

}  // namespace

// Chosen from the survey in docs/analysis.md, where each class loses clearly more often
// than the one below it.
ClassThresholds DefaultThresholds() {
    return {.inaccuracy = 40, .mistake = 100, .blunder = 200};
}

int ChanceLoss(double before, double after) {
    return std::max(0, static_cast<int>(std::lround(1000 * (before - after))));
}

int MoveLoss(int best, int played) {
    const auto decisive = [](int value) {
        return std::clamp(value, -kDecisiveValue, kDecisiveValue);
    };
    return std::max(0, decisive(best) - decisive(played));
}

MoveClass LossClass(int loss, const ClassThresholds& thresholds) {
    if (loss <= 0) return MoveClass::kBest;
    if (loss >= thresholds.blunder) return MoveClass::kBlunder;
    if (loss >= thresholds.mistake) return MoveClass::kMistake;
    if (loss >= thresholds.inaccuracy) return MoveClass::kInaccuracy;
    return MoveClass::kGood;
}

MoveClass Classify(int loss, bool forced, bool missed_win, const ClassThresholds& thresholds) {
    if (forced) return MoveClass::kForced;
    if (missed_win) return MoveClass::kMissedWin;
    return LossClass(loss, thresholds);
}

std::string_view ClassWord(MoveClass move_class) {
    for (const auto& [value, word] : kWords) {
        if (value == move_class) return word;
    }
    return {};
}

std::optional<MoveClass> ClassFromWord(std::string_view word) {
    for (const auto& [value, text] : kWords) {
        if (text == word) return value;
    }
    return std::nullopt;
}

}  // namespace circumvia

#pragma once

#include "lang/text_ids.h"

namespace circumvia::lang::caption {

// The caption naming a kind of player: human, a designed level, or the Expert after them
// (its caption lies outside the designed kinds' run). Kinds below human read as human.
constexpr int KindCaption(int kind) {
    if (kind >= kSetupKinds) return kSetupKindExpert;
    return kSetupKindFirst + (kind < 0 ? 0 : kind);
}

}  // namespace circumvia::lang::caption

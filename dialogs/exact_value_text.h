#pragma once
// The endgame table's verdict in the current language, shown beside a value in the review:
// "wins in 7", "loses in 4", "draw".

#include <string>

#include "model/endgame/endgame_value.h"

namespace circumvia::dialogs {

std::string ExactValueText(const endgame::EndgameValue& value);

}  // namespace circumvia::dialogs

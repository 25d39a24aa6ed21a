#include "dialogs/exact_value_text.h"

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::dialogs {

std::string ExactValueText(const endgame::EndgameValue& value) {
    const int base = lang::CaptionBase();
    const std::string distance = std::to_string(value.distance);
    switch (value.outcome) {
        case endgame::Outcome::Win:
            return lang::FormatText(lang::Caption(base + lang::caption::kExactWin), {distance});
        case endgame::Outcome::Loss:
            return lang::FormatText(lang::Caption(base + lang::caption::kExactLoss), {distance});
        case endgame::Outcome::Draw:
            break;
    }
    return lang::Caption(base + lang::caption::kExactDraw);
}

}  // namespace circumvia::dialogs

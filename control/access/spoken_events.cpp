#include "control/access/spoken_events.h"

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

std::string CaptionNow(int offset) {
    return lang::Caption(lang::CaptionBase() + offset);
}

int MoveCaption(Side mover, bool capture) {
    namespace caption = lang::caption;
    if (capture) return mover == kRed ? caption::kSpokenRedCapture : caption::kSpokenWhiteCapture;
    return mover == kRed ? caption::kSpokenRedStep : caption::kSpokenWhiteStep;
}

}  // namespace

std::string SpokenMove(Side mover, int from, int to, bool capture, Side next) {
    std::string text =
        lang::FormatText(CaptionNow(MoveCaption(mover, capture)), {CellText(from), CellText(to)});
    if (next == kRed || next == kWhite) text += ". " + SpokenTurn(next);
    return text;
}

std::string SpokenTurn(Side side) {
    return CaptionNow(side == kRed ? lang::caption::kSpokenRedToMove
                                   : lang::caption::kSpokenWhiteToMove);
}

std::string SpokenSelection(int cell) {
    if (!IsCell(cell)) return CaptionNow(lang::caption::kSpokenDropped);
    return lang::FormatText(CaptionNow(lang::caption::kSpokenSelected), {CellText(cell)});
}

std::string CaptureShown(const std::string& player, int from, int to) {
    return lang::FormatText(CaptionNow(lang::caption::kCaptureShown),
                            {player, MoveText(from, to), CellText(to)});
}

}  // namespace circumvia::control

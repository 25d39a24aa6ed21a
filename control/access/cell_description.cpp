#include "control/access/cell_description.h"

#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {
int ContentMessage(std::uint8_t content) {
    switch (content) {
        case kRed:
            return lang::message::kCellRedPiece;
        case kWhite:
            return lang::message::kCellWhitePiece;
        default:
            return lang::message::kCellEmpty;
    }
}
}  // namespace

std::string CellDescription(const Position& position, int cell, CellState state) {
    std::string text = CellText(cell) + ", " + lang::LoadText(ContentMessage(position[cell]));
    if (state.selected) text += ", " + lang::LoadText(lang::message::kCellSelected);
    if (state.destination) text += ", " + lang::LoadText(lang::message::kCellDestination);
    return text;
}

}  // namespace circumvia::control

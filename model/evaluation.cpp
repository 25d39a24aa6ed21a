#include "evaluation.h"

#include "movegen.h"

namespace circumvia {

int PieceValue(const Position& position, int cell) {
    if (position[cell] == kEmpty) return 0;
    int value = kPieceBaseValue;
    if (!IsCorner(cell)) {
        for (Circuit circuit : {Circuit::Outer, Circuit::Inner}) {
            if (OnCircuit(cell, circuit)) {
                value += kCaptureThreatValue *
                         static_cast<int>(ScanCaptures(position, circuit, cell).size());
            }
        }
    }
    for (std::uint8_t neighbour : NeighboursOf(cell)) value += position[neighbour] == kEmpty;
    return value;
}

int Evaluate(const Position& position, Side side) {
    return Evaluate(PackedBoard::From(position), side == kWhite ? kWhite : kRed);
}

}  // namespace circumvia

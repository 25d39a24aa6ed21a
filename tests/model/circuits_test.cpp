#include "model/circuits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "model/board.h"

namespace circumvia {
namespace {

int Occurrences(Circuit circuit, int cell) {
    int count = 0;
    for (int p = 1; p <= kCircuitLength; ++p) count += TableOf(circuit)[p] == cell;
    return count;
}

// The membership grid of the board: I inner, O outer, a doubled letter twice on that circuit.
TEST(Circuits, MembershipMatchesTheBoardGrid) {
    const char* grid[6][6] = {
        {"", "I", "O", "O", "I", ""},       {"I", "II", "IO", "IO", "II", "I"},
        {"O", "IO", "OO", "OO", "IO", "O"}, {"O", "IO", "OO", "OO", "IO", "O"},
        {"I", "II", "IO", "IO", "II", "I"}, {"", "I", "O", "O", "I", ""}};
    for (int cell = 1; cell <= 36; ++cell) {
        const std::string expected = grid[RowOf(cell) - 1][ColumnOf(cell) - 1];
        std::string actual(Occurrences(Circuit::Inner, cell), 'I');
        actual += std::string(Occurrences(Circuit::Outer, cell), 'O');
        EXPECT_EQ(actual, expected) << "cell " << cell;
        EXPECT_EQ(OnCircuit(cell, Circuit::Inner), expected.find('I') != std::string::npos);
        EXPECT_EQ(OnCircuit(cell, Circuit::Outer), expected.find('O') != std::string::npos);
    }
}

TEST(Circuits, CornersLieOnNoCircuit) {
    for (int corner : {1, 6, 31, 36}) {
        EXPECT_FALSE(OnCircuit(corner, Circuit::Inner));
        EXPECT_FALSE(OnCircuit(corner, Circuit::Outer));
    }
}

TEST(Circuits, FindOnCircuitReturnsSuccessiveOccurrences) {
    EXPECT_EQ(FindOnCircuit(Circuit::Inner, 8, 1), 3);
    EXPECT_EQ(FindOnCircuit(Circuit::Inner, 8, 4), 24);
    EXPECT_EQ(FindOnCircuit(Circuit::Inner, 8, 25), -1);
    EXPECT_EQ(FindOnCircuit(Circuit::Outer, 15, 1), 4);
    EXPECT_EQ(FindOnCircuit(Circuit::Outer, 15, 5), 23);
    EXPECT_EQ(FindOnCircuit(Circuit::Outer, 2, 1), -1);
}

// Between positions 1-2, 7-8, 13-14 and 19-20 the circuit goes round a corner: the two
// cells are not neighbours on the grid. Every other step is to an adjacent cell on a line.
TEST(Circuits, ArcsSitBetweenTheDocumentedPositions) {
    for (Circuit circuit : {Circuit::Inner, Circuit::Outer}) {
        const CircuitTable& t = TableOf(circuit);
        for (int p = 1; p <= kCircuitLength; ++p) {
            const int a = t[p];
            const int b = t[WrapCircuitPosition(p + 1)];
            const bool adjacent =
                std::abs(RowOf(a) - RowOf(b)) + std::abs(ColumnOf(a) - ColumnOf(b)) == 1;
            const bool arc = p % 6 == 1;
            EXPECT_EQ(adjacent, !arc) << "positions " << p << " and " << p + 1;
            EXPECT_EQ(IsArcArrival(p + 1, kForward), arc);
            EXPECT_EQ(IsArcArrival(p, kBackward), arc);
        }
    }
}

}  // namespace
}  // namespace circumvia

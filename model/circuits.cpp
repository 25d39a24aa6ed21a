#include "circuits.h"

namespace circumvia {

namespace {

constexpr CircuitTable kInner = {0,  2,  7,  8,  9,  10, 11, 12, 5,  11, 17, 23, 29,
                                 35, 30, 29, 28, 27, 26, 25, 32, 26, 20, 14, 8};
constexpr CircuitTable kOuter = {0,  3,  13, 14, 15, 16, 17, 18, 4,  10, 16, 22, 28,
                                 34, 24, 23, 22, 21, 20, 19, 33, 27, 21, 15, 9};

static_assert(IsArcArrival(1, kBackward) && IsArcArrival(7, kBackward) &&
              IsArcArrival(13, kBackward) && IsArcArrival(19, kBackward));
static_assert(IsArcArrival(2, kForward) && IsArcArrival(8, kForward) &&
              IsArcArrival(14, kForward) && IsArcArrival(20, kForward));
static_assert(!IsArcArrival(2, kBackward) && !IsArcArrival(1, kForward) &&
              !IsArcArrival(24, kForward) && !IsArcArrival(24, kBackward));

}  // namespace

const CircuitTable& TableOf(Circuit circuit) {
    return circuit == Circuit::Inner ? kInner : kOuter;
}

int FindOnCircuit(Circuit circuit, int cell, int start) {
    const CircuitTable& table = TableOf(circuit);
    for (int p = start < 1 ? 1 : start; p <= kCircuitLength; ++p) {
        if (table[p] == cell) return p;
    }
    return -1;
}

bool OnCircuit(int cell, Circuit circuit) {
    return FindOnCircuit(circuit, cell, 1) > 0;
}

}  // namespace circumvia

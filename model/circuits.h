#pragma once
// The two looped circuits along which captures travel.

#include <array>
#include <cstdint>

namespace circumvia {

enum class Circuit : std::uint8_t { Inner, Outer };

inline constexpr int kCircuitLength = 24;

// Cell at each circuit position 1..24 (index 0 unused). A corner arc lies between
// positions 1-2, 7-8, 13-14 and 19-20; every other neighbouring pair is on a straight line.
using CircuitTable = std::array<std::uint8_t, kCircuitLength + 1>;

const CircuitTable& TableOf(Circuit circuit);

// True when the cell occurs anywhere on the circuit.
bool OnCircuit(int cell, Circuit circuit);

// First position p with start <= p <= 24 holding the cell, or -1.
int FindOnCircuit(Circuit circuit, int cell, int start);

// Walk directions along a circuit.
inline constexpr int kBackward = -1;
inline constexpr int kForward = +1;

// Wraps a position stepped past either end back into 1..24.
constexpr int WrapCircuitPosition(int q) {
    if (q < 1) return q + kCircuitLength;
    if (q > kCircuitLength) return q - kCircuitLength;
    return q;
}

// Arriving at this position in this direction means an arc has just been crossed.
constexpr bool IsArcArrival(int position, int direction) {
    const int offset = direction == kBackward ? 1 : 2;
    return (position - offset) % 6 == 0 && position >= offset;
}

}  // namespace circumvia

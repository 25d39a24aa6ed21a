#pragma once
// What the endgame table knows of a position: the result for the side to move under
// perfect play and how many moves (each side's move counting one) remain to the capture of
// the last piece.

#include <cstdint>

namespace circumvia::endgame {

// Stored per slot: 0 a draw; otherwise the moves to the end, odd when the side to move
// takes the last piece, even when it loses it.
using Distance = std::uint16_t;

enum class Outcome { Win, Draw, Loss };

struct EndgameValue {
    Outcome outcome = Outcome::Draw;
    int distance = 0;  // 0 for a draw
    bool operator==(const EndgameValue&) const = default;
};

constexpr EndgameValue ValueOf(Distance distance) {
    if (distance == 0) return {};
    return {distance % 2 == 1 ? Outcome::Win : Outcome::Loss, distance};
}

// The value for the side that just moved, one move earlier than `after`.
constexpr EndgameValue ValueBefore(EndgameValue after) {
    if (after.outcome == Outcome::Draw) return {};
    return {after.outcome == Outcome::Win ? Outcome::Loss : Outcome::Win, after.distance + 1};
}

// Wins sooner first, then draws, then losses later first: the order a player prefers.
constexpr int Preference(EndgameValue value) {
    constexpr int kFar = 1 << 20;
    switch (value.outcome) {
        case Outcome::Win:
            return kFar * 2 - value.distance;
        case Outcome::Draw:
            return kFar;
        case Outcome::Loss:
            return value.distance;
    }
    return 0;
}

}  // namespace circumvia::endgame

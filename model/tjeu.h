#pragma once
// The game model: current position, side to move, players, result and record.

#include <array>
#include <string>

#include "board.h"
#include "history.h"

namespace circumvia {

// Result codes.
inline constexpr int kInProgress = 0;
inline constexpr int kRedWon = 1;
inline constexpr int kWhiteWon = 2;
inline constexpr int kDrawn = -1;
inline constexpr int kWhiteResigned = 3;  // only ever read from a game file
inline constexpr int kRedResigned = 4;    // likewise

// Player kinds: 0 a human, 1..5 the computer at that level. Anything below 1 is human.
inline constexpr int kHuman = 0;
inline constexpr int kMaxLevel = 5;
constexpr bool IsComputer(int kind) { return kind > 0; }

inline constexpr char kNoName[] = "Noname";
inline constexpr char kDefaultRedName[] = "GARNET";
inline constexpr char kDefaultWhiteName[] = "IVORY";

struct Player {
    std::string Name;  // UTF-8
    int Pieces = 12;
    int Kind = kHuman;
};

class Tjeu {
public:
    Tjeu();

    // Start of a new game; the players' names are kept.
    void ResetGame();

    Player& PlayerOf(Side side) { return Players[side]; }
    const Player& PlayerOf(Side side) const { return Players[side]; }

    Position Pos;  // the current board
    Side SideToMove = kRed;
    int Depth = 7;     // search depth of the last computer search
    int Current = 0;   // index of the entry equal to Pos: moves played since the start
    std::string FileName = kNoName;
    bool BothComputers = false;
    int Result = kInProgress;
    GameRecord History;
    std::array<Player, 3> Players;  // [1] Red, [2] White; [0] unused so sides index directly
};

}  // namespace circumvia

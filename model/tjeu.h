#pragma once
// The game model: current position, side to move, players, result and record, with the
// operations of the record (record.cpp) and of the computer player (computer_player.cpp).

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "board.h"
#include "game_tree.h"
#include "history.h"
#include "move.h"
#include "random.h"
#include "search.h"

namespace circumvia {

namespace endgame {
class EndgameTable;
}

// Result codes.
inline constexpr int kInProgress = 0;
inline constexpr int kRedWon = 1;
inline constexpr int kWhiteWon = 2;
inline constexpr int kDrawn = -1;
inline constexpr int kWhiteResigned = 3;  // only ever read from a game file
inline constexpr int kRedResigned = 4;    // likewise

// EndTest looks for repetitions only from this move on, and this many earlier sightings
// of the position before the last move draw the game.
inline constexpr int kFirstRepetitionMove = 6;
inline constexpr int kRepetitionsForDraw = 4;

// Player kinds: 0 a human, 1..5 the computer's designed levels, 6 the Expert, which searches
// by time and plays perfect endgames from the endgame table. Anything below 1 is human.
inline constexpr int kHuman = 0;
inline constexpr int kDesignedLevels = 5;
inline constexpr int kExpertLevel = 6;
inline constexpr int kMaxLevel = kExpertLevel;
constexpr bool IsComputer(int kind) {
    return kind > 0;
}
constexpr bool IsPlayerKind(int kind) {
    return kind >= kHuman && kind <= kMaxLevel;
}
// The deepest search any level plays (level 5 in the endgame): a depth read from elsewhere
// is kept within 0..kDeepestSearch, so no file can ask for a search that never ends.
inline constexpr int kDeepestSearch = 7;

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

    // --- The record (record.cpp) ---

    // Applies the move to `position`; when that is Pos itself, also records it, passes the
    // turn, recounts the pieces and runs EndTest. A move with a 0 is the null move: it is
    // recorded and ends the game drawn. Nothing happens once the game is over, nor for a
    // cell outside 0..36.
    void ApplyMove(Position& position, int from, int to);
    // Recounts the pieces and sets Result: a side without pieces has lost; from move 6 on,
    // the position before the last move seen in four earlier entries is a draw.
    void EndTest();
    // Entries 0..Current-1 holding exactly these cells.
    int RepetitionCount(const Position& cells) const;
    // Back to the last decision of a human player, and forward to the next one.
    void StepBack();
    void StepForward();
    // Whether StepBack / StepForward would find an entry (the navigation buttons).
    bool CanStepBack() const;
    bool CanStepForward() const;
    // Every value of Current that back and forward steps reach from here, Current
    // included, in increasing order: the moves a jump through the record can land on.
    std::vector<int> StepStops() const;

    // --- The tree of lines (record_tree.cpp) ---

    // The tree node of the position on the board.
    int CurrentNode() const;
    // Stands on `node`: the record becomes the line through it (on along main moves), the
    // board, side to move and result those of that position.
    void GoToNode(int node);
    // Drops `node` and everything after it; the board stays, or goes back to the move
    // before `node` when it stood inside what was dropped.
    void DeleteNode(int node);
    // The tree rebuilt from the record alone (a game read from a file).
    void AdoptRecord();
    // Puts `tree` in place, standing at the end of its main line.
    void AdoptTree(GameTree tree);

    // --- The computer player (computer_player.cpp) ---

    // The move of the computer player of `side` (its level is Players[side].Kind), with the
    // level's randomness; the null move when the side has no move.
    Move ComputerMove(const Position& position, Side side);
    // A proposal at a fixed depth, without level randomness.
    Move SuggestMove(const Position& position, Side side, int depth);
    // A uniformly chosen move of the level-0 side in the level-0 position, or the null move.
    Move RandomMove();

    Position Pos;  // the current board
    Side SideToMove = kRed;
    int Depth = 7;    // search depth of the last computer search
    int Current = 0;  // index of the entry equal to Pos: moves played since the start
    std::string FileName = kNoName;
    bool BothComputers = false;
    int Result = kInProgress;
    GameRecord History;
    // Every line played or read; History is always its selected line.
    GameTree Tree;
    std::array<Player, 3> Players;  // [1] Red, [2] White; [0] unused so sides index directly

    // The search's working state (SearchStack, RootSide, node count) of the last call.
    SearchEngine Engine;
    // The model's random numbers: from the clock unless a test or tool fixes a seed.
    RandomSource Random;
    // The endgame table the Expert plays from, when the program has one.
    std::shared_ptr<const endgame::EndgameTable> Endgame;
    // How long the Expert thinks about a move.
    std::chrono::milliseconds ExpertTime{1000};

private:
    // Entry k, or a cleared entry when k lies outside the record.
    const HistoryEntry& EntryAt(int k) const;
    bool IsHumanMove(int k) const;
    // Where StepBack / StepForward would land from `current` (the entry whose mover's
    // decision it was), or -1.
    int StepBackTarget(int current) const;
    int StepForwardTarget(int current) const;
    void CountPieces();
    // History's entries from `first` on: the tree's selected line, the rest cleared.
    void WriteLineFrom(int first);
    // The side to move after line entry `index`.
    Side SideAfter(int index) const;
    int ChooseDepth(Side side, int balance, int red, int white);
    // Searches the engine's root to Depth plies against the record's repetitions; where the
    // search finds no move, a random one (so the null move only when there is none).
    Move SearchFromRoot();
    // The Expert's move: from the table, else by its search within ExpertTime.
    Move ExpertMove(const Position& position, Side side);
};

}  // namespace circumvia

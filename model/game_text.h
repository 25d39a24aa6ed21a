#pragma once
// The text record (".cvn"): a game with every line of its tree, its comments and marks, as
// plain text a person can read, mail and edit. Written by game_text_writer.cpp, read by
// game_text_reader.cpp; the format is described in docs/game-text.md.

#include <cstddef>
#include <string>
#include <string_view>

#include "tjeu.h"

namespace circumvia {

// As for a game file: far beyond any real game, yet bounded.
inline constexpr std::size_t kMaxGameTextBytes = 16 * 1024 * 1024;
// More moves than the largest game file can hold (16 MiB at 44 bytes a move), so every game
// file converts, while a text of a million moves is refused instead of filling memory.
inline constexpr int kMaxGameTextMoves = 400'000;

// What a text holds beyond the model's game.
struct GameTextTags {
    std::string date;       // as written in the Date tag; empty writes "????.??.??"
    std::string file_name;  // the name a game file stored before its save; empty for none
};

// The whole tree, with the players and the result of the main line. The root side is the
// side that moves first; the board of the root is written only when it is not the start.
std::string WriteGameText(const Tjeu& game, const GameTextTags& tags = {});

// The side that moves first in the game's tree.
Side FirstSide(const Tjeu& game);

// A tree's moves in the text's order: each move, then the variations that replace it, each
// between Open and Close, then the move after it. `ply` counts moves from the start (1 the
// first), `level` the variations the move is in (0 on the main line).
class TextOrderVisitor {
public:
    virtual ~TextOrderVisitor() = default;
    virtual void Move(int node, int ply, int level) = 0;
    virtual void Open() {}
    virtual void Close() {}
};
// Without recursion: a tree of any depth is walked with a stack of its own.
void WalkInTextOrder(const GameTree& tree, TextOrderVisitor& visitor);

// The move that reached `node` as the text writes it: "E1-D1", "E5xB3", or "--".
std::string CompactMoveText(const GameTree& tree, int node);

enum class TextFault {
    kNone,
    kUnreadable,   // not the format: a character, a word or a tag out of place
    kIllegalMove,  // a well-formed move the position does not allow
    kTooLarge,     // beyond kMaxGameTextBytes or the limit of moves
};

struct GameTextError {
    TextFault fault = TextFault::kNone;
    int line = 0;      // from 1
    int column = 0;    // from 1, in characters
    std::string what;  // in English, for the command line
    explicit operator bool() const { return fault != TextFault::kNone; }
};

struct GameTextLimits {
    std::size_t max_bytes = kMaxGameTextBytes;
    int max_moves = kMaxGameTextMoves;
};

// Reads a whole text. On success `game` holds it, standing at the end of the main line,
// and `tags` (when given) what the text keeps beyond the game; the game's FileName is left
// as it was. On failure neither is changed and the error tells where and why. Memory and
// time grow with the text's length only: the reader keeps its own stack of variations.
GameTextError ReadGameText(std::string_view text, Tjeu& game, GameTextTags* tags = nullptr,
                           const GameTextLimits& limits = {});

// The file name's extension says the text record (".cvn", in any case).
bool IsGameTextName(std::string_view file_name);

}  // namespace circumvia

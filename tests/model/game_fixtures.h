#pragma once
// Helpers for tests of the record and the computer player: conversions to the literal
// reference, random positions and games built move by move in both implementations.

#include <random>

#include "model/movegen.h"
#include "model/tjeu.h"
#include "tests/reference/reference_search.h"

namespace circumvia::testing {

inline reference::Board ToReference(const Position& p) {
    reference::Board board{};
    for (int cell = 1; cell <= kCellCount; ++cell) board[cell] = p[cell];
    return board;
}

inline Position FromReference(const reference::Board& board) {
    Position p;
    for (int cell = 1; cell <= kCellCount; ++cell) p[cell] = static_cast<std::uint8_t>(board[cell]);
    return p;
}

inline Move ToMove(const reference::Move& m) {
    return Move{static_cast<std::uint8_t>(m.first), static_cast<std::uint8_t>(m.second)};
}

// A game between two computer levels, played until it ends or reaches `max_moves`.
inline Tjeu ComputerGame(int red_level, int white_level, std::uint64_t seed, int max_moves) {
    Tjeu game;
    game.Players[kRed].Kind = red_level;
    game.Players[kWhite].Kind = white_level;
    game.Random.Seed(seed);
    while (game.Result == kInProgress && game.Current < max_moves) {
        const Move move = game.ComputerMove(game.Pos, game.SideToMove);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    return game;
}

// Plays the move on the game's current position.
inline void Play(Tjeu& game, int from, int to) {
    game.ApplyMove(game.Pos, from, to);
}

inline bool BothSidesHavePieces(const Position& p) {
    return p.Count(kRed) > 0 && p.Count(kWhite) > 0;
}

// A position reached by `plies` random legal moves from the start; `side` is to move.
inline Position RandomPlayout(std::mt19937& rng, int plies, Side& side) {
    Position p = Position::Start();
    side = rng() % 2 ? kRed : kWhite;
    for (int ply = 0; ply < plies && BothSidesHavePieces(p); ++ply) {
        const Tlcoup moves = ListAllMoves(p, side);
        if (moves.empty()) break;
        ApplyMoveTo(p, moves[rng() % moves.size()]);
        side = Opponent(side);
    }
    return p;
}

// A random board with `red` Red and `white` White pieces on distinct cells.
inline Position RandomBoard(std::mt19937& rng, int red, int white) {
    Position p;
    for (int placed = 0; placed < red + white;) {
        const int cell = 1 + static_cast<int>(rng() % kCellCount);
        if (p[cell] != kEmpty) continue;
        p[cell] = placed < red ? kRed : kWhite;
        ++placed;
    }
    return p;
}

// Plays up to `moves` random legal moves into both games, preferring to undo the
// opponent's last step now and then so that positions repeat. Stops when the game ends.
inline void PlayRandomGame(std::mt19937& rng, int moves, Tjeu& game, reference::Game& oracle) {
    Move last_own[3] = {};
    for (int n = 0; n < moves && game.Result == kInProgress; ++n) {
        const Side side = game.SideToMove;
        const Tlcoup legal = ListAllMoves(game.Pos, side);
        if (legal.empty()) break;
        Move move = legal[rng() % legal.size()];
        const Move back{last_own[side].To, last_own[side].From};
        if (rng() % 3 != 0 && !back.IsNull() &&
            std::find(legal.begin(), legal.end(), back) != legal.end()) {
            move = back;
        }
        last_own[side] = move;
        Play(game, move.From, move.To);
        reference::ApplyMove(oracle, oracle.pos, move.From, move.To);
    }
}

}  // namespace circumvia::testing

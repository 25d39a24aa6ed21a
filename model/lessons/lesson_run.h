#pragma once
// One lesson being played: the learner's moves judged against the aim, a move that can no
// longer reach it within the par and one spare move taken back, the other side answering
// with the scripted reply where it is legal and else as the computer would at a shallow
// depth, and the stars earned. Solve is the engine's own check that a lesson can be done.

#include <optional>
#include <vector>

#include "model/lessons/lesson.h"
#include "model/tjeu.h"

namespace circumvia {

enum class LessonStep {
    kIllegal,  // not a move of the learner's side here: nothing happens
    kWrong,    // the aim is out of reach after it: the move is taken back
    kReplied,  // the other side answered; the lesson goes on
    kSolved,   // the aim is reached
};

struct LessonAnswer {
    LessonStep step = LessonStep::kIllegal;
    Move reply;             // kReplied: the other side's move
    bool scripted = false;  // the reply was the lesson's own
};

// Spare moves beyond the par before a move counts as wrong.
inline constexpr int kLessonSpareMoves = 1;
inline constexpr int kMostStars = 3;

class LessonRun {
public:
    explicit LessonRun(Lesson lesson);

    LessonAnswer Play(Move move);

    const Lesson& Plan() const { return lesson_; }
    const Tjeu& Game() const { return game_; }
    int MovesMade() const { return static_cast<int>((played_.size() + 1) / 2); }
    int WrongMoves() const { return wrong_moves_; }
    bool Solved() const { return solved_; }
    // 3, one less for going over the par, one less for any wrong move; 0 until solved.
    int Stars() const;

    // The learner's moves, each followed by the reply Play would make, that reach the aim
    // within `moves` moves from here; nullopt when there are none. The run is left as it was.
    std::optional<std::vector<Move>> Solve(int moves);

private:
    void Rebuild();
    void Apply(Move move);
    bool AimReached(const Position& before, Move move) const;
    // The reply to the learner's move number `index` (0-based); null when there is none.
    Move ReplyFor(std::size_t index, bool& scripted);
    bool Legal(Move move, Side side) const;
    // Plays the learner's move and the reply (when the aim is not reached and the game goes
    // on); true when the aim was reached.
    bool Advance(Move move, LessonAnswer* answer);

    Lesson lesson_;
    Tjeu game_;
    std::vector<Move> played_;  // the learner's moves and the replies, from the start
    int wrong_moves_ = 0;
    bool solved_ = false;
};

}  // namespace circumvia

#include "model/lessons/lesson_run.h"

#include <algorithm>

#include "model/movegen.h"

namespace circumvia {

namespace {

// Deep enough that the reply takes what hangs and saves what is attacked.
constexpr int kReplyDepth = 2;

int WonResult(Side side) {
    return side == kRed ? kRedWon : kWhiteWon;
}

}  // namespace

LessonRun::LessonRun(Lesson lesson) : lesson_(std::move(lesson)) {
    game_.Random.Seed(1);
    Rebuild();
}

void LessonRun::Rebuild() {
    game_.ResetGame();
    game_.Pos = lesson_.position;
    game_.History.Set(0, HistoryEntry{game_.Pos, 0, 0, 0});
    game_.Players[kRed].Kind = kHuman;
    game_.Players[kWhite].Kind = kHuman;
    // The moves played before the lesson alternate and end with the other side's, so the
    // learner moves next.
    const bool odd = lesson_.before.size() % 2 == 1;
    game_.SideToMove = odd ? Opponent(lesson_.side) : lesson_.side;
    game_.EndTest();
    for (const Move& move : lesson_.before) Apply(move);
    for (const Move& move : played_) Apply(move);
}

void LessonRun::Apply(Move move) {
    game_.ApplyMove(game_.Pos, move.From, move.To);
}

bool LessonRun::Legal(Move move, Side side) const {
    if (!IsCell(move.From) || !IsCell(move.To) || game_.Pos[move.From] != side) return false;
    const Tlcoup moves = ListDestinations(move.From, game_.Pos);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

bool LessonRun::AimReached(const Position& before, Move move) const {
    const auto named = [&](int cell) {
        return lesson_.aim_cells.empty() ||
               std::find(lesson_.aim_cells.begin(), lesson_.aim_cells.end(), cell) !=
                   lesson_.aim_cells.end();
    };
    switch (lesson_.aim) {
        case LessonAim::kReach:
            return named(move.To);
        case LessonAim::kCapture:
            return before[move.To] == Opponent(lesson_.side) && named(move.To);
        case LessonAim::kWin:
            return game_.Result == WonResult(lesson_.side);
        case LessonAim::kDraw:
            return game_.Result == kDrawn;
        case LessonAim::kEscape:
            for (const Move& threat : ListAllMoves(game_.Pos, Opponent(lesson_.side))) {
                if (game_.Pos[threat.To] == lesson_.side) return false;
            }
            return true;
    }
    return false;
}

Move LessonRun::ReplyFor(std::size_t index, bool& scripted) {
    const Side other = Opponent(lesson_.side);
    scripted = index < lesson_.replies.size() && Legal(lesson_.replies[index], other);
    if (scripted) return lesson_.replies[index];
    return game_.SuggestMove(game_.Pos, other, kReplyDepth);
}

bool LessonRun::Advance(Move move, LessonAnswer* answer) {
    const Position before = game_.Pos;
    const std::size_t index = played_.size() / 2;
    played_.push_back(move);
    Apply(move);
    if (AimReached(before, move)) return true;
    if (game_.Result != kInProgress) return false;
    bool scripted = false;
    const Move reply = ReplyFor(index, scripted);
    played_.push_back(reply);
    Apply(reply);
    if (answer) {
        answer->reply = reply;
        answer->scripted = scripted;
    }
    return false;
}

LessonAnswer LessonRun::Play(Move move) {
    LessonAnswer answer;
    if (solved_ || game_.Result != kInProgress || !Legal(move, lesson_.side)) return answer;
    const std::vector<Move> kept = played_;
    if (Advance(move, &answer)) {
        solved_ = true;
        answer.step = LessonStep::kSolved;
        return answer;
    }
    const int left = lesson_.par + kLessonSpareMoves - MovesMade();
    if (game_.Result == kInProgress && left > 0 && Solve(left)) {
        answer.step = LessonStep::kReplied;
        return answer;
    }
    played_ = kept;
    Rebuild();
    ++wrong_moves_;
    return LessonAnswer{LessonStep::kWrong, kNullMove, false};
}

std::optional<std::vector<Move>> LessonRun::Solve(int moves) {
    if (moves <= 0 || game_.Result != kInProgress) return std::nullopt;
    const std::vector<Move> kept = played_;
    for (const Move& move : ListAllMoves(game_.Pos, lesson_.side)) {
        const bool reached = Advance(move, nullptr);
        std::optional<std::vector<Move>> rest;
        if (!reached) rest = Solve(moves - 1);
        played_ = kept;
        Rebuild();
        if (reached) return std::vector<Move>{move};
        if (rest) {
            rest->insert(rest->begin(), move);
            return rest;
        }
    }
    return std::nullopt;
}

int LessonRun::Stars() const {
    if (!solved_) return 0;
    return kMostStars - (MovesMade() > lesson_.par ? 1 : 0) - (wrong_moves_ > 0 ? 1 : 0);
}

}  // namespace circumvia

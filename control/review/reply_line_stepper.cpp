#include "control/review/reply_line_stepper.h"

#include <string>

#include "dialogs/review_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/movegen.h"
#include "model/record_review.h"

namespace circumvia::control {

namespace {

QString CaptionText(int number) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + number));
}

const MoveAnalysis* MoveWithLine(const Tjeu& game, const GameAnalysis& analysis) {
    const int at = game.Current - 1;
    if (at < 0 || at >= static_cast<int>(analysis.moves.size())) return nullptr;
    const MoveAnalysis& move = analysis.moves[static_cast<std::size_t>(at)];
    return IsMistake(move) && !move.reply_line.empty() ? &move : nullptr;
}

}  // namespace

bool ReplyLineStepper::HasLine(const Tjeu& game, const GameAnalysis& analysis) {
    return MoveWithLine(game, analysis) != nullptr;
}

void ReplyLineStepper::Step(const Tjeu& game, const GameAnalysis& analysis) {
    if (shown_ == Length() && Showing()) {
        Leave();
        return;
    }
    if (!Showing()) {
        const MoveAnalysis* move = MoveWithLine(game, analysis);
        if (move == nullptr) {
            host_.AnnounceLine(CaptionText(lang::caption::kLineNone));
            return;
        }
        line_ = move->reply_line;
        names_ = {std::string(), game.PlayerOf(kRed).Name, game.PlayerOf(kWhite).Name};
        entry_ = game.Current;
        start_ = game.History[static_cast<std::size_t>(game.Current)].Cells;
        position_ = start_;
        mover_ = Opponent(move->mover);
    }
    const Move move = line_[static_cast<std::size_t>(shown_)];
    const std::string said = dialogs::LineMoveText(move, position_, mover_, names_);
    ApplyMoveTo(position_, move);
    mover_ = Opponent(mover_);
    ++shown_;
    const Move next = shown_ < Length() ? line_[static_cast<std::size_t>(shown_)] : Move{};
    host_.ShowLinePosition(position_, move, next);
    said_ = QString::fromStdString(
        lang::FormatText(lang::Caption(lang::CaptionBase() + lang::caption::kLineStep),
                         {std::to_string(shown_), std::to_string(Length()), said}));
    host_.AnnounceLine(said_);
}

void ReplyLineStepper::FollowRecord(const Tjeu& game) {
    if (game.Current != entry_ ||
        game.History[static_cast<std::size_t>(game.Current)].Cells != start_)
        shown_ = 0;
}

bool ReplyLineStepper::Leave() {
    if (!Showing()) return false;
    shown_ = 0;
    host_.ShowGamePosition();
    host_.AnnounceLine(CaptionText(lang::caption::kLineBack));
    return true;
}

}  // namespace circumvia::control

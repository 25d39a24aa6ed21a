#include "control/training/lesson_session.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

QString CaptionText(int offset) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + offset));
}

QString MessageText(int message, std::initializer_list<std::string_view> values) {
    return QString::fromStdString(lang::FormatText(lang::LoadText(message), values));
}

}  // namespace

LessonSession::LessonSession(LessonHost& host, std::vector<Lesson> lessons, const QString& progress)
    : host_(host),
      lessons_(std::move(lessons)),
      progress_(LessonProgress::FromText(progress, lessons_)) {}

int LessonSession::StarsOf(int index) const {
    return progress_.StarsOf(lessons_[static_cast<std::size_t>(index)].key);
}

QString LessonSession::Heading(int index) const {
    const Lesson& lesson = lessons_[static_cast<std::size_t>(index)];
    return MessageText(lang::message::kLessonHeading,
                       {std::to_string(index + 1), std::to_string(lessons_.size()),
                        lang::Caption(lang::CaptionBase() + lesson.texts.title)});
}

QString LessonSession::Goal(int index) const {
    return CaptionText(lessons_[static_cast<std::size_t>(index)].texts.goal);
}

void LessonSession::Start(int index) {
    if (lessons_.empty()) return;
    index_ = std::clamp(index, 0, static_cast<int>(lessons_.size()) - 1);
    const Lesson& lesson = lessons_[static_cast<std::size_t>(index_)];
    run_ = std::make_unique<LessonRun>(lesson);
    reply_.reset();
    host_.SetUpLesson(run_->Game(), lesson.side);
    host_.MarkCells(lesson.shown);
    host_.ShowLesson(index_, Heading(index_), Goal(index_));
    if (!lesson.demo.IsNull()) host_.ShowCapturePath(lesson.demo);
}

void LessonSession::StartNext() {
    Start(index_ + 1 < static_cast<int>(lessons_.size()) ? index_ + 1 : 0);
}

bool LessonSession::Accepts(Move move) {
    if (!run_ || Finished() || reply_) return false;
    const LessonAnswer answer = run_->Play(move);
    const Lesson& lesson = run_->Plan();
    switch (answer.step) {
        case LessonStep::kIllegal:
            return false;
        case LessonStep::kWrong:
            host_.TellOutcome(
                MessageText(lang::message::kLessonWrong,
                            {lang::Caption(lang::CaptionBase() + lesson.texts.wrong)}));
            return false;
        case LessonStep::kReplied:
            reply_ = answer.reply;
            return true;
        case LessonStep::kSolved:
            progress_.Record(lesson.key, run_->Stars());
            host_.StoreLessonProgress(progress_.Text());
            host_.TellOutcome(
                MessageText(lang::message::kLessonDone,
                            {std::to_string(run_->MovesMade()), std::to_string(lesson.par),
                             std::to_string(run_->Stars())}));
            return true;
    }
    return false;
}

std::optional<Move> LessonSession::TakeReply() {
    std::optional<Move> reply;
    reply.swap(reply_);
    return reply;
}

}  // namespace circumvia::control

#include "control/training/puzzle_trainer.h"

#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRandomGenerator>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <sstream>
#include <string_view>

#include "control/settings/settings_store.h"
#include "control/training/puzzle_dock.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/movegen.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

QString CaptionText(int offset) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + offset));
}

QString Format(const std::string& format, std::initializer_list<std::string_view> values) {
    return QString::fromStdString(lang::FormatText(format, values));
}

std::string SideName(Side side) {
    return lang::Caption(lang::CaptionBase() + (side == kRed ? lang::caption::kSetupRedGroup
                                                             : lang::caption::kSetupWhiteGroup));
}

// The moves from `first` on, as the board names them.
std::string LineText(const std::vector<Move>& line, std::size_t first) {
    std::string text;
    for (std::size_t i = first; i < line.size(); ++i) {
        if (!text.empty()) text += ", ";
        text += MoveText(line[i].From, line[i].To);
    }
    return text;
}

std::string Change(double before, double after) {
    const long change = std::lround(after - before);
    std::string text = std::to_string(change);
    if (change >= 0) text.insert(text.begin(), '+');
    return text;
}

bool IsLegal(const Position& position, Move move) {
    if (!IsCell(move.From) || !IsCell(move.To) || position[move.From] == kEmpty) return false;
    const Tlcoup moves = ListDestinations(move.From, position);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

}  // namespace

const std::vector<Puzzle>& ShippedPuzzles() {
    static const std::vector<Puzzle> puzzles = [] {
        QFile file(QStringLiteral(":/puzzles/puzzles.tsv"));
        if (!file.open(QIODevice::ReadOnly)) return std::vector<Puzzle>{};
        std::istringstream in(file.readAll().toStdString());
        return ReadPuzzles(in).puzzles;
    }();
    return puzzles;
}

PuzzleTrainer::PuzzleTrainer(PuzzleHost& host, QMainWindow& window, SettingsStore& settings,
                             std::vector<Puzzle> puzzles, std::function<std::int64_t()> clock)
    : QObject(&window),
      host_(host),
      dock_(new PuzzleDock(&window)),
      settings_(settings),
      puzzles_(std::move(puzzles)),
      clock_(std::move(clock)),
      history_(PuzzleHistory::FromText(settings_.Read(SettingsStore::kPuzzles, {}).toStdString())),
      practice_(
          PracticeList::FromText(settings_.Read(SettingsStore::kPractice, {}).toStdString())) {
    window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();
    connect(dock_, &PuzzleDock::ModeChosen, this, &PuzzleTrainer::PoseNext);
    connect(dock_, &PuzzleDock::NextClicked, this, &PuzzleTrainer::PoseNext);
    connect(dock_, &PuzzleDock::AnswerClicked, this, &PuzzleTrainer::GiveUp);
    connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && on_board_) host_.PointAt({}, Move{});
    });
}

void PuzzleTrainer::Show() {
    // A puzzle answered gives way to the next, so the command alone goes on from one to
    // the next.
    const bool pose = !on_board_ || solved_ || failed_;
    if (pose && !host_.MayPose()) return;
    dock_->show();
    dock_->raise();
    if (pose) {
        if (dock_->CurrentMode() == PuzzleDock::kPractice) {
            PosePractice();
        } else {
            PosePuzzle();
        }
    }
    dock_->NextButton().setFocus();
}

void PuzzleTrainer::PoseNext() {
    if (!host_.MayPose()) return;
    if (dock_->CurrentMode() == PuzzleDock::kPractice) {
        PosePractice();
    } else {
        PosePuzzle();
    }
}

void PuzzleTrainer::PosePuzzle() {
    if (puzzles_.empty()) return;
    std::vector<Puzzle> learned;
    learned.reserve(puzzles_.size());
    for (const Puzzle& puzzle : puzzles_) learned.push_back(history_.Learned(puzzle));
    const int draw = static_cast<int>(QRandomGenerator::global()->bounded(kChoiceWidth));
    int chosen = ChoosePuzzle(learned, history_.Rating(), history_.RecentlySeen(puzzles_), draw);
    if (chosen < 0) chosen = ChoosePuzzle(learned, history_.Rating(), {}, draw);
    practice_index_.reset();
    practice_played_.reset();
    Pose(learned[static_cast<std::size_t>(chosen)]);
}

void PuzzleTrainer::PosePractice() {
    const std::optional<std::size_t> next = practice_.Next(clock_());
    if (!next) {
        // The board keeps what it has; the panel says why nothing new comes.
        dock_->ShowPuzzle(
            Heading(), CaptionText(practice_.Items().empty() ? lang::caption::kPracticeEmpty
                                                             : lang::caption::kPracticeNothingDue));
        host_.AnnouncePuzzle(dock_->Goal().text());
        return;
    }
    const PracticeItem& item = practice_.Items()[*next];
    Puzzle puzzle;
    puzzle.position = item.position;
    puzzle.side = item.side;
    puzzle.line = {item.answer};
    practice_index_ = *next;
    practice_played_ = item.played;
    Pose(puzzle);
}

void PuzzleTrainer::Pose(const Puzzle& puzzle) {
    puzzle_ = puzzle;
    step_ = 0;
    reply_.reset();
    failed_ = false;
    solved_ = false;
    on_board_ = true;
    Tjeu game;
    game.ResetGame();
    game.Pos = puzzle.position;
    game.History.Set(0, HistoryEntry{game.Pos, 0, 0, 0});
    game.Tree.Reset(game.History[0]);
    game.SideToMove = puzzle.side;
    game.EndTest();
    host_.SetUpPuzzle(game, puzzle.side);
    host_.PointAt({}, Move{});
    dock_->ShowPuzzle(Heading(), Goal());
    host_.AnnouncePuzzle(Heading() + u' ' + Goal());
}

QString PuzzleTrainer::Heading() const {
    if (dock_->CurrentMode() == PuzzleDock::kPractice) {
        const std::size_t due = practice_.DueCount(clock_());
        return Format(lang::LoadText(lang::message::kPracticeHeading),
                      {std::to_string(due), std::to_string(practice_.Items().size())});
    }
    return Format(lang::LoadText(lang::message::kPuzzleHeading),
                  {std::to_string(puzzle_.rating), std::to_string(std::lround(history_.Rating()))});
}

QString PuzzleTrainer::Goal() const {
    if (practice_played_) {
        return Format(
            lang::LoadText(lang::message::kPracticeGoal),
            {SideName(puzzle_.side), MoveText(practice_played_->From, practice_played_->To)});
    }
    QString goal = Format(lang::Caption(lang::CaptionBase() + lang::caption::kPuzzleGoal),
                          {SideName(puzzle_.side)});
    if (puzzle_.SolverMoves() > 1) goal += u' ' + CaptionText(lang::caption::kPuzzleGoalLonger);
    return goal;
}

bool PuzzleTrainer::Accepts(Move move) {
    if (!on_board_ || reply_ || step_ >= puzzle_.line.size()) {
        if (solved_) Tell(CaptionText(lang::caption::kPuzzleOver));
        return false;
    }
    Position board = puzzle_.position;
    for (std::size_t i = 0; i < step_; ++i) ApplyMoveTo(board, puzzle_.line[i]);
    if (!IsLegal(board, move) || board[move.From] != puzzle_.side) return false;
    if (move != puzzle_.line[step_]) {
        Failed(true);
        return false;
    }
    ++step_;
    if (step_ == puzzle_.line.size()) {
        Solved();
    } else {
        reply_ = puzzle_.line[step_++];
        Tell(CaptionText(lang::caption::kPuzzleRightGoOn));
    }
    return true;
}

std::optional<Move> PuzzleTrainer::TakeReply() {
    std::optional<Move> reply;
    reply.swap(reply_);
    return reply;
}

void PuzzleTrainer::GiveUp() {
    if (on_board_ && !solved_ && !reply_ && step_ < puzzle_.line.size()) Failed(false);
}

void PuzzleTrainer::Failed(bool wrong_move) {
    const Move answer = puzzle_.line[step_];
    QString text = wrong_move ? CaptionText(lang::caption::kPuzzleWrongMove) + u' ' : QString();
    if (practice_played_) {
        if (practice_index_) {
            practice_.Answer(*practice_index_, false, clock_());
            StorePractice();
            practice_index_.reset();  // answered: its place in the list moved
        }
        text += Format(lang::Caption(lang::CaptionBase() + lang::caption::kPracticeWrong),
                       {MoveText(answer.From, answer.To)});
    } else {
        const double before = history_.Rating();
        if (!failed_) history_.Record(puzzle_, false);
        StoreHistory();
        text +=
            Format(lang::LoadText(lang::message::kPuzzleFailed),
                   {LineText(puzzle_.line, step_), std::to_string(std::lround(history_.Rating())),
                    Change(before, history_.Rating())});
    }
    failed_ = true;
    // The answer may still be played, to see it through; it counts no more.
    host_.PointAt({answer.From, answer.To}, answer);
    Tell(text);
}

void PuzzleTrainer::Solved() {
    solved_ = true;
    host_.PointAt({}, Move{});
    if (failed_) {
        Tell(CaptionText(lang::caption::kPuzzleOver));
        return;
    }
    if (practice_played_ && practice_index_) {
        const std::int64_t now = clock_();
        practice_.Answer(*practice_index_, true, now);
        const std::int64_t wait = practice_.Items()[*practice_index_].due - now;
        StorePractice();
        practice_index_.reset();
        Tell(Format(lang::Caption(lang::CaptionBase() + lang::caption::kPracticeRight),
                    {lang::CountedText(wait / kSecondsPerDay, lang::kDays)}));
        return;
    }
    const double before = history_.Rating();
    history_.Record(puzzle_, true);
    StoreHistory();
    Tell(Format(lang::LoadText(lang::message::kPuzzleSolved),
                {LineText(puzzle_.line, 0), std::to_string(std::lround(history_.Rating())),
                 Change(before, history_.Rating())}));
}

void PuzzleTrainer::Tell(const QString& text) {
    dock_->Heading().setText(Heading());  // the practice's count due follows the answers
    dock_->ShowOutcome(text);
    host_.AnnouncePuzzle(text);
}

void PuzzleTrainer::Leave() {
    if (!on_board_) return;
    on_board_ = false;
    reply_.reset();
    practice_index_.reset();
    practice_played_.reset();
    host_.PointAt({}, Move{});
}

void PuzzleTrainer::Relabel() {
    dock_->Relabel();
    if (on_board_) {
        const QString outcome = dock_->Outcome().text();
        dock_->ShowPuzzle(Heading(), Goal());
        dock_->ShowOutcome(outcome);
    }
}

int PuzzleTrainer::AddMistakes(const GameAnalysis& analysis, const GameRecord& record,
                               const std::vector<Side>& sides) {
    int added = 0;
    const std::int64_t now = clock_();
    for (const MoveAnalysis& move : analysis.moves) {
        const bool own = std::find(sides.begin(), sides.end(), move.mover) != sides.end();
        const bool mistake = move.move_class == MoveClass::kMistake ||
                             move.move_class == MoveClass::kBlunder ||
                             move.move_class == MoveClass::kMissedWin;
        if (!own || !mistake || move.best == move.played || move.best.IsNull()) continue;
        if (move.number < 1 || static_cast<std::size_t>(move.number) >= record.size()) continue;
        if (practice_.Add(record[static_cast<std::size_t>(move.number - 1)].Cells, move.mover,
                          move.best, move.played, now)) {
            ++added;
        }
    }
    if (added > 0) StorePractice();
    return added;
}

void PuzzleTrainer::StoreHistory() {
    settings_.Write(SettingsStore::kPuzzles, QString::fromStdString(history_.Text()));
}

void PuzzleTrainer::StorePractice() {
    settings_.Write(SettingsStore::kPractice, QString::fromStdString(practice_.Text()));
}

}  // namespace circumvia::control

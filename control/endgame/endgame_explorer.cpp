#include "control/endgame/endgame_explorer.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include "control/endgame/endgame_dock.h"
#include "dialogs/exact_value_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/analysis/exact_judgement.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

using endgame::EndgameValue;

std::string CaptionNow(int offset) {
    return lang::Caption(lang::CaptionBase() + offset);
}

QString Formatted(int offset, std::initializer_list<std::string_view> values) {
    return QString::fromStdString(lang::FormatText(CaptionNow(offset), values));
}

std::string Exact(const EndgameValue& value) {
    return dialogs::ExactValueText(value);
}

}  // namespace

EndgameExplorer::EndgameExplorer(EndgameExplorerHost& host, QMainWindow& window,
                                 QDockWidget* beside, QMenu& menu, TableSource table)
    : QObject(&window), host_(host), dock_(new EndgameDock(&window)), table_source_(table) {
    window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    // A third panel in the column would squeeze the evaluation graph to a line.
    if (beside) window.tabifyDockWidget(beside, dock_);
    dock_->hide();
    menu.addAction(dock_->toggleViewAction());
    connect(dock_->toggleViewAction(), &QAction::triggered, this, [this](bool on) {
        if (on) dock_->raise();
    });
    connect(dock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible) Follow();
    });
    connect(dock_, &EndgameDock::PractiseClicked, this, &EndgameExplorer::Practise);
    connect(dock_, &EndgameDock::MoveChosen, this, [this](int row) {
        if (!exploration_ || row < 0 || row >= static_cast<int>(exploration_->moves.size())) return;
        host_.PlayExploredMove(exploration_->moves[static_cast<std::size_t>(row)].move);
    });
}

const endgame::EndgameTable* EndgameExplorer::Table() {
    if (!table_asked_) {
        table_asked_ = true;
        table_ = table_source_();
    }
    return table_.get();
}

bool EndgameExplorer::Practising() const {
    if (!learner_) return false;
    const Tjeu& game = host_.ExploredGame();
    return game.History[0].Cells == practice_start_ && game.PlayerOf(*learner_).Kind == kHuman &&
           game.PlayerOf(Opponent(*learner_)).Kind == kExpertLevel;
}

void EndgameExplorer::Follow() {
    if (dock_->isHidden()) return;
    exploration_.reset();
    if (learner_ && !Practising()) {
        learner_.reset();  // the practice's game was left
        dock_->ShowFeedback({});
    }
    const Tjeu& game = host_.ExploredGame();
    const endgame::EndgameTable* table = nullptr;
    int verdict = 0;
    if (host_.RecordClosed()) {
        verdict = lang::caption::kEndgameClosed;
    } else if (table = Table(); !table) {
        verdict = lang::caption::kEndgameMissing;
    }
    if (verdict != 0) {
        dock_->ShowVerdict(QString::fromStdString(CaptionNow(verdict)));
        dock_->ShowMoves({});
        dock_->EnablePractice(false);
        return;
    }
    ShowPosition(game, *table);
    if (learner_) JudgeLastMove(game, *table);
}

void EndgameExplorer::ShowPosition(const Tjeu& game, const endgame::EndgameTable& table) {
    const Position& position = game.Pos;
    const bool both_sides = position.Count(kRed) > 0 && position.Count(kWhite) > 0;
    if (both_sides) exploration_ = endgame::Explore(table, position, game.SideToMove);
    if (!exploration_) {
        // A finished game's last position says nothing more than its result.
        dock_->ShowVerdict(
            both_sides ? Formatted(lang::caption::kEndgameOutside, {std::to_string(table.Pieces())})
                       : QString());
        dock_->ShowMoves({});
        dock_->EnablePractice(false);
        return;
    }
    const int to_move = game.SideToMove == kRed ? lang::caption::kSpokenRedToMove
                                                : lang::caption::kSpokenWhiteToMove;
    dock_->ShowVerdict(Formatted(lang::caption::kEndgameVerdict,
                                 {CaptionNow(to_move), Exact(exploration_->value)}));
    const bool practising = Practising() && game.Result == kInProgress;
    if (practising) {
        dock_->HideMoves(QString::fromStdString(CaptionNow(lang::caption::kPractiseHidden)));
    } else {
        std::vector<EndgameDock::Row> rows;
        for (const endgame::MoveValue& move : exploration_->moves) {
            const std::string text = MoveText(move.move.From, move.move.To);
            const std::string value = Exact(move.value);
            rows.push_back({QString::fromStdString(text + "    " + value),
                            QString::fromStdString(text + ", " + value)});
        }
        dock_->ShowMoves(rows);
    }
    dock_->EnablePractice(!practising && exploration_->value.outcome != endgame::Outcome::Draw);
}

void EndgameExplorer::JudgeLastMove(const Tjeu& game, const endgame::EndgameTable& table) {
    const int current = game.Current;
    if (current < 1 || current == judged_) return;
    judged_ = current;
    const HistoryEntry& entry = game.History[static_cast<std::size_t>(current)];
    if (entry.Mover != *learner_) return;
    const Position& before = game.History[static_cast<std::size_t>(current - 1)].Cells;
    judgement_ = JudgeByTable(table, before, *learner_, Move{entry.From, entry.To});
    if (!judgement_) return;
    dock_->ShowFeedback(FeedbackText());
    host_.TellPractice(FeedbackText());
}

QString EndgameExplorer::FeedbackText() const {
    if (!learner_) return {};
    if (!judgement_) {
        const int side =
            *learner_ == kRed ? lang::caption::kSetupRedGroup : lang::caption::kSetupWhiteGroup;
        return Formatted(practising_win_ ? lang::caption::kPractiseWinStarted
                                         : lang::caption::kPractiseDefenceStarted,
                         {CaptionNow(side)});
    }
    const ExactJudgement& judged = *judgement_;
    if (judged.played.outcome != judged.best.outcome) {
        return Formatted(lang::caption::kPractiseChanged,
                         {Exact(judged.best), Exact(judged.played)});
    }
    if (judged.played != judged.best) {
        return Formatted(lang::caption::kPractiseSlower,
                         {Exact(judged.played), Exact(judged.best)});
    }
    return Formatted(lang::caption::kPractiseKept, {Exact(judged.played)});
}

void EndgameExplorer::Practise(bool won_side) {
    if (!exploration_) return;
    const Tjeu& game = host_.ExploredGame();
    const std::optional<Side> learner =
        endgame::PracticeSide(exploration_->value, game.SideToMove, won_side);
    if (!learner) return;
    const Position start = game.Pos;
    if (!host_.StartPractice(*learner)) return;
    learner_ = *learner;
    practice_start_ = start;
    practising_win_ = won_side;
    judged_ = 0;
    judgement_.reset();
    dock_->ShowFeedback(FeedbackText());
    host_.TellPractice(FeedbackText());
    Follow();
}

void EndgameExplorer::Relabel() {
    dock_->Relabel();
    dock_->ShowFeedback(FeedbackText());
    Follow();
}

}  // namespace circumvia::control

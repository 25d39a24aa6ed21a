#pragma once
// The endgame explorer in the window: while its panel is open, the table's verdict on the
// position on the board and every legal move's result, kept in step with the board; and
// the practice of an ending, the player taking the won or the lost side against the
// Expert, which plays from the table. It reaches the window only through
// EndgameExplorerHost; the window tells it when the board changed (Follow).

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "model/analysis/exact_judgement.h"
#include "model/endgame/endgame_explorer.h"
#include "model/tjeu.h"

class QDockWidget;
class QMainWindow;
class QMenu;

namespace circumvia::control {

class EndgameDock;

class EndgameExplorerHost {
public:
    virtual ~EndgameExplorerHost() = default;

    virtual const Tjeu& ExploredGame() const = 0;
    // A rated game is under way: the engine gives no help.
    virtual bool RecordClosed() const = 0;
    // Makes the position on the board a new game, `learner` playing by hand against the
    // Expert; false when the player kept the game on the board instead.
    virtual bool StartPractice(Side learner) = 0;
    // Plays a move of the side to move when a human may play it.
    virtual void PlayExploredMove(Move move) = 0;
    // Shown in the status bar and read aloud.
    virtual void TellPractice(const QString& text) = 0;
};

using TableSource = std::function<std::shared_ptr<const endgame::EndgameTable>()>;

class EndgameExplorer : public QObject {
    Q_OBJECT
public:
    // The panel docks in `window`, in a tab beside `beside` when there is one, and comes to
    // the front when its toggle in `menu` shows it; the table is asked of `table` the first
    // time the panel shows.
    EndgameExplorer(EndgameExplorerHost& host, QMainWindow& window, QDockWidget* beside,
                    QMenu& menu, TableSource table);

    EndgameDock& Dock() { return *dock_; }
    // The board, its side to move or its record changed.
    void Follow();
    void Practise(bool won_side);
    // A practice started here is still the game on the board.
    bool Practising() const;
    void Relabel();

private:
    const endgame::EndgameTable* Table();
    void ShowPosition(const Tjeu& game, const endgame::EndgameTable& table);
    // Tells what the learner's last move did, once per move.
    void JudgeLastMove(const Tjeu& game, const endgame::EndgameTable& table);
    // The practice's last word in the current language: how it started, or the last move's
    // judgement.
    QString FeedbackText() const;

    EndgameExplorerHost& host_;
    EndgameDock* dock_;
    TableSource table_source_;
    std::shared_ptr<const endgame::EndgameTable> table_;
    bool table_asked_ = false;
    std::optional<endgame::Exploration> exploration_;
    // The practice: its learner and its start position; the entry last judged.
    std::optional<Side> learner_;
    Position practice_start_;
    bool practising_win_ = true;
    int judged_ = 0;
    std::optional<ExactJudgement> judgement_;  // of the learner's last move
};

}  // namespace circumvia::control

#pragma once
// The move hint: the current position (with coordinates) beside the position after the
// move the computer proposes for the side to move, the move written in the notation under
// it. The game itself is not changed: "Play" (or a double-click on the proposal) closes
// the dialog as accepted, and the owner plays ProposedMove().

#include <QDialog>

#include <optional>

#include "dialogs/relabelled_dialog.h"
#include "model/analysis/position_analysis.h"
#include "model/board.h"
#include "model/move.h"

class QGroupBox;
class QLabel;
class QPainter;
class QPushButton;

namespace circumvia {
class Tjeu;
}

namespace circumvia::dialogs {

class TPaintBox;

// `proposed` applied to a copy of `cells`: the moving piece leaves its cell and stands on the
// destination, replacing whatever stood there. A null move leaves the copy unchanged.
Position ProposedPosition(const Position& cells, Move proposed);

class TFPropo : public QDialog, public RelabelledDialog {
    Q_OBJECT
public:
    // Searches the proposal before returning; the dialog is then ready to be shown.
    explicit TFPropo(Tjeu& game, QWidget* parent = nullptr);

    void Relabel() override;

    Move ProposedMove() const { return proposed_; }
    const Position& Proposal() const { return proposal_; }

    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    TPaintBox* Pb_actu = nullptr;
    TPaintBox* PB_propo = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QLabel* MoveLabel = nullptr;  // the proposed move in the notation
    QPushButton* PlayButton = nullptr;
    // Shown only when the review would mark the proposal: its better move and both values.
    QLabel* ReviewNote = nullptr;

    // How deep the proposal looks, whatever the players' levels.
    static constexpr int kSearchDepth = 3;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void Pb_actuPaint(QPainter& canvas);
    void PB_propoPaint(QPainter& canvas);

    void ShowReviewNote();

    Tjeu& game_;
    Position proposal_;
    Move proposed_;
    // The review's judgement of the proposal (ReviewOfMoveHere): the proposal stays the
    // shallow search's, and where the deeper review disagrees, the dialog says so.
    std::optional<MoveAnalysis> review_;
};

}  // namespace circumvia::dialogs

#pragma once
// The move entry: a short line in the toolbar where a move is typed in the game's
// notation, with the legal moves of the side to move offered as completion. Return hands
// the text to the window, which plays it or says why not.

#include <QLineEdit>
#include <utility>

#include "model/move.h"

class QCompleter;
class QStringListModel;

namespace circumvia::control {

class MoveEntry : public QLineEdit {
    Q_OBJECT
public:
    explicit MoveEntry(QWidget* parent);

    // The moves offered as completion; none while no human is to move.
    // Closes the list of offers once the line's key has been handled: after a move played,
    // an open list would stand between a screen reader's review and the board.
    void CloseOffers();
    void OfferMoves(const Tlcoup& moves);
    // Accessible name, hint and placeholder from the captions numbered base + k.
    void Relabel(int base);
    // A move typed while the move before it still lands, its turn already said: kept to be
    // played once the turn is there.
    void Hold(const QString& text) { held_ = text; }
    bool Holding() const { return !held_.isEmpty(); }
    QString TakeHeld() { return std::exchange(held_, QString()); }

Q_SIGNALS:
    void MoveTyped(const QString& text);
    // Escape: the player goes back to the board.
    void LeaveRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QStringListModel* offered_;
    QCompleter* completer_;
    QString held_;
};

}  // namespace circumvia::control

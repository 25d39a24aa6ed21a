#pragma once
// The puzzles' panel beside the board: what to pose (puzzles at the solver's rating or the
// player's own mistakes), the heading with the ratings, the goal, what the last move did
// with the line, and the buttons to give up and see the answer or go on to the next.
// Every part has an accessible name, so a screen reader finds it.

#include <QDockWidget>

class QComboBox;
class QLabel;
class QPushButton;

namespace circumvia::control {

class PuzzleDock : public QDockWidget {
    Q_OBJECT
public:
    enum Mode { kPuzzles, kPractice };

    explicit PuzzleDock(QWidget* parent);

    void ShowPuzzle(const QString& heading, const QString& goal);
    void ShowOutcome(const QString& text);
    Mode CurrentMode() const;
    void Relabel();

    QComboBox& ModeChoice() { return *mode_; }
    QLabel& Heading() { return *heading_; }
    QLabel& Goal() { return *goal_; }
    QLabel& Outcome() { return *outcome_; }
    QPushButton& AnswerButton() { return *answer_; }
    QPushButton& NextButton() { return *next_; }

Q_SIGNALS:
    void ModeChosen();
    void AnswerClicked();
    void NextClicked();

private:
    QComboBox* mode_;
    QLabel* heading_;
    QLabel* goal_;
    QLabel* outcome_;
    QPushButton* answer_;
    QPushButton* next_;
};

}  // namespace circumvia::control

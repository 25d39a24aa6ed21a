#pragma once
// The endgame explorer's panel: the table's verdict on the position on the board, every
// legal move with its result and distance, best first, what the last move of a practice
// did, and the buttons that start a practice of the ending. Every part has an accessible
// name, so a screen reader finds it.

#include <QDockWidget>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace circumvia::control {

class EndgameDock : public QDockWidget {
    Q_OBJECT
public:
    struct Row {
        QString text;    // as shown: the move and its result
        QString spoken;  // as read aloud
    };

    explicit EndgameDock(QWidget* parent);

    void ShowVerdict(const QString& text);
    void ShowMoves(const std::vector<Row>& rows);
    // While a practice is under way the moves' results stay hidden, `note` saying so.
    void HideMoves(const QString& note);
    void ShowFeedback(const QString& text);
    void EnablePractice(bool on);
    void Relabel();

    QLabel& Verdict() { return *verdict_; }
    QListWidget& List() { return *list_; }
    QLabel& Feedback() { return *feedback_; }
    QPushButton& WinButton() { return *practise_win_; }
    QPushButton& DefenceButton() { return *practise_defence_; }

Q_SIGNALS:
    // The row of the move chosen, in the order shown.
    void MoveChosen(int row);
    // The player asked to practise the won side (true) or the lost side.
    void PractiseClicked(bool won_side);

private:
    QLabel* verdict_;
    QListWidget* list_;
    QLabel* hidden_note_;
    QLabel* feedback_;
    QPushButton* practise_win_;
    QPushButton* practise_defence_;
};

}  // namespace circumvia::control

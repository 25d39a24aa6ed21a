#pragma once
// The lessons' panel beside the board: the list of lessons with the stars earned, the
// lesson's heading and goal, what the last move did, and the buttons to start it again or
// go on to the next one. Every part has an accessible name, so a screen reader finds it.

#include <QDockWidget>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace circumvia::control {

class LessonDock : public QDockWidget {
    Q_OBJECT
public:
    explicit LessonDock(QWidget* parent);

    // One row a lesson: its title and its stars (0 for not done yet).
    void ShowList(const std::vector<QString>& titles, const std::vector<int>& stars);
    void ShowLesson(int index, const QString& heading, const QString& goal);
    void ShowOutcome(const QString& text);
    void Relabel();

    QListWidget& List() { return *list_; }
    QLabel& Goal() { return *goal_; }
    QLabel& Outcome() { return *outcome_; }
    QPushButton& RestartButton() { return *restart_; }
    QPushButton& NextButton() { return *next_; }

Q_SIGNALS:
    void LessonChosen(int index);
    void RestartClicked();
    void NextClicked();

private:
    QListWidget* list_;
    QLabel* heading_;
    QLabel* goal_;
    QLabel* outcome_;
    QPushButton* restart_;
    QPushButton* next_;
};

}  // namespace circumvia::control

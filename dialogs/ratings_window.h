#pragma once
// The Ratings window: every player with a rating from rated games, the number of rated
// games behind it, and a graph of the chosen player's latest ratings. It stays open beside
// the game, is refreshed when a rated game ends and follows a change of language.

#include <QDialog>
#include <QString>
#include <QWidget>
#include <vector>

#include "dialogs/relabelled_dialog.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace circumvia::dialogs {

struct RatingRow {
    QString name;
    double rating = 0;
    int games = 0;
    std::vector<int> history;  // oldest first
};

// The line of one player's ratings, scaled to the widget, with its lowest and highest
// values written at the left.
class TRatingGraph : public QWidget {
public:
    explicit TRatingGraph(QWidget* parent = nullptr);
    void SetRatings(std::vector<int> ratings);
    const std::vector<int>& Ratings() const { return ratings_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> ratings_;
};

class TRatingsWindow : public QDialog, public RelabelledDialog {
public:
    explicit TRatingsWindow(QWidget* owner);

    // Shows these players, choosing `chosen` (when present) for the graph.
    void ShowRatings(std::vector<RatingRow> rows, const QString& chosen);
    void Relabel() override;

    QLabel* Lab_empty = nullptr;
    QTableWidget* Table = nullptr;
    QLabel* Lab_graph = nullptr;
    TRatingGraph* Graph = nullptr;
    QPushButton* BitBtn_close = nullptr;

private:
    void FillTable();
    void ShowGraphOfChosenRow();

    std::vector<RatingRow> rows_;
};

}  // namespace circumvia::dialogs

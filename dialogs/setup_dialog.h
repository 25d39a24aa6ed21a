#pragma once
// The player set-up dialog shown before a new game: for White and for Red the kind of
// player (a human or the computer at one of five strengths) and a name, and a die that
// decides who moves first (odd: White, even: Red). It writes straight into the game model
// it is given and keeps the owner's list of remembered names up to date. Cancel, Escape
// and the close box end it with a negative result, which the owner takes as "no new game".
// Each computer level shows its measured rating; a rated game may be chosen when one human
// plays the computer, and the owner then picks the computer's level and the colours.

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

#include "dialogs/names_list.h"
#include "dialogs/relabelled_dialog.h"
#include "model/tjeu.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace circumvia::dialogs {

class TDieControl;

// What a rated game would be for a player: the colour, the computer's level, and the words
// that say so with the player's rating.
struct RatedPreview {
    Side side = kRed;
    int level = 1;
    QString text;
};

// The owner's rated players, the most played first, and what a rated game would be for a
// player choosing a colour.
struct RatedChoices {
    QStringList names;
    std::function<RatedPreview(const QString& name, Side chosen_side)> preview;
};

class TFSetup : public QDialog, public RelabelledDialog {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 362;
    static constexpr int kClientHeight = 349;
    static constexpr int kFirstDieFace = 2;

    // `player_names` is the owner's list of remembered names ("Anna;Marc;"), read when the
    // dialog is prepared and rewritten when it is confirmed.
    explicit TFSetup(QString& player_names, QWidget* owner = nullptr);

    // Keeps the game, relabels the dialog and fills it from the game's players.
    void LoadFromGame(Tjeu& game);
    void Relabel() override;

    // Handlers, named after their controls.
    void DesClick();
    void DesChange();
    void BitBtn1Click();

    // The player kinds offered in the current language (CB_1's entries).
    QStringList KindEntries() const;
    // A rated game was chosen, and one human plays the computer.
    bool RatedGame() const;
    // While a rated game is chosen, the dialog shows it as it will be played: the human's
    // name one of the rated players', the colour due, the level and the rating.
    void SetRatedChoices(RatedChoices choices);

    // Controls, named as in the window layout.
    QGroupBox* GroupBox1 = nullptr;  // White
    QLabel* lab_kind1 = nullptr;
    QComboBox* CB_1 = nullptr;
    QLabel* Lab_nom1 = nullptr;
    QComboBox* CB_nom1 = nullptr;
    QLabel* Lab_level1 = nullptr;    // the chosen level's rating
    QGroupBox* GroupBox2 = nullptr;  // Red
    QLabel* Lab_kind2 = nullptr;
    QComboBox* CB_2 = nullptr;
    QLabel* Lab_nom2 = nullptr;
    QComboBox* CB_nom2 = nullptr;
    QLabel* Lab_level2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    TDieControl* Des = nullptr;
    QLabel* Lab_main = nullptr;
    QCheckBox* CB_rated = nullptr;
    QLabel* Lab_rated = nullptr;  // the rated game as it will be played
    QPushButton* BitBtn1 = nullptr;
    QPushButton* CancelButton = nullptr;

Q_SIGNALS:
    // A kind chosen by the arrow keys, as words for a screen reader ("Computer Novice, Level 1
    // — about 1,000"): screen readers do not read a closed list's new value themselves.
    void KindSpoken(const QString& words);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormShow();
    void ShowFirstMover();
    void ShowLevelRatings();
    // The rated choice is open to one human against the computer; while it is ticked the
    // owner picks the computer's level, so its list is closed.
    void UpdateRatedChoice();
    // Ticked: the human's name becomes a rated player's unless it is one already.
    void RatedToggled(bool on);
    // The human's side and name box while a rated game is chosen.
    Side RatedSide() const;
    QComboBox* RatedNameBox() const;
    void ShowPlanText(const QString& text);
    // The boxes moved to the colour due and the level set; `settle` false only says it.
    void ShowRatedPlan(bool settle);
    // Whether the name box of white (0) or red (1) no longer shows a shortened name.
    bool Edited(std::size_t side) const;

    QString& player_names_;
    Tjeu* game_ = nullptr;
    NamesList names_;
    std::array<QString, 2> shortened_names_;  // white's and red's, when loaded shortened
    QString white_first_;
    QString red_first_;
    RatedChoices rated_choices_;
};

}  // namespace circumvia::dialogs

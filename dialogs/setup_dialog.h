#pragma once
// The player set-up dialog shown before a new game: for White and for Red the kind of
// player (a human or the computer at one of five strengths) and a name, and a die that
// decides who moves first (odd: White, even: Red). It writes straight into the game model
// it is given and keeps the owner's list of remembered names up to date. Cancel, Escape
// and the close box end it with a negative result, which the owner takes as "no new game".

#include <QDialog>
#include <QString>
#include <array>

#include "dialogs/names_list.h"
#include "dialogs/relabelled_dialog.h"
#include "model/tjeu.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace circumvia::dialogs {

class TDieControl;

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

    // Controls, named as in the window layout.
    QGroupBox* GroupBox1 = nullptr;  // White
    QLabel* lab_kind1 = nullptr;
    QComboBox* CB_1 = nullptr;
    QLabel* Lab_nom1 = nullptr;
    QComboBox* CB_nom1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;  // Red
    QLabel* Lab_kind2 = nullptr;
    QComboBox* CB_2 = nullptr;
    QLabel* Lab_nom2 = nullptr;
    QComboBox* CB_nom2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    TDieControl* Des = nullptr;
    QLabel* Lab_main = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FormCreate();
    void FormShow();
    void ShowFirstMover();
    // Whether the name box of white (0) or red (1) no longer shows a shortened name.
    bool Edited(std::size_t side) const;

    QString& player_names_;
    Tjeu* game_ = nullptr;
    NamesList names_;
    std::array<QString, 2> shortened_names_;  // white's and red's, when loaded shortened
    QString white_first_;
    QString red_first_;
};

}  // namespace circumvia::dialogs

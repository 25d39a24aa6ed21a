// The player set-up dialog on a game model of its own, its die rolled by hand.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <array>
#include <deque>

#include "dialogs/die_control.h"
#include "dialogs/setup_dialog.h"

#include "dialogs/display_text.h"
#include "lang/language.h"
#include "model/rating/level_ratings.h"

namespace circumvia::dialogs {
namespace {

class SetupDialogTest : public ::testing::Test {
protected:
    SetupDialogTest() : dialog(player_names, &owner) {
        game.PlayerOf(kWhite).Name = "IVORY";
        game.PlayerOf(kRed).Name = "GARNET";
        dialog.Des->SetTickSource([this] { return now; });
        dialog.Des->SetFaceSource([this] {
            const int face = draws.empty() ? 3 : draws.front();
            if (!draws.empty()) draws.pop_front();
            return face;
        });
    }
    ~SetupDialogTest() override { lang::SetLanguageCode('F'); }

    void Open() {
        dialog.LoadFromGame(game);
        dialog.show();  // the die starts rolling
    }
    void RollToRest() {
        for (int i = 0; i < 100 && dialog.Des->IsRolling(); ++i) {
            now += TDieControl::kTickMs;
            dialog.Des->TimerTick();
        }
    }

    QWidget owner;
    QString player_names = QStringLiteral("b;A; ;a;");
    Tjeu game;
    std::uint32_t now = 70000;
    std::deque<int> draws;
    TFSetup dialog;
};

TEST_F(SetupDialogTest, OpensFromTheGameWithRememberedNamesAndARollingDie) {
    Open();
    EXPECT_EQ(dialog.size(), QSize(TFSetup::kClientWidth, TFSetup::kClientHeight));
    EXPECT_EQ(dialog.windowTitle(), "Circumvia");
    EXPECT_EQ(dialog.Des->Value(), TFSetup::kFirstDieFace);
    EXPECT_TRUE(dialog.Des->IsRolling());
    EXPECT_EQ(dialog.CB_1->currentIndex(), 3);  // White: the computer at level 3
    EXPECT_EQ(dialog.CB_2->currentIndex(), 0);  // Red: a human
    EXPECT_EQ(dialog.CB_nom1->currentText(), "IVORY");
    EXPECT_EQ(dialog.CB_nom2->currentText(), "GARNET");
    for (QComboBox* names : {dialog.CB_nom1, dialog.CB_nom2}) {
        ASSERT_EQ(names->count(), 2);
        EXPECT_EQ(names->itemText(0), "A");
        EXPECT_EQ(names->itemText(1), "b");
    }
}

TEST_F(SetupDialogTest, ConfirmingWritesPlayersAndRemembersTrimmedNames) {
    Open();
    dialog.CB_1->setCurrentIndex(5);
    dialog.CB_2->setCurrentIndex(1);
    dialog.CB_nom1->setEditText(QStringLiteral("  Zoé "));
    dialog.CB_nom2->setEditText(QStringLiteral("Joueur humain"));  // a kind in French
    dialog.BitBtn1->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(game.PlayerOf(kWhite).Kind, 5);
    EXPECT_EQ(game.PlayerOf(kWhite).Name, "  Zoé ");  // used as typed for this game
    EXPECT_EQ(game.PlayerOf(kRed).Kind, 1);
    EXPECT_EQ(game.PlayerOf(kRed).Name, "Joueur humain");
    EXPECT_EQ(player_names, QString::fromUtf8("A;b;Zoé;"));
}

// A name from a file too long to show is shown shortened; confirmed as shown, the game
// keeps it whole and the names list stays as it was.
TEST_F(SetupDialogTest, ALongNameShownShortenedStaysWholeUnlessEdited) {
    const std::string long_name = "<b>" + std::string(100000, 'x') + "</b>";
    game.PlayerOf(kWhite).Name = long_name;
    Open();
    EXPECT_EQ(dialog.CB_nom1->currentText().size(), kLongestShownName);
    EXPECT_TRUE(dialog.CB_nom1->currentText().startsWith("<b>xx"));
    dialog.BitBtn1->click();
    EXPECT_EQ(game.PlayerOf(kWhite).Name, long_name);
    EXPECT_EQ(player_names, QString::fromUtf8("A;b;GARNET;"));

    Open();
    const QString edited = dialog.CB_nom1->currentText() + "y";
    dialog.CB_nom1->setEditText(edited);
    dialog.BitBtn1->click();
    EXPECT_EQ(game.PlayerOf(kWhite).Name, edited.toStdString());
}

TEST_F(SetupDialogTest, TheLastFaceDecidesTheFirstSideAlsoThroughTheCloseBox) {
    Open();
    draws = {5, 1, 6, 3, 2};
    for (int i = 0; i < 3; ++i) {
        now += TDieControl::kTickMs;
        dialog.Des->TimerTick();
        const bool odd = dialog.Des->Value() % 2 == 1;
        EXPECT_EQ(game.SideToMove, odd ? kWhite : kRed);
        EXPECT_EQ(dialog.Lab_main->text(),
                  odd ? "Les blancs ont la main" : "Les rouges ont la main");
    }
    draws = std::deque<int>(20, 4);  // 4, then 3 when 4 is shown: ends on 4 after 18 ticks
    RollToRest();
    ASSERT_EQ(dialog.Des->Value(), 4);
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_EQ(dialog.Lab_main->text(), "Les rouges ont la main");

    dialog.DesClick();  // at rest: rolls again, ending on 5
    draws = std::deque<int>(17, 6);
    draws.push_back(5);
    RollToRest();
    EXPECT_EQ(game.SideToMove, kWhite);

    dialog.CB_1->setCurrentIndex(0);
    dialog.CB_nom1->setEditText(QStringLiteral("Nobody"));
    dialog.DesClick();
    dialog.close();  // the close box: players unchanged, the die stops where it is
    EXPECT_FALSE(dialog.Des->IsRolling());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(game.SideToMove, dialog.Des->Value() % 2 == 1 ? kWhite : kRed);
    EXPECT_EQ(game.PlayerOf(kWhite).Kind, 3);
    EXPECT_EQ(game.PlayerOf(kWhite).Name, "IVORY");
    EXPECT_EQ(player_names, "b;A; ;a;");
}

struct LanguageCase {
    char code;
    const char* white_group;
    const char* kind_label;
    const char* confirm;
    std::array<const char*, 7> kinds;
    const char* red_first;
};

class SetupDialogLanguageTest : public SetupDialogTest,
                                public ::testing::WithParamInterface<LanguageCase> {};

TEST_P(SetupDialogLanguageTest, RelabelsInTheCurrentLanguageKeepingTheChoices) {
    const LanguageCase& c = GetParam();
    Open();
    dialog.CB_1->setCurrentIndex(4);
    draws = std::deque<int>(30, 2);
    RollToRest();
    ASSERT_EQ(game.SideToMove, kRed);

    lang::SetLanguageCode(c.code);
    RelabelOpenDialogs(owner);  // what the language menu does
    EXPECT_EQ(dialog.GroupBox1->title(), c.white_group);
    EXPECT_EQ(dialog.lab_kind1->text(), c.kind_label);
    EXPECT_EQ(dialog.Lab_kind2->text(), c.kind_label);
    EXPECT_EQ(dialog.BitBtn1->text(), c.confirm);
    for (QComboBox* kinds : {dialog.CB_1, dialog.CB_2}) {
        ASSERT_EQ(kinds->count(), 7);
        for (int k = 0; k < 7; ++k) EXPECT_EQ(kinds->itemText(k), c.kinds[k]);
    }
    EXPECT_EQ(dialog.CB_1->currentIndex(), 4);
    EXPECT_EQ(dialog.CB_2->currentIndex(), 0);
    EXPECT_EQ(dialog.Lab_main->text(), c.red_first);
    EXPECT_EQ(dialog.CB_nom1->currentText(), "IVORY");
}

INSTANTIATE_TEST_SUITE_P(
    SetupDialog, SetupDialogLanguageTest,
    ::testing::Values(LanguageCase{'F',
                                   "Blancs",
                                   "Type :",
                                   "Ok",
                                   {"Joueur humain", "Ordinateur Novice", "Ordinateur Débutant",
                                    "Ordinateur Amateur", "Ordinateur Honneur",
                                    "Ordinateur Excellence", "Ordinateur Expert"},
                                   "Les rouges ont la main"},
                      LanguageCase{'A',
                                   "White",
                                   "Kind:",
                                   "Ok",
                                   {"Human player", "Computer Novice", "Computer Beginner",
                                    "Computer Amateur", "Computer Promotion", "Computer Excellence",
                                    "Computer Expert"},
                                   "Red begins"},
                      LanguageCase{'E',
                                   "Blancas",
                                   "Clase:",
                                   "Aceptar",
                                   {"Humano", "Ordenador novicio", "Ordenador principiante",
                                    "Ordenador aficionado", "Ordenador club",
                                    "Ordenador excelencia", "Ordenador experto"},
                                   "Empiezan las rojas"},
                      LanguageCase{'D',
                                   "Weiß",
                                   "Art:",
                                   "Ok",
                                   {"Menschlicher Spieler", "Computer 1", "Computer 2",
                                    "Computer 3", "Computer 4", "Computer 5", "Computer Experte"},
                                   "Rot fängt an"}),
    [](const ::testing::TestParamInfo<LanguageCase>& info) {
        return std::string(1, info.param.code);
    });

// Each level shows its measured rating in the language's own words and digits; a rated game
// is offered only to one human against the computer, whose level it then picks itself.
TEST_F(SetupDialogTest, ShowsLevelRatingsAndOffersRatedGamesToOneHumanOnly) {
    Open();
    lang::SetLanguageCode('A');
    dialog.Relabel();
    dialog.CB_1->setCurrentIndex(3);
    dialog.CB_2->setCurrentIndex(kHuman);
    const QString level_3 = QStringLiteral("Level 3 — about %1")
                                .arg(QLocale(QLocale::English).toString(rating::LevelRating(3)));
    EXPECT_EQ(dialog.Lab_level1->text(), level_3);
    EXPECT_EQ(dialog.CB_1->itemData(3, Qt::ToolTipRole).toString(), level_3);
    EXPECT_TRUE(dialog.Lab_level2->text().isEmpty());

    ASSERT_TRUE(dialog.CB_rated->isEnabled());
    dialog.CB_rated->setChecked(true);
    EXPECT_TRUE(dialog.RatedGame());
    EXPECT_FALSE(dialog.CB_1->isEnabled());
    EXPECT_TRUE(dialog.Lab_level1->text().isEmpty());
    EXPECT_TRUE(dialog.CB_2->isEnabled());
    dialog.CB_2->setCurrentIndex(2);  // two computers: no rated game
    EXPECT_FALSE(dialog.RatedGame());
    EXPECT_TRUE(dialog.CB_1->isEnabled());
    dialog.CB_1->setCurrentIndex(kHuman);
    dialog.CB_2->setCurrentIndex(kHuman);  // two humans: none either
    EXPECT_FALSE(dialog.RatedGame());
}

TEST_F(SetupDialogTest, AKindChosenByTheArrowsIsToldWithItsLevelForScreenReaders) {
    Open();
    lang::SetLanguageCode('A');
    dialog.Relabel();
    dialog.activateWindow();  // the keys reach the list that has the focus
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.CB_2->setCurrentIndex(kHuman);
    dialog.CB_2->setFocus();
    QSignalSpy said(&dialog, &TFSetup::KindSpoken);
    QTest::keyClick(dialog.CB_2, Qt::Key_Down);
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0][0].toString(),
              QStringLiteral("Computer Novice, Level 1 — about %1")
                  .arg(QLocale(QLocale::English).toString(rating::LevelRating(1))));
    dialog.CB_1->setCurrentIndex(2);  // not by the player's keys: nothing to tell
    EXPECT_EQ(said.size(), 1);
}

}  // namespace
}  // namespace circumvia::dialogs

// Rated games in the real main window: the set-up's choice, the locked record, the rating
// counted at the end or when the game is left, the Ratings window and a restart.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "control/review/analysis_job.h"
#include "dialogs/rating_text.h"
#include "dialogs/ratings_window.h"
#include "dialogs/setup_dialog.h"
#include "model/rating/level_ratings.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

const QString kAnna = QStringLiteral("Anna");

class MainFormRatedTest : public testing::MainFormTest {
protected:
    // A new game set up as rated, Anna the human in White against a computer.
    void StartRatedGame() {
        window.FileNew();
        bool shown = false;
        const QObject scope;  // drops the answer if this tick opens no dialog
        QTimer::singleShot(0, &scope, [&] {
            auto* setup = qobject_cast<dialogs::TFSetup*>(QApplication::activeModalWidget());
            if (setup == nullptr) return;
            shown = true;
            setup->CB_1->setCurrentIndex(kHuman);
            setup->CB_2->setCurrentIndex(kMaxLevel);
            setup->CB_nom1->setEditText(kAnna);
            setup->CB_rated->setChecked(true);
            setup->BitBtn1->click();
        });
        Tick();
        window.Timer1().stop();  // the test delivers the ticks
        ASSERT_TRUE(shown);
        ASSERT_TRUE(window.RatedGameUnderWay());
    }

    // Anna makes a move of her own: only then does leaving the game count.
    void AnnaMoves() {
        RunUntilHumanTurn();
        Tjeu& game = window.Game();
        const Move move = game.SuggestMove(game.Pos, game.SideToMove, 1);
        window.PlayMove(move.From, move.To);
        RunUntilHumanTurn();
    }

    Side AnnasSide() {
        return window.Game().PlayerOf(kWhite).Name == kAnna.toStdString() ? kWhite : kRed;
    }
    RatedRecord Anna() const { return window.Ratings().Of(kAnna); }
};

TEST_F(MainFormRatedTest, RatedGamesPickTheLevelLockTheRecordAndKeepTheRating) {
    StartGame();
    StartRatedGame();
    Tjeu& game = window.Game();
    EXPECT_EQ(AnnasSide(), kWhite);  // a first rated game keeps the colour chosen
    EXPECT_EQ(game.PlayerOf(kWhite).Kind, kHuman);
    EXPECT_EQ(game.PlayerOf(kRed).Kind, rating::NearestLevel(rating::kNewPlayerRating));

    // Moves on both sides, then no way back through the record and no hint.
    AnnaMoves();
    ASSERT_TRUE(game.CanStepBack());
    EXPECT_FALSE(window.Menu().Coupprcdent1->isEnabled());
    EXPECT_FALSE(window.Menu().Proposeruncoup1->isEnabled());
    EXPECT_FALSE(window.Menu().AnalyseItem->isEnabled());
    const int current = game.Current;
    window.TB_retClick();
    window.GoToRecordedMove(0);
    EXPECT_EQ(game.Current, current);
    Tick();  // the turn message, which says the game is rated
    EXPECT_TRUE(window.Status().StatusText().contains(kAnna));

    // Anna loses: the rating drops, is stored, shown after the result, and the record opens.
    game.Result = kRedWon;
    Tick();
    EXPECT_FALSE(window.RatedGameUnderWay());
    // The game ended is analysed at once, for the player's practice of their own mistakes;
    // the command is there again once that is done.
    EXPECT_TRUE(window.Review().Job().Running());
    const RatedRecord after_loss = Anna();
    EXPECT_EQ(after_loss.games, 1);
    EXPECT_LT(after_loss.rating, rating::kNewPlayerRating);
    EXPECT_TRUE(QSettings().value(QStringLiteral("Parameters/Ratings")).toString().contains(kAnna));
    EXPECT_TRUE(
        window.Status().StatusText().contains(dialogs::RatingNumberText(after_loss.rating)));
    EXPECT_TRUE(window.Menu().Coupprcdent1->isEnabled());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Menu().AnalyseItem->isEnabled(); }, 60000));

    // The next rated game gives Anna the other colour; once she has moved, starting another
    // game counts it lost, a new game cancelled in its set-up does not.
    StartRatedGame();
    EXPECT_EQ(AnnasSide(), kRed);
    EXPECT_EQ(game.PlayerOf(kRed).Kind, kHuman);
    EXPECT_EQ(game.PlayerOf(kWhite).Kind, rating::NearestLevel(after_loss.rating));
    AnnaMoves();
    for (const bool confirmed : {false, true}) {
        window.FileNew();
        const QObject scope;
        QTimer::singleShot(0, &scope, [confirmed] {
            auto* setup = qobject_cast<dialogs::TFSetup*>(QApplication::activeModalWidget());
            if (setup != nullptr && confirmed) setup->BitBtn1->click();
            if (setup != nullptr && !confirmed) setup->reject();
        });
        Tick();
        EXPECT_EQ(window.RatedGameUnderWay(), !confirmed);
    }
    EXPECT_EQ(Anna().games, 2);
    EXPECT_LT(Anna().rating, after_loss.rating);
}

TEST_F(MainFormRatedTest, RatingsWindowFollowsTheLanguageAndTheRatingsSurviveARestart) {
    StartGame();
    StartRatedGame();
    window.Game().Result = kDrawn;
    Tick();
    window.Menu().RatingsItem->trigger();
    dialogs::TRatingsWindow* ratings = window.RatingsWindow();
    ASSERT_NE(ratings, nullptr);
    ASSERT_EQ(ratings->Table->rowCount(), 1);
    EXPECT_EQ(ratings->Table->item(0, 0)->text(), kAnna);
    EXPECT_EQ(ratings->Table->item(0, 2)->text(), "1");
    EXPECT_EQ(ratings->Graph->Ratings().size(), 2u);  // the start and the rating after
    const std::pair<QAction*, const char*> languages[] = {{window.Menu().Anglais1, "Ratings"},
                                                          {window.Menu().Allemand1, "Wertungen"}};
    for (const auto& [language, title] : languages) {
        language->trigger();
        EXPECT_EQ(ratings->windowTitle(), title);
        EXPECT_EQ(ratings->Table->item(0, 1)->text(), dialogs::RatingNumberText(Anna().rating));
    }

    // Left by closing the program after her move, the second game counts as lost; a new
    // start reads both.
    StartRatedGame();
    AnnaMoves();
    window.close();
    TMainForm restarted([this] { return now; });
    restarted.show();
    const RatedRecord kept = restarted.Ratings().Of(kAnna);
    EXPECT_EQ(kept.games, 2);
    EXPECT_EQ(kept.last_side, kRed);
    EXPECT_EQ(kept.history.size(), 3u);
    restarted.ShowRatings();
    EXPECT_EQ(restarted.RatingsWindow()->Graph->Ratings(), kept.history);
    restarted.close();
}

}  // namespace
}  // namespace circumvia::control

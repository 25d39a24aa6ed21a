// The turn loop tick by tick, with a fake clock and a host that records what the loop asks.
#include "control/turns/turn_loop.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "lang/language.h"
#include "model/record_review.h"

namespace circumvia::control {
namespace {

class FakeHost : public TurnLoopHost {
public:
    explicit FakeHost(TurnState& turn) : turn_(turn) {}

    void PlayMove(int from, int to) override {
        played.push_back({static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)});
        if (accept_moves) turn_.MarkMoveUnderWay(turn_.MoveStartTick());
    }
    void RefreshPieces() override { ++refreshes; }
    void UpdateNavigation() override { ++navigation_updates; }
    void ShowPossibleMoves(int cell) override { markers_shown_for = cell; }
    void StopAllMovements() override { ++stops; }
    void ForgetMovePieces() override { ++forgets; }
    void ShowStartView() override { ++start_views; }
    void FormResize() override { ++resizes; }
    void SetStatusText(const std::string& text) override { status = text; }
    void SetPanelText(int panel, const std::string& text) override { panels[panel] = text; }
    void EnableTimer(bool on) override {
        timer_on = on;
        timer_log.push_back(on);
    }
    std::optional<NewGameSetup> RunPlayerSetup() override {
        ++setups;
        if (fail_setup) throw std::runtime_error("set-up failed");
        if (on_setup) on_setup();
        return setup;
    }
    void StorePlayerNames() override { ++name_stores; }
    void SetBusyCursor(bool on) override { cursor_log.push_back(on); }
    std::optional<Move> ComputerMove() override {
        ++searches;
        if (thinking_polls > 0) {
            --thinking_polls;
            return std::nullopt;
        }
        return next_computer_move;
    }

    std::vector<Move> played;
    bool accept_moves = true;
    int refreshes = 0, navigation_updates = 0, stops = 0, forgets = 0, start_views = 0, resizes = 0,
        setups = 0, name_stores = 0, searches = 0;
    int markers_shown_for = -1;
    std::string status;
    std::string panels[3];
    bool timer_on = true;
    std::vector<bool> timer_log, cursor_log;
    bool fail_setup = false;
    std::function<void()> on_setup;
    std::optional<NewGameSetup> setup = NewGameSetup{};  // nothing: the set-up was cancelled
    Move next_computer_move{26, 20};
    int thinking_polls = 0;  // polls that find the search still running

private:
    TurnState& turn_;
};

class TurnLoopTest : public ::testing::Test {
protected:
    TurnLoopTest() : host(turn), loop(game, turn, host, [this] { return now; }) {
        lang::SetLanguageCode('F');
        game.PlayerOf(kRed).Name = "Rouge";
        game.PlayerOf(kWhite).Name = "Blanc";
    }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            now += 100;
            loop.Timer1Timer();
        }
    }

    // Runs the first tick and the turn start, leaving the side to move in its turn.
    void StartGame(int red_kind, int white_kind, Side first = kRed) {
        Tick();  // Starting: resets the game
        game.PlayerOf(kRed).Kind = red_kind;
        game.PlayerOf(kWhite).Kind = white_kind;
        game.SideToMove = first;
        Tick();  // TurnStart
    }

    std::uint32_t now = 5000000;  // the counter has run for a while, as a system's does
    Tjeu game;
    TurnState turn;
    FakeHost host;
    TurnLoop loop;
};

TEST_F(TurnLoopTest, FirstTickStartsANewGameWithTheStoredView) {
    game.Current = 9;
    game.PlayerOf(kWhite).Kind = 0;
    host.panels[1] = "old";
    Tick();
    EXPECT_EQ(turn.State(), LoopState::TurnStart);
    EXPECT_EQ(turn.Phase(), 0);
    EXPECT_EQ(host.start_views, 1);
    EXPECT_EQ(host.resizes, 1);
    EXPECT_EQ(host.status, "Initialisation en cours...");
    EXPECT_EQ(game.Current, 0);
    EXPECT_EQ(game.PlayerOf(kWhite).Kind, 3);  // the model's default players
    EXPECT_EQ(host.refreshes, 1);
    EXPECT_EQ(host.panels[1], "");
    EXPECT_EQ(host.navigation_updates, 1);
}

TEST_F(TurnLoopTest, HumanTurnWaitsAndNamesThePlayerEveryTick) {
    StartGame(kHuman, 3);
    EXPECT_EQ(turn.State(), LoopState::HumanTurn);
    EXPECT_EQ(turn.Phase(), 0);
    EXPECT_EQ(turn.MoveStartTick(), now);
    EXPECT_EQ(host.status, "");  // the turn start clears it
    Tick();
    EXPECT_EQ(host.status, "C'est à Rouge de jouer.  Ordinateur : niveau 3");
    host.status = "something else";
    Tick(20);
    EXPECT_EQ(host.status, "C'est à Rouge de jouer.  Ordinateur : niveau 3");
    EXPECT_EQ(turn.State(), LoopState::HumanTurn);
    EXPECT_TRUE(host.played.empty());
}

TEST_F(TurnLoopTest, ComputerAgainstHumanAnnouncesSearchesAndPlaysOnSuccessiveTicks) {
    StartGame(kHuman, 3, kWhite);
    ASSERT_EQ(turn.State(), LoopState::ComputerTurn);
    Tick();
    EXPECT_EQ(turn.Phase(), 10);
    EXPECT_EQ(host.status, "L'ordinateur recherche le meilleur coup...  Ordinateur : niveau 3");
    EXPECT_EQ(host.searches, 0);  // the announcement is painted before the search blocks
    Tick();
    EXPECT_EQ(turn.Phase(), 20);
    EXPECT_EQ(host.searches, 1);
    EXPECT_EQ(turn.MoveFrom(), 26);
    EXPECT_EQ(turn.MoveTo(), 20);
    EXPECT_EQ(turn.MoveStartTick(), now);
    EXPECT_EQ(host.cursor_log, (std::vector<bool>{true, false}));
    Tick();
    EXPECT_EQ(turn.Phase(), kMoveUnderWay);
    ASSERT_EQ(host.played.size(), 1u);
    EXPECT_EQ(host.played[0], (Move{26, 20}));
}

TEST_F(TurnLoopTest, TwoComputersPauseNineTicksBeforeAndAfterTheSearch) {
    StartGame(2, 3);
    std::vector<int> phases;
    for (int i = 0; i < 21; ++i) {
        Tick();
        phases.push_back(turn.Phase());
    }
    const std::vector<int> expected = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                       12, 13, 14, 15, 16, 17, 18, 19, 20, 99};
    EXPECT_EQ(phases, expected);
    EXPECT_EQ(host.searches, 1);
    EXPECT_EQ(host.played.size(), 1u);
}

TEST_F(TurnLoopTest, ASearchRunningOverSeveralTicksPlaysOnTheTickItEnds) {
    StartGame(kHuman, 3, kWhite);
    host.thinking_polls = 2;
    Tick(3);  // announce, start the search, find it still running
    EXPECT_EQ(turn.Phase(), kSearch);
    EXPECT_TRUE(host.played.empty());
    EXPECT_EQ(host.cursor_log, (std::vector<bool>{true}));
    Tick();  // its move comes: played at once, as one tick after a search on this thread
    EXPECT_EQ(host.searches, 3);
    EXPECT_EQ(host.cursor_log, (std::vector<bool>{true, false}));
    ASSERT_EQ(host.played.size(), 1u);
    EXPECT_EQ(turn.Phase(), kMoveUnderWay);
}

TEST_F(TurnLoopTest, ACancelledSetUpGoesBackToTheTurnItInterrupted) {
    StartGame(kHuman, 3);
    turn.SelectPiece(26);
    game.Current = 4;
    host.setup.reset();
    turn.RequestNewGame();
    Tick();
    EXPECT_EQ(host.setups, 1);
    EXPECT_EQ(turn.State(), LoopState::HumanTurn);
    EXPECT_EQ(turn.Phase(), kPieceSelected);
    EXPECT_EQ(game.Current, 4);
    EXPECT_EQ(host.name_stores, 0);
    EXPECT_TRUE(host.timer_on);

    game.Result = kRedWon;  // after the end, New leads to the set-up, not to the result
    Tick();
    turn.RequestNewGame();
    Tick();
    EXPECT_EQ(host.setups, 2);
    EXPECT_EQ(turn.State(), LoopState::GameOver);
}

TEST_F(TurnLoopTest, RefusedComputerMoveIsOfferedAgainEveryTick) {
    StartGame(kHuman, 3, kWhite);
    host.accept_moves = false;
    Tick(2);
    Tick(5);
    EXPECT_EQ(turn.Phase(), 20);
    EXPECT_EQ(host.played.size(), 5u);
    EXPECT_EQ(host.searches, 1);
}

TEST_F(TurnLoopTest, EndedAnimationFinishesTheMoveOnTheNextTick) {
    StartGame(kHuman, 3);
    turn.MarkMoveUnderWay(turn.MoveStartTick());  // a human move under way
    Tick(3);
    EXPECT_EQ(turn.State(), LoopState::HumanTurn);
    turn.PathStarted();
    turn.PathEnded();  // the last path has ended
    Tick();
    EXPECT_EQ(turn.State(), LoopState::TurnStart);
    EXPECT_EQ(host.stops, 1);
    EXPECT_EQ(host.forgets, 1);
    EXPECT_EQ(host.markers_shown_for, 0);
    EXPECT_EQ(turn.MoveStartTick(), now);
}

TEST_F(TurnLoopTest, MoveWhoseAnimationNeverEndsIsFinishedAfter24Seconds) {
    StartGame(kHuman, 3, kWhite);
    Tick(3);  // announce, search, play
    ASSERT_EQ(turn.Phase(), kMoveUnderWay);
    const std::uint32_t started = now - 100;  // the search ended one tick before the play
    now = started + 24000 - 100;
    Tick();  // exactly 24000 ms: not yet
    EXPECT_EQ(turn.State(), LoopState::ComputerTurn);
    now = started + 24001 - 100;
    Tick();
    EXPECT_EQ(turn.State(), LoopState::TurnStart);
}

TEST_F(TurnLoopTest, BusySuppressesEveryTick) {
    StartGame(kHuman, 3, kWhite);
    turn.SetBusy(true);
    Tick(30);
    EXPECT_EQ(turn.Phase(), 0);
    EXPECT_EQ(host.searches, 0);
    turn.SetBusy(false);
    Tick();
    EXPECT_EQ(turn.Phase(), 10);
}

TEST_F(TurnLoopTest, TurnStartShowsEachSidesLastMove) {
    StartGame(kHuman, kHuman);
    game.History.Set(1, {Position::Start(), kRed, 26, 20});
    game.History.Set(2, {Position::Start(), kWhite, 8, 15});
    game.History.Set(3, {Position::Start(), kRed, 20, 14});
    game.Current = 3;
    game.SideToMove = kWhite;
    loop.FinishMove();
    Tick();
    EXPECT_EQ(host.panels[1], "2:  B 2->C 3");
    EXPECT_EQ(host.panels[2], "3:  D 2->C 2");
    EXPECT_EQ(turn.State(), LoopState::HumanTurn);
}

// A name may carry right-to-left letters, an override left open, or line separators: the
// status line keeps the program's own words in order and on one line.
TEST_F(TurnLoopTest, NamesCannotReorderOrBreakTheStatusText) {
    const struct {
        const char* name;
        const char* shown;
    } kCases[] = {
        {"Ana", "Ana"},
        {"\u202Eevil", "\u2068\u202Eevil\u2069"},
        {"\u0639\u0645\u0631", "\u2068\u0639\u0645\u0631\u2069"},
        {"a\u2028b\u2029c\nd", "a b c d"},
    };
    StartGame(kHuman, kHuman);  // no computer's level after the turn
    for (const auto& c : kCases) {
        game.PlayerOf(kRed).Name = c.name;
        Tick();
        EXPECT_EQ(host.status, std::string("C'est \u00e0 ") + c.shown + " de jouer.") << c.name;
    }
}

TEST_F(TurnLoopTest, ResultMessagesAreReestablishedEveryTick) {
    StartGame(kHuman, 3);
    game.Result = kRedWon;
    game.PlayerOf(kRed).Pieces = 5;
    game.PlayerOf(kWhite).Pieces = 0;
    Tick();
    EXPECT_EQ(turn.State(), LoopState::GameOver);
    EXPECT_EQ(host.status, "Partie terminée. Victoire de Rouge (5 à 0).");
    host.status = "Rouge joue E 1->D 1";
    Tick();
    EXPECT_EQ(host.status, "Partie terminée. Victoire de Rouge (5 à 0).");

    game.Result = kWhiteWon;
    game.PlayerOf(kRed).Pieces = 0;
    game.PlayerOf(kWhite).Pieces = 7;
    lang::SetLanguageCode('A');
    Tick();
    EXPECT_EQ(host.status, "Game over. Blanc wins (7 - 0).");
    game.Result = kDrawn;
    Tick();
    EXPECT_EQ(host.status, "Draw.");
    game.Result = kWhiteResigned;
    lang::SetLanguageCode('E');
    Tick();
    EXPECT_EQ(host.status, "Blanc abandona.");
    game.Result = kRedResigned;
    Tick();
    EXPECT_EQ(host.status, "Rouge abandona.");
    lang::SetLanguageCode('F');
}

TEST_F(TurnLoopTest, NewGameRunsTheSetUpWithTheTimerOff) {
    StartGame(kHuman, 3);
    host.on_setup = [this] {
        EXPECT_FALSE(host.timer_on);
        EXPECT_EQ(host.status, "Choix des joueurs");
    };
    host.setup->players[kRed].Name = "Ana";
    host.setup->players[kWhite].Name = "Blanc";
    host.setup->players[kWhite].Kind = 5;
    host.setup->first = kWhite;
    game.Current = 4;
    turn.RequestNewGame();
    Tick();
    EXPECT_EQ(host.setups, 1);
    EXPECT_EQ(game.Current, 0);
    EXPECT_TRUE(host.timer_on);
    EXPECT_EQ(host.name_stores, 1);
    EXPECT_EQ(host.status, "Initialisation en cours...");
    EXPECT_EQ(host.panels[1], "Blanc");
    EXPECT_EQ(host.panels[2], "Ana");
    EXPECT_EQ(turn.State(), LoopState::TurnStart);
    Tick();
    EXPECT_EQ(turn.State(), LoopState::ComputerTurn);
    EXPECT_EQ(host.panels[1], "");  // names last only until the next turn start
}

TEST_F(TurnLoopTest, FailedSetUpStillTurnsTheTimerBackOn) {
    Tick();
    turn.RequestNewGame();
    host.fail_setup = true;
    EXPECT_THROW(Tick(), std::runtime_error);
    EXPECT_EQ(host.timer_log, (std::vector<bool>{false, true}));
}

// Stepping through a recorded game, the status says which move the board shows and whose
// turn it is there, in the human's turn and parked on a computer's alike.
TEST_F(TurnLoopTest, StepsThroughTheRecordSayWhichMoveIsShown) {
    StartGame(kHuman, 3);
    game.ApplyMove(game.Pos, 25, 19);  // Rouge
    game.ApplyMove(game.Pos, 8, 14);   // Blanc
    game.ApplyMove(game.Pos, 26, 20);  // Rouge
    struct Case {
        int current;
        bool parked;
        std::string status;
    };
    const Case cases[] = {
        {0, false, "Début de la partie  C'est à Rouge de jouer.  Ordinateur : niveau 3"},
        {1, true, "Coup 1 sur 3 : Rouge joue E 1->D 1  C'est à Blanc de jouer."},
        {2, false,
         "Coup 2 sur 3 : Blanc joue B 2->C 2  C'est à Rouge de jouer.  Ordinateur : niveau 3"},
        {3, true, "C'est à Blanc de jouer."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.current);
        ReviewGoTo(game, c.current);
        if (c.parked) {
            turn.ParkForReview();
        } else {
            turn.ResumeHumanTurn();
        }
        Tick();
        EXPECT_EQ(host.status, c.status);
    }
}

TEST(LastMoveText, IsEmptyBeforeTheSideHasMoved) {
    Tjeu game;
    EXPECT_EQ(LastMoveText(game, kRed), "");
    game.History.Set(1, {Position::Start(), kRed, 25, 19});
    game.Current = 1;
    EXPECT_EQ(LastMoveText(game, kRed), "1:  E 1->D 1");
    EXPECT_EQ(LastMoveText(game, kWhite), "");
    game.Current = 0;  // stepped back before it
    EXPECT_EQ(LastMoveText(game, kRed), "");
}

}  // namespace
}  // namespace circumvia::control

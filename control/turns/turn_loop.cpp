#include "control/turns/turn_loop.h"
#include "dialogs/display_text.h"
#include "dialogs/review_text.h"
#include "dialogs/variation_text.h"

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"
#include "model/record_review.h"

namespace circumvia::control {

namespace {

using lang::message::kChoosingPlayers;
using lang::message::kGameDrawn;
using lang::message::kGameWon;
using lang::message::kGaveUp;
using lang::message::kInitialising;
using lang::message::kSearching;
using lang::message::kYourTurn;

constexpr int kWhitePanel = 1;
constexpr int kRedPanel = 2;

std::string Message(int number) {
    return lang::LoadText(number);
}

std::string Won(const Tjeu& game, Side winner) {
    const Side loser = Opponent(winner);
    return lang::FormatText(Message(kGameWon), {dialogs::NameInTextUtf8(game.PlayerOf(winner).Name),
                                                std::to_string(game.PlayerOf(winner).Pieces),
                                                std::to_string(game.PlayerOf(loser).Pieces)});
}

// A message and the note said after it, if any.
std::string Joined(const std::string& message, const std::string& note) {
    if (message.empty()) return note;
    return note.empty() ? message : message + "  " + note;
}

}  // namespace

std::string LastMoveText(const Tjeu& game, Side side) {
    for (int k = game.Current; k >= 1; --k) {
        const HistoryEntry& entry = game.History[static_cast<std::size_t>(k)];
        if (entry.Mover == side) {
            return std::to_string(k) + ":  " + MoveText(entry.From, entry.To);
        }
    }
    return {};
}

std::string ResultText(const Tjeu& game) {
    switch (game.Result) {
        case kRedWon:
            return Won(game, kRed);
        case kWhiteWon:
            return Won(game, kWhite);
        case kWhiteResigned:
            return lang::FormatText(Message(kGaveUp),
                                    {dialogs::NameInTextUtf8(game.PlayerOf(kWhite).Name)});
        case kRedResigned:
            return lang::FormatText(Message(kGaveUp),
                                    {dialogs::NameInTextUtf8(game.PlayerOf(kRed).Name)});
        case kDrawn:
            return dialogs::DrawText(game);
        default:
            return {};
    }
}

std::string RecordPlaceText(const Tjeu& game) {
    const int last = LastRecordedEntry(game);
    if (game.Current >= last) return {};
    const int base = lang::CaptionBase();
    if (game.Current < 1) return lang::Caption(base + lang::caption::kRecordStart);
    const HistoryEntry& entry = game.History[static_cast<std::size_t>(game.Current)];
    std::string move;
    if (entry.IsRecorded()) {
        move = lang::FormatText(Message(lang::message::kMovePlayed),
                                {dialogs::ShownNameUtf8(game.PlayerOf(entry.Mover).Name),
                                 MoveText(entry.From, entry.To)});
    }
    return lang::FormatText(lang::Caption(base + lang::caption::kRecordPlace),
                            {std::to_string(game.Current), std::to_string(last), move});
}

namespace {

// Where the board stands in the record, among the alternatives at its branch, and the
// moves tried from it.
std::string PlaceText(const Tjeu& game) {
    const int node = game.CurrentNode();
    return Joined(Joined(RecordPlaceText(game), dialogs::VariationPlaceText(game.Tree, node)),
                  dialogs::BranchText(game.Tree, node));
}

}  // namespace

std::string ComputerLevelText(const Tjeu& game, Side side) {
    const int kind = game.PlayerOf(side).Kind;
    if (!IsComputer(kind)) return {};
    // The Expert is named as the set-up names it, not by a level number it does not have.
    if (kind == kExpertLevel)
        return lang::Caption(lang::CaptionBase() + lang::caption::kSetupKindExpert);
    return lang::FormatText(lang::Caption(lang::CaptionBase() + lang::caption::kComputerLevel),
                            {std::to_string(kind)});
}

TurnLoop::TurnLoop(Tjeu& game, TurnState& turn, TurnLoopHost& host, TickCounter ticks)
    : game_(game), turn_(turn), host_(host), ticks_(std::move(ticks)) {}

bool TurnLoop::BothComputers() const {
    return IsComputer(game_.PlayerOf(kRed).Kind) && IsComputer(game_.PlayerOf(kWhite).Kind);
}

void TurnLoop::Timer1Timer() {
    if (turn_.Busy() || turn_.State() == LoopState::Closing) return;
    // A new game asked for after the end goes to its set-up, not back to the result.
    if (game_.Result != kInProgress && turn_.State() != LoopState::ChoosingPlayers) {
        // The last move of the game never reaches a turn start: its panels are shown here.
        const bool ended_now = turn_.State() != LoopState::GameOver;
        turn_.EnterGameOver();
        if (ended_now) {
            ShowLastMoves();
            host_.GameEnded();
        }
    }
    switch (turn_.State()) {
        case LoopState::Closing:
            break;
        case LoopState::Reviewing:
            // Parked on a computer's turn of a game being looked through.
            host_.SetStatusText(Joined(PlaceText(game_), TurnText()));
            break;
        case LoopState::Starting:
            FirstTick();
            break;
        case LoopState::ChoosingPlayers:
            ChoosePlayers();
            break;
        case LoopState::TurnStart:
            StartTurn();
            break;
        case LoopState::HumanTurn:
            HumanTick();
            break;
        case LoopState::ComputerTurn:
            ComputerTick();
            break;
        case LoopState::GameOver:
            if (turn_.Phase() == kFirstPhase) {
                const std::string training = host_.TrainingText();
                host_.SetStatusText(training.empty() ? Joined(ResultText(game_), host_.ResultNote())
                                                     : training);
            }
            break;
    }
}

void TurnLoop::FirstTick() {
    turn_.EnterTurnStart();
    host_.ShowStartView();
    host_.SetStatusText(Message(kInitialising));
    host_.FormResize();
    game_.ResetGame();
    host_.RefreshPieces();
    host_.SetPanelText(kWhitePanel, {});
    host_.SetPanelText(kRedPanel, {});
    host_.UpdateNavigation();
}

void TurnLoop::ChoosePlayers() {
    host_.SetStatusText(Message(kChoosingPlayers));
    host_.EnableTimer(false);
    // The timer comes back on every way out of the dialog, an error included.
    struct TimerBack {
        TurnLoopHost& host;
        ~TimerBack() { host.EnableTimer(true); }
    } timer_back{host_};
    // The board behind the dialog still shows the old game, which a cancelled set-up keeps.
    const std::optional<NewGameSetup> setup = host_.RunPlayerSetup();
    if (!setup) {
        turn_.CancelNewGame();
        return;
    }
    turn_.EnterTurnStart();
    game_.ResetGame();
    for (const Side side : {kRed, kWhite}) {
        game_.PlayerOf(side).Name = setup->players[side].Name;
        game_.PlayerOf(side).Kind = setup->players[side].Kind;
    }
    game_.SideToMove = setup->first;
    host_.ForgetOldGame();
    host_.RefreshPieces();
    host_.StorePlayerNames();
    host_.SetStatusText(Message(kInitialising));
    host_.SetPanelText(kWhitePanel, dialogs::ShownNameUtf8(game_.PlayerOf(kWhite).Name));
    host_.SetPanelText(kRedPanel, dialogs::ShownNameUtf8(game_.PlayerOf(kRed).Name));
    host_.UpdateNavigation();
}

void TurnLoop::StartTurn() {
    searching_ = false;  // a search of an earlier turn was abandoned with it
    host_.SetStatusText({});
    turn_.EnterTurn(IsComputer(game_.PlayerOf(game_.SideToMove).Kind) && !host_.Exploring(),
                    ticks_());
    ShowLastMoves();
    host_.UpdateNavigation();
}

void TurnLoop::ShowLastMoves() {
    host_.SetPanelText(kWhitePanel, LastMoveText(game_, kWhite));
    host_.SetPanelText(kRedPanel, LastMoveText(game_, kRed));
}

void TurnLoop::ShowOpenedGame() {
    if (game_.Result == kInProgress) turn_.ContinueOpenedGame();
    ShowLastMoves();
    if (game_.Result != kInProgress) {
        host_.SetStatusText(ResultText(game_));
    } else if (turn_.State() != LoopState::ComputerTurn) {
        host_.SetStatusText(TurnText());
    }
}

std::string TurnLoop::TurnText() const {
    return lang::FormatText(Message(kYourTurn),
                            {dialogs::NameInTextUtf8(game_.PlayerOf(game_.SideToMove).Name)});
}

void TurnLoop::HumanTick() {
    // A rated game's note names the level itself; a lesson or a puzzle says what to do instead.
    const std::string note = host_.TurnNote();
    std::string text = host_.TrainingText();
    if (text.empty()) {
        text = Joined(PlaceText(game_), TurnText());
        if (note.empty()) text = Joined(text, ComputerLevelText(game_, Opponent(game_.SideToMove)));
    }
    text = Joined(text, host_.SelectionNote());
    text = Joined(text, note);
    host_.SetStatusText(text);
    if (turn_.Phase() == kMoveUnderWay) WaitForMove();
}

void TurnLoop::ComputerTick() {
    const std::uint8_t phase = turn_.Phase();
    if (phase == kAnnounce) {
        host_.SetStatusText(
            Joined(Message(kSearching), ComputerLevelText(game_, game_.SideToMove)));
        // Between two computers, nine idle ticks before and after each search let the
        // watcher follow the game.
        turn_.SetPhase(BothComputers() ? kFirstPauseBeforeSearch : kSearch);
    } else if ((phase > kAnnounce && phase < kSearch) || (phase > kSearch && phase < kPlay)) {
        turn_.NextPhase();
    } else if (phase == kSearch) {
        TakeComputerMove();
    } else if (phase == kPlay) {
        host_.PlayMove(turn_.MoveFrom(), turn_.MoveTo());  // a refused move stays at this phase
    } else if (phase == kMoveUnderWay) {
        WaitForMove();
    }
}

void TurnLoop::TakeComputerMove() {
    const bool starting = !searching_;
    if (starting) {
        host_.SetStatusText(
            Joined(Message(kSearching), ComputerLevelText(game_, game_.SideToMove)));
        host_.SetBusyCursor(true);
        searching_ = true;
    }
    const std::optional<Move> move = host_.ComputerMove();
    if (!move) return;  // still thinking; the window answers meanwhile
    searching_ = false;
    turn_.SetComputerMove(move->From, move->To, ticks_());
    turn_.SetPhase(BothComputers() ? kFirstPauseAfterSearch : kPlay);
    host_.SetBusyCursor(false);
    // A search that ran on into this tick stands for the one tick that a search on this
    // thread took: the step after it comes now, so the moves keep their pace.
    if (!starting) ComputerTick();
}

void TurnLoop::WaitForMove() {
    if (MoveTimedOut(ticks_(), turn_.MoveStartTick())) FinishMove();
}

void TurnLoop::FinishMove() {
    host_.StopAllMovements();
    host_.ForgetMovePieces();
    host_.ShowPossibleMoves(0);
    host_.RefreshPieces();
    turn_.FinishMove(ticks_());
}

}  // namespace circumvia::control

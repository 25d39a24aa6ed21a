#pragma once
// The main window. It owns the game model, the board scene and its viewport, the settings
// store and the turn loop's state, and carries the handlers named after its controls.
// Its member functions are spread over the rooms of control/ (main_form_*.cpp, one concern
// each), and each feature keeps its state in a class of its own behind a host interface
// that this class implements; docs/architecture.md is the map of which file holds what.

#include <QMainWindow>
#include <QPointer>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "control/access/board_accessible.h"
#include "control/access/keyboard_cursor.h"
#include "control/endgame/endgame_explorer.h"
#include "control/files/file_dialogs.h"
#include "control/files/game_exchange.h"
#include "control/rated/rated_game.h"
#include "control/record/variation_host.h"
#include "control/review/game_review.h"
#include "control/settings/settings_store.h"
#include "control/training/lesson_session.h"
#include "control/training/puzzle_trainer.h"
#include "control/turns/computer_search.h"
#include "control/turns/turn_loop.h"
#include "control/turns/turn_state.h"
#include "control/view/animation_speed.h"
#include "control/view/board_pieces.h"
#include "control/view/move_animation.h"
#include "control/window/main_menu.h"
#include "dialogs/rules_help.h"
#include "model/tjeu.h"
#include "scene/board/board_scene.h"
#include "scene/frame_clock.h"

namespace circumvia::scene {
class TFrameTimer;
class TSceneViewer;
class TSoundLibrary;
}  // namespace circumvia::scene

namespace circumvia::control {

class BoardMarks;
class LessonDock;
class LessonMarks;
class MoveEntry;
class MoveListDock;
class StatusLine;
class VariationEditor;
struct Command;

class TMainForm : public QMainWindow,
                  public BoardReader,
                  private TurnLoopHost,
                  private GameReviewHost,
                  private RatedGameHost,
                  private LessonHost,
                  private PuzzleHost,
                  private EndgameExplorerHost,
                  private GameExchangeHost,
                  private VariationHost {
    Q_OBJECT
public:
    explicit TMainForm(TickCounter ticks = SystemTickCounter(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // For the dialogs and the tests.
    Tjeu& Game() { return game_; }
    const TurnState& Turn() const { return turn_; }
    const MainMenu& Menu() const { return menu_; }
    StatusLine& Status() { return *StatusLine_; }
    MoveListDock& MoveList() { return *move_list_; }
    GameReview& Review() { return *review_; }
    GameExchange& Exchange() { return *exchange_; }
    EndgameExplorer& Explorer() { return *explorer_; }
    VariationEditor& Variations() { return *variations_; }
    scene::TBoardScene& Board() { return board_; }
    scene::TFrameClock& FrameClock() { return FrameClock_; }
    scene::TSceneViewer& Viewer() { return *Viewer_; }
    scene::TSoundLibrary& Sounds() { return *Sounds_; }
    // The message naming the winner while it is open, else null.
    QWidget* ResultMessage() const { return result_message_; }
    // The rules window while it is open, else null.
    dialogs::THelpWindow* HelpWindow() const { return help_window_; }
    QTimer& Timer1() { return Timer1_; }
    const QString& SettingsText() const { return settings_text_; }
    const QString& PlayerNames() const { return player_names_; }
    const QString& Version() const { return version_text_; }
    const Tlcoup& PossibleMoves() const { return possible_moves_; }

    // Start-up and shutdown.
    void ReadSettings();
    void FileExit();
    void Relabel(int base);

    // Status bar.
    void SetStatusText(const QString& text);
    void ShowHint(const QString& hint);

    // Move execution and navigation.
    void PlayMove(int from, int to) override;
    void RefreshPieces() override;
    void TB_retClick();
    void TB_suivClick();
    void UpdateNavigation() override;
    void Proposeruncoup1Click();

    // The turn loop.
    void Timer1Timer();
    // Asks for a new game: the next tick shows the set-up dialog, and the game on the board
    // stays as it is until the dialog is confirmed.
    // The end of a game (main_form_result.cpp): a message over the board that names the
    // winner and the score and does not block the window; closed when play goes on.
    void AnnounceResult();
    void CloseResultMessage();
    void RelabelResultMessage();  // it follows a change of language while open
    void FileNew();
    // The record of the game in the print preview (main_form_print.cpp).
    void FilePrint();

    // Files (main_form_files.cpp).
    void FileOpen();
    // FileSaveItem (save_as false) saves silently over the game's own existing file;
    // FileSaveAsItem, or a game without a file yet, asks for a name first. True only when
    // the game was written; a cancelled dialog, a refused overwrite or a failed write
    // (which the user is told about) return false.
    bool FileSave(bool save_as);
    // Opens this game once the first tick has set up the window; a name that cannot be
    // read is reported and the program goes on with a new game.
    void OpenAtStart(const QString& name);
    // The dialogs and questions of the file commands; tests supply their own answers.
    void SetFileDialogs(FileDialogs dialogs) { file_dialogs_ = std::move(dialogs); }
    // Moves were played since the game was last saved, opened or started (the "*" in the
    // caption); New, Open and Exit ask before such a game is dropped.
    bool HasUnsavedMoves() const { return unsaved_moves_; }
    // The computer's search runs off the user-interface thread; tests that deliver the ticks
    // themselves wait for it before each tick, as the timer's pace would let it finish.
    bool ComputerIsThinking() const { return computer_search_ != nullptr; }
    void WaitForComputerSearch();

    // Input.
    void ViewerMouseDown(QPoint at);
    void ViewerMouseMove(QPoint at);
    void ShowPossibleMoves(int cell) override;
    void HighlightPiece(scene::TSceneObject* object);
    // Plays a move of the human to move as its two clicks would (the hint's Play).
    void PlayAsClicked(Move move);

    // Views.
    void TB_vue1Click();
    void TB_vue2Click();
    void TB_vue3Click();
    void Tr_retourneClick();
    void Inverser1Click();
    void TB_zoomInClick();
    void TB_zoomOutClick();
    void FormMouseWheel(int delta);
    // A key not taken by a menu shortcut (main_form_keys.cpp); true when it was used up,
    // false when the window's own handling should see it too.
    bool FormKeyDown(int key);
    void FitZoom();
    void PlateauProgress(double dt);

    // Options.
    void TextureItemClick();
    // 'F', 'A', 'E' or 'D': relabels the window and its open dialogs.
    void ChooseLanguage(char code);

    // Help.
    void HelpSearch();
    void HelpAbout();

    // Rated games (control/rated/). From the set-up of a rated game until it ends, the
    // record cannot be stepped through and no hint is given.
    bool RatedGameUnderWay() const { return rated_.UnderWay(); }
    const RatedPlayers& Ratings() const { return rated_.Players(); }
    void ShowRatings() { rated_.ShowRatings(); }

    // The lessons (training/main_form_lessons.cpp): Help > Learn to play puts a lesson on
    // the board, and its panel beside it.
    void ShowLessons();
    LessonDock* Lessons() const { return lesson_dock_; }
    LessonSession* LessonUnderWay() const { return lesson_on_board_ ? lessons_.get() : nullptr; }
    // The puzzles (training/main_form_puzzles.cpp): Help > Puzzles puts a puzzle, or one of
    // the player's own mistakes, on the board, and its panel beside it.
    void ShowPuzzles();
    PuzzleTrainer& Puzzles() { return *puzzles_; }
    // The Ratings window while it is open, else null.
    dialogs::TRatingsWindow* RatingsWindow() const { return rated_.RatingsWindow(); }

    // Goes to the position after move `index` (0 the start): while reviewing, exactly
    // there; while a game is played, by the record's own back and forward steps, or to the
    // nearest position they reach.
    void GoToRecordedMove(int index);

    // Every recorded move is reachable: the recorded game is over, or an analysis is shown.
    bool Reviewing() const { return review_->Reviewing(); }
    // Runs every move, capture and quarter turn under way to its end at once; false when
    // nothing was moving.
    bool FinishAnimationsNow();
    AnimationSpeed Speed() const { return animation_speed_; }
    void SetAnimationSpeed(AnimationSpeed speed);

    // Playing by keys (main_form_access.cpp).
    // The keyboard cursor's cell, 0 while it is off.
    int CursorCell() const { return cursor_cell_; }
    void SetKeyboardCursor(bool on);
    // The menu items' ticks turn the cursor and the coordinates on and off.
    void KeyboardCursorClick();
    void CoordinatesClick();
    void MoveCursor(CursorStep step);
    // Return on the cursor's cell: what a click there would do.
    void ChooseCursorCell();
    // Plays a move typed in the notation exactly as two clicks would, or says in the
    // status bar why not and changes nothing.
    void PlayTypedMove(const QString& text);
    // Each tick: the move typed while the one before still landed, once its turn has come.
    void PlayHeldMove();
    MoveEntry& Entry() { return *move_entry_; }
    // The coordinates beside the board: the option's tick; they also show while the
    // keyboard cursor is on.
    void SetCoordinatesWanted(bool wanted);
    bool CoordinatesShown() const;
    // BoardReader.
    std::string BoardCellName(int cell) const override;
    QString BoardName() const override;
    bool BoardCellSelected(int cell) const override;
    int BoardFocusCell() const override { return cursor_cell_; }
    QRect BoardCellRect(int cell) const override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void FormClose();
    void FormDestroy();
    void FormResize() override;
    void BuildViewport();
    void ConnectCommands();
    // Commands and events are handled only while the window is ready (see TurnState).
    void RunCommand(const Command& command);
    void ViewerEvent(QEvent* event);
    void ApplyTextures(bool on);
    void ShowView(bool top);
    void StepThroughRecord(bool (Tjeu::*can)() const, void (Tjeu::*step)());
    void ReopenAfterStep();
    // Drops the piece chosen to move, and says so when there was one.
    void DropSelection();
    // Tells screen readers of the move just applied.
    void AnnounceMove(Side mover, int from, int to, bool capture);
    bool OpenChosenFile(const QString& chosen);
    bool OpenGameFile(const std::filesystem::path& path);
    void OpenStartFile();
    void ShowFileCaption();
    // The caption, with the mark of unsaved moves when there are some.
    void SetCaption(const QString& caption);
    void MarkUnsavedMoves(bool unsaved);
    // Asks "Save the game?" when the game has unsaved moves; true when it may be dropped
    // (saved, discarded, or nothing to lose), false when the user cancelled or the save did
    // not happen.
    bool MayDropGame();
    void BuildMoveList();
    void BuildLessons();
    // False when a lesson on the board refuses the move (a wrong one is explained).
    bool LessonAllows(int from, int to);
    // LessonHost.
    void SetUpLesson(const Tjeu& game, Side learner) override;
    void MarkCells(const std::vector<int>& cells) override;
    void ShowCapturePath(Move move) override;
    void ShowLesson(int index, const QString& heading, const QString& goal) override;
    void TellOutcome(const QString& text) override;
    void StoreLessonProgress(const QString& text) override;
    void ShowLessonList();
    void RelabelLessons();
    void LeaveLesson();
    // Puts a lesson's or a puzzle's game on the board, the other side played by the script.
    void PutTrainingGame(const Tjeu& game, Side learner);
    // Puts the game `set_up` makes on the board in place of the one there (whose moves,
    // search, animations and result box stop), unsaved and at its turn's start.
    void PutGameOnBoard(const std::function<void()>& set_up);
    void BuildPuzzles();
    // False when a puzzle on the board refuses the move (a wrong one is answered).
    bool PuzzleAllows(int from, int to);
    // PuzzleHost.
    void SetUpPuzzle(const Tjeu& game, Side solver) override;
    void PointAt(const std::vector<int>& cells, Move path) override;
    void AnnouncePuzzle(const QString& text) override;
    bool MayPose() override;
    // The player's own mistakes and blunders of an analysis of the game on the board join
    // the practice list.
    void AddOwnMistakes(const GameAnalysis& analysis);
    // Another game takes the board: no lesson or puzzle stays on it.
    void LeaveTraining();
    // After a review step: who, if anyone, plays from the position reached.
    void ResumeAfterReviewStep();
    // The position reached on the board with the review's arrow and the last moves.
    void ShowReviewedPosition();
    void PlaceWindow();
    void FitOuterSize();
    void FitMinimumSize();
    // The quarter turn's time step at the chosen animation speed.
    double TurnTimeStep(double dt) const;
    std::uint32_t Now() const { return ticks_(); }

    // What the turn loop asks of the window (main_form_turns.cpp).
    void StopAllMovements() override;
    void ForgetMovePieces() override;
    void ShowStartView() override;
    void SetStatusText(const std::string& text) override;
    void SetPanelText(int panel, const std::string& text) override;
    void EnableTimer(bool on) override;
    std::optional<NewGameSetup> RunPlayerSetup() override;
    void ForgetOldGame() override;
    void StorePlayerNames() override;
    void SetBusyCursor(bool on) override;
    std::optional<Move> ComputerMove() override;
    // Stops the computer's search, if one runs: its game was replaced, stepped or closed.
    void AbandonComputerSearch();
    std::string SelectionNote() override;
    std::string TurnNote() override;
    void GameEnded() override;
    std::string ResultNote() override;
    // Variations (record/main_form_variations.cpp).
    bool Exploring() override;
    std::string TrainingText() override;
    void BuildVariations();
    // VariationHost.
    Tjeu& TreeGame() override { return game_; }
    bool TreeOpen() const override;
    void StandOnNode(int node) override;
    void TreeChanged(bool board_moved) override;
    void SayVariation(const QString& text) override;
    QWidget* TreeWindow() override { return this; }
    // The board where the record stands after a jump: a position the record's own steps
    // reach while a game is being played, every position while reviewing.
    void SettleOnTree();

    // What the game review asks of the window (review/main_form_review.cpp).
    const Tjeu& ReviewedGame() const override { return game_; }
    bool RecordClosed() const override { return RatedGameUnderWay(); }
    bool MoveUnderWay() const override;
    void ChooseRecordedMove(int index) override;
    void EnableAnalyseCommand(bool on) override;
    void EnableMistakeSteps(bool back, bool forward) override;
    // The punishing line on the board (review/main_form_review.cpp).
    void ShowLinePosition(const Position& position, Move last, Move next) override;
    void ShowGamePosition() override;
    void AnnounceLine(const QString& text) override;
    void AnnounceReview(const std::string& text) override;
    void EnableBetterLine(bool on) override;
    void OpenBetterLine(const MoveAnalysis& move) override;

    // What the game text's copy and paste ask of the window (files/main_form_files.cpp).
    const Tjeu& ExchangedGame() const override { return game_; }
    bool MayReplaceGame() override;
    void ReplaceGame(Tjeu game, bool saved) override;
    void TellUser(const QString& text, const QString& detail) override;
    void ShowStatus(const QString& text) override { SetStatusText(text); }

    // What the endgame explorer asks of the window (endgame/main_form_endgame.cpp).
    const Tjeu& ExploredGame() const override { return game_; }
    bool StartPractice(Side learner) override;
    void PlayExploredMove(Move move) override;
    void TellPractice(const QString& text) override;

    // What rated games ask of the window (main_form_rated.cpp).
    QWidget* RatedGameWindow() override { return this; }
    void StoreRatings(const RatedPlayers& players) override;
    bool ConfirmLeavingRatedGame(const QString& question, const QString& detail) override;
    void RecordOpened() override { UpdateNavigation(); }

    // Playing by keys (main_form_access.cpp).
    void BuildAccessAids();
    void RelabelAccessAids(int base);
    void UpdateAccessAids();
    bool CursorKey(const QKeyEvent& event);
    void ChooseCell(int cell);
    void RefuseTypedMove(int message, const std::string& detail);
    bool HumanMayPlay() const;

    // Input helpers (main_form_input.cpp).
    scene::TSceneObject* FindCandidate(
        QPoint at, const std::function<bool(const scene::TSceneObject&)>& qualifies);
    bool IsDestination(int cell) const;

    TickCounter ticks_;
    Tjeu game_;
    TurnState turn_;
    scene::TBoardScene board_;
    scene::TFrameClock FrameClock_;
    BoardPieces pieces_;
    MoveAnimation animation_;
    TurnLoop loop_;
    MainMenu menu_;
    StatusLine* StatusLine_ = nullptr;
    scene::TSceneViewer* Viewer_ = nullptr;
    std::unique_ptr<scene::TFrameTimer> frame_timer_;
    scene::TSoundLibrary* Sounds_ = nullptr;
    QTimer Timer1_;
    std::unique_ptr<SettingsStore> settings_;
    QString settings_text_;
    QString player_names_;
    QString version_text_;
    Tlcoup possible_moves_;
    QPointer<dialogs::THelpWindow> help_window_;  // deletes itself when closed
    QPointer<QWidget> result_message_;            // deletes itself when closed
    // A move just ended the game: its result is announced when the loop reaches the end.
    bool result_to_announce_ = false;
    RatedGames rated_;
    double base_focal_length_ = 100;
    bool shown_once_ = false;
    FileDialogs file_dialogs_;
    std::optional<QString> start_file_;  // opened after the first tick
    MoveListDock* move_list_ = nullptr;
    GameReview* review_ = nullptr;  // belongs to the window
    std::unique_ptr<GameExchange> exchange_;
    EndgameExplorer* explorer_ = nullptr;    // belongs to the window
    VariationEditor* variations_ = nullptr;  // belongs to the window
    AnimationSpeed animation_speed_ = AnimationSpeed::kDesigned;
    // The designed size is the window's outer size: fitted once the window manager's frame
    // is known, unless a remembered size was restored.
    bool outer_size_settled_ = false;
    bool unsaved_moves_ = false;
    QString caption_;
    std::unique_ptr<ComputerSearch> computer_search_;
    bool busy_cursor_ = false;
    // Shown again when the set-up of a new game is cancelled.
    QString status_before_new_game_;
    // Playing by keys.
    std::unique_ptr<BoardMarks> marks_;
    LessonDock* lesson_dock_ = nullptr;
    std::unique_ptr<LessonSession> lessons_;
    std::unique_ptr<LessonMarks> lesson_marks_;
    bool lesson_on_board_ = false;      // the game on the board is the lesson's
    PuzzleTrainer* puzzles_ = nullptr;  // belongs to the window
    MoveEntry* move_entry_ = nullptr;
    int cursor_cell_ = 0;
    bool coordinates_wanted_ = false;
    // Why a typed move was refused, or how the keyboard cursor is used; said after the
    // turn message until the next change.
    std::string entry_note_;
};

}  // namespace circumvia::control

#include "control/window/main_form.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QWheelEvent>

#include "control/access/board_marks.h"
#include "control/review/analysis_dock.h"
#include "control/review/analysis_job.h"
#include "control/training/lesson_dock.h"
#include "control/training/lesson_marks.h"
#include "control/view/view_math.h"
#include "control/window/commands.h"
#include "control/window/status_line.h"
#include "control/window/version_text.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/endgame/table_location.h"
#include "scene/board/board_resources.h"
#include "scene/gl/frame_timer.h"
#include "scene/gl/scene_viewer.h"
#include "scene/gl/sound_library.h"

namespace circumvia::control {

namespace {
constexpr int kTickIntervalMs = 100;
constexpr int kSettingsNoticeMilliseconds = 10000;
}  // namespace

TMainForm::TMainForm(TickCounter ticks, QWidget* parent)
    : QMainWindow(parent),
      ticks_(std::move(ticks)),
      board_(scene::LoadBoardPictures()),
      FrameClock_(board_.Scene()),
      pieces_(board_),
      animation_(pieces_, turn_,
                 {.sound_on = [this] { return menu_.Son1->isChecked(); },
                  .play_click = [this] { Sounds_->Play(QString::fromLatin1(scene::kClickSample)); },
                  .step_clock = [this] { FrameClock_.Step(); },
                  .repaint_status = [this] { StatusLine_->RepaintPanels(); }}),
      loop_(game_, turn_, *this, ticks_),
      rated_(game_, *this) {
    FormCreate();
}

TMainForm::~TMainForm() {
    settings_->SetFailureNotice({});  // the last write comes after the window is gone
    FormDestroy();
}

void TMainForm::FormCreate() {
    lang::LanguageFromLocale();
    version_text_ = VersionText(BuildFileVersion());
    settings_ = std::make_unique<SettingsStore>();
    turn_.SetBusy(false);
    FrameClock_.SetEnabled(false);
    Timer1_.stop();

    SetCaption(QStringLiteral("Circumvia"));
    setAcceptDrops(true);
    file_dialogs_ = PlatformFileDialogs();
    menu_ = BuildMainMenu(this, menuBar());
    addToolBar(menu_.ToolBar1);
    StatusLine_ = new StatusLine(game_, this);
    setStatusBar(StatusLine_);
    settings_->SetFailureNotice([this] {
        const int caption = settings_->Unreadable() ? lang::caption::kSettingsUnreadable
                                                    : lang::caption::kSettingsNotSaved;
        StatusLine_->showMessage(
            QString::fromStdString(lang::Caption(lang::CaptionBase() + caption)),
            kSettingsNoticeMilliseconds);
    });
    Sounds_ = new scene::TSoundLibrary(this);
    scene::AddBoardSounds(*Sounds_);

    game_.ResetGame();
    board_.CreateSceneObjects();
    board_.Plateau->SetProgressHandler([this](double dt) { PlateauProgress(dt); });
    BuildViewport();
    BuildMoveList();
    BuildVariations();
    BuildAccessAids();
    review_ = new GameReview(*this, *this, *move_list_, *menu_.Edition);
    review_->Dock().AddCommand(menu_.BetterLineItem);
    menu_.BetterLineItem->setEnabled(false);
    exchange_ = std::make_unique<GameExchange>(static_cast<GameExchangeHost&>(*this), *settings_);
    explorer_ = new EndgameExplorer(*this, *this, &review_->Dock(), *menu_.Edition,
                                    [] { return endgame::InstalledTable(); });
    BuildLessons();
    BuildPuzzles();
    PlaceWindow();
    FitMinimumSize();
    ConnectCommands();

    Timer1_.setInterval(kTickIntervalMs);
    connect(&Timer1_, &QTimer::timeout, this, &TMainForm::Timer1Timer);
    Timer1_.start();
    FrameClock_.SetEnabled(true);
}

void TMainForm::BuildViewport() {
    Viewer_ = new scene::TSceneViewer(board_.Scene(), this);
    Viewer_->setObjectName(QStringLiteral("Viewer"));
    Viewer_->SetCamera(board_.Camera);
    Viewer_->setMouseTracking(true);
    Viewer_->installEventFilter(this);
    Viewer_->setFocusPolicy(Qt::StrongFocus);
    setCentralWidget(Viewer_);
    FrameClock_.SetRedrawHandler([this] { Viewer_->Redraw(); });
    frame_timer_ = std::make_unique<scene::TFrameTimer>(FrameClock_);
}

void TMainForm::ConnectCommands() {
    for (const Command& command : Commands()) {
        if (!command.handler) continue;
        connect(menu_.*command.item, &QAction::triggered, this,
                [this, &command] { RunCommand(command); });
    }
    for (int i = 0; i < kAnimationSpeedCount; ++i) {
        connect(menu_.AnimationSpeedItems[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { SetAnimationSpeed(static_cast<AnimationSpeed>(i)); });
    }
}

void TMainForm::RunCommand(const Command& command) {
    if (command.available == Availability::kWhenReady && !turn_.IsReady()) return;
    command.handler(*this);
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_once_) {
        shown_once_ = true;
        FormShow();
    }
    FitOuterSize();
}

void TMainForm::FormShow() {
    ReadSettings();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // Closing is one key away (Ctrl+X): a game with unsaved moves is not lost by accident.
    if (turn_.IsReady() && !(rated_.MayLeave() && MayDropGame())) {
        event->ignore();
        return;
    }
    AbandonComputerSearch();
    if (turn_.IsReady()) rated_.Leave();
    FormCloseQuery();
    FormClose();
    event->accept();
}

void TMainForm::FormCloseQuery() {
    if (!turn_.IsReady()) return;
    review_->Cancel();
    board_.Scene().StopAllMovements();
    RefreshPieces();
    Timer1_.stop();
    FrameClock_.SetEnabled(false);
    turn_.Close();
}

void TMainForm::FormDestroy() {
    AbandonComputerSearch();
    turn_.Close();
    possible_moves_.clear();
}

void TMainForm::FileExit() {
    RefreshPieces();
    close();
}

void TMainForm::PutGameOnBoard(const std::function<void()>& set_up) {
    if (turn_.State() == LoopState::HumanTurn && turn_.Phase() == kPieceSelected) {
        DropSelection();
    }
    HighlightPiece(nullptr);
    AbandonComputerSearch();
    rated_.Leave();
    CloseResultMessage();
    StopAllMovements();
    ForgetMovePieces();
    set_up();
    unsaved_moves_ = false;
    ShowFileCaption();
    turn_.ResumeAtTurnStart();
    loop_.ShowOpenedGame();
    RefreshPieces();
    UpdateNavigation();
}

void TMainForm::FileNew() {
    if (turn_.State() != LoopState::ChoosingPlayers) {
        status_before_new_game_ = StatusLine_->StatusText();
    }
    turn_.RequestNewGame();
}

void TMainForm::Timer1Timer() {
    const bool first = turn_.IsStarting();
    const bool was_over = turn_.State() == LoopState::GameOver;
    if (!was_over) CloseResultMessage();
    loop_.Timer1Timer();
    PlayHeldMove();
    const bool over = turn_.State() == LoopState::GameOver;
    // The end of the game opens every recorded move to review.
    if (!was_over && over) UpdateNavigation();
    // Announced once the last capture has landed, not over a piece still flying.
    if (over && result_to_announce_ && !board_.Scene().AnythingTravelling()) {
        result_to_announce_ = false;
        AnnounceResult();
    }
    // The first tick resets the game, so a game to open waits until it has run.
    if (first && !turn_.IsStarting()) OpenStartFile();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    // A window manager keeps the window at its minimum size or above; without one (or with
    // one that ignores the hint) the window grows back to it, so the board stays playable.
    if (const QSize fitted = size().expandedTo(minimumSize()); fitted != size()) {
        resize(fitted);
    }
    QMainWindow::resizeEvent(event);
    FitOuterSize();
    FormResize();
}

void TMainForm::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    FitOuterSize();  // a window manager's frame shows first as a move
}

void TMainForm::FormResize() {
    StatusLine_->FitMessagePanel(frameGeometry().width());
    FitZoom();
}

void TMainForm::keyPressEvent(QKeyEvent* event) {
    if (turn_.IsReady()) {
        // Escape first finishes an animation or drops a selection, and only then puts the
        // keyboard cursor away; while the cursor is in use the arrows walk it.
        const bool used = event->key() == Qt::Key_Escape
                              ? FormKeyDown(event->key()) || CursorKey(*event)
                              : CursorKey(*event) || FormKeyDown(event->key());
        if (used) return;
    }
    QMainWindow::keyPressEvent(event);
}

void TMainForm::wheelEvent(QWheelEvent* event) {
    // A side panel's list or graph that has scrolled to its end lets the wheel through: it
    // stays the panel's, the board does not zoom.
    event->accept();
    for (QWidget* under = childAt(event->position().toPoint()); under != nullptr;
         under = under->parentWidget()) {
        if (qobject_cast<QDockWidget*>(under) != nullptr) return;
    }
    if (turn_.IsReady()) FormMouseWheel(event->angleDelta().y());
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Viewer_) {
        const QEvent::Type type = event->type();
        // A quick second click arrives as a double click: it is the press it is. The board's
        // native window passes the wheel on to the viewer, and Qt hands a passed-on wheel
        // event no further: taken here as the window's own.
        const bool taken = type == QEvent::MouseButtonPress ||
                           type == QEvent::MouseButtonDblClick || type == QEvent::Wheel;
        if (turn_.IsReady()) ViewerEvent(event);
        if (taken) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::ViewerEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // A click during an animation only finishes it.
            if (!FinishAnimationsNow()) {
                ViewerMouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
            }
            break;
        case QEvent::MouseMove:
            ViewerMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::Wheel:
            FormMouseWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
            break;
        default:
            break;
    }
}

bool TMainForm::event(QEvent* event) {
    // Hints go to the status bar's single-line text, which the panels always cover.
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::SetStatusText(const QString& text) {
    StatusLine_->SetStatusText(text);
}

void TMainForm::ShowHint(const QString& hint) {
    StatusLine_->ShowHint(hint);
}

}  // namespace circumvia::control

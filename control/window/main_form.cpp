#include "control/window/main_form.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QStatusTipEvent>
#include <QWheelEvent>

#include "control/access/board_marks.h"
#include "control/view/view_math.h"
#include "control/window/status_line.h"
#include "control/window/version_text.h"
#include "lang/language.h"
#include "scene/board/board_resources.h"
#include "scene/gl/frame_timer.h"
#include "scene/gl/scene_viewer.h"
#include "scene/gl/sound_library.h"

namespace circumvia::control {

namespace {
constexpr int kTickIntervalMs = 100;
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
      loop_(game_, turn_, *this, ticks_) {
    FormCreate();
}

TMainForm::~TMainForm() {
    FormDestroy();
}

void TMainForm::FormCreate() {
    turn_.Close();
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
    Sounds_ = new scene::TSoundLibrary(this);
    scene::AddBoardSounds(*Sounds_);

    game_.ResetGame();
    board_.CreateSceneObjects();
    board_.Plateau->SetProgressHandler([this](double dt) { PlateauProgress(dt); });
    BuildViewport();
    BuildMoveList();
    BuildAccessAids();
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
    const auto on = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    };
    on(menu_.FileNewItem, &TMainForm::FileNew);
    on(menu_.FileOpenItem, &TMainForm::FileOpen);
    connect(menu_.FileSaveItem, &QAction::triggered, this, [this] { FileSave(false); });
    connect(menu_.FileSaveAsItem, &QAction::triggered, this, [this] { FileSave(true); });
    on(menu_.FilePrintItem, &TMainForm::FilePrint);
    on(menu_.FileExitItem, &TMainForm::FileExit);
    on(menu_.Zoomavant1, &TMainForm::TB_zoomInClick);
    on(menu_.Zoomarrire1, &TMainForm::TB_zoomOutClick);
    on(menu_.Rotation1, &TMainForm::Tr_retourneClick);
    on(menu_.Inverser1, &TMainForm::Inverser1Click);
    on(menu_.Vue3D, &TMainForm::TB_vue1Click);
    on(menu_.Vue2D, &TMainForm::TB_vue2Click);
    on(menu_.Rafraichir, &TMainForm::TB_vue3Click);
    on(menu_.Coupprcdent1, &TMainForm::TB_retClick);
    on(menu_.Coupsuivant1, &TMainForm::TB_suivClick);
    on(menu_.Proposeruncoup1, &TMainForm::Proposeruncoup1Click);
    on(menu_.Son1, &TMainForm::Son1Click);
    on(menu_.TextureItem, &TMainForm::TextureItemClick);
    on(menu_.Coupsposs, &TMainForm::CoupspossClick);
    on(menu_.HelprulesItem, &TMainForm::HelpSearch);
    on(menu_.HelpAboutItem, &TMainForm::HelpAbout);
    connect(menu_.Franais1, &QAction::triggered, this, [this] { ChooseLanguage('F'); });
    connect(menu_.Anglais1, &QAction::triggered, this, [this] { ChooseLanguage('A'); });
    connect(menu_.Espagnol1, &QAction::triggered, this, [this] { ChooseLanguage('E'); });
    connect(menu_.Allemand1, &QAction::triggered, this, [this] { ChooseLanguage('D'); });
    for (int i = 0; i < kAnimationSpeedCount; ++i) {
        connect(menu_.AnimationSpeedItems[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { SetAnimationSpeed(static_cast<AnimationSpeed>(i)); });
    }
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
    if (!turn_.IsStarting() && !MayDropGame()) {
        event->ignore();
        return;
    }
    FormCloseQuery();
    FormClose();
    event->accept();
}

void TMainForm::FormCloseQuery() {
    if (turn_.IsStarting()) return;
    board_.Scene().StopAllMovements();
    RefreshPieces();
    Timer1_.stop();
    FrameClock_.SetEnabled(false);
    turn_.Close();
}

void TMainForm::FormDestroy() {
    turn_.Close();
    possible_moves_.clear();
}

void TMainForm::FileExit() {
    RefreshPieces();
    close();
}

void TMainForm::FileNew() {
    if (turn_.IsStarting() || !MayDropGame()) return;
    turn_.RequestNewGame();
    // Reset now: a finished game's result would otherwise send the next tick straight back
    // to the result message instead of to the set-up.
    game_.ResetGame();
    unsaved_moves_ = false;
    SetCaption(QStringLiteral("Circumvia"));
}

void TMainForm::Timer1Timer() {
    const bool first = turn_.IsStarting();
    loop_.Timer1Timer();
    // The first tick resets the game, so a game to open waits until it has run.
    if (first && !turn_.IsStarting()) OpenStartFile();
}

void TMainForm::FinishMove() {
    loop_.FinishMove();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
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
    if (ComfortKey(event->key()) || CursorKey(*event)) return;
    FormKeyDown(event->key());
    QMainWindow::keyPressEvent(event);
}

void TMainForm::wheelEvent(QWheelEvent* event) {
    FormMouseWheel(event->angleDelta().y());
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Viewer_) {
        // A quick second click arrives as a double click: it is the press it is.
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            // A click during an animation only finishes it.
            if (!FinishAnimationsNow()) {
                ViewerMouseDown(static_cast<QMouseEvent*>(event)->position().toPoint());
            }
            return true;
        }
        switch (event->type()) {
            case QEvent::MouseMove:
                ViewerMouseMove(static_cast<QMouseEvent*>(event)->position().toPoint());
                break;
            // The board's native window passes the wheel on to the viewer, and Qt hands
            // a passed-on wheel event no further: taken here as the window's own.
            case QEvent::Wheel:
                wheelEvent(static_cast<QWheelEvent*>(event));
                return true;
            default:
                break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
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

#include "control/main_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusTipEvent>

#include "control/status_line.h"
#include "lang/language.h"

namespace circumvia::control {

namespace {
constexpr int kDesignWidth = 668;
constexpr int kDesignHeight = 478;
constexpr int kTickIntervalMs = 100;
}  // namespace

TMainForm::TMainForm(TickCounter ticks, QWidget* parent)
    : QMainWindow(parent), ticks_(std::move(ticks)) {
    FormCreate();
}

TMainForm::~TMainForm() { FormDestroy(); }

void TMainForm::FormCreate() {
    turn_.loopState = LoopState::Starting;
    lang::LanguageFromLocale();
    settings_ = std::make_unique<SettingsStore>();
    turn_.busy = false;
    Timer1_.stop();

    setWindowTitle(QStringLiteral("Circumvia"));
    resize(kDesignWidth, kDesignHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    menu_ = BuildMainMenu(this, menuBar());
    addToolBar(menu_.ToolBar1);
    StatusLine_ = new StatusLine(game_, this);
    setStatusBar(StatusLine_);
    setCentralWidget(new QWidget(this));
    ConnectCommands();

    game_.ResetGame();
    Timer1_.setInterval(kTickIntervalMs);
    Timer1_.start();
}

void TMainForm::ConnectCommands() {
    connect(menu_.FileExitItem, &QAction::triggered, this, &TMainForm::FileExit);
    connect(menu_.Franais1, &QAction::triggered, this, [this] { ChooseLanguage('F'); });
    connect(menu_.Anglais1, &QAction::triggered, this, [this] { ChooseLanguage('A'); });
    connect(menu_.Espagnol1, &QAction::triggered, this, [this] { ChooseLanguage('E'); });
    connect(menu_.Allemand1, &QAction::triggered, this, [this] { ChooseLanguage('D'); });
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TMainForm::FormShow() { ReadSettings(); }

void TMainForm::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    FormClose();
    event->accept();
}

void TMainForm::FormCloseQuery() {
    if (turn_.IsStarting()) return;
    Timer1_.stop();
    turn_.loopState = LoopState::Starting;
}

void TMainForm::FormDestroy() { turn_.loopState = LoopState::Starting; }

void TMainForm::FileExit() { close(); }

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TMainForm::FormResize() { StatusLine_->FitMessagePanel(width()); }

bool TMainForm::event(QEvent* event) {
    // Hints go to the status bar's single-line text, which the panels always cover.
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::SetStatusText(const QString& text) { StatusLine_->SetStatusText(text); }

void TMainForm::ShowHint(const QString& hint) { StatusLine_->ShowHint(hint); }

}  // namespace circumvia::control

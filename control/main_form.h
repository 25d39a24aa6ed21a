#pragma once
// The main window. It owns the game model, the scene, the settings store and the turn
// loop's state, and carries the handlers named after its controls. Each concern lives in
// its own source file (main_form_*.cpp) or its own small class.

#include <QMainWindow>
#include <QTimer>
#include <memory>

#include "control/main_menu.h"
#include "control/settings_store.h"
#include "control/settings_text.h"
#include "control/turn_state.h"
#include "model/tjeu.h"

namespace circumvia::control {

class StatusLine;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(TickCounter ticks = SystemTickCounter(), QWidget* parent = nullptr);
    ~TMainForm() override;

    // Read access for tests and the dialogs.
    Tjeu& Game() { return game_; }
    const TurnState& Turn() const { return turn_; }
    const MainMenu& Menu() const { return menu_; }
    StatusLine& Status() { return *StatusLine_; }
    const QString& SettingsText() const { return settingsText_; }
    const QString& PlayerNames() const { return playerNames_; }

    // Start-up and shutdown.
    void ReadSettings();
    void FileExit();
    void Relabel(int base);

    // Status bar.
    void SetStatusText(const QString& text);
    void ShowHint(const QString& hint);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormCloseQuery();
    void FormClose();
    void FormDestroy();
    void FormResize();
    void ConnectCommands();
    void ChooseLanguage(char code);
    void ApplyTextures(bool on);
    std::uint32_t Now() const { return ticks_(); }

    TickCounter ticks_;
    Tjeu game_;
    TurnState turn_;
    MainMenu menu_;
    StatusLine* StatusLine_ = nullptr;
    QTimer Timer1_;
    std::unique_ptr<SettingsStore> settings_;
    QString settingsText_;
    QString playerNames_;
    bool shownOnce_ = false;
};

}  // namespace circumvia::control

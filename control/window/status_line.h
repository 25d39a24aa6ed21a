#pragma once
// The status bar: panel 0 carries the running message; panels 1 (White) and 2 (Red) are
// drawn by the program with the player's kind, a disc of the side's colour, the piece count
// and a short text of their own (the side's last move).

#include <QLabel>
#include <QStatusBar>
#include <array>

#include "model/tjeu.h"

class QFontMetrics;
class QPainter;

namespace circumvia::control {

inline constexpr int kStatusLineHeight = 23;
inline constexpr int kPlayerPanelWidth = 150;

// Side shown by panel 1 or 2.
constexpr Side SideOfPanel(int panel) {
    return panel == 1 ? kWhite : kRed;
}

// Draws panel 1 or 2 into `rect`; reads counts, kinds and the side to move from the game.
void StatusLineDrawPanel(QPainter& painter, int panel, const QRect& rect, const Tjeu& game,
                         const QString& panel_text, const QColor& face);

// What panel 1 or 2 says to assistive technologies, in the current language: side, piece
// count, player's kind, and whether the side is to move.
QString PanelSummary(int panel, const Tjeu& game);

// Width of panel 0 for a window width: the rest beside the two player panels, at least 10.
constexpr int MessagePanelWidth(int window_width, int player_panel_width = kPlayerPanelWidth) {
    return window_width <= 2 * player_panel_width ? 10 : window_width - 2 * player_panel_width;
}

// Width of a player panel in a font of these metrics: a three-digit move number's last move
// shown whole.
int PlayerPanelWidth(const QFontMetrics& metrics);

class Announcer;

class StatusLine : public QStatusBar {
    Q_OBJECT
public:
    StatusLine(const Tjeu& game, QWidget* parent);

    void SetStatusText(const QString& text);
    // Tells assistive technologies of an event of the game: said at once by a notification
    // (see announcer.h), and kept as the bar's own accessible name until the next
    // announcement, for those that read the bar on request (the message panel changes at
    // every turn).
    void Announce(const QString& text);
    // Only the bar's name: for news that screen readers are told otherwise.
    void KeepAnnouncement(const QString& text);
    QString StatusText() const { return message_->text(); }

    void SetPanelText(int panel, const QString& text);
    // The panels' accessible names and the message panel's description in the language of
    // the captions numbered base + k.
    void Relabel(int base);
    // Redraws the player panels: counts, kinds and the side to move are read afresh.
    void RepaintPanels();
    QString PanelText(int panel) const { return panel_texts_[panel]; }

    // Panel 0 follows the window's width.
    void FitMessagePanel(int window_width);
    int MessagePanelWidthNow() const { return message_->maximumWidth(); }

    // The hint last routed to the status bar; kept, never shown over the panels.
    void ShowHint(const QString& hint) { hint_ = hint; }
    QString Hint() const { return hint_; }

private:
    class PlayerPanel;

    // A message wider than its panel is written a little smaller, down to four fifths of the
    // bar's font, and told whole by the panel's tooltip; the text itself stays as it is.
    void FitMessageText();

    const Tjeu& game_;
    QLabel* message_;
    Announcer* announcer_;
    std::array<PlayerPanel*, 3> panels_{};  // [1] White, [2] Red
    std::array<QString, 3> panel_texts_;
    QString hint_;
};

}  // namespace circumvia::control

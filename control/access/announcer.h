#pragma once
// Short news for screen readers, spoken without the player asking: a move played, a capture,
// a refusal, a selection. Screen readers read a notification as soon as it shows, while they
// ignore a changed name of anything without focus; so each piece of news shows a
// notification object. The objects take turns: a screen reader reads an object's name when
// it comes to the event, later than it was sent, and takes two events of one object as one,
// so news following closely on other news needs an object of its own. They sit inside the
// status bar, where screen readers read a notification without saying "notification" first.
// Nothing of it is drawn.

#include <QString>
#include <QWidget>
#include <array>

namespace circumvia::control {

// One piece of news, as assistive technologies see it.
class Announcement : public QWidget {
    Q_OBJECT
public:
    explicit Announcement(QWidget* parent);
    QString Text() const { return text_; }
    void SetText(const QString& text) { text_ = text; }

private:
    QString text_;
};

class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* status_bar);

    // Tells assistive technologies `text` now; an empty text says nothing.
    void Say(const QString& text);
    // The last text said.
    QString LastSaid() const;

private:
    // More than a screen reader falls behind by, on a loaded machine.
    static constexpr std::size_t kTurns = 8;
    std::array<Announcement*, kTurns> announcements_{};
    std::size_t last_ = 0;
};

// Makes every Announcement read as a notification. Installed once, before the first window.
void InstallAnnouncerAccessibility();

}  // namespace circumvia::control

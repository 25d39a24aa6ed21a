#include "control/access/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace circumvia::control {

namespace {

class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(Announcement* announcement)
        : QAccessibleWidget(announcement, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        // No description: it would be read after every piece of news.
        return t == QAccessible::Name ? static_cast<Announcement*>(widget())->Text() : QString();
    }
};

QAccessibleInterface* AnnouncementFactory(const QString&, QObject* object) {
    auto* announcement = qobject_cast<Announcement*>(object);
    return announcement != nullptr ? new AnnouncementAccessible(announcement) : nullptr;
}

}  // namespace

Announcement::Announcement(QWidget* parent) : QWidget(parent) {
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
}

Announcer::Announcer(QWidget* status_bar) : QWidget(status_bar) {
    setObjectName(QStringLiteral("Announcer"));
    setFixedSize(0, 0);
    setFocusPolicy(Qt::NoFocus);
    for (Announcement*& announcement : announcements_) announcement = new Announcement(this);
}

void Announcer::Say(const QString& text) {
    if (text.isEmpty()) return;
    last_ = (last_ + 1) % kTurns;
    Announcement* announcement = announcements_[last_];
    announcement->SetText(text);
    if (!QAccessible::isActive()) return;
    QAccessibleEvent shown(announcement, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

QString Announcer::LastSaid() const {
    return announcements_[last_]->Text();
}

void InstallAnnouncerAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(AnnouncementFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace circumvia::control

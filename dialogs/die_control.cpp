#include "dialogs/die_control.h"

#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>

namespace circumvia::dialogs {

namespace {

std::uint32_t SystemTicks() {
    static QElapsedTimer clock = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return static_cast<std::uint32_t>(clock.elapsed());  // wraps like the system's counter
}

}  // namespace

QString DieFacePicture(int face) {
    return QStringLiteral(":/dice/die_%1.png").arg(face);
}

TDieControl::TDieControl(QWidget* parent)
    : QWidget(parent),
      ticks_(SystemTicks),
      faces_([] { return QRandomGenerator::global()->bounded(1, kFaces + 1); }) {
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::StrongFocus);
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &TDieControl::TimerTick);
}

void TDieControl::SetValue(int face) {
    if (face < 1 || face > kFaces || face == value_) return;
    value_ = face;
    update();
    Q_EMIT OnChange();
}

void TDieControl::Roll() {
    // A click just before the die stops would otherwise be lost on a die about to rest.
    if (IsRolling() && !last_tick_) return;
    start_ = ticks_();
    last_tick_ = false;
    timer_.start();
}

void TDieControl::TimerTick() {
    // A fresh face every tick: a draw equal to the face shown takes its neighbour.
    int face = faces_();
    if (face == value_) face = face == 1 ? 2 : face - 1;
    SetValue(face);
    if (last_tick_) {
        timer_.stop();
        last_tick_ = false;
        return;
    }
    const std::uint32_t now = ticks_();
    // A counter that wrapped since the start also ends the roll.
    if (now - start_ >= kRollMs || now < start_) last_tick_ = true;
}

void TDieControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Transparent corners of the picture show the control's background.
    painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect().adjusted(1, 1, -1, -1), QPixmap(DieFacePicture(value_)));
    if (hasFocus()) {  // reached by Tab: Space rolls it
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TDieControl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter) {
        Q_EMIT OnClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TDieControl::mouseReleaseEvent(QMouseEvent* event) {
    // A click is a press and a release of the left button over the die.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT OnClick();
    }
    QWidget::mouseReleaseEvent(event);
}

}  // namespace circumvia::dialogs

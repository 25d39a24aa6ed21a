#include "scene/gl/frame_timer.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "scene/frame_clock.h"

namespace circumvia::scene {
namespace {

int FrameIntervalMs() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double rate = screen != nullptr && screen->refreshRate() > 1 ? screen->refreshRate() : 60;
    return std::max(1, static_cast<int>(std::lround(1000.0 / rate)));
}

}  // namespace

TFrameTimer::TFrameTimer(TFrameClock& clock, QObject* parent) : QObject(parent), clock_(clock) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(FrameIntervalMs());
    connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
    clock_.SetWakeHandler([this] {
        if (!timer_.isActive()) timer_.start();
    });
    if (clock_.Enabled()) timer_.start();
}

TFrameTimer::~TFrameTimer() {
    clock_.SetWakeHandler(nullptr);
}

void TFrameTimer::Tick() {
    clock_.Step();
    if (clock_.Resting() || !clock_.Enabled()) timer_.stop();
}

}  // namespace circumvia::scene

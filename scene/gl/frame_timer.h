#pragma once
// Steps a frame clock at the display's refresh rate while the scene moves or changes,
// and not at all while it rests, so an idle program uses no processor time.

#include <QObject>
#include <QTimer>

namespace circumvia::scene {

class TFrameClock;

class TFrameTimer : public QObject {
public:
    // The clock must outlive the timer.
    explicit TFrameTimer(TFrameClock& clock, QObject* parent = nullptr);
    ~TFrameTimer() override;

    bool Active() const { return timer_.isActive(); }
    int IntervalMs() const { return timer_.interval(); }

private:
    void Tick();

    TFrameClock& clock_;
    QTimer timer_;
};

}  // namespace circumvia::scene

#pragma once
// The frame clock: each step reads the time, advances every object of the scene by the
// time since the previous step, and asks for a redraw when the scene changed since it
// was last drawn. It needs stepping at the display's rate only while something travels
// or changes; otherwise it rests, and the next change to the scene wakes it up again.
// Who does the stepping (a timer of the window system) is outside: see TFrameTimer.

#include <cstdint>
#include <functional>
#include <optional>

namespace circumvia::scene {

class TScene;

class TFrameClock {
public:
    using TimeSource = std::function<double()>;  // seconds, increasing

    // The time step taken by the first step after a rest: one display frame.
    static constexpr double kRestartStep = 1.0 / 60;

    explicit TFrameClock(TScene& scene);
    ~TFrameClock();
    TFrameClock(const TFrameClock&) = delete;
    TFrameClock& operator=(const TFrameClock&) = delete;

    // A high-resolution monotonic clock unless replaced (tests do).
    void SetTimeSource(TimeSource source);
    void SetRedrawHandler(std::function<void()> redraw) { redraw_ = std::move(redraw); }
    // Called when steps are wanted again: on enabling, and at the first change to the
    // scene after a rest.
    void SetWakeHandler(std::function<void()> wake) { wake_ = std::move(wake); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // One step. Also called on demand by the program, right after a change that must
    // show at once; a step requested from inside a step does nothing.
    void Step();
    // True when the last step found nothing travelling and nothing changed.
    bool Resting() const { return resting_; }
    // The time of the last step.
    double Time() const { return previous_time_.value_or(0); }

private:
    void SceneChanged();

    TScene& scene_;
    TimeSource now_;
    std::function<void()> redraw_;
    std::function<void()> wake_;
    bool enabled_ = false;
    bool stepping_ = false;
    bool resting_ = true;
    bool wake_requested_ = false;
    std::optional<double> previous_time_;
    std::optional<std::uint64_t> stepped_revision_;
    std::optional<std::uint64_t> drawn_revision_;
};

}  // namespace circumvia::scene

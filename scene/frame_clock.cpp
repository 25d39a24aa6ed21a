#include "scene/frame_clock.h"

#include <chrono>
#include <utility>

#include "scene/scene.h"

namespace circumvia::scene {
namespace {

double SteadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

TFrameClock::TFrameClock(TScene& scene) : scene_(scene), now_(SteadySeconds) {
    scene_.SetChangeListener([this] { SceneChanged(); });
}

TFrameClock::~TFrameClock() {
    scene_.SetChangeListener(nullptr);
}

void TFrameClock::SetTimeSource(TimeSource source) {
    now_ = source ? std::move(source) : TimeSource(SteadySeconds);
    previous_time_.reset();
}

void TFrameClock::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (enabled_ && wake_) {
        wake_requested_ = true;
        wake_();
    }
}

void TFrameClock::SceneChanged() {
    if (!enabled_ || !resting_ || stepping_ || wake_requested_ || !wake_) return;
    wake_requested_ = true;
    wake_();
}

void TFrameClock::Step() {
    if (stepping_) return;
    stepping_ = true;
    wake_requested_ = false;
    const double now = now_();
    // After a rest the previous step is long past; advance by one frame instead, as a
    // clock that never rested would have.
    const double dt = resting_ || !previous_time_ ? kRestartStep : now - *previous_time_;
    if (dt != 0) scene_.Advance(now, dt);
    previous_time_ = now;

    const std::uint64_t revision = scene_.Revision();
    resting_ = revision == stepped_revision_ && !scene_.AnythingTravelling();
    stepped_revision_ = revision;
    stepping_ = false;
    if (revision != drawn_revision_) {
        drawn_revision_ = revision;
        if (redraw_) redraw_();
    }
}

}  // namespace circumvia::scene

#pragma once
// Counts visible changes to a scene, so the frame clock redraws only when something
// changed and can wake up from rest when the program changes something.

#include <cstdint>
#include <functional>
#include <utility>

namespace circumvia::scene {

class TChangeLog {
public:
    void Touch() {
        ++revision_;
        if (listener_) listener_();
    }
    std::uint64_t Revision() const { return revision_; }
    void SetListener(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    std::uint64_t revision_ = 0;
    std::function<void()> listener_;
};

}  // namespace circumvia::scene

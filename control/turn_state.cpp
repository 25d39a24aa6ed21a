#include "control/turn_state.h"

#include <QElapsedTimer>

namespace circumvia::control {

TickCounter SystemTickCounter() {
    return [] {
        static QElapsedTimer clock = [] {
            QElapsedTimer timer;
            timer.start();
            return timer;
        }();
        // Truncated to 32 bits like the system's counter; wraps after 49.7 days.
        return static_cast<std::uint32_t>(clock.elapsed());
    };
}

}  // namespace circumvia::control

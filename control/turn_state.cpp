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
        // Counted from a minute before the program started, so that kLongAgoTick is long
        // past from the first tick on; truncated to 32 bits like the system's counter.
        return static_cast<std::uint32_t>(clock.elapsed() + kCounterOrigin);
    };
}

}  // namespace circumvia::control

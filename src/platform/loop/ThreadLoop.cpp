#include "platform/loop/ThreadLoop.h"

#include "platform/clock/Clock.h"

namespace vorn::platform {

std::uint64_t ThreadLoop::now() const {
    return systemClock().tickCount();
}

void ThreadLoop::run() {
    setLoopThread(std::this_thread::get_id());
    while (!quitting()) {
        // Queued messages go first; a timer fires only when the queue is empty.
        if (dispatchOne() || fireDueTimer(now())) {
            continue;
        }
        waitForWork(now());
    }
}

}  // namespace vorn::platform

#include "platform/loop/ManualLoop.h"

namespace vorn::platform {

ManualLoop::ManualLoop(VirtualClock* clock) : clock_(clock) {}

std::size_t ManualLoop::runPending() {
    std::size_t handled = 0;
    while (dispatchOne()) {
        ++handled;
    }
    return handled;
}

void ManualLoop::moveTo(std::uint64_t time) {
    std::uint64_t before = now_.load();
    if (time <= before) {
        return;
    }
    now_.store(time);
    if (clock_ != nullptr) {
        clock_->advance(time - before);
    }
}

void ManualLoop::advance(std::uint64_t ms) {
    const std::uint64_t end = now_.load() + ms;
    runPending();
    while (!quitting()) {
        std::optional<std::uint64_t> due = nextTimerDue();
        if (!due || *due > end) {
            break;
        }
        moveTo(*due);
        fireDueTimer(now_.load());
        runPending();
    }
    moveTo(end);
}

}  // namespace vorn::platform

#include "devices/EntryTimers.h"

#include <utility>

namespace vorn::devices {

EntryTimerHost::EntryTimerHost(platform::MessageLoop& loop, DueFn due)
    : loop_(loop), due_(std::move(due)) {
    loop_.addTarget(this);
}

EntryTimerHost::~EntryTimerHost() {
    loop_.removeTarget(this);
}

bool EntryTimerHost::start(unsigned timerId, unsigned elapseMs) {
    return loop_.setTimer(this, timerId, elapseMs, platform::TimerMode::OneShot);
}

bool EntryTimerHost::stop(unsigned timerId) {
    return loop_.killTimer(this, timerId);
}

platform::MessageResult EntryTimerHost::handleMessage(const platform::Message& message) {
    if (message.id == platform::kTimerMessage && due_) {
        due_(static_cast<unsigned>(message.wParam));
        return 1;
    }
    return 0;
}

}  // namespace vorn::devices

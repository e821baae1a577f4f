#include "platform/sync/Event.h"

#include <chrono>

namespace vorn::platform {

Event::Event(EventReset reset, bool initiallySet) : reset_(reset), signalled_(initiallySet) {}

void Event::set() {
    std::lock_guard lock(mutex_);
    signalled_ = true;
    if (reset_ == EventReset::Auto) {
        changed_.notify_one();
    } else {
        changed_.notify_all();
    }
}

void Event::reset() {
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

bool Event::isSet() const {
    std::lock_guard lock(mutex_);
    return signalled_;
}

WaitResult Event::wait(std::uint32_t timeoutMs) {
    std::unique_lock lock(mutex_);
    auto signalled = [this] { return signalled_; };
    if (timeoutMs == kInfinite) {
        changed_.wait(lock, signalled);
    } else if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs), signalled)) {
        return WaitResult::TimedOut;
    }
    if (reset_ == EventReset::Auto) {
        signalled_ = false;
    }
    return WaitResult::Signalled;
}

void Event::wait() {
    wait(kInfinite);
}

}  // namespace vorn::platform

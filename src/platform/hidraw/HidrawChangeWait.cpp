// The hidraw backend's wait for nodes to come and go, on a udev monitor.

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "platform/hidraw/HidrawBackend.h"

namespace vorn::platform::hidraw {

hid::BusChange HidrawBackend::waitForChange(int timeoutMs) {
    std::lock_guard<std::mutex> lock(monitorMutex_);
    if (!monitorTried_) {
        monitorTried_ = true;
        monitor_ = udev_->monitorHidraw();
        if (monitor_) {
            return hid::BusChange::Changed;  // whatever came before the monitor listened
        }
    }
    if (!monitor_ || wakeRead_ < 0) {
        return hid::BusChange::Unsupported;
    }
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int wait = -1;
        if (timeoutMs >= 0) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            wait = left.count() > 0 ? static_cast<int>(left.count()) : 0;
        }
        pollfd fds[2] = {{monitor_->descriptor(), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, wait);
        if (ready < 0 && errno != EINTR) {
            return hid::BusChange::Unsupported;
        }
        if (fds[1].revents & POLLIN) {
            char drained[16];
            while (::read(wakeRead_, drained, sizeof drained) > 0) {
            }
            return hid::BusChange::Woken;
        }
        if ((fds[0].revents & POLLIN) && monitor_->takeEvents()) {
            return hid::BusChange::Changed;
        }
        if (fds[0].revents & (POLLERR | POLLHUP)) {
            return hid::BusChange::Unsupported;  // the monitor broke: back to polling
        }
        if (ready == 0 && timeoutMs >= 0 && Clock::now() >= deadline) {
            return hid::BusChange::TimedOut;
        }
    }
}

void HidrawBackend::wakeChangeWait() {
    if (wakeWrite_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
    }
}

}  // namespace vorn::platform::hidraw

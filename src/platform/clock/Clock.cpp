#include "platform/clock/Clock.h"

#include <chrono>
#include <thread>

namespace vorn::platform {
namespace {

std::atomic<Clock*> gCurrent{nullptr};

}  // namespace

std::uint64_t SystemClock::tickCount() const {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

void SystemClock::sleepMs(std::uint32_t ms) {
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Clock& systemClock() {
    static SystemClock instance;
    return instance;
}

Clock& currentClock() {
    Clock* clock = gCurrent.load();
    return clock != nullptr ? *clock : systemClock();
}

ClockOverride::ClockOverride(Clock& clock) : previous_(gCurrent.exchange(&clock)) {}

ClockOverride::~ClockOverride() {
    gCurrent.store(previous_);
}

std::uint64_t tickCount() {
    return currentClock().tickCount();
}

void sleepMs(std::uint32_t ms) {
    currentClock().sleepMs(ms);
}

}  // namespace vorn::platform

#pragma once
// A signal one thread raises and others wait for. A manual-reset event stays signalled
// until reset and releases every waiter; an auto-reset event releases one waiter and
// returns to not signalled as that waiter leaves. Waits are measured in real time.

#include <condition_variable>
#include <cstdint>
#include <mutex>

namespace vorn::platform {

enum class EventReset { Manual, Auto };
enum class WaitResult { Signalled, TimedOut };

class Event {
  public:
    // Time-out value that waits without limit.
    static constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;

    explicit Event(EventReset reset = EventReset::Manual, bool initiallySet = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void set();
    void reset();
    // Whether the event is signalled now; does not consume an auto-reset signal.
    bool isSet() const;

    // Waits up to timeoutMs (kInfinite: no limit); 0 only looks.
    WaitResult wait(std::uint32_t timeoutMs);
    void wait();

  private:
    const EventReset reset_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_;
};

}  // namespace vorn::platform

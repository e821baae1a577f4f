#pragma once
// A message loop driven by hand, for tests. Time is the loop's own and moves only with
// advance(); messages are handled only inside runPending() and advance(), on the thread
// that calls them (the thread that made the loop). Senders on other threads wait until the
// test thread gets there.

#include <cstdint>

#include "platform/clock/Clock.h"
#include "platform/loop/QueuedLoop.h"

namespace vorn::platform {

class ManualLoop final : public QueuedLoop {
  public:
    // With a clock, every step of the loop's time moves that clock by the same amount, so
    // code reading tickCount() inside a handler sees the time the timer fell due.
    explicit ManualLoop(VirtualClock* clock = nullptr);

    std::uint64_t nowMs() const { return now_.load(); }

    // Handles queued messages (including those queued meanwhile) until none is left.
    // Returns how many were handled.
    std::size_t runPending();

    // Moves time forward by ms, firing every timer that falls due on the way at its own
    // due time (earliest first, ties in the order they were set, a repeating timer once
    // per period) and handling queued messages before each timer and at the end.
    void advance(std::uint64_t ms);

    // Waits (real time, at most timeoutMs) until a message is queued, for a test that lets
    // another thread post or send. True when one is queued.
    bool waitForMessage(std::uint32_t timeoutMs) { return waitForQueued(timeoutMs); }
    std::size_t pendingCount() const { return queuedCount(); }

  protected:
    std::uint64_t now() const override { return now_.load(); }

  private:
    void moveTo(std::uint64_t time);

    std::atomic<std::uint64_t> now_{0};
    VirtualClock* clock_;
};

}  // namespace vorn::platform

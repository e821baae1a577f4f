#pragma once
// The message loop of the UI thread. Targets (windows, pages, controls) register with the
// loop and receive messages {id, wParam, lParam} on the loop thread: posted ones in the
// order they were posted, sent ones while the sender waits for the result, and timer
// messages. post and send are safe from any thread; targets are added and removed, and
// timers set and killed, on the loop thread.

#include <cstdint>

namespace vorn::platform {

struct Message {
    std::uint32_t id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

using MessageResult = std::intptr_t;

// Raised on a target when one of its timers falls due; wParam is the timer id.
inline constexpr std::uint32_t kTimerMessage = 0x0113;

enum class TimerMode { Repeating, OneShot };

class MessageTarget {
  public:
    virtual ~MessageTarget() = default;
    virtual MessageResult handleMessage(const Message& message) = 0;
};

class MessageLoop {
  public:
    virtual ~MessageLoop() = default;

    // A target receives messages only while registered. Removing a target drops its queued
    // messages and its timers; senders waiting on it get 0.
    virtual void addTarget(MessageTarget* target) = 0;
    virtual void removeTarget(MessageTarget* target) = 0;

    // Queues a message for the loop thread. False (nothing queued) when the target is not
    // registered or the loop is quitting.
    virtual bool post(MessageTarget* target, const Message& message) = 0;

    // Has the loop thread handle the message and returns the handler's result. On the loop
    // thread the handler runs at once; from another thread the message is queued behind
    // earlier ones and the caller waits. 0 at once when the target is not registered or the
    // loop is quitting (from another thread), and 0 when the loop quits or the target is
    // removed before the message is handled.
    virtual MessageResult send(MessageTarget* target, const Message& message) = 0;

    // Raises kTimerMessage on the target every intervalMs (Repeating) or once (OneShot).
    // Setting the (target, timerId) pair again replaces the timer and restarts its interval.
    // Intervals below 1 ms count as 1 ms. False when the target is not registered or the
    // loop is quitting.
    virtual bool setTimer(MessageTarget* target, std::uint32_t timerId, std::uint32_t intervalMs,
                          TimerMode mode) = 0;
    // False when no such timer exists.
    virtual bool killTimer(MessageTarget* target, std::uint32_t timerId) = 0;

    // Ends the loop: nothing more is handled, queued messages are dropped and waiting
    // senders get 0.
    virtual void quit() = 0;
    virtual bool quitting() const = 0;

    // Whether the calling thread is the one that handles this loop's messages.
    virtual bool isLoopThread() const = 0;
};

}  // namespace vorn::platform

#pragma once
// The common part of the loops that keep their own queue and timers (ManualLoop,
// ThreadLoop): target registry, message queue with waiting senders, and timers ordered by
// due time. A subclass supplies the loop's time and decides when to dispatch.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <utility>

#include "platform/loop/MessageLoop.h"

namespace vorn::platform {

class QueuedLoop : public MessageLoop {
  public:
    ~QueuedLoop() override;

    void addTarget(MessageTarget* target) override;
    void removeTarget(MessageTarget* target) override;
    bool post(MessageTarget* target, const Message& message) override;
    MessageResult send(MessageTarget* target, const Message& message) override;
    bool setTimer(MessageTarget* target, std::uint32_t timerId, std::uint32_t intervalMs,
                  TimerMode mode) override;
    bool killTimer(MessageTarget* target, std::uint32_t timerId) override;
    void quit() override;
    bool quitting() const override { return quitting_.load(); }
    bool isLoopThread() const override { return loopThread_.load() == std::this_thread::get_id(); }

  protected:
    QueuedLoop();

    // The loop's current time in milliseconds.
    virtual std::uint64_t now() const = 0;

    void setLoopThread(std::thread::id id) { loopThread_.store(id); }

    // Handles the oldest queued message; false when none is queued or the loop quits.
    bool dispatchOne();
    // Due time of the earliest timer, if any.
    std::optional<std::uint64_t> nextTimerDue() const;
    // Fires the earliest timer due at or before nowMs (ties: the one set first) and re-arms
    // it when repeating. A repeating timer that fell behind nowMs skips the missed periods.
    // False when no timer is due.
    bool fireDueTimer(std::uint64_t nowMs);
    // Blocks until a message is queued, the timers change, the loop quits, or the earliest
    // timer falls due; nowMs is now() and the loop's time must run in real milliseconds.
    void waitForWork(std::uint64_t nowMs);
    // Blocks until a message is queued or the loop quits, at most timeoutMs real time.
    bool waitForQueued(std::uint32_t timeoutMs);
    std::size_t queuedCount() const;

  private:
    struct Reply;
    struct Queued {
        MessageTarget* target;
        Message message;
        std::shared_ptr<Reply> reply;  // set for a message sent from another thread
    };
    struct Timer {
        std::uint64_t due;
        std::uint32_t interval;
        TimerMode mode;
        std::uint64_t order;  // when it was set; orders timers due at the same time
    };
    using TimerKey = std::pair<MessageTarget*, std::uint32_t>;

    static void answer(std::deque<Queued>& dropped);

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::set<MessageTarget*> targets_;
    std::deque<Queued> queue_;
    std::map<TimerKey, Timer> timers_;
    std::uint64_t nextOrder_ = 0;
    bool timersChanged_ = false;
    std::atomic<bool> quitting_{false};
    std::atomic<std::thread::id> loopThread_;
};

}  // namespace vorn::platform

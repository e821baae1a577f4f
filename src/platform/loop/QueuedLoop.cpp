#include "platform/loop/QueuedLoop.h"

#include <algorithm>
#include <chrono>

#include "platform/sync/Event.h"

namespace vorn::platform {
namespace {

// The timer that fires next: earliest due time, then the one set first.
template <typename Timers>
auto earliestIn(Timers& timers) {
    return std::min_element(timers.begin(), timers.end(), [](const auto& a, const auto& b) {
        return std::pair(a.second.due, a.second.order) < std::pair(b.second.due, b.second.order);
    });
}

}  // namespace

// Where a sender from another thread waits for its result.
struct QueuedLoop::Reply {
    MessageResult result = 0;
    Event done{EventReset::Manual};

    void complete(MessageResult value) {
        result = value;
        done.set();
    }
};

QueuedLoop::QueuedLoop() : loopThread_(std::this_thread::get_id()) {}

QueuedLoop::~QueuedLoop() {
    quit();
}

void QueuedLoop::answer(std::deque<Queued>& dropped) {
    for (Queued& item : dropped) {
        if (item.reply != nullptr) {
            item.reply->complete(0);
        }
    }
}

void QueuedLoop::addTarget(MessageTarget* target) {
    if (target == nullptr) {
        return;
    }
    std::lock_guard lock(mutex_);
    targets_.insert(target);
}

void QueuedLoop::removeTarget(MessageTarget* target) {
    std::deque<Queued> dropped;
    {
        std::lock_guard lock(mutex_);
        targets_.erase(target);
        auto kept = std::stable_partition(queue_.begin(), queue_.end(),
                                          [target](const Queued& q) { return q.target != target; });
        std::move(kept, queue_.end(), std::back_inserter(dropped));
        queue_.erase(kept, queue_.end());
        std::erase_if(timers_, [target](const auto& entry) { return entry.first.first == target; });
        timersChanged_ = true;
    }
    answer(dropped);
}

bool QueuedLoop::post(MessageTarget* target, const Message& message) {
    std::lock_guard lock(mutex_);
    if (quitting_.load() || !targets_.contains(target)) {
        return false;
    }
    queue_.push_back({target, message, nullptr});
    wake_.notify_all();
    return true;
}

MessageResult QueuedLoop::send(MessageTarget* target, const Message& message) {
    if (isLoopThread()) {
        {
            std::lock_guard lock(mutex_);
            if (!targets_.contains(target)) {
                return 0;
            }
        }
        return target->handleMessage(message);
    }
    auto reply = std::make_shared<Reply>();
    {
        std::lock_guard lock(mutex_);
        if (quitting_.load() || !targets_.contains(target)) {
            return 0;
        }
        queue_.push_back({target, message, reply});
        wake_.notify_all();
    }
    // Only the reply is touched after this point: the loop may be gone when it answers.
    reply->done.wait();
    return reply->result;
}

bool QueuedLoop::setTimer(MessageTarget* target, std::uint32_t timerId, std::uint32_t intervalMs,
                          TimerMode mode) {
    intervalMs = std::max<std::uint32_t>(intervalMs, 1);
    std::uint64_t due = now() + intervalMs;
    std::lock_guard lock(mutex_);
    if (quitting_.load() || !targets_.contains(target)) {
        return false;
    }
    timers_[{target, timerId}] = Timer{due, intervalMs, mode, nextOrder_++};
    timersChanged_ = true;
    wake_.notify_all();
    return true;
}

bool QueuedLoop::killTimer(MessageTarget* target, std::uint32_t timerId) {
    std::lock_guard lock(mutex_);
    timersChanged_ = true;
    return timers_.erase({target, timerId}) > 0;
}

void QueuedLoop::quit() {
    std::deque<Queued> dropped;
    {
        std::lock_guard lock(mutex_);
        quitting_.store(true);
        dropped.swap(queue_);
        timers_.clear();
        wake_.notify_all();
    }
    answer(dropped);
}

bool QueuedLoop::dispatchOne() {
    Queued item;
    {
        std::lock_guard lock(mutex_);
        if (quitting_.load() || queue_.empty()) {
            return false;
        }
        item = std::move(queue_.front());
        queue_.pop_front();
    }
    MessageResult result = item.target->handleMessage(item.message);
    if (item.reply != nullptr) {
        item.reply->complete(result);
    }
    return true;
}

std::optional<std::uint64_t> QueuedLoop::nextTimerDue() const {
    std::lock_guard lock(mutex_);
    auto earliest = earliestIn(timers_);
    if (earliest == timers_.end()) {
        return std::nullopt;
    }
    return earliest->second.due;
}

bool QueuedLoop::fireDueTimer(std::uint64_t nowMs) {
    MessageTarget* target = nullptr;
    std::uint32_t timerId = 0;
    {
        std::lock_guard lock(mutex_);
        auto earliest = earliestIn(timers_);
        if (quitting_.load() || earliest == timers_.end() || earliest->second.due > nowMs) {
            return false;
        }
        target = earliest->first.first;
        timerId = earliest->first.second;
        Timer& timer = earliest->second;
        if (timer.mode == TimerMode::OneShot) {
            timers_.erase(earliest);
        } else {
            timer.due += timer.interval;
            if (timer.due <= nowMs) {
                timer.due = nowMs + timer.interval;
            }
        }
    }
    target->handleMessage({kTimerMessage, timerId, 0});
    return true;
}

void QueuedLoop::waitForWork(std::uint64_t nowMs) {
    std::unique_lock lock(mutex_);
    auto ready = [this] { return quitting_.load() || !queue_.empty() || timersChanged_; };
    timersChanged_ = false;
    auto earliest = earliestIn(timers_);
    if (earliest == timers_.end()) {
        wake_.wait(lock, ready);
    } else if (earliest->second.due > nowMs) {
        wake_.wait_for(lock, std::chrono::milliseconds(earliest->second.due - nowMs), ready);
    }
}

bool QueuedLoop::waitForQueued(std::uint32_t timeoutMs) {
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] {
        return quitting_.load() || !queue_.empty();
    }) && !queue_.empty();
}

std::size_t QueuedLoop::queuedCount() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

}  // namespace vorn::platform

#pragma once
// A background thread with its own stop event and a bounded stop. The thread's function
// receives the stop event and is expected to look at it often and return soon after it
// is set. A thread that has not ended when the stop's wait runs out is logged and
// detached, never killed: killing a thread could leave locks held. The stop event and the
// function live in state the thread itself co-owns, so a detached thread never touches
// freed memory. Whatever else the function uses after a detach must be owned by the
// function too (captured by value or shared_ptr), not borrowed from the owner.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>

#include "platform/sync/Event.h"

namespace vorn::platform {

enum class StopResult {
    NotRunning,  // nothing was started, or it was already stopped
    Stopped,     // the thread ended within the wait and was joined
    Detached,    // the thread overran the wait and was left to end on its own
};

class WorkerThread {
  public:
    using Body = std::function<void(Event& stop)>;
    static constexpr std::uint32_t kDefaultStopMs = 1000;

    // name appears in diagnostic lines; destructorStopMs bounds the stop on destruction.
    explicit WorkerThread(std::string name, std::uint32_t destructorStopMs = kDefaultStopMs);
    ~WorkerThread();
    WorkerThread(const WorkerThread&) = delete;
    WorkerThread& operator=(const WorkerThread&) = delete;

    // Starts the thread with a fresh, not signalled stop event. False when one is running.
    bool start(Body body);
    // Same, passing a parameter that the thread owns (copied or moved in) to fn(stop, param).
    template <typename Fn, typename Param>
    bool start(Fn fn, Param param) {
        return start(Body([fn = std::move(fn), param = std::move(param)](Event& stop) mutable {
            fn(stop, param);
        }));
    }

    // Sets the stop event and returns at once.
    void requestStop();
    // Sets the stop event and waits at most timeoutMs (real time) for the thread to end.
    StopResult stop(std::uint32_t timeoutMs = kDefaultStopMs);

    // Started and not yet stopped (the function may have returned already).
    bool started() const { return state_ != nullptr; }
    // The started thread's function has returned.
    bool finished() const;
    const std::string& name() const { return name_; }

  private:
    struct State;
    static void run(State& state, Body& body);

    std::string name_;
    std::uint32_t destructorStopMs_;
    std::shared_ptr<State> state_;
    std::thread thread_;
};

}  // namespace vorn::platform

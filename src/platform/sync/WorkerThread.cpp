#include "platform/sync/WorkerThread.h"

#include <exception>
#include <system_error>

#include "platform/debug/DebugSink.h"

namespace vorn::platform {

// Shared by the owner and the thread; whichever lets go last frees it.
struct WorkerThread::State {
    std::string name;
    Event stop{EventReset::Manual};
    Event finished{EventReset::Manual};
};

void WorkerThread::run(State& state, Body& body) {
    try {
        body(state.stop);
    } catch (const std::exception& e) {
        debugPrintf("worker \"%s\" ended by an exception: %s", state.name.c_str(), e.what());
    } catch (...) {
        debugPrintf("worker \"%s\" ended by an unknown exception", state.name.c_str());
    }
    // The function and its captures go before "finished", so a stop that sees the thread
    // finished knows nothing of the function is still running.
    body = nullptr;
    state.finished.set();
}

WorkerThread::WorkerThread(std::string name, std::uint32_t destructorStopMs)
    : name_(std::move(name)), destructorStopMs_(destructorStopMs) {}

WorkerThread::~WorkerThread() {
    stop(destructorStopMs_);
}

bool WorkerThread::start(Body body) {
    if (state_ != nullptr || !body) {
        return false;
    }
    auto state = std::make_shared<State>();
    state->name = name_;
    try {
        thread_ = std::thread([state, body = std::move(body)]() mutable { run(*state, body); });
    } catch (const std::system_error& e) {
        debugPrintf("worker \"%s\" could not start: %s", name_.c_str(), e.what());
        return false;
    }
    state_ = std::move(state);
    return true;
}

void WorkerThread::requestStop() {
    if (state_ != nullptr) {
        state_->stop.set();
    }
}

bool WorkerThread::finished() const {
    return state_ != nullptr && state_->finished.isSet();
}

StopResult WorkerThread::stop(std::uint32_t timeoutMs) {
    if (state_ == nullptr) {
        return StopResult::NotRunning;
    }
    state_->stop.set();
    StopResult result = StopResult::Stopped;
    if (thread_.get_id() == std::this_thread::get_id()) {
        // A worker stopping itself cannot wait for its own end.
        debugPrintf("worker \"%s\" stopped from its own thread; detached", name_.c_str());
        thread_.detach();
        result = StopResult::Detached;
    } else if (state_->finished.wait(timeoutMs) == WaitResult::Signalled) {
        thread_.join();
    } else {
        debugPrintf("worker \"%s\" did not end within %u ms of its stop request; detached",
                    name_.c_str(), timeoutMs);
        thread_.detach();
        result = StopResult::Detached;
    }
    state_.reset();
    return result;
}

}  // namespace vorn::platform

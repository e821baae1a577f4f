#pragma once
// The UI message loop on the Qt event loop: messages posted or sent from any thread are
// handled on the thread that made the loop (the Qt GUI thread); a sender on another thread
// waits until its message has been handled, and gets 0 at once while the loop is shutting
// down. Timers are QTimers. Modal windows wait in nested Qt event processing.

#include <condition_variable>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/loop/MessageLoop.h"
#include "ui/framework/core/UiLoop.h"

class QObject;
class QTimer;

namespace vorn::ui::qt {

class QtMessageLoop final : public platform::MessageLoop, public IModalRunner {
  public:
    // Must be made on the Qt GUI thread, after the QApplication.
    QtMessageLoop();
    ~QtMessageLoop() override;
    QtMessageLoop(const QtMessageLoop&) = delete;
    QtMessageLoop& operator=(const QtMessageLoop&) = delete;

    void addTarget(platform::MessageTarget* target) override;
    void removeTarget(platform::MessageTarget* target) override;
    bool post(platform::MessageTarget* target, const platform::Message& message) override;
    platform::MessageResult send(platform::MessageTarget* target,
                                 const platform::Message& message) override;
    bool setTimer(platform::MessageTarget* target, std::uint32_t timerId, std::uint32_t intervalMs,
                  platform::TimerMode mode) override;
    bool killTimer(platform::MessageTarget* target, std::uint32_t timerId) override;
    // Stops handling, answers waiting senders with 0 and ends the Qt event loop.
    void quit() override;
    bool quitting() const override;
    bool isLoopThread() const override;

    // Handles Qt events until done answers true or the loop quits.
    void runUntil(const std::function<bool()>& done) override;
    // Runs the Qt event loop until quit; answers its exit code.
    int run();

  private:
    struct Reply;
    class Dispatcher;
    friend class Dispatcher;
    using TimerKey = std::pair<platform::MessageTarget*, std::uint32_t>;

    // Handles one queued message on the loop thread (called by the dispatcher).
    void deliver(platform::MessageTarget* target, std::uint64_t serial,
                 const platform::Message& message, const std::shared_ptr<Reply>& reply);
    bool registered(platform::MessageTarget* target, std::uint64_t serial) const;
    void dropTimersOf(platform::MessageTarget* target);

    mutable std::mutex mutex_;
    std::condition_variable answered_;
    std::map<platform::MessageTarget*, std::uint64_t> targets_;  // target -> registration
    std::uint64_t nextSerial_ = 1;
    std::multimap<platform::MessageTarget*, std::shared_ptr<Reply>> waiting_;
    std::map<TimerKey, QTimer*> timers_;
    bool quitting_ = false;
    std::thread::id loopThread_;
    std::unique_ptr<Dispatcher> dispatcher_;
};

}  // namespace vorn::ui::qt

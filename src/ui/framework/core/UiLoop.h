#pragma once
// The message loop of the UI thread as the framework uses it: windows and control timers
// run on it, and modal windows wait inside it. The program (or a test) installs the loop
// once; the Qt layer installs its own.

#include <functional>

#include "platform/loop/ManualLoop.h"
#include "platform/loop/MessageLoop.h"

namespace vorn::ui {

// How a modal window waits inside the loop: handles messages until `done` answers true or
// (for a loop that only moves when driven) nothing is left to handle.
class IModalRunner {
  public:
    virtual ~IModalRunner() = default;
    virtual void runUntil(const std::function<bool()>& done) = 0;
};

// Installs the loop (and its modal runner); nullptr removes it.
void setUiLoop(platform::MessageLoop* loop, IModalRunner* runner);
platform::MessageLoop* uiLoop();
IModalRunner* uiModalRunner();
// The owner of a loop tells the framework that it is going away; windows and paint managers
// that outlive it stop using it instead of touching a destroyed loop.
void retireUiLoop(platform::MessageLoop* loop);
bool isUiLoopAlive(const platform::MessageLoop* loop);

// Modal waiting on a ManualLoop: handles queued messages until done or none is left (the
// loop's time does not move).
class ManualModalRunner final : public IModalRunner {
  public:
    explicit ManualModalRunner(platform::ManualLoop& loop) : loop_(loop) {}
    void runUntil(const std::function<bool()>& done) override;

  private:
    platform::ManualLoop& loop_;
};

// A test's UI loop: a ManualLoop installed while the object lives.
class ScopedManualUiLoop {
  public:
    explicit ScopedManualUiLoop(platform::VirtualClock* clock = nullptr);
    ~ScopedManualUiLoop();
    ScopedManualUiLoop(const ScopedManualUiLoop&) = delete;
    ScopedManualUiLoop& operator=(const ScopedManualUiLoop&) = delete;
    platform::ManualLoop& loop() { return loop_; }

  private:
    platform::ManualLoop loop_;
    ManualModalRunner runner_;
    platform::MessageLoop* previousLoop_;
    IModalRunner* previousRunner_;
};

}  // namespace vorn::ui

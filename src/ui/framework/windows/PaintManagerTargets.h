#pragma once
// The paint manager's loop targets (inside the framework only): one per control with
// timers, and one for queued notifications and deferred destruction.

#include <set>

#include "platform/loop/MessageLoop.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/WindowMessages.h"

namespace vorn::ui {

// Message of the manager's own loop target: deliver queued notifications and destroy
// controls waiting for it.
inline constexpr uint32_t kRunDeferredMessage = WM_APP + 0x3F01;

// Builds an event of `type` at a window point, stamped now, and gives it to `target`.
void deliverEvent(CControlUI* target, UiEventType type, UiPoint point, uint32_t keyState,
                  uintptr_t wParam = 0);

// One loop target per control with timers; the loop keys timers by (target, id).
struct CPaintManagerUI::TimerTarget final : platform::MessageTarget {
    TimerTarget(CPaintManagerUI* m, CControlUI* c, platform::MessageLoop* l)
        : manager(m), control(c), loop(l) {
        loop->addTarget(this);
    }
    ~TimerTarget() override {
        if (isUiLoopAlive(loop)) {
            loop->removeTarget(this);
        }
    }
    platform::MessageResult handleMessage(const platform::Message& message) override {
        if (message.id == platform::kTimerMessage &&
            ids.count(static_cast<unsigned>(message.wParam))) {
            manager->fireTimer(control, static_cast<unsigned>(message.wParam));
        }
        return 0;
    }
    CPaintManagerUI* manager;
    CControlUI* control;
    platform::MessageLoop* loop;
    std::set<unsigned> ids;
};

struct CPaintManagerUI::LoopTarget final : platform::MessageTarget {
    LoopTarget(CPaintManagerUI* m, platform::MessageLoop* l) : manager(m), loop(l) {
        loop->addTarget(this);
    }
    ~LoopTarget() override {
        if (isUiLoopAlive(loop)) {
            loop->removeTarget(this);
        }
    }
    platform::MessageResult handleMessage(const platform::Message& message) override {
        if (message.id == kRunDeferredMessage) {
            posted = false;
            manager->runDeferred();
        }
        return 0;
    }
    void schedule() {
        if (!posted) {
            posted = loop->post(this, {kRunDeferredMessage, 0, 0});
        }
    }
    CPaintManagerUI* manager;
    platform::MessageLoop* loop;
    bool posted = false;
};

}  // namespace vorn::ui

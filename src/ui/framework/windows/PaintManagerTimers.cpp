// Control timers, queued notifications and deferred destruction of the paint manager, on
// the UI message loop.

#include <set>

#include "platform/debug/DebugSink.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/core/UiClock.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/PaintManagerTargets.h"
#include "ui/framework/windows/WindowMessages.h"

namespace vorn::ui {
bool CPaintManagerUI::SetTimer(CControlUI* control, unsigned timerId, unsigned elapse) {
    platform::MessageLoop* loop = uiLoop();
    if (control == nullptr || loop == nullptr) {
        return false;
    }
    auto it = timers_.find(control);
    if (it == timers_.end() || it->second->loop != loop) {
        timers_[control] = std::make_unique<TimerTarget>(this, control, loop);
        it = timers_.find(control);
    }
    if (!loop->setTimer(it->second.get(), timerId, elapse, platform::TimerMode::Repeating)) {
        return false;
    }
    it->second->ids.insert(timerId);
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* control, unsigned timerId) {
    auto it = timers_.find(control);
    if (it == timers_.end() || it->second->ids.erase(timerId) == 0) {
        return false;
    }
    it->second->loop->killTimer(it->second.get(), timerId);
    if (it->second->ids.empty()) {
        timers_.erase(it);
    }
    return true;
}

void CPaintManagerUI::KillTimer(CControlUI* control) {
    timers_.erase(control);
}

void CPaintManagerUI::RemoveAllTimers() {
    timers_.clear();
}

bool CPaintManagerUI::HasTimer(CControlUI* control, unsigned timerId) const {
    auto it = timers_.find(control);
    return it != timers_.end() && it->second->ids.count(timerId) != 0;
}

void CPaintManagerUI::forgetTimers(CControlUI* control) {
    timers_.erase(control);
}

void CPaintManagerUI::fireTimer(CControlUI* control, unsigned timerId) {
    deliverEvent(control, UIEVENT_TIMER, mousePos_, 0, timerId);
}

void CPaintManagerUI::scheduleAsyncFlush() {
    platform::MessageLoop* loop = uiLoop();
    if (loop == nullptr) {
        runDeferred();  // no loop to wait for: deliver now
        return;
    }
    if (loopTarget_ == nullptr || loopTarget_->loop != loop) {
        loopTarget_ = std::make_unique<LoopTarget>(this, loop);
    }
    loopTarget_->schedule();
}

void CPaintManagerUI::AddDelayedCleanup(CControlUI* control) {
    if (control == nullptr) {
        return;
    }
    unregisterTree(control);
    control->SetManager(this, nullptr, false);
    delayedCleanup_.push_back(control);
    scheduleAsyncFlush();
}

void CPaintManagerUI::runDeferred() {
    FlushAsyncNotify();
    std::vector<CControlUI*> doomed;
    doomed.swap(delayedCleanup_);
    for (CControlUI* c : doomed) {
        delete c;
    }
}

}  // namespace vorn::ui

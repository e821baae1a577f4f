#include "ui/framework/core/UiLoop.h"

#include <set>

namespace vorn::ui {
namespace {

platform::MessageLoop* gLoop = nullptr;
IModalRunner* gRunner = nullptr;

std::set<const platform::MessageLoop*>& retired() {
    static std::set<const platform::MessageLoop*> loops;
    return loops;
}

}  // namespace

void setUiLoop(platform::MessageLoop* loop, IModalRunner* runner) {
    gLoop = loop;
    gRunner = runner;
    retired().erase(loop);  // a new loop may live where a retired one was
}

void retireUiLoop(platform::MessageLoop* loop) {
    retired().insert(loop);
    if (gLoop == loop) {
        gLoop = nullptr;
        gRunner = nullptr;
    }
}

bool isUiLoopAlive(const platform::MessageLoop* loop) {
    return loop != nullptr && retired().count(loop) == 0;
}

platform::MessageLoop* uiLoop() {
    return gLoop;
}
IModalRunner* uiModalRunner() {
    return gRunner;
}

void ManualModalRunner::runUntil(const std::function<bool()>& done) {
    while (!done() && !loop_.quitting()) {
        if (loop_.runPending() == 0) {
            return;
        }
    }
}

ScopedManualUiLoop::ScopedManualUiLoop(platform::VirtualClock* clock)
    : loop_(clock), runner_(loop_), previousLoop_(uiLoop()), previousRunner_(uiModalRunner()) {
    setUiLoop(&loop_, &runner_);
}

ScopedManualUiLoop::~ScopedManualUiLoop() {
    setUiLoop(previousLoop_, previousRunner_);
}

}  // namespace vorn::ui

#include "ui/framework/UiLoop.h"

namespace vorn::ui {
namespace {

platform::MessageLoop* gLoop = nullptr;
IModalRunner* gRunner = nullptr;

}  // namespace

void setUiLoop(platform::MessageLoop* loop, IModalRunner* runner) {
    gLoop = loop;
    gRunner = runner;
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

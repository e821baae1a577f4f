#include "devices/mouse/LightPreviewEngine.h"

#include <atomic>
#include <mutex>
#include <optional>

#include "devices/mouse/PreviewCounter.h"
#include "platform/clock/Clock.h"

namespace vorn::devices::mouse {
namespace {

std::uint64_t tickBefore(std::uint64_t tick) {
    return tick == 0 ? 0 : tick - 1;
}

}  // namespace

// The preview's state, shared with its thread so that a thread left to end alone never
// touches freed memory.
struct LightPreviewEngine::Core {
    explicit Core(ILightPreviewTarget& t) : target(&t) {}

    std::uint32_t runDue();
    void restart();
    // The passes up to `until` with what the preview last ran: counted frames of the mode
    // it slept in, or nothing (the custom programme, a busy channel, a fresh start).
    void catchUp(std::uint64_t until);

    std::mutex lock;
    ILightPreviewTarget* target;  // null once a thread left to end alone must let go of it
    PreviewCounter counter;
    std::optional<PreviewFrame> sleptFrame;
    std::uint8_t sleptInterval = 0;
    bool paused = false;
    std::atomic<std::uint64_t> wakeups{0};
};

void LightPreviewEngine::Core::restart() {
    std::lock_guard<std::mutex> guard(lock);
    counter.restart(platform::tickCount());
    sleptFrame.reset();
    paused = false;
}

void LightPreviewEngine::Core::catchUp(std::uint64_t until) {
    if (!sleptFrame) {
        counter.skipUntil(until);
        return;
    }
    if (counter.passUntil(until, sleptInterval)) {
        target->runPreviewFrame(*sleptFrame);
    }
}

std::uint32_t LightPreviewEngine::Core::runDue() {
    std::lock_guard<std::mutex> guard(lock);
    wakeups.fetch_add(1);
    if (target == nullptr) {
        return kUntilWoken;
    }
    const std::uint64_t now = platform::tickCount();
    if (!target->previewShown() || !target->channelOpen()) {
        // The lights keep their last colours and nothing is counted until woken.
        paused = true;
        return kUntilWoken;
    }
    if (paused) {
        // The pass at `now` is the first one after the pause.
        counter.skipUntil(tickBefore(now));
        paused = false;
    } else {
        // The passes slept through counted with the mode the preview slept in; a setting
        // changed since takes effect from this pass on.
        catchUp(tickBefore(now));
    }
    if (target->channelBusy()) {
        counter.skipUntil(now);
        return kBusyRetryMs;
    }
    const profiles::LightSetting setting = target->previewSetting();
    const PreviewModeRow* row = previewModeRow(setting.mode);
    if (row == nullptr) {
        counter.skipUntil(now);
        sleptFrame.reset();
        return target->stepCustomProgramme() ? kPassMs : kUntilWoken;
    }
    const std::uint8_t interval = previewInterval(row->intervalRow, setting.speed);
    if (counter.passUntil(now, interval)) {
        target->runPreviewFrame(row->frame);
    }
    sleptFrame = row->frame;
    sleptInterval = interval;
    return static_cast<std::uint32_t>(counter.nextFrameTick(interval) - now);
}

LightPreviewEngine::LightPreviewEngine(ILightPreviewTarget& target)
    : target_(target),
      core_(std::make_shared<Core>(target)),
      wakeEvent_(std::make_shared<platform::Event>(platform::EventReset::Auto)),
      worker_("light preview") {}

LightPreviewEngine::~LightPreviewEngine() {
    stop();
}

bool LightPreviewEngine::start() {
    if (worker_.started()) {
        return false;
    }
    core_->restart();
    wakeEvent_->reset();
    return worker_.start([core = core_, wake = wakeEvent_](platform::Event& stopEvent) {
        while (!stopEvent.isSet()) {
            const std::uint32_t sleepMs = core->runDue();
            if (stopEvent.isSet()) {
                break;
            }
            wake->wait(sleepMs);
        }
    });
}

platform::StopResult LightPreviewEngine::stop(std::uint32_t timeoutMs) {
    if (!worker_.started()) {
        return platform::StopResult::NotRunning;
    }
    worker_.requestStop();
    wakeEvent_->set();
    const platform::StopResult result = worker_.stop(timeoutMs);
    if (result == platform::StopResult::Detached) {
        // The thread keeps the old state to itself; it calls the target no more once its
        // current call returns. A later start works on fresh state.
        {
            std::lock_guard<std::mutex> guard(core_->lock);
            core_->target = nullptr;
        }
        core_ = std::make_shared<Core>(target_);
    }
    return result;
}

void LightPreviewEngine::wake() {
    wakeEvent_->set();
}

std::uint32_t LightPreviewEngine::runDue() {
    return core_->runDue();
}

void LightPreviewEngine::restart() {
    core_->restart();
}

std::uint64_t LightPreviewEngine::wakeups() const {
    return core_->wakeups.load();
}

}  // namespace vorn::devices::mouse

// The timers of the page's selector entry: light frames, the first read after linking, the
// device's own change requests, the power poll and the reachability of a mouse behind the
// receiver. Each timer falls due once and is armed again here as its rule says. UI thread.

#include "devices/TessarinUSBDevice.h"
#include "platform/debug/DebugSink.h"
#include "ui/framework/core/UiLoop.h"

namespace vorn::devices {

bool CTessarinUSBDevice::startEntryTimer(unsigned timerId, unsigned elapseMs) {
    return optionEntry_ != nullptr && optionEntry_->startEntryTimer(timerId, elapseMs);
}

void CTessarinUSBDevice::reportEntry(int shown) {
    platform::MessageLoop* loop = ui::uiLoop();
    // A page that was never given a selector position has no entry the window could find.
    if (ownerWindow_ == nullptr || loop == nullptr || pageIndex_ < 0) {
        return;
    }
    loop->send(ownerWindow_, {kMsgSelectorEntryReport, static_cast<std::uintptr_t>(pageIndex_),
                              static_cast<std::intptr_t>(shown)});
}

void CTessarinUSBDevice::onEntryTimer(unsigned timerId) {
    switch (timerId) {
        case kTimerLightFrame:
            frameChanged_ = false;
            PushLightFrame();
            // Repainted only when the frame changed something: a still preview costs nothing.
            if (frameChanged_ && optionEntry_ != nullptr && optionEntry_->isEntrySelected() &&
                windowShown_.load() == 1) {
                if (selectPanel_ != nullptr) {
                    selectPanel_->Invalidate();
                } else {
                    Invalidate();
                }
            }
            if (lightFramesWanted()) {
                startLightFrames();
            }
            break;
        case kTimerFirstRead:
            runFirstRead();
            break;
        case kTimerDeviceChanged:
            ReloadAfterDeviceChange();
            break;
        case kTimer1003:
            OnTimer1003();
            break;
        case kTimer1004:
            OnTimer1004();
            break;
        case kTimerPowerPoll:
            RefreshPowerState();
            // While polling is stopped (the window is hidden) the poll rests; it is armed
            // again when polling resumes.
            if (hasPowerPage_.load() != 0 && !powerPollStopped_.load()) {
                startEntryTimer(kTimerPowerPoll, kPowerPollMs);
            }
            break;
        case kTimerReachability:
            runReachabilityPoll();
            break;
        default:
            break;
    }
}

void CTessarinUSBDevice::runFirstRead() {
    if (channel_.viaReceiver() && channel_.isOpen()) {
        if (!IsReachable()) {
            if (optionEntry_ != nullptr && optionEntry_->isEntryShown()) {
                optionEntry_->hideEntry();
            }
            reportEntry(0);
            startEntryTimer(kTimerFirstRead, kFirstReadRetryMs);
            return;
        }
        reportEntry(1);
    }
    ReloadFromDevice();
    if (hasPowerPage_.load() != 0 && channel_.isOpen()) {
        startEntryTimer(kTimerPowerPoll, kPowerPollFirstMs);
    }
    if (channel_.viaReceiver()) {
        startEntryTimer(kTimerReachability, kReachabilityFirstMs);
    }
    if (lightFramesWanted()) {
        startLightFrames();
    }
}

bool CTessarinUSBDevice::lightFramesWanted() const {
    return channel_.isOpen() && (windowShown_.load() == 1 || framesGoToDevice_.load());
}

void CTessarinUSBDevice::startLightFrames() {
    startEntryTimer(kTimerLightFrame,
                    channel_.viaReceiver() ? kLightFrameReceiverMs : kLightFrameCableMs);
}

void CTessarinUSBDevice::setWindowShown(int flag) {
    const int was = windowShown_.exchange(flag);
    if (flag == 1 && was != 1 && lightFramesWanted()) {
        startLightFrames();
    }
    if (flag != was) {
        onWindowShownChanged(flag);
    }
}

void CTessarinUSBDevice::setPowerPollStopped(bool stopped) {
    const bool was = powerPollStopped_.exchange(stopped);
    if (was && !stopped && hasPowerPage_.load() != 0 && channel_.isOpen()) {
        startEntryTimer(kTimerPowerPoll, kPowerPollFirstMs);
    }
}

void CTessarinUSBDevice::runReachabilityPoll() {
    if (channel_.viaReceiver()) {
        const bool shown = optionEntry_ != nullptr && optionEntry_->isEntryShown();
        if (IsReachable()) {
            if (!shown) {
                reportEntry(1);
                if (hasPowerPage_.load() != 0) {
                    RefreshPowerState();
                }
                ReloadFromDevice();
                platform::debugLine(kReachableAgainLine);
            }
        } else if (shown) {
            reportEntry(0);
            platform::debugLine(kUnreachableLine);
        }
        startEntryTimer(kTimerReachability, kReachabilityMs);
    } else if (channel_.isOpen()) {
        platform::debugLine(kCablePollLine);
    }
}

}  // namespace vorn::devices

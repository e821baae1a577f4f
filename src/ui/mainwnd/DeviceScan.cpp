#include "ui/mainwnd/DeviceScan.h"

#include "ui/mainwnd/AppMessages.h"
#include "ui/mainwnd/MainWnd.h"

namespace vorn::ui::mainwnd {
namespace {

// How often a waiting report looks at the stop event.
constexpr std::uint32_t kStopCheckMs = 20;

}  // namespace

DeviceScan::DeviceScan(std::shared_ptr<link::LinkedSlots> slots, UiWindowHandle window)
    : slots_(std::move(slots)), discovery_(*slots_, *this), window_(window) {}

bool DeviceScan::start(platform::WorkerThread& worker) {
    std::shared_ptr<DeviceScan> self = shared_from_this();
    return worker.start([self](platform::Event& stop) {
        self->stop_ = &stop;
        self->discovery_.run(stop);
    });
}

void DeviceScan::wake() {
    discovery_.wake();
}

void DeviceScan::report(std::uint32_t message, int index) {
    handled_.reset();
    if (!CWindowWnd::PostMessageTo(window_, message, static_cast<std::uintptr_t>(index), 0)) {
        return;  // the window is gone
    }
    while (handled_.wait(kStopCheckMs) == platform::WaitResult::TimedOut) {
        if (stop_ != nullptr && stop_->isSet()) {
            return;
        }
    }
}

void DeviceScan::slotBound(int index) {
    report(kMsgDeviceAdded, index);
}

void DeviceScan::slotLost(int index) {
    report(kMsgDeviceRemoved, index);
}

void DeviceScan::firstPassDone() {
    CWindowWnd::PostMessageTo(window_, appMessageIds().app, 0, 0);
}

}  // namespace vorn::ui::mainwnd

#pragma once
// The device scan of the main window: the discovery thread on worker slot 0, telling the
// window of every slot bound (0x0C12) and lost (0x0C13) and posting AppMessage once after the
// first pass. A report waits until the window has handled it, as discovery requires, but a
// stop ends the wait: the window may be shutting down and no longer handling messages.

#include <memory>

#include "link/DeviceDiscovery.h"
#include "link/LinkedSlots.h"
#include "platform/sync/Event.h"
#include "platform/sync/WorkerThread.h"
#include "ui/framework/windows/Window.h"

namespace vorn::ui::mainwnd {

class DeviceScan final : public link::IDiscoverySink,
                         public std::enable_shared_from_this<DeviceScan> {
  public:
    DeviceScan(std::shared_ptr<link::LinkedSlots> slots, UiWindowHandle window);

    // Starts the discovery thread on the worker; the thread co-owns this object.
    bool start(platform::WorkerThread& worker);
    // Wakes the thread after its stop event was set.
    void wake();
    // The window handled the last report.
    void acknowledge() { handled_.set(); }

    void slotBound(int index) override;
    void slotLost(int index) override;
    void firstPassDone() override;

  private:
    void report(std::uint32_t message, int index);

    std::shared_ptr<link::LinkedSlots> slots_;
    link::DeviceDiscovery discovery_;
    UiWindowHandle window_;
    platform::Event handled_{platform::EventReset::Auto};
    platform::Event* stop_ = nullptr;  // the running thread's
};

}  // namespace vorn::ui::mainwnd

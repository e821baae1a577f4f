#pragma once
// Finding the devices: the discovery thread's passes over the HID bus. A pass opens every
// collection the catalogue may want (read-only, only after its path passed preMatch), binds
// it to a free slot and tells the main window (3090, waiting until the window has handled
// it); then it checks every linked slot's path and reports the ones gone (3091).
//
// Between passes the thread sleeps until the bus changes, as the backend reports it (a udev
// monitor, the emulator's plug and unplug), and makes at most one pass every 100 ms while
// changes keep coming. A backend that cannot tell is polled every 100 ms.

#include <atomic>
#include <cstdint>

#include "hid/HidTransport.h"
#include "link/LinkedSlots.h"
#include "platform/hid/HidBackend.h"
#include "platform/sync/Event.h"

namespace vorn::link {

// The main window's side of discovery.
class IDiscoverySink {
  public:
    virtual ~IDiscoverySink() = default;
    // A slot has been bound (3090); returns once the window has handled it.
    virtual void slotBound(int index) = 0;
    // A bound slot's device has gone (3091); returns once handled.
    virtual void slotLost(int index) = 0;
    // The first pass is over (AppMessage with wParam 0, lParam 0, posted once).
    virtual void firstPassDone() = 0;
};

inline constexpr std::uint32_t kPassIntervalMs = 100;

class DeviceDiscovery {
  public:
    DeviceDiscovery(LinkedSlots& slots, IDiscoverySink& sink);

    // One pass: binding, then the presence check. False when the bus cannot be listed.
    bool runPass();
    // The discovery thread: passes until stop is set. Call wake() after setting stop, so a
    // thread sleeping until the bus changes notices at once.
    void run(platform::Event& stop);
    void wake();

    // Passes made so far (the resident cost of discovery is measured by it).
    std::uint64_t passes() const { return passes_.load(); }

  private:
    void bindNewCollections(hid::HidTransport& bus);
    void checkPresence();

    LinkedSlots& slots_;
    IDiscoverySink& sink_;
    std::atomic<std::uint64_t> passes_{0};
};

}  // namespace vorn::link

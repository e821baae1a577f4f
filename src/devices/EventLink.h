#pragma once
// The event collections of a device: two HID transports, each with an open flag and a lock
// of its own. The first serves the event slot of keyboards, mice on the cable, mouse pads
// and headsets; the second that of mice on their own receiver, keyboards on their other
// link and the 2.4 GHz receiver. A transport is opened and closed only under its lock.
// Thread-safe.

#include <array>
#include <atomic>
#include <mutex>
#include <string>

#include "catalogue/DeviceSlot.h"
#include "hid/HidTransport.h"

namespace vorn::devices {

class EventLink {
  public:
    static constexpr int kTransportCount = 2;

    EventLink() = default;
    ~EventLink();
    EventLink(const EventLink&) = delete;
    EventLink& operator=(const EventLink&) = delete;

    // 0 or 1 for the slot type that serves events; -1 for a type that has no event slot.
    static int transportFor(catalogue::DeviceType type);

    // Closes whatever is open there, then opens the collection for reading. False for an
    // index outside 0-1 or a failed open (the flag then stays clear).
    bool open(int index, const std::string& path);
    void close(int index);
    void closeAll();
    bool isOpen(int index) const;

    // For the listener of that transport (reads need no lock; close wakes them). Null for an
    // index outside 0-1.
    hid::HidTransport* transport(int index);
    std::mutex* lock(int index);

  private:
    struct Slot {
        hid::HidTransport transport;
        std::atomic<bool> open{false};
        std::mutex lock;
    };
    Slot* slot(int index);
    const Slot* slot(int index) const;

    std::array<Slot, kTransportCount> slots_;
};

}  // namespace vorn::devices

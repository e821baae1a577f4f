#pragma once
// What udev knows of the hidraw nodes, as raw text, behind an interface so tests can supply
// their own. Interpreting the text is HidrawIdentity's job.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vorn::platform::hidraw {

struct HidrawUdevRecord {
    std::string devnode;                    // "/dev/hidraw3"
    std::string hidId;                      // HID_ID of the HID device: "0003:0000320F:000022B6"
    std::string hidName;                    // HID_NAME of the HID device
    std::string usbProduct;                 // "product" of the USB device; empty when not USB
    std::string usbInterfaceNumber;         // "bInterfaceNumber" of the USB interface: "01"
    std::string usbInterfaceCount;          // "bNumInterfaces" of the USB device: " 2"
    std::string usbVersion;                 // "bcdDevice" of the USB device: "0102"
    std::vector<uint8_t> reportDescriptor;  // device/report_descriptor; empty when unread
};

// Tells of hidraw nodes coming and going.
class UdevMonitor {
  public:
    virtual ~UdevMonitor() = default;
    // Readable when events arrived.
    virtual int descriptor() const = 0;
    // Takes every event that arrived; true when a hidraw node was added or removed.
    virtual bool takeEvents() = 0;
};

class UdevSource {
  public:
    virtual ~UdevSource() = default;
    // Every hidraw node present, with its report descriptor.
    virtual std::vector<HidrawUdevRecord> listHidraw() = 0;
    // One node by its device node path; the descriptor only when asked for.
    virtual std::optional<HidrawUdevRecord> findHidraw(const std::string& devnode,
                                                       bool withDescriptor) = 0;
    // A monitor of hidraw nodes; null when none can be made (no udev events here).
    virtual std::unique_ptr<UdevMonitor> monitorHidraw() { return nullptr; }
};

// libudev's view of the running system; null when udev cannot be reached.
std::shared_ptr<UdevSource> createSystemUdevSource();

}  // namespace vorn::platform::hidraw

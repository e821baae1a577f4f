#pragma once
// A hidraw node's identity read from its udev record, and the collection paths built from
// it: "<devnode>#vid_320f&pid_22b6&mi_01&col04" in lower-case hex. As on other hosts, the
// "&mi_" part appears only for an interface of a composite USB device and the "&col" part
// only when the interface has more than one top-level collection.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/hidraw/UdevSource.h"

namespace vorn::platform::hidraw {

struct HidrawIdentity {
    uint16_t bus = 0;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t version = 0;
    int interfaceNumber = -1;  // -1: not a USB interface
    bool composite = false;    // the USB device has more than one interface
    std::string product;       // the USB product string, else HID_NAME
};

// Reads HID_ID ("bus:vendor:product", each hexadecimal, the ids' low 16 bits kept).
bool parseHidId(std::string_view hidId, uint16_t& bus, uint16_t& vendorId, uint16_t& productId);

// None when the record has no usable HID_ID.
std::optional<HidrawIdentity> identityOf(const HidrawUdevRecord& record);

// collectionNumber 0 leaves the "&col" part out.
std::string collectionPath(const std::string& devnode, const HidrawIdentity& id,
                           int collectionNumber);

// The device node a collection path starts with; empty when the path has no '#'.
std::string devnodeOfPath(std::string_view path);

}  // namespace vorn::platform::hidraw

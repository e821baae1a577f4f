#pragma once
// Opened collections as the device link hands them to claimSlot.

#include <cstdint>
#include <string>

#include "catalogue/DeviceSlot.h"

namespace vorn::test {

inline constexpr std::uint16_t kVid = 0x320F;
inline constexpr std::uint16_t kCablePid = 0x22B6;
inline constexpr std::uint16_t kOwnReceiverPid = 0x22BA;
inline constexpr std::uint16_t kReceiverPid = 0x22A0;

// Collection 4 is the vendor command collection, 3 the consumer event collection.
inline catalogue::DeviceSlot openedCollection(std::uint16_t vid, std::uint16_t pid,
                                              std::uint16_t collection, std::string product,
                                              std::string path) {
    catalogue::DeviceSlot c;
    c.vendorId = vid;
    c.productId = pid;
    c.interfaceNumber = 1;
    c.collectionNumber = collection;
    c.usagePage = collection == 4 ? 0xFF1C : 0x000C;
    c.usage = collection == 4 ? 0x0092 : 0x0001;
    c.productString = std::move(product);
    c.devicePath = std::move(path);
    // Type and role are what claimSlot fills in; start them off as something else.
    c.deviceType = catalogue::DeviceType::Headset;
    c.role = catalogue::SlotRole::Event;
    return c;
}

}  // namespace vorn::test

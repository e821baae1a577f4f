#include "catalogue/DeviceSlot.h"

#include "platform/text/Text.h"

namespace vorn::catalogue {

std::string_view deviceTypeName(DeviceType type) {
    switch (type) {
        case DeviceType::Keyboard:
            return "keyboard";
        case DeviceType::KeyboardOtherLink:
            return "keyboard, other link";
        case DeviceType::Mouse:
            return "mouse, cable";
        case DeviceType::MouseOwnReceiver:
            return "mouse, 2.4 GHz";
        case DeviceType::MousePad:
            return "mouse pad";
        case DeviceType::Headset:
            return "headset";
        case DeviceType::Receiver:
            return "receiver";
    }
    return "unknown";
}

std::string_view slotRoleName(SlotRole role) {
    switch (role) {
        case SlotRole::Command:
            return "command";
        case SlotRole::Event:
            return "event";
    }
    return "unknown";
}

bool sameIdentity(const DeviceSlot& a, const DeviceSlot& b) {
    return a.vendorId == b.vendorId && a.productId == b.productId &&
           a.interfaceNumber == b.interfaceNumber && a.collectionNumber == b.collectionNumber &&
           a.deviceType == b.deviceType && a.role == b.role && a.usagePage == b.usagePage &&
           a.usage == b.usage && platform::equalsIgnoreCase(a.productString, b.productString);
}

}  // namespace vorn::catalogue

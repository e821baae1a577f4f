#include "devices/PageFactory.h"

namespace vorn::devices {

PageKind pageKindOf(catalogue::DeviceType type) {
    using catalogue::DeviceType;
    switch (type) {
        case DeviceType::Keyboard:
        case DeviceType::KeyboardOtherLink:
            return PageKind::Keyboard;
        case DeviceType::MousePad:
            return PageKind::MousePad;
        case DeviceType::Headset:
            return PageKind::Headset;
        case DeviceType::Mouse:
        case DeviceType::MouseOwnReceiver:
        case DeviceType::Receiver:
            return PageKind::Mouse;
    }
    return PageKind::Mouse;
}

std::unique_ptr<CTessarinUSBDevice> makeDevicePage(PageKind) {
    // Every family shares the base page until its own class takes over its controls.
    return std::make_unique<CTessarinUSBDevice>();
}

}  // namespace vorn::devices

#include "devices/PageFactory.h"

#include "devices/keys/KeySetControlUI.h"
#include "devices/mouse/TessarinMouseDevice.h"
#include "ui/controls/CustomControlClasses.h"
#include "ui/profiles/DeviceProfileUI.h"

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

std::unique_ptr<CTessarinUSBDevice> makeDevicePage(PageKind kind) {
    if (kind == PageKind::Mouse) {
        return std::make_unique<CTessarinMouseDevice>();
    }
    // The other families share the base page until their own classes take over.
    return std::make_unique<CTessarinUSBDevice>();
}

void registerPageControls() {
    ui::registerCustomControlElements();
    ui::CDeviceProfileUI::Register();
    CKeySetControlUI::Register();
}

}  // namespace vorn::devices

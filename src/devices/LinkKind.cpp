// What the page shows for the link a device is on: the tabs of its function switches.

#include "devices/TessarinUSBDevice.h"

namespace vorn::devices {
namespace {

constexpr std::string_view kFunctionSwitch = "device_function_switch";
constexpr std::string_view kKeyFunctionSwitch = "device_key_function_switch";
constexpr int kUnchanged = -1;

struct LinkTabs {
    int function;
    int keyFunction;
};

LinkTabs tabsForType(int type, int deviceKind) {
    switch (type) {
        case 2:
        case 6:
            return {0, 1};
        case 3:
        case 10:
            return {1, kUnchanged};
        case 4:
            if (deviceKind == kDeviceKindKeyboard || deviceKind == kDeviceKindMouse) {
                return {4, kUnchanged};
            }
            return {0, 2};
        case 7:
            return {0, 2};
        case 5:
            return {2, kUnchanged};
        case 8:
            return {3, kUnchanged};
        case 9:
            return {5, kUnchanged};
        default:
            return {0, 0};
    }
}

ui::CTabLayoutUI* findTab(ui::CContainerUI& page, std::string_view name) {
    return ui::interfaceOf<ui::CTabLayoutUI>(page.FindSubControl(name), "TabLayout");
}

}  // namespace

void CTessarinUSBDevice::ShowLinkKind(int type) {
    linkIndicator_.store(type);
    // Remembered once found; looked up again while missing.
    if (functionSwitch_ == nullptr) {
        functionSwitch_ = findTab(*this, kFunctionSwitch);
    }
    if (keyFunctionSwitch_ == nullptr) {
        keyFunctionSwitch_ = findTab(*this, kKeyFunctionSwitch);
    }
    const LinkTabs tabs = tabsForType(type, deviceKind_);
    if (functionSwitch_ != nullptr && tabs.function != kUnchanged) {
        functionSwitch_->SelectItem(tabs.function);
    }
    if (keyFunctionSwitch_ != nullptr && tabs.keyFunction != kUnchanged) {
        keyFunctionSwitch_->SelectItem(tabs.keyFunction);
    }
}

}  // namespace vorn::devices

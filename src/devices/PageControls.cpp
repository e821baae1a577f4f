// Binding the page's device picture (the selection panel, its key and light buttons) and
// routing the notifications of the page's own controls.

#include <algorithm>
#include <string>
#include <string_view>

#include "devices/LightTables.h"
#include "devices/TessarinUSBDevice.h"
#include "platform/debug/DebugSink.h"
#include "platform/text/Text.h"
#include "ui/profiles/DeviceProfileUI.h"

namespace vorn::devices {
namespace {

constexpr std::string_view kSelectPanelClass = "SelectPanel";
constexpr std::string_view kKeyButtonClass = "DeviceKeyButton";
constexpr std::string_view kProfileControlClass = "DeviceProfileUI";
constexpr std::string_view kKeyPrefix = "key_";
constexpr std::string_view kLightPrefix = "light_";
constexpr std::string_view kSectionSwitch = "device_page_switch";
constexpr std::string_view kSectionPrefix = "device_page_";

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint8_t kFullBrightness = 255;

// N of a text that is the prefix followed by decimal digits only; -1 otherwise.
int indexAfterPrefix(std::string_view text, std::string_view prefix) {
    if (text.size() <= prefix.size() || text.substr(0, prefix.size()) != prefix) {
        return -1;
    }
    return platform::parseWholeNumber(text.substr(prefix.size())).value_or(-1);
}

ui::CContainerUI* asContainer(ui::CControlUI* control) {
    return ui::interfaceOf<ui::CContainerUI>(control, "Container");
}

// The first control below the container (depth first, in child order) of the class.
ui::CControlUI* firstOfClass(ui::CContainerUI* container, std::string_view className) {
    for (int i = 0; i < container->GetCount(); ++i) {
        ui::CControlUI* child = container->GetItemAt(i);
        if (child == nullptr) {
            continue;
        }
        if (child->GetClass() == className) {
            return child;
        }
        if (ui::CContainerUI* inner = asContainer(child)) {
            if (ui::CControlUI* found = firstOfClass(inner, className)) {
                return found;
            }
        }
    }
    return nullptr;
}

IKeyLightTarget* keyLightOf(ui::CControlUI* control) {
    return ui::interfaceOf<IKeyLightTarget>(control, kKeyLightInterface);
}

bool isBelow(const ui::CControlUI* control, const ui::CControlUI* ancestor) {
    for (const ui::CControlUI* c = control; c != nullptr; c = c->GetParent()) {
        if (c == ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace

void CTessarinUSBDevice::InitPage() {
    selectPanel_ = nullptr;
    if (pageLayout_.empty()) {
        keyControls_.clear();
        lightControls_.clear();
        setLightCount(0);
        return;
    }
    bindPageControls();
}

void CTessarinUSBDevice::forgetShownLights() {
    shownWords_.assign(lightControls_.size(), std::nullopt);
}

void CTessarinUSBDevice::bindPageControls() {
    std::fill(keyControls_.begin(), keyControls_.end(), nullptr);
    std::fill(lightControls_.begin(), lightControls_.end(), nullptr);
    forgetShownLights();
    selectPanel_ = firstOfClass(this, kSelectPanelClass);
    ui::CContainerUI* panel = asContainer(selectPanel_);
    if (panel == nullptr) {
        return;
    }
    for (int i = 0; i < panel->GetCount(); ++i) {
        ui::CControlUI* button = panel->GetItemAt(i);
        if (button == nullptr || button->GetClass() != kKeyButtonClass) {
            continue;
        }
        const int key = indexAfterPrefix(button->GetName(), kKeyPrefix);
        if (key >= 0 && key < keyCount()) {
            keyControls_[static_cast<std::size_t>(key)] = button;
        }
        const int light = indexAfterPrefix(button->GetUserData(), kLightPrefix);
        if (light >= 0 && light < lightCount()) {
            lightControls_[static_cast<std::size_t>(light)] = button;
            if (IKeyLightTarget* target = keyLightOf(button)) {
                target->setLightState(kRed, kFullBrightness, true);
                target->setKeyColour(kWhite, kFullBrightness);
            }
        }
    }
}

void CTessarinUSBDevice::onNotify(ui::TNotifyUI& msg) {
    // Only the page's own controls: pages of other devices carry controls of the same names.
    ui::CControlUI* sender = msg.pSender;
    if (sender == nullptr || sender->GetName().empty() || !isBelow(sender, this)) {
        return;
    }
    if (FindSubControl(sender->GetName()) == nullptr) {
        return;
    }
    platform::debugLine(kNotifyForwardedLine);
    NotifyPump(msg);
}

ui::CDeviceProfileUI* CTessarinUSBDevice::profileControl() {
    return dynamic_cast<ui::CDeviceProfileUI*>(firstOfClass(this, kProfileControlClass));
}

bool CTessarinUSBDevice::selectPageSection(int pageNumber) {
    auto* sections = ui::interfaceOf<ui::CTabLayoutUI>(FindSubControl(kSectionSwitch), "TabLayout");
    if (sections == nullptr) {
        return false;
    }
    const std::string wanted = std::string(kSectionPrefix) + std::to_string(pageNumber);
    for (int i = 0; i < sections->GetCount(); ++i) {
        ui::CControlUI* item = sections->GetItemAt(i);
        if (item != nullptr && item->GetName() == wanted) {
            if (sections->GetCurSel() == i) {
                return false;
            }
            return sections->SelectItem(i);
        }
    }
    return false;
}

}  // namespace vorn::devices

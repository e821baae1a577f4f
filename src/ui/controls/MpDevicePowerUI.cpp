#include "ui/controls/MpDevicePowerUI.h"

#include <algorithm>

#include "platform/text/Text.h"
#include "ui/controls/PowerStateLook.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

namespace {

// The block as the panel reads it: its first bytes, the rest zero.
constexpr size_t kBlockSize = 64;

bool isKeyboardOrMouse(int kind) {
    return kind == power::kKindKeyboard || kind == power::kKindMouse;
}

}  // namespace

std::string CMpDevicePowerUI::GetClass() const {
    return std::string(kClassName);
}

void* CMpDevicePowerUI::GetInterface(std::string_view name) {
    return name == kClassName ? this : CHorizontalLayoutUI::GetInterface(name);
}

bool CMpDevicePowerUI::Activate() {
    if (!CHorizontalLayoutUI::Activate()) {
        return false;
    }
    if (manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_SELECTCHANGED);
    }
    return true;
}

void CMpDevicePowerUI::setPanelKind(int kind, int variant) {
    kind_ = kind == power::kKindReceiverMouse ? power::kKindMouse : kind;
    variant_ = variant;
    // Only a mouse pad reports a paired phone; other devices show no phone at all.
    if (CControlUI* phone = FindSubControl(kPartNames[PhoneType])) {
        phone->SetVisible(kind_ == power::kKindMousePad);
    }
}

void CMpDevicePowerUI::showPowerLayout(bool shown) {
    if (powerLayout_ == nullptr) {
        powerLayout_ = FindSubControl(kPowerLayoutName);
    }
    if (powerLayout_ != nullptr) {
        powerLayout_->SetVisible(shown);
    }
}

bool CMpDevicePowerUI::findParts() {
    bool complete = true;
    for (int p = 0; p < kPartCount; ++p) {
        if (parts_[p] == nullptr) {
            parts_[p] = FindSubControl(kPartNames[p]);
        }
        complete = complete && parts_[p] != nullptr;
    }
    return complete;
}

void CMpDevicePowerUI::showPowerState(std::span<const uint8_t> block) {
    std::array<uint8_t, kBlockSize> bytes{};
    std::copy_n(block.begin(), std::min(block.size(), kBlockSize), bytes.begin());
    if (!findParts()) {
        return;
    }
    int level = bytes[power::kBatteryByte];
    if (auto* progress = interfaceOf<CProgressUI>(part(PowerProgress), "Progress")) {
        progress->SetValue(level);
    }
    part(PowerValue)->SetText(platform::formatText("%d%s", level, "%"));
    showLink(bytes[power::kLinkByte]);
    showCharging(bytes[power::kChargingByte]);
    if (kind_ == power::kKindMousePad) {
        showPhone(bytes[power::kPhoneByte]);
    }
}

void CMpDevicePowerUI::showLink(uint8_t link) {
    bool wireless = link != 0;
    if (isKeyboardOrMouse(kind_)) {
        part(WirelessLogo)
            ->SetBkImage(wireless ? power::kWirelessLinkImage : power::kCableLinkImage);
        if (wireless) {
            part(PoweringStatus)->SetBkImage(power::kPoweringImage);
        }
    }
    part(WirelessText)->SetVisible(wireless);
    part(CableText)->SetVisible(!wireless);
}

void CMpDevicePowerUI::showCharging(uint8_t state) {
    const power::ChargingLook* look = power::chargingLookOf(state);
    if (look == nullptr) {
        return;
    }
    part(PoweringStatusText)->SetVisible(look->chargingTextShown);
    part(PowerValue)->SetVisible(look->valueShown);
    part(PowerProgress)->SetVisible(false);
    part(PowerStatus)->SetBkImage(look->statusImage);
    part(PoweringStatus)->SetBkImage(look->poweringImage);
}

void CMpDevicePowerUI::showPhone(uint8_t type) {
    const power::PhoneLook& look = power::phoneLookOf(type);
    part(PhoneType)->SetToolTip(look.tooltip);
    part(PhoneType)->SetBkImage(look.image);
}

}  // namespace vorn::ui

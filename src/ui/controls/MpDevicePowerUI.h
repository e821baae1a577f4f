#pragma once
// CMpDevicePowerUI: the battery and link panel of a device page. It shows a device's power
// status block (battery level, charging state, cable or 2.4 GHz link, the phone paired with
// a mouse pad) in nine named sub-controls, found below the panel on first use and kept.
// Activating the panel raises "selectchanged".

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {

class CMpDevicePowerUI : public CHorizontalLayoutUI {
  public:
    static constexpr std::string_view kClassName = "MpDevicePower";
    // The layout file of the panel, below the skin folder.
    static constexpr std::string_view kLayoutFile = "XML/CustomControlXML/MpDevicePower.xml";

    // The sub-controls the block is shown in, in lookup order.
    enum Part : int {
        PowerValue,          // "device_power_value": the level as text
        WirelessLogo,        // "device_wuxian_logo"
        WirelessText,        // "device_wuxian_logo_text"
        CableText,           // "device_youxian_logo_text"
        PowerProgress,       // "device_Power_progress": the level as a bar
        PowerStatus,         // "device_power_status"
        PoweringStatus,      // "device_powering_status"
        PoweringStatusText,  // "device_powering_status_text"
        PhoneType,           // "device_phone_type"
        kPartCount
    };
    static constexpr std::array<std::string_view, kPartCount> kPartNames = {
        "device_power_value",       "device_wuxian_logo",          "device_wuxian_logo_text",
        "device_youxian_logo_text", "device_Power_progress",       "device_power_status",
        "device_powering_status",   "device_powering_status_text", "device_phone_type",
    };
    static constexpr std::string_view kPowerLayoutName = "device_power_Layout";

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool Activate() override;

    // The page kind of the panel's device (1 keyboard, 2 mouse, 3 mouse pad, 7 headset; 10,
    // a mouse behind the receiver, is kept as 2) and the kind's variant.
    void setPanelKind(int kind, int variant);
    int panelKind() const { return kind_; }
    int variant() const { return variant_; }

    // Shows or hides "device_power_Layout".
    void showPowerLayout(bool shown);

    // Shows a power status block (the first 64 bytes at most; missing bytes read as 0).
    // Nothing changes while any of the nine sub-controls is missing.
    void showPowerState(std::span<const uint8_t> block);

  private:
    bool findParts();
    CControlUI* part(Part p) const { return parts_[p]; }
    void showLink(uint8_t link);
    void showCharging(uint8_t state);
    void showPhone(uint8_t type);

    std::array<CControlUI*, kPartCount> parts_{};
    CControlUI* powerLayout_ = nullptr;
    int kind_ = 0;
    int variant_ = 0;
};

}  // namespace vorn::ui

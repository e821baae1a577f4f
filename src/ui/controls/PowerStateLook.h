#pragma once
// What the power panel shows for the fields of a device's power status block: the link
// pictures, the charging rows and the pictures of the phone paired with a mouse pad.

#include <array>
#include <cstdint>
#include <string_view>

namespace vorn::ui::power {

// Offsets in the power status block.
inline constexpr int kBatteryByte = 0;
inline constexpr int kChargingByte = 1;
inline constexpr int kLinkByte = 3;
inline constexpr int kPhoneByte = 5;

// Panel kinds (the main window's page kinds).
inline constexpr int kKindKeyboard = 1;
inline constexpr int kKindMouse = 2;
inline constexpr int kKindMousePad = 3;
inline constexpr int kKindHeadset = 7;
inline constexpr int kKindReceiverMouse = 10;  // stored as a mouse

inline constexpr std::string_view kWirelessLinkImage = "file='power/WIFI_down.png'";
inline constexpr std::string_view kCableLinkImage = "file='power/WIFI_normal.png'";
inline constexpr std::string_view kPoweringImage = "file='power/powering.png'";
inline constexpr std::string_view kBatteryImage = "file='power/power.png'";
inline constexpr std::string_view kIdleImage = "file='power/light.png'";

// One charging state and how the panel shows it.
struct ChargingLook {
    uint8_t state;
    bool chargingTextShown;
    bool valueShown;
    std::string_view statusImage;    // "device_power_status"
    std::string_view poweringImage;  // "device_powering_status"
};

inline constexpr std::array<ChargingLook, 3> kChargingLooks = {{
    {0, false, true, kBatteryImage, kIdleImage},
    {1, true, false, kPoweringImage, kPoweringImage},
    {2, false, true, kBatteryImage, kBatteryImage},
}};

// The look of a charging state; nullptr for a state the panel does not show.
const ChargingLook* chargingLookOf(uint8_t state);

// The phone paired with a mouse pad: tooltip key and picture of "device_phone_type".
struct PhoneLook {
    uint8_t type;
    std::string_view tooltip;
    std::string_view image;
};

inline constexpr std::array<PhoneLook, 3> kPhoneLooks = {{
    {1, "Phone_type_iphone", "file='power/Phone_type_iphone.png'"},
    {2, "Phone_type_samsung", "file='power/Phone_type_samsung.png'"},
    {3, "Phone_type_other", "file='power/Phone_type_other.png'"},
}};
inline constexpr PhoneLook kNoPhone = {0, "Phone_type_no_device",
                                       "file='power/Phone_type_no_device.png'"};

// The look of a phone type; kNoPhone for any type without a row.
const PhoneLook& phoneLookOf(uint8_t type);

}  // namespace vorn::ui::power

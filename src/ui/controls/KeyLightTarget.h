#pragma once
// One key or light of a device picture as the device page drives it. A control answers it
// through GetInterface(kKeyLightInterface); the "DeviceKeyButton" does.

#include <cstdint>
#include <string_view>

namespace vorn::ui {

inline constexpr std::string_view kKeyLightInterface = "DeviceKeyLight";

// Colours are words of red (bits 0-7), green (8-15) and blue (16-23); brightness is 0-255.
// Neither call repaints by itself.
class IKeyLightTarget {
  public:
    virtual ~IKeyLightTarget() = default;
    // The light preview the button shows.
    virtual void setLightState(std::uint32_t colour, std::uint8_t brightness, bool lit) = 0;
    // The colour of the button face itself.
    virtual void setKeyColour(std::uint32_t colour, std::uint8_t brightness) = 0;
};

}  // namespace vorn::ui

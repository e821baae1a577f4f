#pragma once
// One step of a user light effect programme, as a ".light" file lists it.

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

// An "LEDEffectList" element of a ".light" file.
struct LightEffectStep {
    std::uint8_t mode = 0;         // "LEDREGMode"
    std::uint8_t brightness = 0;   // "LEDBrightness"
    std::uint8_t speed = 0;        // "LEDSpeed"
    std::uint8_t direction = 0;    // "LEDDirection"
    std::uint8_t multiColour = 0;  // "LEDMultiColor"
    std::uint8_t red = 0;          // "red"
    std::uint8_t green = 0;        // "green"
    std::uint8_t blue = 0;         // "blue"
    std::int32_t time = 0;         // "Time"
    std::int32_t cycle = 0;        // "Cyle"

    friend constexpr bool operator==(const LightEffectStep&, const LightEffectStep&) = default;
};
static_assert(sizeof(LightEffectStep) == 16);

}  // namespace vorn::profiles

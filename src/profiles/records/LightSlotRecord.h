#pragma once
// The settings of one light of a device ("LightList" element of a profile, 14 bytes).
// Bytes 8, 9 and 11-13 belong to the light preview, which keeps its own state there.

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct LightSlotRecord {
    std::uint8_t mode = 0;         // "LEDREGMode"
    std::uint8_t brightness = 0;   // "LEDBrightness"
    std::uint8_t speed = 0;        // "LEDSpeed"
    std::uint8_t direction = 0;    // "LEDDirection" (flag)
    std::uint8_t multiColour = 0;  // "LEDMultiColor" (flag)
    std::uint8_t red = 0;          // "red"
    std::uint8_t green = 0;        // "green"
    std::uint8_t blue = 0;         // "blue"
    std::uint8_t previewA[2] = {};
    std::uint8_t present = 0;  // 1 when the profile has settings for this light, 0 for a null
    std::uint8_t previewB[3] = {};

    friend constexpr bool operator==(const LightSlotRecord&, const LightSlotRecord&) = default;
};
static_assert(sizeof(LightSlotRecord) == 14);

}  // namespace vorn::profiles

#pragma once
// One sensitivity stage of a mouse, as it lies in the mouse's settings block (9 bytes).

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

#pragma pack(push, 1)
struct DpiStage {
    std::uint8_t enabled = 0;     // "StageActive": 1 = stage in use
    std::uint8_t separateXY = 0;  // "StageXY": carried unchanged
    std::uint16_t dpiX = 0;       // "StageDPIX"
    std::uint16_t dpiY = 0;       // "StageDPIY": carried unchanged
    std::uint8_t red = 0;         // "StageColorR"
    std::uint8_t green = 0;       // "StageColorG"
    std::uint8_t blue = 0;        // "StageColorB"

    friend constexpr bool operator==(const DpiStage&, const DpiStage&) = default;
};
#pragma pack(pop)
static_assert(sizeof(DpiStage) == 9);

// A mouse keeps six stages on the device.
inline constexpr int kDpiStageCount = 6;

}  // namespace vorn::profiles

#pragma once
// One sensitivity stage of a mouse, as it lies in the mouse's settings block (9 bytes).
// The two DPI values are little-endian byte pairs behind accessors, so the record has no
// alignment needs and can be copied to and from any position of a device block.

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct DpiStage {
    std::uint8_t enabled = 0;     // "StageActive": 1 = stage in use
    std::uint8_t separateXY = 0;  // "StageXY": carried unchanged
    LeU16 dpiXField;              // "StageDPIX"
    LeU16 dpiYField;              // "StageDPIY"
    std::uint8_t red = 0;         // "StageColorR"
    std::uint8_t green = 0;       // "StageColorG"
    std::uint8_t blue = 0;        // "StageColorB"

    static constexpr DpiStage make(std::uint8_t enabled, std::uint8_t separateXY,
                                   std::uint16_t dpiX, std::uint16_t dpiY, std::uint8_t red,
                                   std::uint8_t green, std::uint8_t blue) {
        DpiStage stage{enabled, separateXY, {}, {}, red, green, blue};
        stage.setDpiX(dpiX);
        stage.setDpiY(dpiY);
        return stage;
    }

    // "StageDPIX": the DPI of the X axis (the one the page edits).
    constexpr std::uint16_t dpiX() const { return dpiXField.get(); }
    constexpr void setDpiX(std::uint16_t dpi) { dpiXField.set(dpi); }
    // "StageDPIY": carried unchanged.
    constexpr std::uint16_t dpiY() const { return dpiYField.get(); }
    constexpr void setDpiY(std::uint16_t dpi) { dpiYField.set(dpi); }

    friend constexpr bool operator==(const DpiStage&, const DpiStage&) = default;
};
static_assert(sizeof(DpiStage) == 9);
static_assert(alignof(DpiStage) == 1);
static_assert(DpiStage::make(1, 0, 0x1234, 0, 0, 0, 0).dpiXField.bytes[0] == 0x34);

// A mouse keeps six stages on the device.
inline constexpr int kDpiStageCount = 6;

}  // namespace vorn::profiles

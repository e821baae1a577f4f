#pragma once
// A device page's light effect ("LightInfo" of a profile, 14 bytes) and its audio-reactive
// light ("AudioLightInfo", 9 bytes).

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct LightSetting {
    std::uint8_t mode = 0;          // "SelectItem": position in the light-mode list
    std::uint8_t brightness = 0;    // "Light"
    std::uint8_t speed = 0;         // "Speed"
    std::uint8_t direction = 0;     // "Fx"
    std::uint8_t multiColour = 0;   // "MultiColor" (flag)
    std::uint8_t red = 0;           // "Red"
    std::uint8_t green = 0;         // "Green"
    std::uint8_t blue = 0;          // "Blue"
    std::uint8_t reserved[3] = {};  // not stored in the profile
    std::uint8_t zzccMode = 0;      // "ZZCCLedMode"
    std::uint8_t customGroup = 0;   // "CustomGroup": keyboard per-key colour group
    std::uint8_t previousMode = 0;  // "OldLedmode"

    friend constexpr bool operator==(const LightSetting&, const LightSetting&) = default;
};
static_assert(sizeof(LightSetting) == 14);

struct AudioLightSetting {
    std::uint8_t audioMode = 0;          // "AudioMode"
    std::uint8_t backRed = 0;            // "BkColorR"
    std::uint8_t backGreen = 0;          // "BkColorG"
    std::uint8_t backBlue = 0;           // "BkColorB"
    std::uint8_t foreRed = 0;            // "FgColorR"
    std::uint8_t foreGreen = 0;          // "FgColorG"
    std::uint8_t foreBlue = 0;           // "FgColorB"
    std::uint8_t sevenColours = 0;       // "7ColorFlags" (flag)
    std::uint8_t editingForeground = 0;  // "ColorTypeFlags" (flag): 1 = foreground edited

    friend constexpr bool operator==(const AudioLightSetting&, const AudioLightSetting&) = default;
};
static_assert(sizeof(AudioLightSetting) == 9);

}  // namespace vorn::profiles

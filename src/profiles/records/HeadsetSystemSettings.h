#pragma once
// The headset settings a profile holds under "SystemSetStages": eight 32-bit integers.

#include <array>
#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct HeadsetSystemSettings {
    std::int32_t magicEnable = 0;       // "MagicEnable": voice changer on
    std::int32_t magicType = 0;         // "MagicType": effect 1-4
    std::int32_t eqType = 0;            // "EqType": 1-12 preset, 13 custom, 0 none
    std::int32_t customEqIndex = 0;     // "CustomEqSeletIndex"
    std::int32_t micInSelect = 0;       // "MicInSelect": 1 = microphone not muted
    std::int32_t micInValue = 0;        // "MicInValue": 0-100
    std::int32_t micMonitorSelect = 0;  // "MicMoniterSelect": 1 = monitor not muted
    std::int32_t micMonitorValue = 0;   // "MicMoniterValue": 0-100

    friend constexpr bool operator==(const HeadsetSystemSettings&,
                                     const HeadsetSystemSettings&) = default;
};
static_assert(sizeof(HeadsetSystemSettings) == 32);

// The ten band gains of one equaliser.
inline constexpr int kEqBandCount = 10;
using EqGains = std::array<std::int32_t, kEqBandCount>;

// "EqType" of the user equaliser; the built-in presets are 1-12.
inline constexpr int kCustomEqType = 13;

}  // namespace vorn::profiles

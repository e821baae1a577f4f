#pragma once
// The mouse settings a profile holds under "SystemStages" (and "ReportStages"), 19
// unsigned 16-bit values in this order.

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct MouseSystemSettings {
    std::uint16_t doubleClickTime = 0;    // "DoubleClickTime" (page only)
    std::uint16_t mouseSpeed = 0;         // "MouseSpeed" (page only)
    std::uint16_t pointerPrecision = 0;   // "PointerPrecision" (page only)
    std::uint16_t scrollPage = 0;         // "ScorllPage" (page only)
    std::uint16_t wheelScrollLines = 0;   // "WheelScorlllinse" (page only)
    std::uint16_t reportStage = 0;        // "ReportStages"."StageActive": last polling position
    std::uint16_t dormancyTime = 0;       // "DormancyTime": deep-sleep time index 1-6
    std::uint16_t reserved = 0;           // not stored in the profile
    std::uint16_t antiShake = 0;          // "AntiShake"
    std::uint16_t silentAltitude = 0;     // "SilentAltitudeItem"
    std::uint16_t sensorLift = 0;         // "SensorLif" (flag)
    std::uint16_t motionSync = 0;         // "MotionSync" (flag)
    std::uint16_t linearCalibration = 0;  // "LinearCalibration"
    std::uint16_t keyDelay = 0;           // "KeyDelay": debounce index 0-5
    std::uint16_t deepSleepOff = 0;       // "DeepSleepOff": deep-sleep switch
    std::uint16_t sleepTime = 0;          // "sleeptime": carried unchanged, never written back
    std::uint16_t sleepTimeH = 0;         // "sleeptimeH": carried unchanged, never written back
    std::uint16_t reportSelectUsb = 0;    // "ReportSelectItemUSB": polling index on the cable
    std::uint16_t reportSelect24k = 0;    // "ReportSelectItem24K": polling index via a receiver

    friend constexpr bool operator==(const MouseSystemSettings&,
                                     const MouseSystemSettings&) = default;
};
static_assert(sizeof(MouseSystemSettings) == 19 * 2);

}  // namespace vorn::profiles

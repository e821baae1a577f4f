#pragma once
// Which of a profile's "DPIStages" arrays belongs to the mouse's sensor. The sensor id is
// DeviceInfo bytes 9-10; a sensor the program does not know has no stages in the profile:
// they are neither loaded from it nor stored into it.

#include <cstdint>

namespace vorn::devices::mouse {

inline constexpr std::uint16_t kSensor3395 = 0x3395;
inline constexpr std::uint16_t kSensor3950 = 0x3950;
inline constexpr int kUnknownSensor = -1;

// 0 for sensor 0x3395, 1 for 0x3950, kUnknownSensor for any other id.
constexpr int sensorIndex(std::uint16_t sensorId) {
    switch (sensorId) {
        case kSensor3395:
            return 0;
        case kSensor3950:
            return 1;
        default:
            return kUnknownSensor;
    }
}

// The DPI range of the stage sliders for the known sensors.
inline constexpr int kMinStageDpi = 50;
inline constexpr int kMaxStageDpi = 42000;

}  // namespace vorn::devices::mouse

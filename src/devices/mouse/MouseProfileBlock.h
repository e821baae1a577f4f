#pragma once
// The mouse's settings block: 75 bytes at profile x 96 of its settings memory, holding the
// light effect, polling rates, the six sensitivity stages and the sensor and power options.
// Byte 0 of profile 0's block is the number of the profile the mouse is using.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "devices/mouse/LightModeNames.h"
#include "profiles/records/DpiStage.h"
#include "profiles/records/LightSetting.h"
#include "profiles/records/MouseSystemSettings.h"
#include "profiles/records/RecordLayout.h"
#include "protocol/Commands.h"

namespace vorn::devices::mouse {

inline constexpr std::size_t kProfileBlockSize = 75;
inline constexpr int kMouseProfileCount = protocol::kSettingsProfileCount;
inline constexpr std::size_t kProfileBlockStride = protocol::kSettingsProfileStride;
static_assert(kProfileBlockSize <= kProfileBlockStride);

struct MouseProfileBlock {
    std::uint8_t activeProfile = 0;     // 0: only meaningful in profile 0's block
    std::uint8_t lightMode = 0;         // 1: the mode's device code
    std::uint8_t lightBrightness = 0;   // 2
    std::uint8_t lightSpeed = 0;        // 3
    std::uint8_t lightDirection = 0;    // 4
    std::uint8_t lightMultiColour = 0;  // 5
    std::uint8_t red = 0;               // 6
    std::uint8_t green = 0;             // 7
    std::uint8_t blue = 0;              // 8
    std::uint8_t reserved9 = 0;
    std::uint8_t pollingReceiver = 0;  // 10: polling-rate index via a receiver
    std::uint8_t pollingCable = 0;     // 11: polling-rate index on the cable
    std::uint8_t activeStage = 0;      // 12
    std::uint8_t silentAltitude = 0;   // 13
    profiles::DpiStage stages[profiles::kDpiStageCount] = {};  // 14 + 9 i
    profiles::LeU16 deepSleepSeconds;                          // 68-69: 0 = no deep sleep
    std::uint8_t debounceMs = 0;                               // 70
    std::uint8_t motionSync = 0;                               // 71
    std::uint8_t linearCalibration = 0;                        // 72
    std::uint8_t liftOff = 0;                                  // 73
    std::uint8_t reserved74 = 0;

    std::array<std::uint8_t, kProfileBlockSize> bytes() const;
    static MouseProfileBlock fromBytes(std::span<const std::uint8_t, kProfileBlockSize> bytes);

    friend bool operator==(const MouseProfileBlock&, const MouseProfileBlock&) = default;
};
static_assert(sizeof(MouseProfileBlock) == kProfileBlockSize);
static_assert(offsetof(MouseProfileBlock, pollingReceiver) == 10);
static_assert(offsetof(MouseProfileBlock, stages) == 14);
static_assert(offsetof(MouseProfileBlock, deepSleepSeconds) == 68);
static_assert(offsetof(MouseProfileBlock, debounceMs) == 70);
static_assert(offsetof(MouseProfileBlock, reserved74) == 74);

// What the mouse page works on: the profile's settings for this mouse.
struct MouseWorkingCopy {
    profiles::MouseSystemSettings settings;
    std::vector<profiles::DpiStage> stages;  // the current sensor's stages
    std::int32_t activeStage = -1;
    profiles::LightSetting light;
};

// What the page last exchanged with the mouse.
struct MouseBlockMirror {
    // The last block read (byte 1 turned into a mode index where the list knows the code,
    // byte 9 cleared) or written.
    MouseProfileBlock block;
    int activeProfile = 0;
    std::array<std::uint8_t, 8> lightAsRead{};  // bytes 1-8 as the mouse sent them
};

// Deep-sleep seconds by "DormancyTime" 1-6, and debounce milliseconds by "KeyDelay" 0-5.
inline constexpr std::array<std::uint16_t, 6> kDeepSleepSeconds = {180, 240, 300, 600, 900, 1200};
inline constexpr std::array<std::uint8_t, 6> kDebounceMs = {1, 2, 4, 6, 8, 10};

// The block to send for the working copy. Byte 0 is 0, the light mode goes out as its code,
// stages beyond the copy's six or fewer are zero. Values outside the ranges the mouse knows
// are brought into them as the page does: polling indexes above 6, a "DormancyTime" outside
// 1-6 and a "KeyDelay" above 5 take the nearest end; silent altitude above 2, the flags above
// 1 and an active stage outside 0-5 take 0.
MouseProfileBlock buildProfileBlock(const MouseWorkingCopy& copy, const LightNames& lights);

// Takes a block read from the mouse (activeProfile: what byte 0 of the settings memory
// said) into the working copy and the mirror. The light keeps its direction; "DormancyTime"
// changes only when the low byte of the deep-sleep time is one of the six times' low bytes;
// an active stage outside 0-5 becomes 0.
void applyProfileBlock(const MouseProfileBlock& read, int activeProfile, const LightNames& lights,
                       MouseWorkingCopy& copy, MouseBlockMirror& mirror);

}  // namespace vorn::devices::mouse

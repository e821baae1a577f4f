#include "devices/mouse/MouseProfileBlock.h"

#include <algorithm>
#include <bit>

namespace vorn::devices::mouse {
namespace {

constexpr int kMaxPollingIndex = 6;
constexpr int kMaxSilentAltitude = 2;

// A slider position: values beyond either end take that end.
std::uint8_t position(int value, int low, int high) {
    return static_cast<std::uint8_t>(std::clamp(value, low, high));
}

// An option number: values outside 0..high select option 0.
std::uint8_t option(int value, int high) {
    return static_cast<std::uint8_t>(value >= 0 && value <= high ? value : 0);
}

std::uint8_t stageIndex(int stage) {
    return option(stage, profiles::kDpiStageCount - 1);
}

std::uint16_t deepSleepSeconds(const profiles::MouseSystemSettings& settings) {
    if (settings.deepSleepOff == 0) {
        return 0;
    }
    return kDeepSleepSeconds[position(settings.dormancyTime, 1, kDeepSleepSeconds.size()) - 1];
}

}  // namespace

std::array<std::uint8_t, kProfileBlockSize> MouseProfileBlock::bytes() const {
    return profiles::recordBytes(*this);
}

MouseProfileBlock MouseProfileBlock::fromBytes(
    std::span<const std::uint8_t, kProfileBlockSize> bytes) {
    std::array<std::uint8_t, kProfileBlockSize> copy;
    std::copy(bytes.begin(), bytes.end(), copy.begin());
    return std::bit_cast<MouseProfileBlock>(copy);
}

MouseProfileBlock buildProfileBlock(const MouseWorkingCopy& copy, const LightNames& lights) {
    const profiles::LightSetting& light = copy.light;
    const profiles::MouseSystemSettings& settings = copy.settings;
    MouseProfileBlock block;
    block.activeProfile = 0;
    block.lightMode = lightModeCode(lights, light.mode);
    block.lightBrightness = light.brightness;
    block.lightSpeed = light.speed;
    block.lightDirection = light.direction;
    block.lightMultiColour = light.multiColour;
    block.red = light.red;
    block.green = light.green;
    block.blue = light.blue;
    block.pollingReceiver = position(settings.reportSelect24k, 0, kMaxPollingIndex);
    block.pollingCable = position(settings.reportSelectUsb, 0, kMaxPollingIndex);
    block.activeStage = stageIndex(copy.activeStage);
    block.silentAltitude = option(settings.silentAltitude, kMaxSilentAltitude);
    const std::size_t stages = std::min<std::size_t>(copy.stages.size(), profiles::kDpiStageCount);
    std::copy_n(copy.stages.begin(), stages, block.stages);
    block.deepSleepSeconds.set(deepSleepSeconds(settings));
    block.debounceMs = kDebounceMs[position(settings.keyDelay, 0, kDebounceMs.size() - 1)];
    block.motionSync = option(settings.motionSync, 1);
    block.linearCalibration = option(settings.linearCalibration, 1);
    block.liftOff = option(settings.sensorLift, 1);
    return block;
}

void applyProfileBlock(const MouseProfileBlock& read, int activeProfile, const LightNames& lights,
                       MouseWorkingCopy& copy, MouseBlockMirror& mirror) {
    mirror.block = read;
    mirror.block.activeProfile = static_cast<std::uint8_t>(activeProfile);
    mirror.activeProfile = activeProfile;
    const std::array<std::uint8_t, kProfileBlockSize> raw = read.bytes();
    std::copy_n(raw.begin() + 1, mirror.lightAsRead.size(), mirror.lightAsRead.begin());
    if (const std::optional<std::uint8_t> mode = lightModeIndex(lights, read.lightMode)) {
        mirror.block.lightMode = *mode;
    }
    mirror.block.reserved9 = 0;

    profiles::LightSetting& light = copy.light;
    light.mode = mirror.block.lightMode;
    light.brightness = read.lightBrightness;
    light.speed = read.lightSpeed;
    light.multiColour = read.lightMultiColour;
    light.red = read.red;
    light.green = read.green;
    light.blue = read.blue;

    profiles::MouseSystemSettings& settings = copy.settings;
    settings.reportSelectUsb = read.pollingCable;
    settings.reportSelect24k = read.pollingReceiver;
    settings.silentAltitude = read.silentAltitude;
    settings.motionSync = read.motionSync;
    settings.linearCalibration = read.linearCalibration;
    settings.sensorLift = read.liftOff;
    const auto* debounce = std::find(kDebounceMs.begin(), kDebounceMs.end(), read.debounceMs);
    settings.keyDelay = debounce != kDebounceMs.end()
                            ? static_cast<std::uint16_t>(debounce - kDebounceMs.begin())
                            : 0;
    const std::uint16_t sleep = read.deepSleepSeconds.get();
    settings.deepSleepOff = sleep != 0 ? 1 : 0;
    // The mouse only ever holds one of the six times, which their low bytes tell apart.
    for (std::size_t i = 0; i < kDeepSleepSeconds.size(); ++i) {
        if ((kDeepSleepSeconds[i] & 0xFF) == (sleep & 0xFF)) {
            settings.dormancyTime = static_cast<std::uint16_t>(i + 1);
        }
    }

    copy.stages.assign(std::begin(read.stages), std::end(read.stages));
    copy.activeStage = stageIndex(read.activeStage);
}

}  // namespace vorn::devices::mouse

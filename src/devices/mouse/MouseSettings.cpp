#include "devices/mouse/MouseSettings.h"

#include "devices/mouse/MouseResults.h"
#include "devices/mouse/MouseSession.h"
#include "platform/debug/DebugSink.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

namespace vorn::devices::mouse {
namespace {

using protocol::kResultOk;

bool validProfile(int profile) {
    return profile >= 0 && profile < kMouseProfileCount;
}

std::uint16_t blockOffset(int profile) {
    return static_cast<std::uint16_t>(profile * kProfileBlockStride);
}

}  // namespace

void loadWorkingCopy(profiles::CMouseProfiledata& profile, int sensorIndex,
                     MouseWorkingCopy& copy) {
    copy.settings = profile.ReadSystemSettings();
    copy.light = profile.ReadLightInfo();
    if (sensorIndex >= 0) {
        copy.stages = profile.ReadDpiStages(sensorIndex);
        copy.activeStage = profile.GetActiveStageIndex();
    }
}

void storeWorkingCopy(profiles::CMouseProfiledata& profile, int sensorIndex,
                      const MouseWorkingCopy& copy) {
    profile.WriteLightInfo(copy.light);
    if (sensorIndex >= 0) {
        profile.WriteDpiStages(sensorIndex, copy.stages);
        profile.WriteActiveStage(sensorIndex, copy.activeStage);
    }
    profile.WriteSystemSettings(copy.settings);
}

int readProfileBlock(protocol::CommandChannel& channel, const LightNames& lights, int sensorIndex,
                     profiles::CMouseProfiledata& profile, MouseWorkingCopy& copy,
                     MouseBlockMirror& mirror) {
    std::uint8_t active = 0;
    std::array<std::uint8_t, kProfileBlockSize> bytes{};
    const bool read = readInSession(channel, [&] {
        if (protocol::ReadSettings(channel, {&active, 1}, 0) != kResultOk) {
            return false;
        }
        if (!validProfile(active)) {
            platform::debugLine("mouse: active profile number " + std::to_string(active) +
                                " is outside the settings memory");
            return false;
        }
        return protocol::ReadSettings(channel, bytes, blockOffset(active)) == kResultOk;
    });
    if (!read) {
        return kMouseFailed;
    }
    applyProfileBlock(MouseProfileBlock::fromBytes(bytes), active, lights, copy, mirror);
    storeWorkingCopy(profile, sensorIndex, copy);
    profile.Save();
    return kMouseOk;
}

int WriteProfileBlock(protocol::CommandChannel& channel, int profile,
                      const MouseProfileBlock& block) {
    if (!validProfile(profile)) {
        return kMouseFailed;
    }
    const std::array<std::uint8_t, kProfileBlockSize> bytes = block.bytes();
    const bool written = writeInSession(
        channel, [&] { return protocol::WriteSettings(channel, bytes, blockOffset(profile)); });
    return written ? kMouseOk : kMouseFailed;
}

}  // namespace vorn::devices::mouse

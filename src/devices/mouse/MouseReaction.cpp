#include "devices/mouse/MouseReaction.h"

#include "devices/LightTables.h"
#include "devices/TessarinUSBDevice.h"
#include "devices/mouse/PreviewModes.h"

namespace vorn::devices::mouse {
namespace {

bool isLight(int light) {
    return light >= 0 && light < kMouseLightCount;
}

}  // namespace

MouseReaction::MouseReaction(std::uint32_t seed) : random_(seed) {}

bool MouseReaction::start(CTessarinUSBDevice& page) {
    if (page.lightRecord().mode != kReactionMode) {
        return false;
    }
    std::uniform_int_distribution<int> colourIndex(0, static_cast<int>(kColourWheelSize) - 1);
    std::lock_guard<std::mutex> guard(lock_);
    for (int i = 0; i < kMouseLightCount; ++i) {
        const auto light = static_cast<std::size_t>(i);
        page.setFadeLevel(i, kReactionFullLevel);
        phases_[light] = ReactionPhase::Rising;
        colourIndexes_[light] = static_cast<std::uint8_t>(colourIndex(random_));
    }
    return true;
}

void MouseReaction::render(CTessarinUSBDevice& page) {
    const profiles::LightSetting light = page.lightRecord();
    const unsigned level = brightnessOfLevel(light.brightness);
    std::lock_guard<std::mutex> guard(lock_);
    for (int i = 0; i < kMouseLightCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        std::uint8_t reaction = page.fadeLevel(i);
        if (phases_[index] == ReactionPhase::Rising) {
            phases_[index] = ReactionPhase::Falling;
        } else {
            reaction = reaction > kReactionFadeStep
                           ? static_cast<std::uint8_t>(reaction - kReactionFadeStep)
                           : 0;
            page.setFadeLevel(i, reaction);
            if (reaction == 0) {
                phases_[index] = ReactionPhase::Idle;
            }
        }
        const Rgb colour =
            light.multiColour != 0 ? kColourWheel[colourIndexes_[index]] : fixedColourOf(light);
        page.SetLightColour(i,
                            lightWord(colour, static_cast<std::uint8_t>(level * reaction / 256)));
    }
}

ReactionPhase MouseReaction::phaseOf(int light) const {
    std::lock_guard<std::mutex> guard(lock_);
    return isLight(light) ? phases_[static_cast<std::size_t>(light)] : ReactionPhase::Idle;
}

std::uint8_t MouseReaction::colourIndexOf(int light) const {
    std::lock_guard<std::mutex> guard(lock_);
    return isLight(light) ? colourIndexes_[static_cast<std::size_t>(light)] : 0;
}

}  // namespace vorn::devices::mouse

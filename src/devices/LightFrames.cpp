// The software light effects: each frame computes every light word from the device's light
// setting and the effect counters; PushLightFrame shows the words on the page's preview.

#include "devices/LightTables.h"
#include "devices/TessarinUSBDevice.h"
#include "platform/clock/Clock.h"

namespace vorn::devices {
namespace {

constexpr std::uint8_t kBlinkPhaseStep = 16;
constexpr std::uint8_t kBreathingColourStep = 16;

// A counter left by another effect may lie outside this effect's table: start it afresh.
std::uint8_t withinTable(std::uint8_t counter, std::size_t size) {
    return counter < size ? counter : 0;
}

std::uint8_t advanceWrapping(std::uint8_t counter, std::uint8_t step, std::size_t size) {
    const unsigned next = static_cast<unsigned>(counter) + step;
    return next >= size ? 0 : static_cast<std::uint8_t>(next);
}

}  // namespace

void CTessarinUSBDevice::fillLights(std::uint32_t word) {
    for (auto& light : lightColours_) {
        light.store(word);
    }
}

void CTessarinUSBDevice::RenderStatic() {
    std::lock_guard<std::mutex> guard(effectLock_);
    fillLights(lightWord(fixedColourOf(lightRecord_), brightnessOfLevel(lightRecord_.brightness)));
}

void CTessarinUSBDevice::RenderSpectrum() {
    std::lock_guard<std::mutex> guard(effectLock_);
    counters_.phase = stepPhase(lightRecord_.direction != 0, kColourWheelSize, counters_.phase, 1);
    fillLights(
        lightWord(kColourWheel[counters_.phase], brightnessOfLevel(lightRecord_.brightness)));
}

void CTessarinUSBDevice::RenderBreathing() {
    std::lock_guard<std::mutex> guard(effectLock_);
    counters_.phase =
        stepPhase(lightRecord_.direction != 0, kBreathingCurveSize, counters_.phase, 1);
    if (counters_.phase == 0) {
        counters_.colourStep =
            advanceWrapping(counters_.colourStep, kBreathingColourStep, kColourWheelSize);
    }
    counters_.colourStep = withinTable(counters_.colourStep, kColourWheelSize);
    const Rgb colour = lightRecord_.multiColour != 0 ? kColourWheel[counters_.colourStep]
                                                     : fixedColourOf(lightRecord_);
    const unsigned level = brightnessOfLevel(lightRecord_.brightness);
    const auto brightness =
        static_cast<std::uint8_t>(kBreathingCurve[counters_.phase] * level / 256);
    fillLights(lightWord(colour, brightness));
}

void CTessarinUSBDevice::RenderBreathingFourColours() {
    std::lock_guard<std::mutex> guard(effectLock_);
    counters_.phase =
        stepPhase(lightRecord_.direction != 0, kBreathingCurveSize, counters_.phase, 1);
    if (counters_.phase == 0) {
        counters_.colourStep = advanceWrapping(counters_.colourStep, 1, kFourColourCount);
    }
    counters_.colourStep = withinTable(counters_.colourStep, kFourColourCount);
    const unsigned level = brightnessOfLevel(lightRecord_.brightness);
    const auto brightness =
        static_cast<std::uint8_t>(kBreathingCurve[counters_.phase] * level / 256);
    fillLights(lightWord(kFourColours[counters_.colourStep], brightness));
}

void CTessarinUSBDevice::RenderBlink() {
    std::lock_guard<std::mutex> guard(effectLock_);
    const auto now = static_cast<std::uint32_t>(platform::tickCount());
    if (now - counters_.lastToggle >= blinkHalfPeriodMs(lightRecord_.speed)) {
        counters_.blinkOn = counters_.blinkOn != 0 ? 0 : 1;
        counters_.lastToggle = now;
        counters_.phase = advanceWrapping(counters_.phase, kBlinkPhaseStep, kColourWheelSize);
    }
    if (counters_.blinkOn == 0) {
        fillLights(0);
        return;
    }
    counters_.phase = withinTable(counters_.phase, kColourWheelSize);
    const Rgb colour =
        lightRecord_.multiColour != 0 ? kColourWheel[counters_.phase] : fixedColourOf(lightRecord_);
    fillLights(lightWord(colour, brightnessOfLevel(lightRecord_.brightness)));
}

void CTessarinUSBDevice::RenderBlinkFourColours() {
    std::lock_guard<std::mutex> guard(effectLock_);
    const auto now = static_cast<std::uint32_t>(platform::tickCount());
    if (now - counters_.lastToggle >= blinkHalfPeriodMs(lightRecord_.speed)) {
        counters_.blinkOn = counters_.blinkOn != 0 ? 0 : 1;
        counters_.lastToggle = now;
        counters_.phase = advanceWrapping(counters_.phase, 1, kFourColourCount);
    }
    if (counters_.blinkOn == 0) {
        fillLights(0);
        return;
    }
    counters_.phase = withinTable(counters_.phase, kFourColourCount);
    fillLights(
        lightWord(kFourColours[counters_.phase], brightnessOfLevel(lightRecord_.brightness)));
}

void CTessarinUSBDevice::RenderOff() {
    fillLights(0);
}

void CTessarinUSBDevice::PushLightFrame() {
    if (lightControl_.load() == 0) {
        return;
    }
    for (std::size_t i = 0; i < lightColours_.size() && i < lightControls_.size(); ++i) {
        ui::CControlUI* control = lightControls_[i];
        if (control == nullptr || !control->IsVisible()) {
            continue;
        }
        auto* target = ui::interfaceOf<IKeyLightTarget>(control, kKeyLightInterface);
        if (target == nullptr) {
            continue;
        }
        const std::uint32_t word = lightColours_[i].load();
        if (i < shownWords_.size() && shownWords_[i] == word) {
            continue;  // the control shows it already
        }
        target->setLightState(lightWordColour(word), lightWordBrightness(word), true);
        if (i < shownWords_.size()) {
            shownWords_[i] = word;
        }
        noteFrameChanged();
    }
}

void CTessarinUSBDevice::SetLightColour(int index, std::uint32_t word) {
    if (index >= 0 && index < lightCount()) {
        lightColours_[static_cast<std::size_t>(index)].store(word);
    }
}

std::uint32_t CTessarinUSBDevice::GetLightColour(int index) const {
    if (index >= 0 && index < lightCount()) {
        return lightColours_[static_cast<std::size_t>(index)].load();
    }
    return 0;
}

void CTessarinUSBDevice::SetLightParameters(const profiles::LightSetting& light) {
    std::lock_guard<std::mutex> guard(effectLock_);
    lightRecord_ = light;
}

profiles::LightSetting CTessarinUSBDevice::lightRecord() const {
    std::lock_guard<std::mutex> guard(effectLock_);
    return lightRecord_;
}

CTessarinUSBDevice::EffectCounters CTessarinUSBDevice::effectCounters() const {
    std::lock_guard<std::mutex> guard(effectLock_);
    return counters_;
}

void CTessarinUSBDevice::setEffectCounters(const EffectCounters& counters) {
    std::lock_guard<std::mutex> guard(effectLock_);
    counters_ = counters;
}

}  // namespace vorn::devices

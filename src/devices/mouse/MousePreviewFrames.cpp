#include "devices/mouse/MousePreviewFrames.h"

#include <algorithm>

#include "devices/LightTables.h"
#include "devices/TessarinUSBDevice.h"

namespace vorn::devices::mouse {
namespace {

struct LightGroup {
    std::uint8_t count;
    std::array<std::uint8_t, 3> lights;
};

constexpr std::array<LightGroup, kMouseLightGroupCount> kGroups = {{
    {2, {0, 13, 0}},
    {2, {1, 12, 0}},
    {2, {2, 11, 0}},
    {2, {3, 10, 0}},
    {2, {4, 9, 0}},
    {2, {5, 8, 0}},
    {3, {6, 14, 7}},
}};

// Groups follow each other 7 wheel or curve steps apart in the wave.
constexpr unsigned kWaveGroupStep = 7;
// The wave's brightness curve: entries 16 to 63 of the breathing curve, then back.
constexpr std::size_t kWaveCurveFirst = 16;
constexpr std::size_t kWaveCurveHalf = kBreathingCurveSize / 2 - kWaveCurveFirst;
constexpr std::size_t kWaveCurveSize = 2 * kWaveCurveHalf;

std::array<std::uint8_t, kWaveCurveSize> buildWaveCurve() {
    std::array<std::uint8_t, kWaveCurveSize> curve{};
    for (std::size_t i = 0; i < kWaveCurveHalf; ++i) {
        curve[i] = kBreathingCurve[kWaveCurveFirst + i];
        curve[kWaveCurveSize - 1 - i] = kBreathingCurve[kWaveCurveFirst + i];
    }
    return curve;
}

// Rainbow marquee colours lie 12 wheel entries apart from group to group.
constexpr unsigned kMarqueeColourStep = 12;

void showGroup(CTessarinUSBDevice& page, int group, const Rgb& colour, unsigned brightness) {
    const std::uint32_t word = lightWord(colour, static_cast<std::uint8_t>(brightness));
    for (std::uint8_t light : mouseLightGroup(group)) {
        page.SetLightColour(light, word);
    }
}

void setPhase(CTessarinUSBDevice& page, std::uint8_t phase) {
    CTessarinUSBDevice::EffectCounters counters = page.effectCounters();
    counters.phase = phase;
    page.setEffectCounters(counters);
}

// An empty ring would never light anything: one lit entry at the entry end starts it.
void seedEmptyRing(CTessarinUSBDevice& page, bool forward) {
    std::array<std::uint8_t, kMarqueeRingSize> ring = page.marqueeRing();
    if (std::any_of(ring.begin(), ring.end(), [](std::uint8_t entry) { return entry != 0; })) {
        return;
    }
    ring[forward ? 0 : kMouseLightGroupCount - 1] = 1;
    page.setMarqueeRing(ring);
}

}  // namespace

std::span<const std::uint8_t> mouseLightGroup(int group) {
    if (group < 0 || group >= kMouseLightGroupCount) {
        return {};
    }
    const LightGroup& row = kGroups[static_cast<std::size_t>(group)];
    return {row.lights.data(), row.count};
}

void renderMouseWave(CTessarinUSBDevice& page) {
    static const std::array<std::uint8_t, kWaveCurveSize> kWaveCurve = buildWaveCurve();
    const profiles::LightSetting light = page.lightRecord();
    const bool forward = light.direction != 0;
    const unsigned level = brightnessOfLevel(light.brightness);
    const std::uint8_t oldPhase = page.effectCounters().phase;
    if (light.multiColour != 0) {
        const std::uint8_t phase = stepPhase(forward, kColourWheelSize, oldPhase, 1);
        for (int g = 0; g < kMouseLightGroupCount; ++g) {
            const std::size_t entry = (phase + 1 + kWaveGroupStep * g) % kColourWheelSize;
            showGroup(page, g, kColourWheel[entry], level);
        }
        setPhase(page, phase);
        return;
    }
    const std::uint8_t phase = stepPhase(forward, kWaveCurveSize, oldPhase, 1);
    for (int g = 0; g < kMouseLightGroupCount; ++g) {
        const std::size_t entry = (phase + 1 + kWaveGroupStep * g) % kWaveCurveSize;
        showGroup(page, g, fixedColourOf(light), level * kWaveCurve[entry] / 256);
    }
    setPhase(page, phase);
}

void renderMouseMarquee(CTessarinUSBDevice& page) {
    const profiles::LightSetting light = page.lightRecord();
    const bool forward = light.direction != 0;
    const unsigned level = brightnessOfLevel(light.brightness);
    const int entryGroup = forward ? 0 : kMouseLightGroupCount - 1;
    std::uint8_t phase = stepPhase(forward, kColourWheelSize, page.effectCounters().phase, 1);
    seedEmptyRing(page, forward);
    page.LightMarquee();
    page.RotateMarquee(forward);
    for (int g = 0; g < kMouseLightGroupCount; ++g) {
        page.FadeLight(g, light.mode);
        Rgb colour = fixedColourOf(light);
        if (light.multiColour != 0) {
            phase = static_cast<std::uint8_t>((phase + kMarqueeColourStep) % kColourWheelSize);
            colour = page.fadeLevel(entryGroup) != 0
                         ? lightWordRgb(page.GetLightColour(mouseLightGroup(g).front()))
                         : kColourWheel[phase];
        }
        showGroup(page, g, colour, level * page.fadeLevel(g) / 256);
    }
    setPhase(page, phase);
}

}  // namespace vorn::devices::mouse

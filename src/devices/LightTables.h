#pragma once
// The tables of the software light effects and the small rules they share: the light word
// layout, brightness and speed levels, the colour wheel, the four-colour list, the breathing
// curve, phase stepping and the fade steps of reactive effects.

#include <array>
#include <cstdint>

#include "profiles/records/LightSetting.h"

namespace vorn::devices {

// A light word: red in byte 0, green in byte 1, blue in byte 2, brightness in byte 3.
constexpr std::uint32_t lightWord(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                  std::uint8_t brightness) {
    return static_cast<std::uint32_t>(red) | (static_cast<std::uint32_t>(green) << 8) |
           (static_cast<std::uint32_t>(blue) << 16) |
           (static_cast<std::uint32_t>(brightness) << 24);
}
// The colour part of a light word (brightness byte cleared), as the preview controls take it.
constexpr std::uint32_t lightWordColour(std::uint32_t word) {
    return word & 0x00FFFFFFu;
}
constexpr std::uint8_t lightWordBrightness(std::uint32_t word) {
    return static_cast<std::uint8_t>(word >> 24);
}

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

// A colour at a brightness as a light word, and a light word's colour.
constexpr std::uint32_t lightWord(const Rgb& colour, std::uint8_t brightness) {
    return lightWord(colour.red, colour.green, colour.blue, brightness);
}
constexpr Rgb lightWordRgb(std::uint32_t word) {
    return {static_cast<std::uint8_t>(word), static_cast<std::uint8_t>(word >> 8),
            static_cast<std::uint8_t>(word >> 16)};
}
// The fixed colour of a light setting (its red, green and blue bytes).
constexpr Rgb fixedColourOf(const profiles::LightSetting& light) {
    return {light.red, light.green, light.blue};
}

inline constexpr std::size_t kLevelCount = 5;
// By brightnessLevel.
inline constexpr std::array<std::uint8_t, kLevelCount> kBrightnessTable = {0, 80, 135, 195, 255};
// By speedLevel; a blink half-period is the entry times kBlinkUnitMs.
inline constexpr std::array<std::uint8_t, kLevelCount> kSpeedTable = {8, 6, 4, 2, 1};
inline constexpr std::uint32_t kBlinkUnitMs = 200;

inline constexpr std::size_t kColourWheelSize = 192;
inline constexpr std::size_t kColourWheelSegment = 32;
inline constexpr std::size_t kFourColourCount = 4;
inline constexpr std::size_t kBreathingCurveSize = 128;

extern const std::array<Rgb, kColourWheelSize> kColourWheel;
extern const std::array<Rgb, kFourColourCount> kFourColours;
extern const std::array<std::uint8_t, kBreathingCurveSize> kBreathingCurve;

// The table entries for a level; a level past the table (a damaged profile) counts as the
// last one.
std::uint8_t brightnessOfLevel(std::uint8_t level);
std::uint32_t blinkHalfPeriodMs(std::uint8_t speedLevel);

// One step of an effect counter within [0, period): forward adds step and restarts at 0 on
// reaching period; backward subtracts step (8-bit) and continues at period - step when the
// result is not below period.
std::uint8_t stepPhase(bool forward, std::uint8_t period, std::uint8_t phase, std::uint8_t step);

// The fade intensity after one step of FadeLight in the given mode.
std::uint8_t fadeStep(std::uint8_t value, int mode);
inline constexpr int kFineFadeMode = 29;

}  // namespace vorn::devices

#include "devices/LightTables.h"

#include <algorithm>

namespace vorn::devices {
namespace {

constexpr std::array<std::uint8_t, kColourWheelSegment> kRampUp = {
    1,  3,  5,  7,   10,  14,  18,  22,  26,  32,  38,  44,  50,  57,  65,  73,
    81, 89, 99, 109, 119, 129, 140, 152, 164, 176, 188, 200, 213, 227, 241, 255};
constexpr std::array<std::uint8_t, kColourWheelSegment> kRampDown = {
    248, 234, 220, 206, 194, 182, 170, 158, 146, 134, 124, 114, 104, 94, 85, 77,
    69,  61,  53,  47,  41,  35,  29,  24,  20,  16,  12,  8,   6,   4,  2,  0};

// Which channel of a wheel segment is full (F), empty (Z), rising (U) or falling (D).
enum class Ramp { Full, Zero, Up, Down };
struct Segment {
    Ramp red;
    Ramp green;
    Ramp blue;
};
constexpr std::array<Segment, 6> kSegments = {{
    {Ramp::Full, Ramp::Up, Ramp::Zero},
    {Ramp::Down, Ramp::Full, Ramp::Zero},
    {Ramp::Zero, Ramp::Full, Ramp::Up},
    {Ramp::Zero, Ramp::Down, Ramp::Full},
    {Ramp::Up, Ramp::Zero, Ramp::Full},
    {Ramp::Full, Ramp::Zero, Ramp::Down},
}};

constexpr std::uint8_t rampValue(Ramp ramp, std::size_t i) {
    switch (ramp) {
        case Ramp::Full:
            return 255;
        case Ramp::Zero:
            return 0;
        case Ramp::Up:
            return kRampUp[i];
        case Ramp::Down:
            return kRampDown[i];
    }
    return 0;
}

constexpr std::array<Rgb, kColourWheelSize> buildWheel() {
    std::array<Rgb, kColourWheelSize> wheel{};
    for (std::size_t s = 0; s < kSegments.size(); ++s) {
        for (std::size_t i = 0; i < kColourWheelSegment; ++i) {
            wheel[s * kColourWheelSegment + i] = {rampValue(kSegments[s].red, i),
                                                  rampValue(kSegments[s].green, i),
                                                  rampValue(kSegments[s].blue, i)};
        }
    }
    return wheel;
}

constexpr std::array<std::uint8_t, kBreathingCurveSize / 2> kBreathingRise = {
    0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  12,  14,  16,  18,  20,
    22,  24,  27,  30,  33,  36,  39,  42,  45,  49,  53,  57,  61,  65,  69,  73,
    77,  81,  85,  89,  94,  99,  104, 109, 114, 119, 124, 129, 134, 140, 146, 152,
    158, 164, 170, 176, 182, 188, 194, 200, 206, 213, 220, 227, 234, 241, 248, 255};

constexpr std::array<std::uint8_t, kBreathingCurveSize> buildCurve() {
    std::array<std::uint8_t, kBreathingCurveSize> curve{};
    const std::size_t half = kBreathingRise.size();
    for (std::size_t i = 0; i < half; ++i) {
        curve[i] = kBreathingRise[i];
        curve[kBreathingCurveSize - 1 - i] = kBreathingRise[i];
    }
    return curve;
}

// Steps of FadeLight: the first row whose threshold the value reaches gives the step.
struct FadeRow {
    std::uint8_t atLeast;
    std::uint8_t step;
};
constexpr std::array<FadeRow, 5> kFadeMode0 = {{{128, 40}, {64, 30}, {32, 15}, {17, 8}, {1, 1}}};
constexpr std::array<FadeRow, 5> kFadeOther = {{{128, 40}, {64, 30}, {32, 10}, {17, 8}, {1, 1}}};
constexpr std::array<FadeRow, 9> kFadeFine = {
    {{144, 45}, {128, 40}, {112, 35}, {96, 30}, {80, 25}, {64, 20}, {32, 10}, {17, 5}, {1, 1}}};

template <std::size_t N>
std::uint8_t applyFade(const std::array<FadeRow, N>& rows, std::uint8_t value) {
    for (const FadeRow& row : rows) {
        if (value >= row.atLeast) {
            return static_cast<std::uint8_t>(value - row.step);
        }
    }
    return value;  // 0 stays 0
}

}  // namespace

const std::array<Rgb, kColourWheelSize> kColourWheel = buildWheel();
const std::array<Rgb, kFourColourCount> kFourColours = {
    {{0, 255, 180}, {0, 255, 0}, {255, 255, 255}, {255, 0, 0}}};
const std::array<std::uint8_t, kBreathingCurveSize> kBreathingCurve = buildCurve();

std::uint8_t brightnessOfLevel(std::uint8_t level) {
    return kBrightnessTable[std::min<std::size_t>(level, kLevelCount - 1)];
}

std::uint32_t blinkHalfPeriodMs(std::uint8_t speedLevel) {
    return kSpeedTable[std::min<std::size_t>(speedLevel, kLevelCount - 1)] * kBlinkUnitMs;
}

std::uint8_t stepPhase(bool forward, std::uint8_t period, std::uint8_t phase, std::uint8_t step) {
    if (forward) {
        const unsigned next = static_cast<unsigned>(phase) + step;
        return next >= period ? 0 : static_cast<std::uint8_t>(next);
    }
    const auto next = static_cast<std::uint8_t>(phase - step);
    return next >= period ? static_cast<std::uint8_t>(period - step) : next;
}

std::uint8_t fadeStep(std::uint8_t value, int mode) {
    if (mode == 0) {
        return applyFade(kFadeMode0, value);
    }
    if (mode == kFineFadeMode) {
        return applyFade(kFadeFine, value);
    }
    return applyFade(kFadeOther, value);
}

}  // namespace vorn::devices

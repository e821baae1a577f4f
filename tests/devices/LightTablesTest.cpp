// The tables and small rules of the software light effects.

#include <gtest/gtest.h>

#include "devices/LightTables.h"

using namespace vorn::devices;

TEST(LightTables, BrightnessAndSpeedLevels) {
    EXPECT_EQ(brightnessOfLevel(0), 0);
    EXPECT_EQ(brightnessOfLevel(1), 80);
    EXPECT_EQ(brightnessOfLevel(2), 135);
    EXPECT_EQ(brightnessOfLevel(3), 195);
    EXPECT_EQ(brightnessOfLevel(4), 255);
    EXPECT_EQ(blinkHalfPeriodMs(0), 1600u);
    EXPECT_EQ(blinkHalfPeriodMs(1), 1200u);
    EXPECT_EQ(blinkHalfPeriodMs(2), 800u);
    EXPECT_EQ(blinkHalfPeriodMs(3), 400u);
    EXPECT_EQ(blinkHalfPeriodMs(4), 200u);
}

TEST(LightTables, LevelsPastTheTableCountAsTheLastOne) {
    EXPECT_EQ(brightnessOfLevel(5), 255);
    EXPECT_EQ(brightnessOfLevel(255), 255);
    EXPECT_EQ(blinkHalfPeriodMs(9), 200u);
}

TEST(LightTables, ColourWheelSegmentsRunOnTheTwoRamps) {
    ASSERT_EQ(kColourWheel.size(), 192u);
    EXPECT_EQ(kColourWheel[0], (Rgb{255, 1, 0}));
    EXPECT_EQ(kColourWheel[9], (Rgb{255, 32, 0}));
    EXPECT_EQ(kColourWheel[31], (Rgb{255, 255, 0}));
    EXPECT_EQ(kColourWheel[32], (Rgb{248, 255, 0}));
    EXPECT_EQ(kColourWheel[63], (Rgb{0, 255, 0}));
    EXPECT_EQ(kColourWheel[64], (Rgb{0, 255, 1}));
    EXPECT_EQ(kColourWheel[95], (Rgb{0, 255, 255}));
    EXPECT_EQ(kColourWheel[96], (Rgb{0, 248, 255}));
    EXPECT_EQ(kColourWheel[127], (Rgb{0, 0, 255}));
    EXPECT_EQ(kColourWheel[128], (Rgb{1, 0, 255}));
    EXPECT_EQ(kColourWheel[150], (Rgb{140, 0, 255}));
    EXPECT_EQ(kColourWheel[159], (Rgb{255, 0, 255}));
    EXPECT_EQ(kColourWheel[160], (Rgb{255, 0, 248}));
    EXPECT_EQ(kColourWheel[175], (Rgb{255, 0, 77}));
    EXPECT_EQ(kColourWheel[191], (Rgb{255, 0, 0}));
}

TEST(LightTables, FourColoursAndBreathingCurve) {
    EXPECT_EQ(kFourColours[0], (Rgb{0, 255, 180}));
    EXPECT_EQ(kFourColours[1], (Rgb{0, 255, 0}));
    EXPECT_EQ(kFourColours[2], (Rgb{255, 255, 255}));
    EXPECT_EQ(kFourColours[3], (Rgb{255, 0, 0}));

    ASSERT_EQ(kBreathingCurve.size(), 128u);
    EXPECT_EQ(kBreathingCurve[0], 0);
    EXPECT_EQ(kBreathingCurve[10], 10);
    EXPECT_EQ(kBreathingCurve[11], 12);
    EXPECT_EQ(kBreathingCurve[18], 27);
    EXPECT_EQ(kBreathingCurve[36], 94);
    EXPECT_EQ(kBreathingCurve[57], 213);
    EXPECT_EQ(kBreathingCurve[63], 255);
    EXPECT_EQ(kBreathingCurve[64], 255);
    EXPECT_EQ(kBreathingCurve[65], 248);
    EXPECT_EQ(kBreathingCurve[117], 10);
    EXPECT_EQ(kBreathingCurve[127], 0);
    for (std::size_t i = 0; i < 64; ++i) {
        EXPECT_EQ(kBreathingCurve[i], kBreathingCurve[127 - i]) << i;
    }
}

TEST(LightTables, LightWordLayout) {
    EXPECT_EQ(lightWord(0x11, 0x22, 0x33, 0x44), 0x44332211u);
    EXPECT_EQ(lightWordColour(0x44332211u), 0x00332211u);
    EXPECT_EQ(lightWordBrightness(0x44332211u), 0x44);
}

TEST(StepPhase, ForwardWrapsToZeroOnReachingThePeriod) {
    EXPECT_EQ(stepPhase(true, 192, 190, 1), 191);
    EXPECT_EQ(stepPhase(true, 192, 191, 1), 0);
    EXPECT_EQ(stepPhase(true, 192, 0, 1), 1);
    EXPECT_EQ(stepPhase(true, 128, 127, 1), 0);
    EXPECT_EQ(stepPhase(true, 192, 176, 16), 0);
    EXPECT_EQ(stepPhase(true, 192, 170, 16), 186);
}

TEST(StepPhase, BackwardContinuesAtPeriodMinusStep) {
    EXPECT_EQ(stepPhase(false, 128, 0, 1), 127);
    EXPECT_EQ(stepPhase(false, 128, 127, 1), 126);
    EXPECT_EQ(stepPhase(false, 192, 0, 1), 191);
    EXPECT_EQ(stepPhase(false, 192, 1, 1), 0);
    EXPECT_EQ(stepPhase(false, 192, 0, 16), 176);
}

TEST(StepPhase, ACounterLeftPastThePeriodComesBackInside) {
    // A spectrum phase (0-191) taken over by the breathing effect (0-127).
    EXPECT_EQ(stepPhase(true, 128, 150, 1), 0);
    EXPECT_EQ(stepPhase(false, 128, 150, 1), 127);
}

TEST(FadeStep, ModeZero) {
    EXPECT_EQ(fadeStep(200, 0), 160);
    EXPECT_EQ(fadeStep(128, 0), 88);
    EXPECT_EQ(fadeStep(127, 0), 97);
    EXPECT_EQ(fadeStep(100, 0), 70);
    EXPECT_EQ(fadeStep(64, 0), 34);
    EXPECT_EQ(fadeStep(63, 0), 48);
    EXPECT_EQ(fadeStep(40, 0), 25);
    EXPECT_EQ(fadeStep(32, 0), 17);
    EXPECT_EQ(fadeStep(31, 0), 23);
    EXPECT_EQ(fadeStep(20, 0), 12);
    EXPECT_EQ(fadeStep(17, 0), 9);
    EXPECT_EQ(fadeStep(16, 0), 15);
    EXPECT_EQ(fadeStep(5, 0), 4);
    EXPECT_EQ(fadeStep(1, 0), 0);
    EXPECT_EQ(fadeStep(0, 0), 0);
    EXPECT_EQ(fadeStep(255, 0), 215);
}

TEST(FadeStep, FineModeTwentyNine) {
    EXPECT_EQ(fadeStep(255, 29), 210);
    EXPECT_EQ(fadeStep(200, 29), 155);
    EXPECT_EQ(fadeStep(144, 29), 99);
    EXPECT_EQ(fadeStep(143, 29), 103);
    EXPECT_EQ(fadeStep(128, 29), 88);
    EXPECT_EQ(fadeStep(112, 29), 77);
    EXPECT_EQ(fadeStep(100, 29), 70);
    EXPECT_EQ(fadeStep(96, 29), 66);
    EXPECT_EQ(fadeStep(80, 29), 55);
    EXPECT_EQ(fadeStep(64, 29), 44);
    EXPECT_EQ(fadeStep(40, 29), 30);
    EXPECT_EQ(fadeStep(32, 29), 22);
    EXPECT_EQ(fadeStep(20, 29), 15);
    EXPECT_EQ(fadeStep(17, 29), 12);
    EXPECT_EQ(fadeStep(16, 29), 15);
    EXPECT_EQ(fadeStep(1, 29), 0);
    EXPECT_EQ(fadeStep(0, 29), 0);
}

TEST(FadeStep, OtherModesTakeTenInTheThirdBand) {
    EXPECT_EQ(fadeStep(200, 3), 160);
    EXPECT_EQ(fadeStep(100, 3), 70);
    EXPECT_EQ(fadeStep(40, 3), 30);
    EXPECT_EQ(fadeStep(32, 30), 22);
    EXPECT_EQ(fadeStep(20, 3), 12);
    EXPECT_EQ(fadeStep(5, -1), 4);
    EXPECT_EQ(fadeStep(0, 7), 0);
}

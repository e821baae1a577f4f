// The effect frames, the preview push, and the fade and marquee state.

#include <gtest/gtest.h>

#include <thread>

#include "DeviceTestSupport.h"

using namespace vorn;
using namespace vorn::devices;
using vorn::test::FakeKeyButton;

namespace {

profiles::LightSetting lightOf(std::uint8_t brightness, std::uint8_t speed, std::uint8_t direction,
                               std::uint8_t rainbow, std::uint8_t r = 0, std::uint8_t g = 0,
                               std::uint8_t b = 0) {
    profiles::LightSetting light;
    light.brightness = brightness;
    light.speed = speed;
    light.direction = direction;
    light.multiColour = rainbow;
    light.red = r;
    light.green = g;
    light.blue = b;
    return light;
}

struct EffectTest : ::testing::Test {
    void SetUp() override { page.setLightCount(3); }
    void expectAll(std::uint32_t word) {
        for (int i = 0; i < page.lightCount(); ++i) {
            EXPECT_EQ(page.GetLightColour(i), word) << "light " << i;
        }
    }
    void setCounters(std::uint8_t phase, std::uint8_t colourStep, std::uint8_t blinkOn = 0,
                     std::uint32_t lastToggle = 0) {
        page.setEffectCounters({phase, colourStep, blinkOn, lastToggle});
    }
    platform::VirtualClock clock;
    platform::ClockOverride clockOverride{clock};
    CTessarinUSBDevice page;
};

}  // namespace

TEST_F(EffectTest, StaticIsTheFixedColourAtTheLevelBrightness) {
    page.SetLightParameters(lightOf(2, 0, 1, 1, 0x12, 0x34, 0x56));
    page.RenderStatic();
    expectAll(0x87563412u);  // 135 = 0x87; rainbow does not matter
    page.SetLightParameters(lightOf(0, 0, 1, 0, 0xFF, 0xFF, 0xFF));
    page.RenderStatic();
    expectAll(0x00FFFFFFu);
}

TEST_F(EffectTest, OffClearsEveryWord) {
    page.SetLightColour(0, 0xFFFFFFFFu);
    page.SetLightColour(2, 0x01020304u);
    page.RenderOff();
    expectAll(0u);
}

TEST_F(EffectTest, SpectrumWalksTheWheelBothWays) {
    page.SetLightParameters(lightOf(4, 0, 1, 0));
    page.RenderSpectrum();
    EXPECT_EQ(page.effectCounters().phase, 1);
    expectAll(0xFF0003FFu);  // wheel[1] = (255, 3, 0)
    setCounters(191, 0);
    page.RenderSpectrum();
    EXPECT_EQ(page.effectCounters().phase, 0);
    expectAll(0xFF0001FFu);  // wheel[0] = (255, 1, 0)

    page.SetLightParameters(lightOf(1, 0, 0, 0));
    page.RenderSpectrum();
    EXPECT_EQ(page.effectCounters().phase, 191);
    expectAll(0x500000FFu);  // wheel[191] = (255, 0, 0) at 80
}

TEST_F(EffectTest, BreathingFollowsTheCurveAndStepsTheColourEachBreath) {
    page.SetLightParameters(lightOf(3, 0, 1, 0, 10, 20, 30));
    setCounters(63, 0);
    page.RenderBreathing();
    // curve[64] = 255; 255 * 195 / 256 = 194
    EXPECT_EQ(page.effectCounters().phase, 64);
    expectAll(0xC21E140Au);

    page.SetLightParameters(lightOf(4, 0, 1, 1));
    setCounters(127, 16);
    page.RenderBreathing();
    EXPECT_EQ(page.effectCounters().phase, 0);
    EXPECT_EQ(page.effectCounters().colourStep, 32);
    expectAll(0x0000FFF8u);  // wheel[32] = (248, 255, 0), curve[0] = 0

    setCounters(127, 176);
    page.RenderBreathing();
    EXPECT_EQ(page.effectCounters().colourStep, 0);  // 192 wraps to 0

    setCounters(10, 176);
    page.RenderBreathing();
    EXPECT_EQ(page.effectCounters().colourStep, 176);  // only on a return to 0
    // curve[11] = 12; 12 * 255 / 256 = 11; wheel[176] = (255, 0, 69)
    expectAll(0x0B4500FFu);
}

TEST_F(EffectTest, BreathingBackwardReturnsToZeroFromOne) {
    page.SetLightParameters(lightOf(4, 0, 0, 1));
    setCounters(0, 0);
    page.RenderBreathing();
    EXPECT_EQ(page.effectCounters().phase, 127);
    EXPECT_EQ(page.effectCounters().colourStep, 0);
    setCounters(1, 0);
    page.RenderBreathing();
    EXPECT_EQ(page.effectCounters().phase, 0);
    EXPECT_EQ(page.effectCounters().colourStep, 16);
}

TEST_F(EffectTest, BreathingFourColoursCountsZeroToThree) {
    page.SetLightParameters(lightOf(4, 0, 1, 0));
    setCounters(127, 2);
    page.RenderBreathingFourColours();
    EXPECT_EQ(page.effectCounters().colourStep, 3);
    expectAll(0x000000FFu);  // (255, 0, 0) at curve[0]
    setCounters(127, 3);
    page.RenderBreathingFourColours();
    EXPECT_EQ(page.effectCounters().colourStep, 0);
    setCounters(63, 1);
    page.RenderBreathingFourColours();
    expectAll(0xFE00FF00u);  // (0, 255, 0); 255 * 255 / 256 = 254
}

TEST_F(EffectTest, FourColourFramesStayInsideTheirListAfterAnotherEffect) {
    // The wheel effects leave counters far past the four-colour list.
    page.SetLightParameters(lightOf(4, 4, 1, 1));
    setCounters(60, 176);
    page.RenderBreathingFourColours();
    EXPECT_EQ(page.effectCounters().colourStep, 0);
    expectAll(0xF0B4FF00u);  // (0, 255, 180); curve[61] = 241, 241 * 255 / 256 = 240
}

TEST_F(EffectTest, BlinkTogglesAtSpeedFourEvery200Ms) {
    page.SetLightParameters(lightOf(4, 4, 1, 0, 1, 2, 3));
    std::vector<int> on;
    for (int t = 0; t <= 1000; t += 50) {
        page.RenderBlink();
        on.push_back(page.effectCounters().blinkOn);
        clock.advance(50);
    }
    EXPECT_EQ(on,
              (std::vector<int>{0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, 1}));
    EXPECT_EQ(page.effectCounters().lastToggle, 1000u);
    EXPECT_EQ(page.effectCounters().phase, 80);  // five toggles of 16
    expectAll(0xFF030201u);
    clock.advance(200);
    page.RenderBlink();
    expectAll(0u);
}

TEST_F(EffectTest, BlinkAtSpeedZeroWaits1600Ms) {
    page.SetLightParameters(lightOf(4, 0, 1, 1));
    clock.advance(1599);
    page.RenderBlink();
    EXPECT_EQ(page.effectCounters().blinkOn, 0);
    clock.advance(1);
    page.RenderBlink();
    EXPECT_EQ(page.effectCounters().blinkOn, 1);
    EXPECT_EQ(page.effectCounters().phase, 16);
    expectAll(0xFF0051FFu);  // wheel[16] = (255, 81, 0)
    clock.advance(1599);
    page.RenderBlink();
    EXPECT_EQ(page.effectCounters().blinkOn, 1);
    clock.advance(1);
    page.RenderBlink();
    EXPECT_EQ(page.effectCounters().blinkOn, 0);
    EXPECT_EQ(page.effectCounters().lastToggle, 3200u);
}

TEST_F(EffectTest, BlinkPhaseWrapsAt192) {
    page.SetLightParameters(lightOf(4, 4, 1, 1));
    setCounters(176, 0, 0, 0);
    clock.advance(200);
    page.RenderBlink();
    EXPECT_EQ(page.effectCounters().phase, 0);
    expectAll(0xFF0001FFu);
    setCounters(190, 0, 0, 200);  // left by the spectrum
    clock.advance(200);
    page.RenderBlink();
    EXPECT_EQ(page.effectCounters().phase, 0);
}

TEST_F(EffectTest, BlinkFourColoursCyclesTheList) {
    page.SetLightParameters(lightOf(2, 4, 1, 0));
    std::vector<std::uint32_t> shown;
    for (int i = 0; i < 8; ++i) {
        clock.advance(200);
        page.RenderBlinkFourColours();
        shown.push_back(page.GetLightColour(1));
    }
    // The phase moves on every toggle, so the lit half-periods show entries 1 and 3.
    EXPECT_EQ(shown, (std::vector<std::uint32_t>{0x8700FF00u, 0, 0x870000FFu, 0, 0x8700FF00u, 0,
                                                 0x870000FFu, 0}));
    setCounters(150, 0, 0, 0);  // a phase left by another effect
    clock.advance(200);
    page.RenderBlinkFourColours();
    EXPECT_EQ(page.effectCounters().phase, 0);
    expectAll(0x87B4FF00u);
}

TEST_F(EffectTest, DamagedLevelsCountAsTheLastEntry) {
    page.SetLightParameters(lightOf(9, 200, 1, 0, 1, 1, 1));
    page.RenderStatic();
    expectAll(0xFF010101u);
    clock.advance(200);
    page.RenderBlink();
    EXPECT_EQ(page.effectCounters().blinkOn, 1);
}

TEST(LightPush, CopiesWordsToVisibleBoundLightsOnly) {
    CTessarinUSBDevice page;
    page.setPageLayout("XML\\DeviceXml\\test.xml");
    page.setKeyCount(4);
    page.setLightCount(3);
    test::buildPage(page, R"(<VerticalLayout><SelectPanel>
        <DeviceKeyButton name="key_0" userdata="light_0"/>
        <DeviceKeyButton name="key_1" userdata="light_1" visible="false"/>
        <DeviceKeyButton name="key_2" userdata="light_2"/>
    </SelectPanel></VerticalLayout>)");
    page.InitPage();
    auto* b0 = dynamic_cast<FakeKeyButton*>(page.FindSubControl("key_0"));
    auto* b1 = dynamic_cast<FakeKeyButton*>(page.FindSubControl("key_1"));
    auto* b2 = dynamic_cast<FakeKeyButton*>(page.FindSubControl("key_2"));
    page.SetLightColour(0, 0x40302010u);
    page.SetLightColour(1, 0x11111111u);
    page.SetLightColour(2, 0xFF0000FFu);

    page.setLightControl(0);
    page.PushLightFrame();
    EXPECT_EQ(b0->colour, 0x0000FFu);  // still the colour InitPage gave it
    EXPECT_EQ(b0->lightCalls, 1);

    page.setLightControl(1);
    page.PushLightFrame();
    EXPECT_EQ(b0->colour, 0x302010u);
    EXPECT_EQ(b0->brightness, 0x40);
    EXPECT_TRUE(b0->lit);
    EXPECT_EQ(b1->lightCalls, 1);  // hidden: only InitPage's
    EXPECT_EQ(b2->colour, 0x0000FFu);
    EXPECT_EQ(b2->brightness, 0xFF);
    EXPECT_EQ(b2->lightCalls, 2);

    // A frame that changes nothing touches no control; one changed word touches its control.
    page.PushLightFrame();
    EXPECT_EQ(b0->lightCalls, 2);
    EXPECT_EQ(b2->lightCalls, 2);
    page.SetLightColour(2, 0xFF00FF00u);
    page.PushLightFrame();
    EXPECT_EQ(b0->lightCalls, 2);
    EXPECT_EQ(b2->lightCalls, 3);
    EXPECT_EQ(b2->colour, 0x00FF00u);
    // Bound afresh, every light is set again.
    page.InitPage();
    page.PushLightFrame();
    EXPECT_EQ(b0->lightCalls, 4);  // InitPage's red, then the frame
}

TEST(LightPush, WordsAreReadWholeWhileAnotherThreadRendersFrames) {
    CTessarinUSBDevice page;
    page.setLightCount(64);
    std::atomic<bool> stop{false};
    std::thread preview([&] {
        bool flip = false;
        while (!stop.load()) {
            for (int i = 0; i < 64; ++i) {
                page.SetLightColour(i, flip ? 0xFFFFFFFFu : 0x01010101u);
            }
            flip = !flip;
        }
    });
    int torn = 0;
    for (int round = 0; round < 2000; ++round) {
        for (int i = 0; i < 64; ++i) {
            const std::uint32_t word = page.GetLightColour(i);
            torn += (word != 0 && word != 0xFFFFFFFFu && word != 0x01010101u) ? 1 : 0;
        }
    }
    stop.store(true);
    preview.join();
    EXPECT_EQ(torn, 0);
}

TEST(LightFade, StepsForModesZeroAndTwentyNine) {
    CTessarinUSBDevice page;
    const std::vector<std::pair<int, int>> mode0 = {
        {200, 160}, {100, 70}, {40, 25}, {20, 12}, {5, 4}};
    for (const auto& [from, to] : mode0) {
        page.setFadeLevel(7, static_cast<std::uint8_t>(from));
        page.FadeLight(7, 0);
        EXPECT_EQ(page.fadeLevel(7), to) << from;
    }
    const std::vector<std::pair<int, int>> mode29 = {{200, 155}, {100, 70}, {20, 15}};
    for (const auto& [from, to] : mode29) {
        page.setFadeLevel(169, static_cast<std::uint8_t>(from));
        page.FadeLight(169, 29);
        EXPECT_EQ(page.fadeLevel(169), to) << from;
    }
    page.setFadeLevel(0, 0);
    page.FadeLight(0, 0);
    EXPECT_EQ(page.fadeLevel(0), 0);
}

TEST(LightFade, RepeatedFadingReachesZeroAndStays) {
    CTessarinUSBDevice page;
    page.setFadeLevel(3, 255);
    std::vector<int> seen;
    for (int i = 0; i < 12; ++i) {
        page.FadeLight(3, 0);
        seen.push_back(page.fadeLevel(3));
    }
    EXPECT_EQ(seen, (std::vector<int>{215, 175, 135, 95, 65, 35, 20, 12, 11, 10, 9, 8}));
}

TEST(LightFade, IndexesOutsideTheTableAreIgnored) {
    CTessarinUSBDevice page;
    page.setFadeLevel(170, 200);
    page.FadeLight(170, 0);
    page.FadeLight(-1, 0);
    EXPECT_EQ(page.fadeLevel(170), 0);
    EXPECT_EQ(page.fadeLevel(-1), 0);
    EXPECT_EQ(page.fadeLevel(169), 0);
}

TEST(Marquee, RotatesTowardsTheEndOrTheFront) {
    CTessarinUSBDevice page;
    std::array<std::uint8_t, kMarqueeRingSize> ring{};
    ring[0] = 1;
    ring[1] = 2;
    ring[22] = 23;
    page.setMarqueeRing(ring);
    page.RotateMarquee(true);
    std::array<std::uint8_t, kMarqueeRingSize> forward{};
    forward[0] = 23;
    forward[1] = 1;
    forward[2] = 2;
    EXPECT_EQ(page.marqueeRing(), forward);
    page.RotateMarquee(false);
    EXPECT_EQ(page.marqueeRing(), ring);
    page.RotateMarquee(false);
    std::array<std::uint8_t, kMarqueeRingSize> backward{};
    backward[0] = 2;
    backward[21] = 23;
    backward[22] = 1;
    EXPECT_EQ(page.marqueeRing(), backward);
}

TEST(Marquee, LightsTheFirstNineNonzeroEntries) {
    CTessarinUSBDevice page;
    std::array<std::uint8_t, kMarqueeRingSize> ring{};
    ring[0] = 1;
    ring[8] = 1;
    ring[9] = 1;  // past the nine: not lit
    page.setMarqueeRing(ring);
    page.setFadeLevel(4, 30);
    page.LightMarquee();
    EXPECT_EQ(page.fadeLevel(0), 255);
    EXPECT_EQ(page.fadeLevel(4), 30);
    EXPECT_EQ(page.fadeLevel(8), 255);
    EXPECT_EQ(page.fadeLevel(9), 0);
}

TEST(Marquee, ClearFadeStateZeroesLevelsAndRing) {
    CTessarinUSBDevice page;
    std::array<std::uint8_t, kMarqueeRingSize> ring{};
    ring.fill(7);
    page.setMarqueeRing(ring);
    page.setFadeLevel(0, 1);
    page.setFadeLevel(169, 255);
    page.ClearFadeState();
    EXPECT_EQ(page.fadeLevel(0), 0);
    EXPECT_EQ(page.fadeLevel(169), 0);
    EXPECT_EQ(page.marqueeRing(), (std::array<std::uint8_t, kMarqueeRingSize>{}));
}

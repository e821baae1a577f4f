// The mouse's own preview frames over its light groups (wave, marquee, reaction), and the
// preview's view of a page.

#include <gtest/gtest.h>

#include <set>

#include "devices/LightTables.h"
#include "devices/TessarinUSBDevice.h"
#include "devices/mouse/LightPreviewEngine.h"
#include "devices/mouse/MousePreviewFrames.h"
#include "devices/mouse/MousePreviewTarget.h"
#include "devices/mouse/MouseReaction.h"
#include "platform/clock/Clock.h"

using namespace vorn;
using namespace vorn::devices;
using namespace vorn::devices::mouse;
using Words = std::vector<std::uint32_t>;

namespace {

profiles::LightSetting lightOf(std::uint8_t mode, std::uint8_t brightness, std::uint8_t direction,
                               std::uint8_t rainbow) {
    profiles::LightSetting light;
    light.mode = mode;
    light.brightness = brightness;
    light.direction = direction;
    light.multiColour = rainbow;
    light.red = 0x10;
    light.green = 0x20;
    light.blue = 0x30;
    return light;
}

struct MousePage : ::testing::Test {
    void SetUp() override { page.setLightCount(kMouseLightCount); }
    Words words() const {
        Words all;
        for (int i = 0; i < kMouseLightCount; ++i) {
            all.push_back(page.GetLightColour(i));
        }
        return all;
    }
    // Every light `other`, the lights of the listed groups `lit`.
    static Words groupsLit(std::initializer_list<std::pair<int, std::uint32_t>> lit,
                           std::uint32_t other) {
        Words all(kMouseLightCount, other);
        for (const auto& [group, word] : lit) {
            for (std::uint8_t light : mouseLightGroup(group)) {
                all[light] = word;
            }
        }
        return all;
    }
    void setPhase(std::uint8_t phase) { page.setEffectCounters({phase, 0, 0, 0}); }

    platform::VirtualClock clock{5000};
    platform::ClockOverride clockOverride{clock};
    CTessarinUSBDevice page;
};

}  // namespace

TEST(MouseLightGroups, SevenGroupsCoverTheFifteenLightsOnce) {
    std::vector<int> seen(kMouseLightCount, 0);
    for (int g = 0; g < kMouseLightGroupCount; ++g) {
        for (std::uint8_t light : mouseLightGroup(g)) {
            ++seen[light];
        }
    }
    EXPECT_EQ(seen, std::vector<int>(kMouseLightCount, 1));
    EXPECT_EQ(std::vector<std::uint8_t>(mouseLightGroup(2).begin(), mouseLightGroup(2).end()),
              (std::vector<std::uint8_t>{2, 11}));
    EXPECT_EQ(std::vector<std::uint8_t>(mouseLightGroup(6).begin(), mouseLightGroup(6).end()),
              (std::vector<std::uint8_t>{6, 14, 7}));
    EXPECT_TRUE(mouseLightGroup(7).empty());
}

TEST_F(MousePage, RainbowWaveWalksTheWheelSevenEntriesApartPerGroup) {
    page.SetLightParameters(lightOf(4, 4, 1, 1));
    renderMouseWave(page);
    EXPECT_EQ(page.effectCounters().phase, 1);
    Words step1 = words();
    EXPECT_EQ(step1[0], 0xFF0005FFu);   // group 0: wheel[2] = (255, 5, 0)
    EXPECT_EQ(step1[13], 0xFF0005FFu);  //
    EXPECT_EQ(step1[1], 0xFF0020FFu);   // group 1: wheel[9] = (255, 32, 0)
    EXPECT_EQ(step1[6], 0xFF00FF68u);   // group 6: wheel[44] = (104, 255, 0)
    EXPECT_EQ(step1[14], 0xFF00FF68u);
    EXPECT_EQ(step1[7], 0xFF00FF68u);
    renderMouseWave(page);
    EXPECT_EQ(page.GetLightColour(0), 0xFF0007FFu);  // wheel[3] = (255, 7, 0)

    page.SetLightParameters(lightOf(4, 4, 0, 1));  // backward from 0 wraps to 191
    setPhase(0);
    renderMouseWave(page);
    EXPECT_EQ(page.effectCounters().phase, 191);
    EXPECT_EQ(page.GetLightColour(0), 0xFF0001FFu);   // wheel[0]
    EXPECT_EQ(page.GetLightColour(12), 0xFF0016FFu);  // group 1: wheel[7] = (255, 22, 0)
}

TEST_F(MousePage, FixedColourWaveFollowsTheMiddleOfTheBreathingCurve) {
    page.SetLightParameters(lightOf(4, 2, 1, 0));  // brightness 135
    setPhase(94);
    renderMouseWave(page);
    EXPECT_EQ(page.effectCounters().phase, 95);
    Words step = words();
    EXPECT_EQ(step[0], 0x0B302010u);  // curve entry 0 = 22: 135 x 22 / 256 = 11
    EXPECT_EQ(step[1], 0x16302010u);  // entry 7 = 42: 22
    EXPECT_EQ(step[6], 0x74302010u);  // entry 42 = 220: 116
    renderMouseWave(page);            // 95 -> 0 (period 96)
    EXPECT_EQ(page.effectCounters().phase, 0);
    EXPECT_EQ(page.GetLightColour(0), 0x0C302010u);  // entry 1 = 24: 12

    setPhase(60);
    renderMouseWave(page);
    EXPECT_EQ(page.GetLightColour(0), 0x56302010u);  // entry 62, falling half: 164 -> 86
}

TEST_F(MousePage, MarqueeStartsAnEmptyRingAtItsEntryEndAndFadesTheTrail) {
    page.SetLightParameters(lightOf(10, 4, 1, 0));
    renderMouseMarquee(page);
    EXPECT_EQ(words(), groupsLit({{0, 0xD6302010u}}, 0x00302010u));  // 255 - 40 = 215 -> 214
    renderMouseMarquee(page);
    EXPECT_EQ(words(), groupsLit({{0, 0xAE302010u}, {1, 0xD6302010u}}, 0x00302010u));
    EXPECT_EQ(page.marqueeRing()[2], 1);
    EXPECT_EQ(page.effectCounters().phase, 2);

    page.ClearFadeState();  // backward: the marquee enters at group 6
    page.SetLightParameters(lightOf(10, 4, 0, 0));
    renderMouseMarquee(page);
    EXPECT_EQ(words(), groupsLit({{6, 0xD6302010u}}, 0x00302010u));
    renderMouseMarquee(page);
    EXPECT_EQ(words(), groupsLit({{6, 0xAE302010u}, {5, 0xD6302010u}}, 0x00302010u));
}

TEST_F(MousePage, RainbowMarqueeKeepsColoursWhileTheEntryGroupIsLit) {
    page.SetLightParameters(lightOf(10, 4, 1, 1));
    page.SetLightColour(0, 0x11223344u);
    page.SetLightColour(1, 0x00ABCDEFu);
    renderMouseMarquee(page);  // group 0 lights up: every group keeps its first light's colour
    EXPECT_EQ(page.GetLightColour(0), 0xD6223344u);
    EXPECT_EQ(page.GetLightColour(12), 0x00ABCDEFu);
    EXPECT_EQ(page.effectCounters().phase, 85);  // 1, then 12 for each of the 7 groups

    page.ClearFadeState();  // a pattern further in: group 0 dark, the groups take new colours
    std::array<std::uint8_t, kMarqueeRingSize> ring{};
    ring[3] = 1;
    page.setMarqueeRing(ring);
    setPhase(0);
    renderMouseMarquee(page);
    EXPECT_EQ(page.GetLightColour(0), 0x000039FFu);   // wheel[13] = (255, 57, 0), dark
    EXPECT_EQ(page.GetLightColour(10), 0xD600FF3Du);  // group 3: wheel[49] = (61, 255, 0)
}

TEST_F(MousePage, ReactionShowsFullLevelThenFadesBy15ToIdle) {
    MouseReaction reaction(7);
    page.SetLightParameters(lightOf(1, 4, 1, 0));
    EXPECT_FALSE(reaction.start(page));  // not the reaction mode: nothing happens
    EXPECT_EQ(page.fadeLevel(0), 0);
    EXPECT_EQ(reaction.phaseOf(0), ReactionPhase::Idle);

    page.SetLightParameters(lightOf(6, 4, 1, 0));
    page.setFadeLevel(20, 99);  // not a light of the mouse: untouched
    ASSERT_TRUE(reaction.start(page));
    EXPECT_EQ(reaction.phaseOf(14), ReactionPhase::Rising);
    reaction.render(page);
    EXPECT_EQ(words(), Words(kMouseLightCount, 0xFE302010u));  // 255 x 255 / 256 = 254
    EXPECT_EQ(reaction.phaseOf(3), ReactionPhase::Falling);
    reaction.render(page);
    EXPECT_EQ(words(), Words(kMouseLightCount, 0xEF302010u));  // 240 -> 239
    for (int frame = 3; frame <= 17; ++frame) {
        reaction.render(page);
    }
    EXPECT_EQ(page.fadeLevel(0), 15);
    EXPECT_EQ(words(), Words(kMouseLightCount, 0x0E302010u));
    EXPECT_EQ(reaction.phaseOf(0), ReactionPhase::Falling);
    reaction.render(page);
    EXPECT_EQ(words(), Words(kMouseLightCount, 0x00302010u));
    EXPECT_EQ(reaction.phaseOf(0), ReactionPhase::Idle);
    EXPECT_EQ(page.fadeLevel(20), 99);

    page.setFadeLevel(3, 100);  // a level left by another effect fades as well
    reaction.render(page);
    EXPECT_EQ(page.fadeLevel(3), 85);
}

TEST_F(MousePage, RainbowReactionGivesEachLightItsOwnWheelColour) {
    MouseReaction reaction(12345);
    page.SetLightParameters(lightOf(6, 2, 1, 1));
    ASSERT_TRUE(reaction.start(page));
    reaction.render(page);
    std::set<int> indexes;
    for (int i = 0; i < kMouseLightCount; ++i) {
        const std::uint8_t index = reaction.colourIndexOf(i);
        ASSERT_LT(index, kColourWheelSize);
        indexes.insert(index);
        const Rgb& c = kColourWheel[index];
        EXPECT_EQ(page.GetLightColour(i), lightWord(c.red, c.green, c.blue, 134)) << i;
    }
    EXPECT_GT(indexes.size(), 1u);  // drawn per light
}

TEST_F(MousePage, TargetRunsEachModeFrameOnThePage) {
    MouseReaction reaction(1);
    MousePreviewTarget target(page, reaction);
    CTessarinUSBDevice twin;
    twin.setLightCount(kMouseLightCount);
    MouseReaction twinReaction(1);
    for (const PreviewModeRow& row : kPreviewModes) {
        SCOPED_TRACE("mode " + std::to_string(row.mode));
        for (CTessarinUSBDevice* p : {&page, &twin}) {
            p->SetLightParameters(lightOf(row.mode, 3, 1, 1));
            p->setEffectCounters({5, 1, 0, 0});
            p->ClearFadeState();
        }
        ASSERT_TRUE(reaction.start(page) == twinReaction.start(twin));
        target.runPreviewFrame(row.frame);
        switch (row.mode) {
            case 0:
                twin.RenderStatic();
                break;
            case 1:
                twin.RenderBreathing();
                break;
            case 2:
                twin.RenderBlink();
                break;
            case 3:
                twin.RenderSpectrum();
                break;
            case 4:
                renderMouseWave(twin);
                break;
            case 5:
                twin.RenderOff();
                break;
            case 6:
                twinReaction.render(twin);
                break;
            case 7:
                twin.RenderBreathingFourColours();
                break;
            case 8:
                twin.RenderBlinkFourColours();
                break;
            case 10:
                renderMouseMarquee(twin);
                break;
        }
        for (int i = 0; i < kMouseLightCount; ++i) {
            EXPECT_EQ(page.GetLightColour(i), twin.GetLightColour(i)) << "light " << i;
        }
    }
}

TEST_F(MousePage, PreviewOfAPageFollowsItsWindowChannelAndSetting) {
    MouseReaction reaction;
    MousePreviewTarget target(page, reaction);
    LightPreviewEngine engine(target);
    page.SetLightParameters(lightOf(1, 4, 1, 0));  // breathing, speed 0: every 16 ms
    page.setEffectCounters({40, 0, 0, 0});
    engine.restart();
    EXPECT_EQ(engine.runDue(), LightPreviewEngine::kUntilWoken);  // channel closed
    page.channel().setOpen(true);
    EXPECT_EQ(engine.runDue(), 16u);
    clock.advance(16);
    EXPECT_EQ(engine.runDue(), 16u);
    EXPECT_EQ(page.effectCounters().phase, 41);
    EXPECT_EQ(page.GetLightColour(0), 0x76302010u);  // curve[41] = 119: 255 x 119 / 256 = 118

    page.setWindowShown(0);
    EXPECT_EQ(engine.runDue(), LightPreviewEngine::kUntilWoken);
    page.setWindowShown(1);
    EXPECT_FALSE(target.stepCustomProgramme());
    target.setCustomProgrammeStep([] { return true; });
    EXPECT_TRUE(target.stepCustomProgramme());
    page.SetLightParameters(lightOf(11, 4, 1, 0));
    EXPECT_EQ(engine.runDue(), 1u);  // a programme steps on every pass
}

// The light preview's rhythm on virtual time: the frames it runs against a loop that passes
// every millisecond, how seldom it wakes, and what stops and resumes it.

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "devices/mouse/LightPreviewEngine.h"
#include "devices/mouse/PreviewModes.h"
#include "platform/clock/Clock.h"

using namespace vorn;
using namespace vorn::devices::mouse;
using Strings = std::vector<std::string>;

namespace {

constexpr std::uint64_t kStart = 1000;

const char* frameName(PreviewFrame frame) {
    static constexpr const char* kNames[] = {"static", "breathing", "blink",    "spectrum",
                                             "wave",   "off",       "reaction", "breath4",
                                             "blink4", "marquee"};
    return kNames[static_cast<int>(frame)];
}

profiles::LightSetting modeAt(std::uint8_t mode, std::uint8_t speed) {
    profiles::LightSetting light;
    light.mode = mode;
    light.speed = speed;
    return light;
}

// Records each frame as "t=TICK name", relative to kStart.
class FakeTarget final : public ILightPreviewTarget {
  public:
    explicit FakeTarget(platform::Clock& clock) : clock_(clock) {}
    bool previewShown() override { return shown; }
    bool channelOpen() override { return open; }
    bool channelBusy() override { return busy; }
    profiles::LightSetting previewSetting() override { return setting; }
    void runPreviewFrame(PreviewFrame frame) override {
        frames.push_back("t=" + std::to_string(clock_.tickCount() - kStart) + " " +
                         frameName(frame));
    }
    bool stepCustomProgramme() override {
        ++customSteps;
        stepped.set();
        return customHasMore;
    }

    std::atomic<bool> shown{true};
    std::atomic<bool> open{true};
    std::atomic<bool> busy{false};
    profiles::LightSetting setting = modeAt(1, 0);
    bool customHasMore = false;
    std::atomic<int> customSteps{0};
    platform::Event stepped{platform::EventReset::Auto};
    Strings frames;

  private:
    platform::Clock& clock_;
};

// The preview written as the loop it stands for: one pass per millisecond from kStart.
struct MillisecondLoop {
    Strings run(std::uint64_t from, std::uint64_t until,
                const std::function<profiles::LightSetting(std::uint64_t)>& settingAt,
                const std::function<bool(std::uint64_t)>& busyAt = {}) {
        Strings frames;
        for (std::uint64_t tick = from + 1; tick <= until; ++tick) {
            if (busyAt && busyAt(tick)) {
                continue;
            }
            const profiles::LightSetting light = settingAt(tick);
            const PreviewModeRow* row = previewModeRow(light.mode);
            if (tick - remembered > 1) {
                ++count;
                remembered = tick;
            }
            if (count >= previewInterval(row->intervalRow, light.speed)) {
                count = 0;
                frames.push_back("t=" + std::to_string(tick - kStart) + " " +
                                 frameName(row->frame));
            }
        }
        return frames;
    }
    std::uint64_t remembered = kStart;
    unsigned count = 0;
};

struct PreviewEngineTest : ::testing::Test {
    // Wakes the engine as its thread would: at once, then whenever it asked to be woken,
    // up to tick kStart + until. The clock ends at that tick.
    void runUntil(std::uint64_t until) {
        std::uint32_t sleep = engine.runDue();
        while (sleep != LightPreviewEngine::kUntilWoken && now() + sleep <= until) {
            clock.advance(sleep);
            sleep = engine.runDue();
        }
        clock.advance(until - now());
    }
    std::uint64_t now() const { return clock.tickCount() - kStart; }
    Strings takeFrames() { return std::exchange(target.frames, {}); }

    platform::VirtualClock clock{kStart};
    platform::ClockOverride clockOverride{clock};
    FakeTarget target{clock};
    LightPreviewEngine engine{target};
};

}  // namespace

TEST(PreviewModes, IntervalTableAndModeRows) {
    EXPECT_EQ(kPreviewIntervals[0], (std::array<std::uint8_t, 15>{8, 6, 4, 2}));
    EXPECT_EQ(kPreviewIntervals[4], kPreviewIntervals[0]);
    EXPECT_EQ(kPreviewIntervals[5], (std::array<std::uint8_t, 15>{7, 5, 3, 1}));
    EXPECT_EQ(kPreviewIntervals[6], (std::array<std::uint8_t, 15>{8, 6, 4, 2, 1}));
    EXPECT_EQ(kPreviewIntervals[10], kPreviewIntervals[6]);
    EXPECT_EQ(previewInterval(11, 0), 0);  // outside the table: a frame on every pass
    EXPECT_EQ(previewInterval(6, 200), 0);

    EXPECT_EQ(previewModeRow(7)->frame, PreviewFrame::BreathingFourColours);
    EXPECT_EQ(previewModeRow(7)->intervalRow, 1);
    EXPECT_EQ(previewModeRow(8)->intervalRow, 2);
    EXPECT_EQ(previewModeRow(10)->frame, PreviewFrame::Marquee);
    EXPECT_EQ(previewModeRow(9), nullptr);
    EXPECT_EQ(previewModeRow(11), nullptr);
    EXPECT_EQ(previewModeRow(255), nullptr);
}

TEST_F(PreviewEngineTest, BreathingAtSpeed2RunsEvery8MsWakingOnlyForFrames) {
    target.setting = modeAt(1, 2);  // interval 4: a count every 2 ms
    engine.restart();
    runUntil(40);
    EXPECT_EQ(takeFrames(), (Strings{"t=8 breathing", "t=16 breathing", "t=24 breathing",
                                     "t=32 breathing", "t=40 breathing"}));
    EXPECT_EQ(engine.wakeups(), 6u);  // the first look and one per frame
}

TEST_F(PreviewEngineTest, FramesMatchTheMillisecondLoopForEachModeAndSpeed) {
    struct Case {
        std::uint8_t mode;
        std::uint8_t speed;
    };
    const Case cases[] = {{0, 4}, {1, 0}, {2, 3}, {3, 1}, {4, 2},  {5, 0},
                          {5, 3}, {6, 4}, {7, 1}, {8, 0}, {10, 4}, {10, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.mode) + " speed " + std::to_string(c.speed));
        platform::VirtualClock caseClock{kStart};
        platform::ClockOverride caseOverride{caseClock};
        FakeTarget caseTarget{caseClock};
        caseTarget.setting = modeAt(c.mode, c.speed);
        LightPreviewEngine caseEngine{caseTarget};
        caseEngine.restart();
        std::uint32_t sleep = caseEngine.runDue();
        while (caseClock.tickCount() + sleep <= kStart + 300) {
            caseClock.advance(sleep);
            sleep = caseEngine.runDue();
        }
        MillisecondLoop loop;
        const Strings expected =
            loop.run(kStart, kStart + 300, [&](std::uint64_t) { return caseTarget.setting; });
        EXPECT_EQ(caseTarget.frames, expected);
        EXPECT_EQ(caseEngine.wakeups(), expected.size() + 1);
    }
}

TEST_F(PreviewEngineTest, SettingChangedBetweenFramesTakesEffectFromTheWake) {
    target.setting = modeAt(1, 0);  // every 16 ms
    engine.restart();
    runUntil(37);
    target.setting = modeAt(4, 3);  // wave every 4 ms from here on
    runUntil(45);
    target.setting = modeAt(10, 0);  // marquee every 16 ms
    runUntil(90);

    MillisecondLoop loop;
    const Strings expected = loop.run(kStart, kStart + 90, [](std::uint64_t tick) {
        const std::uint64_t t = tick - kStart;
        return t < 37 ? modeAt(1, 0) : t < 45 ? modeAt(4, 3) : modeAt(10, 0);
    });
    EXPECT_EQ(takeFrames(), expected);
    // The counts of the breathing interval reach the wave's at once.
    EXPECT_EQ(expected, (Strings{"t=16 breathing", "t=32 breathing", "t=37 wave", "t=40 wave",
                                 "t=44 wave", "t=60 marquee", "t=76 marquee"}));
}

TEST_F(PreviewEngineTest, BusyChannelCountsNothingAndIsLookedAtEveryMillisecond) {
    target.setting = modeAt(3, 1);  // spectrum every 12 ms
    engine.restart();
    runUntil(11);
    target.busy = true;  // an exchange from tick 11 to 15, over the frame due at 12
    const std::uint64_t before = engine.wakeups();
    runUntil(15);
    EXPECT_EQ(engine.wakeups() - before, 5u);  // 11, 12, 13, 14, 15
    target.busy = false;
    runUntil(60);

    MillisecondLoop loop;
    const Strings expected = loop.run(
        kStart, kStart + 60, [](std::uint64_t) { return modeAt(3, 1); },
        [](std::uint64_t tick) { return tick - kStart >= 11 && tick - kStart <= 15; });
    EXPECT_EQ(takeFrames(), expected);
    EXPECT_EQ(expected,
              (Strings{"t=16 spectrum", "t=28 spectrum", "t=40 spectrum", "t=52 spectrum"}));
}

TEST_F(PreviewEngineTest, HiddenWindowOrClosedChannelSleepsUntilWokenAndResumes) {
    target.setting = modeAt(1, 3);  // every 4 ms
    engine.restart();
    runUntil(9);
    EXPECT_EQ(takeFrames(), (Strings{"t=4 breathing", "t=8 breathing"}));

    target.shown = false;  // the window went to the tray; its wake comes at tick 9
    const std::uint64_t before = engine.wakeups();
    runUntil(500);
    EXPECT_EQ(engine.wakeups() - before, 1u);  // one look, then nothing for 491 ms
    EXPECT_TRUE(takeFrames().empty());

    target.shown = true;  // shown again at 500: the pass there counts, as after any pause
    runUntil(510);
    EXPECT_EQ(takeFrames(), (Strings{"t=502 breathing", "t=506 breathing", "t=510 breathing"}));

    target.open = false;  // the link went at 510: the lights keep their colours
    runUntil(2000);
    EXPECT_TRUE(takeFrames().empty());
    target.open = true;
    runUntil(2010);
    EXPECT_EQ(takeFrames(), (Strings{"t=2002 breathing", "t=2006 breathing", "t=2010 breathing"}));
}

TEST_F(PreviewEngineTest, CustomProgrammeStepsEveryPassOrSleepsWithoutOne) {
    target.setting = modeAt(9, 0);
    engine.restart();
    EXPECT_EQ(engine.runDue(), LightPreviewEngine::kUntilWoken);  // nothing to step
    EXPECT_EQ(target.customSteps, 1);

    target.setting = modeAt(11, 4);
    target.customHasMore = true;
    EXPECT_EQ(engine.runDue(), 1u);
    EXPECT_EQ(target.customSteps, 2);
    EXPECT_TRUE(takeFrames().empty());

    // Back to counted frames: the passes of the programme counted nothing.
    clock.advance(20);
    target.setting = modeAt(6, 4);  // reaction every 2 ms
    runUntil(26);
    EXPECT_EQ(takeFrames(),
              (Strings{"t=20 reaction", "t=22 reaction", "t=24 reaction", "t=26 reaction"}));
}

TEST_F(PreviewEngineTest, WokenLongAfterTheDueFrameRunsOneFrameAndGoesOnFromThere) {
    target.setting = modeAt(1, 3);  // every 4 ms
    engine.restart();
    runUntil(3);
    clock.advance(60'000 - 3);  // asleep through a suspend
    engine.runDue();
    EXPECT_EQ(takeFrames(), (Strings{"t=60000 breathing"}));
    runUntil(60'010);
    EXPECT_EQ(takeFrames(),
              (Strings{"t=60002 breathing", "t=60006 breathing", "t=60010 breathing"}));
}

TEST_F(PreviewEngineTest, ThreadWakesOnRequestAndStopsWithinTheWait) {
    target.setting = modeAt(9, 0);  // every look steps the programme, which has nothing
    ASSERT_TRUE(engine.start());
    EXPECT_FALSE(engine.start());
    ASSERT_EQ(target.stepped.wait(5000), platform::WaitResult::Signalled);
    EXPECT_TRUE(engine.running());

    engine.wake();  // e.g. the light setting changed
    ASSERT_EQ(target.stepped.wait(5000), platform::WaitResult::Signalled);
    EXPECT_EQ(target.customSteps, 2);  // no look without a wake

    EXPECT_EQ(engine.stop(), platform::StopResult::Stopped);
    EXPECT_FALSE(engine.running());
    EXPECT_EQ(engine.stop(), platform::StopResult::NotRunning);

    ASSERT_TRUE(engine.start());  // started again after a stop
    ASSERT_EQ(target.stepped.wait(5000), platform::WaitResult::Signalled);
    EXPECT_EQ(engine.stop(), platform::StopResult::Stopped);
}

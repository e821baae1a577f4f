// The timers of the selector entry on virtual time: what each runs and how it is armed again.

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "platform/debug/DebugSink.h"
#include "ui/framework/core/UiLoop.h"

using namespace vorn;
using namespace vorn::devices;
using Strings = std::vector<std::string>;

namespace {

struct TimerTest : ::testing::Test {
    void SetUp() override {
        loop().addTarget(&owner);
        page.clock = &loop();
        page.setOwnerWindow(&owner);
        page.setPageIndex(2);
        page.setOptionEntry(&entry);
    }
    void TearDown() override { loop().removeTarget(&owner); }
    platform::ManualLoop& loop() { return uiLoop.loop(); }
    void onCable() {
        page.channel().setLinkMode(protocol::kLinkModeCable);
        page.channel().setOpen(true);
    }
    void viaReceiver() {
        page.channel().setLinkMode(protocol::kLinkModeReceiver);
        page.channel().setOpen(true);
    }
    Strings takeCalls() { return std::exchange(page.calls, {}); }
    // The calls without the light frames that run beside them.
    Strings takeCallsButFrames() {
        Strings kept;
        for (std::string& call : takeCalls()) {
            if (call.find(" frame") == std::string::npos) {
                kept.push_back(std::move(call));
            }
        }
        return kept;
    }
    Strings takeStarted() { return std::exchange(entry.started, {}); }

    ui::ScopedManualUiLoop uiLoop;
    test::OwnerRecorder owner;
    test::RecordingDevice page;
    test::FakeEntry entry{uiLoop.loop(), page};
};

}  // namespace

TEST_F(TimerTest, LightFramesEvery10MsOnTheCableAnd50MsViaTheReceiver) {
    onCable();
    page.startEntryTimer(kTimerLightFrame, 10);
    loop().advance(35);
    EXPECT_EQ(takeCalls(), (Strings{"t=10 frame", "t=20 frame", "t=30 frame"}));
    viaReceiver();
    loop().advance(5);  // the frame at 40 arms the next one 50 ms later
    loop().advance(100);
    EXPECT_EQ(takeCalls(), (Strings{"t=40 frame", "t=90 frame", "t=140 frame"}));
}

TEST_F(TimerTest, LightFramesStopOnceTheChannelCloses) {
    onCable();
    page.startEntryTimer(kTimerLightFrame, 10);
    loop().advance(10);
    page.channel().setOpen(false);
    loop().advance(100);
    EXPECT_EQ(takeCalls(), (Strings{"t=10 frame", "t=20 frame"}));
    EXPECT_EQ(takeStarted(), (Strings{"t=0 1000+10", "t=10 1000+10"}));
}

TEST_F(TimerTest, FirstReadOnTheCableReadsAtOnceAndStartsThePowerPoll) {
    onCable();
    page.setHasPowerPage(1);
    page.startEntryTimer(kTimerFirstRead, 50);
    loop().advance(50);
    EXPECT_EQ(takeCalls(), (Strings{"t=50 reload"}));
    // The light frames start with the first read, every 10 ms on the cable.
    EXPECT_EQ(takeStarted(), (Strings{"t=0 1001+50", "t=50 1005+50", "t=50 1000+10"}));
    EXPECT_TRUE(owner.messages.empty());
    loop().advance(50);
    EXPECT_EQ(takeCallsButFrames(), (Strings{"t=100 power"}));
    loop().advance(6000);
    EXPECT_EQ(takeCallsButFrames(), (Strings{"t=3100 power", "t=6100 power"}));
}

TEST_F(TimerTest, FirstReadWithoutPowerPageOrChannelStartsNothingMore) {
    page.startEntryTimer(kTimerFirstRead, 50);
    page.setHasPowerPage(1);  // but the channel is closed
    loop().advance(5000);
    EXPECT_EQ(takeCalls(), (Strings{"t=50 reload"}));
    EXPECT_EQ(takeStarted(), (Strings{"t=0 1001+50"}));
}

TEST_F(TimerTest, FirstReadViaTheReceiverReportsTheEntryThenReads) {
    viaReceiver();
    page.setHasPowerPage(1);
    page.startEntryTimer(kTimerFirstRead, 50);
    loop().advance(50);
    EXPECT_EQ(owner.messages, (Strings{"3331:2:1"}));
    EXPECT_EQ(takeCalls(), (Strings{"t=50 reachable", "t=50 reload"}));
    EXPECT_EQ(takeStarted(),
              (Strings{"t=0 1001+50", "t=50 1005+50", "t=50 1007+2000", "t=50 1000+50"}));
    EXPECT_EQ(entry.hides, 0);
}

TEST_F(TimerTest, FirstReadOfAnUnreachableMouseHidesTheEntryAndTriesAgain) {
    viaReceiver();
    page.reachable = false;
    page.setHasPowerPage(1);
    page.startEntryTimer(kTimerFirstRead, 50);
    loop().advance(50);
    EXPECT_FALSE(entry.shown);
    EXPECT_EQ(entry.hides, 1);
    EXPECT_EQ(owner.messages, (Strings{"3331:2:0"}));
    EXPECT_EQ(takeCalls(), (Strings{"t=50 unreachable"}));
    EXPECT_EQ(takeStarted(), (Strings{"t=0 1001+50", "t=50 1001+2000"}));

    loop().advance(2000);  // still away: the entry is already hidden
    EXPECT_EQ(entry.hides, 1);
    EXPECT_EQ(owner.messages, (Strings{"3331:2:0", "3331:2:0"}));
    EXPECT_EQ(takeCalls(), (Strings{"t=2050 unreachable"}));

    page.reachable = true;
    loop().advance(2000);
    EXPECT_EQ(owner.messages, (Strings{"3331:2:0", "3331:2:0", "3331:2:1"}));
    EXPECT_EQ(takeCalls(), (Strings{"t=4050 reachable", "t=4050 reload"}));
    EXPECT_EQ(takeStarted(), (Strings{"t=2050 1001+2000", "t=4050 1005+50", "t=4050 1007+2000",
                                      "t=4050 1000+50"}));
}

TEST_F(TimerTest, PowerPollStopsWhenThePageLosesItsPowerPage) {
    page.setHasPowerPage(1);
    page.startEntryTimer(kTimerPowerPoll, 50);
    loop().advance(3050);
    EXPECT_EQ(takeCalls(), (Strings{"t=50 power", "t=3050 power"}));
    page.setHasPowerPage(0);
    loop().advance(3000);
    EXPECT_EQ(takeCalls(), (Strings{"t=6050 power"}));
    loop().advance(9000);
    EXPECT_TRUE(takeCalls().empty());
}

TEST_F(TimerTest, DeviceRequestsAndSpareTimersRunOnce) {
    page.startEntryTimer(kTimerDeviceChanged, 50);
    page.startEntryTimer(kTimer1003, 10);
    page.startEntryTimer(kTimer1004, 20);
    loop().advance(10000);
    EXPECT_EQ(takeCalls(), (Strings{"t=10 1003", "t=20 1004", "t=50 changed"}));
    EXPECT_EQ(takeStarted().size(), 3u);
}

TEST_F(TimerTest, ReachabilityPollShowsAMouseThatCameBack) {
    platform::DebugCapture debug;
    viaReceiver();
    page.setHasPowerPage(1);
    entry.shown = false;
    page.startEntryTimer(kTimerReachability, 2000);
    loop().advance(2000);
    EXPECT_EQ(owner.messages, (Strings{"3331:2:1"}));
    EXPECT_EQ(takeCalls(), (Strings{"t=2000 reachable", "t=2000 power", "t=2000 reload"}));
    EXPECT_EQ(debug.lines(), (Strings{"2.4gcesvdfherhue  12312423 123342341"}));

    entry.shown = true;  // the window showed it
    loop().advance(3000);
    EXPECT_EQ(takeCalls(), (Strings{"t=5000 reachable"}));
    EXPECT_EQ(owner.messages.size(), 1u);
    EXPECT_EQ(takeStarted(), (Strings{"t=0 1007+2000", "t=2000 1007+3000", "t=5000 1007+3000"}));
}

TEST_F(TimerTest, ReachabilityPollHidesAMouseThatWentAway) {
    platform::DebugCapture debug;
    viaReceiver();
    page.reachable = false;
    page.startEntryTimer(kTimerReachability, 2000);
    loop().advance(2000);
    EXPECT_EQ(owner.messages, (Strings{"3331:2:0"}));
    EXPECT_EQ(takeCalls(), (Strings{"t=2000 unreachable"}));
    EXPECT_EQ(debug.lines(), (Strings{"2.4gcesvdfherhue"}));
    EXPECT_EQ(entry.hides, 0);  // the window hides it

    entry.shown = false;
    loop().advance(3000);
    EXPECT_EQ(owner.messages.size(), 1u);
    EXPECT_EQ(debug.lines().size(), 1u);
}

TEST_F(TimerTest, ReachabilityPollOnTheCableOnlyWritesItsLineAndEnds) {
    platform::DebugCapture debug;
    onCable();
    page.startEntryTimer(kTimerReachability, 2000);
    loop().advance(20000);
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_TRUE(owner.messages.empty());
    EXPECT_EQ(debug.lines(), (Strings{"2.4gcesvdfherhue  12312423"}));
    EXPECT_EQ(takeStarted(), (Strings{"t=0 1007+2000"}));
}

TEST_F(TimerTest, APageWithoutPositionSendsNoEntryReport) {
    viaReceiver();
    page.setPageIndex(-1);
    page.startEntryTimer(kTimerFirstRead, 50);
    loop().advance(50);
    EXPECT_TRUE(owner.messages.empty());
    EXPECT_EQ(takeCalls(), (Strings{"t=50 reachable", "t=50 reload"}));
}

TEST(EntryTimers, WithoutAnEntryNothingIsStarted) {
    test::RecordingDevice page;
    EXPECT_FALSE(page.startEntryTimer(kTimerFirstRead, 50));
    page.onEntryTimer(kTimerFirstRead);  // runs, arms nothing
    page.onEntryTimer(999);              // unknown ids do nothing
    EXPECT_EQ(page.calls, (Strings{"reload"}));
}

TEST(EntryTimers, RestartingATimerRestartsItsInterval) {
    ui::ScopedManualUiLoop uiLoop;
    std::vector<std::string> due;
    EntryTimerHost host(uiLoop.loop(), [&](unsigned id) {
        due.push_back(std::to_string(uiLoop.loop().nowMs()) + ":" + std::to_string(id));
    });
    host.start(1005, 100);
    uiLoop.loop().advance(60);
    host.start(1005, 100);
    host.start(1002, 50);
    EXPECT_TRUE(host.stop(1002));
    EXPECT_FALSE(host.stop(1003));
    uiLoop.loop().advance(500);
    EXPECT_EQ(due, (Strings{"160:1005"}));
}

TEST_F(TimerTest, LightFramesRestWhileTheWindowIsHiddenAndComeBackWithIt) {
    onCable();
    page.startEntryTimer(kTimerLightFrame, 10);
    loop().advance(20);
    page.setWindowShown(0);  // the frame due at 30 is the last one
    loop().advance(1000);
    EXPECT_EQ(takeCalls(), (Strings{"t=10 frame", "t=20 frame", "t=30 frame"}));
    takeStarted();
    page.setWindowShown(1);
    loop().advance(25);
    EXPECT_EQ(takeCalls(), (Strings{"t=1030 frame", "t=1040 frame"}));
    EXPECT_EQ(takeStarted(), (Strings{"t=1020 1000+10", "t=1030 1000+10", "t=1040 1000+10"}));
    // Shown again while shown starts nothing twice.
    page.setWindowShown(1);
    EXPECT_TRUE(takeStarted().empty());
}

TEST_F(TimerTest, FramesThatGoToTheDeviceKeepTheirCadenceWhileHidden) {
    viaReceiver();
    page.setFramesGoToDevice(true);
    page.setWindowShown(0);
    page.startEntryTimer(kTimerLightFrame, 50);
    loop().advance(150);
    EXPECT_EQ(takeCalls(), (Strings{"t=50 frame", "t=100 frame", "t=150 frame"}));
}

TEST_F(TimerTest, PowerPollRestsWhilePollingIsStoppedAndResumesAfter) {
    onCable();
    page.setHasPowerPage(1);
    page.startEntryTimer(kTimerPowerPoll, 50);
    loop().advance(50);
    page.setPowerPollStopped(true);
    loop().advance(10000);  // the poll at 3050 runs once more and is not armed again
    EXPECT_EQ(takeCalls(), (Strings{"t=50 power", "t=3050 power"}));
    page.setPowerPollStopped(false);
    loop().advance(3100);
    EXPECT_EQ(takeCalls(), (Strings{"t=10100 power", "t=13100 power"}));
}

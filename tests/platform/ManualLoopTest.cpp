#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "LoopTestSupport.h"
#include "platform/clock/Clock.h"
#include "platform/loop/ManualLoop.h"
#include "platform/text/Text.h"

using namespace vorn::platform;
using vorn::test::RecordingTarget;
using Log = std::vector<std::string>;

namespace {

constexpr std::uint32_t kNoHangMs = 10000;

// Logs each timer message with the loop time at which it was handled.
void stampTimers(RecordingTarget& target, ManualLoop& loop, Log& log) {
    target.onMessage = [&](const Message& m) {
        if (m.id == kTimerMessage) {
            log.back() += formatText(" @%lu", static_cast<unsigned long>(loop.nowMs()));
        }
        return MessageResult{0};
    };
}

}  // namespace

TEST(ManualLoop, TimersFireInDueOrderTiesInSetOrder) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log), b("b", log);
    loop.addTarget(&a);
    loop.addTarget(&b);
    stampTimers(a, loop, log);
    stampTimers(b, loop, log);
    ASSERT_TRUE(loop.setTimer(&a, 1, 30, TimerMode::OneShot));
    ASSERT_TRUE(loop.setTimer(&b, 2, 10, TimerMode::OneShot));
    ASSERT_TRUE(loop.setTimer(&a, 5, 10, TimerMode::OneShot));
    ASSERT_TRUE(loop.setTimer(&a, 3, 10, TimerMode::OneShot));
    loop.advance(9);
    EXPECT_TRUE(log.empty());
    loop.advance(100);
    EXPECT_EQ(log, (Log{"b timer 2 @10", "a timer 5 @10", "a timer 3 @10", "a timer 1 @30"}));
    EXPECT_EQ(loop.nowMs(), 109u);
}

TEST(ManualLoop, RepeatingTimerFiresEveryPeriodWithinOneAdvance) {
    VirtualClock clock(500);
    ClockOverride useClock(clock);
    ManualLoop loop(&clock);
    Log log;
    RecordingTarget a("a", log);
    loop.addTarget(&a);
    std::vector<std::uint64_t> ticks;
    a.onMessage = [&](const Message&) {
        ticks.push_back(tickCount());
        return MessageResult{0};
    };
    loop.setTimer(&a, 7, 10, TimerMode::Repeating);
    loop.advance(35);
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{510, 520, 530}));
    loop.advance(5);
    EXPECT_EQ(ticks.size(), 4u);
    EXPECT_EQ(clock.tickCount(), 540u);
}

TEST(ManualLoop, KillStopsAndReplaceRestartsTimer) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log);
    loop.addTarget(&a);
    stampTimers(a, loop, log);
    loop.setTimer(&a, 1, 10, TimerMode::Repeating);
    loop.advance(5);
    loop.setTimer(&a, 1, 10, TimerMode::Repeating);  // replaces: next due at 15, not 10
    loop.advance(9);
    EXPECT_TRUE(log.empty());
    loop.advance(1);
    EXPECT_EQ(log, (Log{"a timer 1 @15"}));
    EXPECT_TRUE(loop.killTimer(&a, 1));
    EXPECT_FALSE(loop.killTimer(&a, 1));
    loop.advance(100);
    EXPECT_EQ(log.size(), 1u);
}

TEST(ManualLoop, TimerKilledByItsOwnHandlerFiresOnce) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log);
    loop.addTarget(&a);
    a.onMessage = [&](const Message& m) {
        loop.killTimer(&a, static_cast<std::uint32_t>(m.wParam));
        return MessageResult{0};
    };
    loop.setTimer(&a, 4, 10, TimerMode::Repeating);
    loop.advance(100);
    EXPECT_EQ(log, (Log{"a timer 4"}));
}

TEST(ManualLoop, PostsRunInOrderOnlyWhenPumpedAndBeforeLaterTimers) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log), b("b", log);
    loop.addTarget(&a);
    loop.addTarget(&b);
    a.onMessage = [&](const Message& m) {
        if (m.id == kTimerMessage) {
            loop.post(&b, {0x0C12, 9, 0});  // runs before the next timer
        }
        return MessageResult{0};
    };
    loop.post(&a, {0x0C12, 1, 0});
    loop.post(&b, {0x0C13, 2, -5});
    loop.post(&a, {0x0C12, 3, 0});
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(loop.runPending(), 3u);
    EXPECT_EQ(log, (Log{"a 0x0C12 1 0", "b 0x0C13 2 -5", "a 0x0C12 3 0"}));

    log.clear();
    loop.setTimer(&a, 1, 10, TimerMode::OneShot);
    loop.setTimer(&b, 2, 10, TimerMode::OneShot);
    loop.post(&b, {0x0C14, 0, 0});
    loop.advance(10);
    EXPECT_EQ(log, (Log{"b 0x0C14 0 0", "a timer 1", "b 0x0C12 9 0", "b timer 2"}));
}

TEST(ManualLoop, SendFromAnotherThreadIsHandledOnLoopThreadWhileSenderWaits) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log);
    loop.addTarget(&a);
    a.onMessage = [](const Message& m) { return static_cast<MessageResult>(m.wParam * 2); };
    std::atomic<bool> returned{false};
    MessageResult result = 0;
    std::thread sender([&] {
        result = loop.send(&a, {0x0C13, 21, 0});
        returned = true;
    });
    ASSERT_TRUE(loop.waitForMessage(kNoHangMs));
    EXPECT_FALSE(returned.load());  // still waiting for the loop thread
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(loop.runPending(), 1u);
    sender.join();
    EXPECT_EQ(result, 42);
    EXPECT_EQ(a.lastThread, std::this_thread::get_id());
}

TEST(ManualLoop, SendOnLoopThreadRunsAtOnceEvenFromHandler) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log), b("b", log);
    loop.addTarget(&a);
    loop.addTarget(&b);
    b.onMessage = [](const Message&) { return MessageResult{5}; };
    a.onMessage = [&](const Message&) { return loop.send(&b, {0x0C11, 0, 0}) + 1; };
    EXPECT_EQ(loop.send(&a, {0x0C10, 0, 0}), 6);
    EXPECT_EQ(log, (Log{"a 0x0C10 0 0", "b 0x0C11 0 0"}));
    RecordingTarget stranger("x", log);
    EXPECT_EQ(loop.send(&stranger, {0x0C10, 0, 0}), 0);
    EXPECT_FALSE(loop.post(&stranger, {0x0C10, 0, 0}));
}

TEST(ManualLoop, StoppedLoopAnswersSendersAtOnce) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log);
    loop.addTarget(&a);
    a.onMessage = [](const Message&) { return MessageResult{1}; };
    MessageResult waiting = -1;
    std::thread early([&] { waiting = loop.send(&a, {0x0C13, 0, 0}); });
    ASSERT_TRUE(loop.waitForMessage(kNoHangMs));
    loop.quit();  // the waiting sender is released with 0
    early.join();
    EXPECT_EQ(waiting, 0);

    MessageResult late = -1;
    std::thread([&] { late = loop.send(&a, {0x0C13, 0, 0}); }).join();
    EXPECT_EQ(late, 0);
    EXPECT_FALSE(loop.post(&a, {0x0C12, 0, 0}));
    EXPECT_FALSE(loop.setTimer(&a, 1, 10, TimerMode::OneShot));
    loop.advance(100);
    EXPECT_TRUE(log.empty());
}

TEST(ManualLoop, RemovedTargetLosesQueuedMessagesTimersAndWaitingSenders) {
    ManualLoop loop;
    Log log;
    RecordingTarget a("a", log), b("b", log);
    loop.addTarget(&a);
    loop.addTarget(&b);
    MessageResult sent = -1;
    std::thread sender([&] { sent = loop.send(&a, {0x0C13, 0, 0}); });
    ASSERT_TRUE(loop.waitForMessage(kNoHangMs));
    loop.post(&a, {0x0C12, 1, 0});
    loop.post(&b, {0x0C12, 2, 0});
    loop.setTimer(&a, 1, 10, TimerMode::Repeating);
    loop.setTimer(&b, 1, 10, TimerMode::OneShot);
    EXPECT_EQ(loop.pendingCount(), 3u);
    loop.removeTarget(&a);
    sender.join();
    EXPECT_EQ(sent, 0);
    loop.advance(50);
    EXPECT_EQ(log, (Log{"b 0x0C12 2 0", "b timer 1"}));
    EXPECT_FALSE(loop.post(&a, {0x0C12, 3, 0}));
}

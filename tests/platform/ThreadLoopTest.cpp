#include <gtest/gtest.h>

#include <thread>

#include "LoopTestSupport.h"
#include "platform/loop/ThreadLoop.h"

using namespace vorn::platform;
using vorn::test::RecordingTarget;
using Log = std::vector<std::string>;

TEST(ThreadLoop, RunHandlesOtherThreadsPostsAndSendsInOrderUntilQuit) {
    ThreadLoop loop;
    Log log;
    RecordingTarget a("a", log);
    loop.addTarget(&a);
    a.onMessage = [&](const Message& m) {
        if (m.id == 0x0C99) {
            loop.quit();
        }
        return static_cast<MessageResult>(m.wParam + 100);
    };
    MessageResult sent = 0;
    std::thread worker([&] {
        loop.post(&a, {0x0C12, 1, 0});
        loop.post(&a, {0x0C12, 2, 0});
        sent = loop.send(&a, {0x0C13, 3, 0});
        loop.post(&a, {0x0C99, 0, 0});
    });
    loop.run();
    worker.join();
    EXPECT_EQ(sent, 103);
    EXPECT_EQ(log, (Log{"a 0x0C12 1 0", "a 0x0C12 2 0", "a 0x0C13 3 0", "a 0x0C99 0 0"}));
    EXPECT_EQ(a.lastThread, std::this_thread::get_id());
}

TEST(ThreadLoop, TimerWakesIdleLoopAndQuitFromAnotherThreadEndsRun) {
    ThreadLoop loop;
    Log log;
    RecordingTarget a("a", log);
    loop.addTarget(&a);
    std::thread quitter;
    a.onMessage = [&](const Message&) {
        quitter = std::thread([&] { loop.quit(); });
        return MessageResult{0};
    };
    loop.setTimer(&a, 3, 1, TimerMode::OneShot);
    loop.run();
    quitter.join();
    EXPECT_EQ(log, (Log{"a timer 3"}));
    loop.run();  // already quit: returns at once
}

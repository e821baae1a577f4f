#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "platform/debug/DebugSink.h"
#include "platform/sync/Event.h"
#include "platform/sync/RecursiveLock.h"
#include "platform/sync/WorkerThread.h"

using namespace vorn::platform;

namespace {

// Generous real-time bound for things that happen at once; only reached on a fault.
constexpr std::uint32_t kNoHangMs = 10000;

// A worker function that ignores its stop event and ends only when `release` is set, so
// the test can finish it after checking the detach and leave no thread behind.
struct Stubborn {
    std::shared_ptr<Event> release = std::make_shared<Event>();
    std::shared_ptr<Event> ended = std::make_shared<Event>();

    WorkerThread::Body body() const {
        return [release = release, ended = ended](Event&) {
            release->wait();
            ended->set();
        };
    }
    void finish() const {
        release->set();
        ASSERT_EQ(ended->wait(kNoHangMs), WaitResult::Signalled);
    }
};

}  // namespace

TEST(Event, ManualResetReleasesEveryWaitUntilReset) {
    Event event(EventReset::Manual);
    EXPECT_EQ(event.wait(0), WaitResult::TimedOut);
    event.set();
    EXPECT_EQ(event.wait(0), WaitResult::Signalled);
    EXPECT_EQ(event.wait(0), WaitResult::Signalled);
    EXPECT_TRUE(event.isSet());
    event.reset();
    EXPECT_EQ(event.wait(1), WaitResult::TimedOut);
}

TEST(Event, AutoResetReleasesOneWaitAndClears) {
    Event event(EventReset::Auto, true);
    EXPECT_TRUE(event.isSet());  // looking does not consume
    EXPECT_EQ(event.wait(0), WaitResult::Signalled);
    EXPECT_FALSE(event.isSet());
    EXPECT_EQ(event.wait(1), WaitResult::TimedOut);
    event.set();
    event.set();  // a second set before any wait does not count twice
    EXPECT_EQ(event.wait(0), WaitResult::Signalled);
    EXPECT_EQ(event.wait(0), WaitResult::TimedOut);
}

TEST(Event, SetFromAnotherThreadEndsTimedAndEndlessWaits) {
    Event manual(EventReset::Manual);
    Event autoReset(EventReset::Auto);
    std::atomic<int> released{0};
    std::thread a([&] {
        manual.wait();
        ++released;
    });
    std::thread b([&] {
        if (autoReset.wait(kNoHangMs) == WaitResult::Signalled) {
            ++released;
        }
    });
    manual.set();
    autoReset.set();
    a.join();
    b.join();
    EXPECT_EQ(released.load(), 2);
    EXPECT_FALSE(autoReset.isSet());  // consumed by the waiter
}

TEST(RecursiveLock, OwnerRelocksWhileOtherThreadsAreKeptOut) {
    RecursiveLock lock;
    std::unique_lock outer(lock);
    {
        std::lock_guard inner(lock);
        bool otherGotIt = true;
        std::thread([&] { otherGotIt = lock.try_lock(); }).join();
        EXPECT_FALSE(otherGotIt);
    }
    outer.unlock();
    bool otherGotIt = false;
    std::thread([&] {
        otherGotIt = lock.try_lock();
        if (otherGotIt) {
            lock.unlock();
        }
    }).join();
    EXPECT_TRUE(otherGotIt);
}

TEST(WorkerThread, StopSignalsWorkerAndJoinsIt) {
    WorkerThread worker("scan");
    std::atomic<bool> sawStop{false};
    ASSERT_TRUE(worker.start([&](Event& stop) {
        stop.wait();
        sawStop = true;
    }));
    EXPECT_FALSE(worker.start([](Event&) {}));  // one thread at a time
    EXPECT_EQ(worker.stop(kNoHangMs), StopResult::Stopped);
    EXPECT_TRUE(sawStop.load());
    EXPECT_FALSE(worker.started());
    EXPECT_EQ(worker.stop(kNoHangMs), StopResult::NotRunning);
}

TEST(WorkerThread, RestartGetsFreshStopEventAndOwnParameter) {
    struct Slot {
        int index;
    };
    WorkerThread worker("slot");
    auto seen = std::make_shared<std::atomic<int>>(0);
    auto looked = std::make_shared<Event>(EventReset::Auto);
    auto run = [seen, looked](Event& stop, Slot& slot) {
        // A stop event left signalled by the previous run would skip the count.
        if (stop.wait(0) == WaitResult::TimedOut) {
            *seen += slot.index;
        }
        looked->set();
        stop.wait();
    };
    ASSERT_TRUE(worker.start(run, Slot{8}));
    ASSERT_EQ(looked->wait(kNoHangMs), WaitResult::Signalled);
    EXPECT_EQ(worker.stop(kNoHangMs), StopResult::Stopped);
    ASSERT_TRUE(worker.start(run, Slot{20}));
    ASSERT_EQ(looked->wait(kNoHangMs), WaitResult::Signalled);
    worker.requestStop();
    EXPECT_EQ(worker.stop(kNoHangMs), StopResult::Stopped);
    EXPECT_EQ(seen->load(), 28);
}

TEST(WorkerThread, WorkerIgnoringStopIsDetachedAfterBoundedWait) {
    DebugCapture capture;
    Stubborn stubborn;
    WorkerThread worker("light sync");
    ASSERT_TRUE(worker.start(stubborn.body()));
    EXPECT_EQ(worker.stop(50), StopResult::Detached);
    EXPECT_FALSE(worker.started());
    EXPECT_TRUE(capture.contains("worker \"light sync\" did not end within 50 ms"));
    EXPECT_FALSE(stubborn.ended->isSet());
    stubborn.finish();
}

TEST(WorkerThread, DestructorStopIsBounded) {
    DebugCapture capture;
    Stubborn stubborn;
    {
        WorkerThread worker("preview", 50);
        ASSERT_TRUE(worker.start(stubborn.body()));
    }
    EXPECT_TRUE(capture.contains("\"preview\""));
    stubborn.finish();
}

TEST(WorkerThread, ExceptionInWorkerIsLoggedAndCountsAsEnded) {
    DebugCapture capture;
    WorkerThread worker("update");
    ASSERT_TRUE(worker.start([](Event&) { throw std::runtime_error("no network"); }));
    EXPECT_EQ(worker.stop(kNoHangMs), StopResult::Stopped);
    EXPECT_TRUE(capture.contains("no network"));
}

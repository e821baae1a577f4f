#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "QtTestSupport.h"
#include "ui/qt/QtMessageLoop.h"

using namespace vorn;
using namespace vorn::ui::qt;

namespace {

class Recorder : public platform::MessageTarget {
  public:
    platform::MessageResult handleMessage(const platform::Message& m) override {
        handledOn = std::this_thread::get_id();
        ids.push_back(m.id);
        return static_cast<platform::MessageResult>(m.wParam) + 1;
    }
    std::thread::id handledOn;
    std::vector<uint32_t> ids;
};

}  // namespace

TEST(QtMessageLoop, SendFromWorkerIsHandledOnTheUiThreadWhileTheWorkerWaits) {
    test::qtApp();
    QtMessageLoop loop;
    Recorder target;
    loop.addTarget(&target);
    std::atomic<bool> returned{false};
    platform::MessageResult answer = 0;
    std::thread worker([&] {
        answer = loop.send(&target, {0x0C12, 41, 0});
        returned = true;
    });
    // The worker cannot have its answer before the UI thread handled the message.
    EXPECT_FALSE(returned.load());
    loop.runUntil([&] { return returned.load() || !target.ids.empty(); });
    worker.join();
    EXPECT_EQ(answer, 42);
    EXPECT_EQ(target.handledOn, std::this_thread::get_id());
    loop.removeTarget(&target);
}

TEST(QtMessageLoop, PostedMessagesArriveInOrderAndRemovedTargetsGetNothing) {
    test::qtApp();
    QtMessageLoop loop;
    Recorder a;
    Recorder b;
    loop.addTarget(&a);
    loop.addTarget(&b);
    std::thread worker([&] {
        for (uint32_t i = 1; i <= 5; ++i) {
            loop.post(&a, {i, 0, 0});
        }
        loop.post(&b, {9, 0, 0});
    });
    worker.join();
    loop.removeTarget(&b);
    EXPECT_FALSE(loop.post(&b, {10, 0, 0}));
    loop.runUntil([&] { return a.ids.size() == 5; });
    QCoreApplication::processEvents();
    EXPECT_EQ(a.ids, (std::vector<uint32_t>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(b.ids.empty());
    EXPECT_EQ(loop.send(&a, {7, 1, 0}), 2);  // on the UI thread: at once
}

TEST(QtMessageLoop, SendReturnsAtOnceWhileTheLoopShutsDown) {
    test::qtApp();
    QtMessageLoop loop;
    Recorder target;
    loop.addTarget(&target);
    platform::MessageResult answer = -1;
    std::thread worker([&] { answer = loop.send(&target, {1, 5, 0}); });
    // Whether the worker queued already or not, quitting answers it without handling.
    loop.quit();
    worker.join();
    EXPECT_EQ(answer, 0);
    std::thread late([&] { answer = loop.send(&target, {1, 5, 0}); });
    late.join();
    EXPECT_EQ(answer, 0);
    EXPECT_TRUE(target.ids.empty() || target.ids.size() == 1);
    QCoreApplication::processEvents();  // the queued quit
}

// Discovery on the emulated bus: which slots a pass binds and frees, what the window is told,
// and that the thread sleeps while the bus is quiet.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "catalogue/StandardCatalogue.h"
#include "emulator/Scenario.h"
#include "link/DeviceDiscovery.h"
#include "platform/sync/WorkerThread.h"

using namespace vorn;
using namespace vorn::link;

namespace {

class RecordingSink final : public IDiscoverySink {
  public:
    void slotBound(int index) override { note("bound " + std::to_string(index)); }
    void slotLost(int index) override { note("lost " + std::to_string(index)); }
    void firstPassDone() override { note("first pass"); }
    std::vector<std::string> take() {
        std::lock_guard<std::mutex> lock(mutex_);
        return std::exchange(events_, {});
    }
    std::size_t count() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_.size();
    }

  private:
    void note(std::string event) {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(std::move(event));
    }
    std::mutex mutex_;
    std::vector<std::string> events_;
};

struct Bus {
    explicit Bus(const std::string& scenario) {
        std::string error;
        bus = emulator::buildBusFromScenario(scenario, error);
        EXPECT_TRUE(bus) << error;
        platform::hid::setHidBackend(bus.get());
    }
    ~Bus() { platform::hid::setHidBackend(nullptr); }
    std::unique_ptr<emulator::VirtualBus> bus;
};

using Events = std::vector<std::string>;

}  // namespace

TEST(DeviceDiscovery, CableMouseBindsItsTwoSlotsAndUnplugFreesBoth) {
    Bus emulated("t4");
    LinkedSlots slots(catalogue::kDeviceCatalogue);
    RecordingSink sink;
    DeviceDiscovery discovery(slots, sink);
    ASSERT_TRUE(discovery.runPass());
    // In the order the bus lists the collections: the event collection (3) before the
    // command collection (4).
    EXPECT_EQ(sink.take(), (Events{"bound 5", "bound 4"}));
    EXPECT_EQ(slots.slot(4).linked, 1);
    EXPECT_FALSE(slots.slot(5).devicePath.empty());
    ASSERT_TRUE(discovery.runPass());
    EXPECT_TRUE(sink.take().empty());  // nothing new, nothing gone

    emulated.bus->unplugCable(0);
    ASSERT_TRUE(discovery.runPass());
    EXPECT_EQ(sink.take(), (Events{"lost 4", "lost 5"}));
    EXPECT_EQ(slots.slot(4).linked, 0);
    EXPECT_TRUE(slots.slot(4).devicePath.empty());
    EXPECT_TRUE(slots.slot(5).devicePath.empty());
}

TEST(DeviceDiscovery, ASecondIdenticalMouseFindsItsSlotsTaken) {
    Bus emulated("t4,t4");
    LinkedSlots slots(catalogue::kDeviceCatalogue);
    RecordingSink sink;
    DeviceDiscovery discovery(slots, sink);
    ASSERT_TRUE(discovery.runPass());
    EXPECT_EQ(sink.take(), (Events{"bound 5", "bound 4"}));
}

TEST(DeviceDiscovery, LosingTheReceiverResetsItsLinkAndReportedModel) {
    Bus emulated("dongle8k+t4max:off");
    LinkedSlots slots(catalogue::kDeviceCatalogue);
    RecordingSink sink;
    DeviceDiscovery discovery(slots, sink);
    ASSERT_TRUE(discovery.runPass());
    EXPECT_EQ(sink.take(), (Events{"bound 17", "bound 16"}));
    {
        std::lock_guard<std::mutex> lock(slots.mutex());
        slots.receiver() = {1, 11, 16, 16};  // as a successful receiver poll leaves it
    }
    emulated.bus->unplug(0);
    ASSERT_TRUE(discovery.runPass());
    EXPECT_EQ(sink.take(), (Events{"lost 16", "lost 17"}));
    EXPECT_EQ(slots.receiverState().commandDeviceLink, 0);
    EXPECT_EQ(slots.receiverState().reportedModelCode, -1);
}

TEST(DeviceDiscovery, AReceiverPulledBeforeItsMouseAnsweredFreesItsSlotAndBindsAgain) {
    Bus emulated("dongle8k+t4max:off");
    LinkedSlots slots(catalogue::kDeviceCatalogue);
    RecordingSink sink;
    DeviceDiscovery discovery(slots, sink);
    ASSERT_TRUE(discovery.runPass());
    EXPECT_EQ(sink.take(), (Events{"bound 17", "bound 16"}));
    {
        // As the window leaves the receiver's command slot until its mouse answers.
        std::lock_guard<std::mutex> lock(slots.mutex());
        slots.slots()[16].linked = 0;
    }
    emulated.bus->unplug(0);
    ASSERT_TRUE(discovery.runPass());
    EXPECT_EQ(sink.take(), (Events{"lost 16", "lost 17"}));
    EXPECT_TRUE(slots.slot(16).devicePath.empty());
    emulated.bus->replug(0);
    ASSERT_TRUE(discovery.runPass());
    EXPECT_EQ(sink.take(), (Events{"bound 17", "bound 16"}));
}

TEST(DeviceDiscovery, TheThreadSleepsWhileTheBusIsQuietAndWakesForPlugAndStop) {
    Bus emulated("t4");
    LinkedSlots slots(catalogue::kDeviceCatalogue);
    RecordingSink sink;
    DeviceDiscovery discovery(slots, sink);
    platform::WorkerThread thread("discovery");
    ASSERT_TRUE(thread.start([&](platform::Event& stop) { discovery.run(stop); }));

    const auto waitFor = [&](std::size_t events) {
        for (int i = 0; i < 300 && sink.count() < events; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return sink.count() >= events;
    };
    ASSERT_TRUE(waitFor(3));
    EXPECT_EQ(sink.take(), (Events{"bound 5", "bound 4", "first pass"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    const std::uint64_t quiet = discovery.passes();
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_EQ(discovery.passes(), quiet);  // no pass while nothing changes

    const auto unplugged = std::chrono::steady_clock::now();
    emulated.bus->unplugCable(0);
    ASSERT_TRUE(waitFor(2));
    EXPECT_LT(std::chrono::steady_clock::now() - unplugged, std::chrono::milliseconds(300));
    EXPECT_EQ(sink.take(), (Events{"lost 4", "lost 5"}));

    const auto stopping = std::chrono::steady_clock::now();
    thread.requestStop();
    discovery.wake();
    EXPECT_EQ(thread.stop(1000), platform::StopResult::Stopped);
    EXPECT_LT(std::chrono::steady_clock::now() - stopping, std::chrono::milliseconds(300));
}

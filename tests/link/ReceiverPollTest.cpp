// The receiver poll against the emulated 8K receiver and its paired mouse.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "catalogue/StandardCatalogue.h"
#include "emulator/Scenario.h"
#include "link/DeviceDiscovery.h"
#include "link/ReceiverPoll.h"

using namespace vorn;
using namespace vorn::link;

namespace {

class IgnoringSink final : public IDiscoverySink {
  public:
    void slotBound(int) override {}
    void slotLost(int) override {}
    void firstPassDone() override {}
};

}  // namespace

TEST(ReceiverPoll, AMouseSwitchedOnIsBoundOnceAndSwitchedOffClearsTheLink) {
    std::string error;
    auto bus = emulator::buildBusFromScenario("dongle8k+t4max:off", error);
    ASSERT_TRUE(bus) << error;
    platform::hid::setHidBackend(bus.get());
    LinkedSlots slots(catalogue::kDeviceCatalogue);
    IgnoringSink sink;
    DeviceDiscovery discovery(slots, sink);
    ASSERT_TRUE(discovery.runPass());
    // As the window does on the receiver's arrival: poll it, its slot unlinked, path kept.
    std::string path;
    {
        std::lock_guard<std::mutex> lock(slots.mutex());
        slots.receiver().receiverSlot = 16;
        slots.slots()[16].linked = 0;
        path = slots.slots()[16].devicePath;
    }
    protocol::CommandChannel channel;
    ASSERT_TRUE(channel.radioLink().open(path, true, true, true, true));
    channel.setLinkMode(2);
    channel.setOpen(true);

    ReceiverPollResult result = pollReceiverLink(channel, slots);
    EXPECT_FALSE(result.answered);
    EXPECT_FALSE(result.bound);
    EXPECT_EQ(slots.receiverState().commandDeviceLink, 0);
    EXPECT_EQ(slots.slot(16).linked, 0);
    EXPECT_FALSE(slots.slot(16).devicePath.empty());

    bus->setMousePower(0, true);
    result = pollReceiverLink(channel, slots);
    EXPECT_TRUE(result.answered);
    EXPECT_TRUE(result.bound);
    EXPECT_EQ(result.modelCode, 11);  // the T4Max
    EXPECT_EQ(slots.receiverState().commandDeviceLink, 1);
    EXPECT_EQ(slots.receiverState().reportedModelCode, 11);
    EXPECT_EQ(slots.slot(16).linked, 1);

    result = pollReceiverLink(channel, slots);  // bound already: nothing read again
    EXPECT_TRUE(result.answered);
    EXPECT_FALSE(result.bound);

    bus->setMousePower(0, false);
    result = pollReceiverLink(channel, slots);
    EXPECT_FALSE(result.answered);
    EXPECT_EQ(slots.receiverState().commandDeviceLink, 0);
    channel.radioLink().close();
    platform::hid::setHidBackend(nullptr);
}

// The power poll, the radio test and the link commands of a page on the emulated bus.

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "protocol/CommandFrame.h"
#include "ui/framework/core/UiLoop.h"

using namespace vorn;
using namespace vorn::devices;

namespace {

std::vector<std::uint8_t> commandsSent(emulator::VirtualBus& bus, int device) {
    std::vector<std::uint8_t> commands;
    for (const emulator::FrameRecord& record : bus.frameLog(device)) {
        if (record.collection == 4) {
            commands.push_back(protocol::CommandFrame::fromBytes(record.bytes).command());
        }
    }
    return commands;
}

using Bytes = std::vector<std::uint8_t>;

}  // namespace

TEST(PowerPoll, OnTheCableReadsTheBlockAndMarksTheCableLink) {
    test::EmulatedBus emulated("t4ultra");
    test::RecordingDevice page;
    test::FakePowerView power;
    page.setPowerControl(&power);
    emulated.bus().setBattery(0, 77);
    emulated.openCable(page, 0);
    const Bytes memory = emulated.bus().readMemory(0, emulator::MouseArea::Power, 0, 6);
    ASSERT_EQ(memory.size(), 6u);

    EXPECT_EQ(page.poll(true), 1);
    ASSERT_EQ(power.states.size(), 1u);
    Bytes expected = memory;
    expected[3] = 0;
    EXPECT_EQ(power.states[0], expected);
    EXPECT_EQ(power.states[0][0], 77);
    // On the cable the radio test needs no frame.
    EXPECT_EQ(commandsSent(emulated.bus(), 0), (Bytes{0x1A}));
}

TEST(PowerPoll, ViaTheReceiverAsksTheRadioFirstAndMarksTheReceiverLink) {
    test::EmulatedBus emulated("dongle8k+t4ultra");
    test::RecordingDevice page;
    test::FakePowerView power;
    page.setPowerControl(&power);
    emulated.bus().setBattery(0, 42);
    emulated.openReceiver(page, 0);

    EXPECT_EQ(page.poll(true), 1);
    ASSERT_EQ(power.states.size(), 1u);
    EXPECT_EQ(power.states[0][0], 42);
    EXPECT_EQ(power.states[0][3], 1);
    EXPECT_EQ(commandsSent(emulated.bus(), 0), (Bytes{0xAA, 0x1A}));
    EXPECT_TRUE(page.radioAnswers());
}

TEST(PowerPoll, AMouseSwitchedOffBehindTheReceiverShowsNothing) {
    test::EmulatedBus emulated("dongle8k+t4ultra:off");
    test::RecordingDevice page;
    test::FakePowerView power;
    page.setPowerControl(&power);
    emulated.openReceiver(page, 0);

    EXPECT_EQ(page.poll(true), 0);
    EXPECT_TRUE(power.states.empty());
    EXPECT_FALSE(page.radioAnswers());
    EXPECT_EQ(commandsSent(emulated.bus(), 0), (Bytes{0xAA, 0xAA}));
}

TEST(PowerPoll, StoppedPollingOrAClosedChannelSendsNothing) {
    test::EmulatedBus emulated("dongle8k+t4ultra");
    test::RecordingDevice page;
    test::FakePowerView power;
    page.setPowerControl(&power);
    EXPECT_EQ(page.poll(false), 0);  // not open yet
    emulated.openReceiver(page, 0);
    page.setPowerPollStopped(true);
    EXPECT_EQ(page.poll(true), 0);
    EXPECT_TRUE(power.states.empty());
    EXPECT_TRUE(commandsSent(emulated.bus(), 0).empty());
    // The families without the radio test still poll.
    EXPECT_EQ(page.poll(false), 1);
    EXPECT_EQ(power.states.size(), 1u);
}

TEST(PowerPoll, RunsOnThePowerTimerOfTheEntry) {
    test::EmulatedBus emulated("t4ultra");
    ui::ScopedManualUiLoop uiLoop;
    test::RecordingDevice page;
    test::FakeEntry entry(uiLoop.loop(), page);
    test::FakePowerView power;
    page.pollsPower = true;
    page.setOptionEntry(&entry);
    page.setPowerControl(&power);
    page.setHasPowerPage(1);
    emulated.openCable(page, 0);
    page.startEntryTimer(kTimerFirstRead, 50);
    uiLoop.loop().advance(50 + 50 + 3000);
    EXPECT_EQ(power.states.size(), 2u);
    EXPECT_EQ(page.lastPoll, 1);
}

TEST(LightControl, AKeyboardIsToldThatTheProgramTakesItsLights) {
    test::EmulatedBus emulated("t4ultra");
    test::RecordingDevice page;
    emulated.openCable(page, 0);
    page.setLightControl(1);  // the base family: nothing is sent
    EXPECT_TRUE(commandsSent(emulated.bus(), 0).empty());
    catalogue::DeviceSlot slot;
    slot.deviceType = catalogue::DeviceType::Keyboard;
    page.bindSlot(slot);
    page.setLightControl(0);
    EXPECT_EQ(page.lightControl(), 0);
    EXPECT_TRUE(commandsSent(emulated.bus(), 0).empty());
    page.setLightControl(1);
    EXPECT_EQ(commandsSent(emulated.bus(), 0), (Bytes{0x1C}));
}

TEST(EventLink, TransportsByEventSlotType) {
    using catalogue::DeviceType;
    EXPECT_EQ(EventLink::transportFor(DeviceType::Keyboard), 0);
    EXPECT_EQ(EventLink::transportFor(DeviceType::Mouse), 0);
    EXPECT_EQ(EventLink::transportFor(DeviceType::MousePad), 0);
    EXPECT_EQ(EventLink::transportFor(DeviceType::Headset), 0);
    EXPECT_EQ(EventLink::transportFor(DeviceType::MouseOwnReceiver), 1);
    EXPECT_EQ(EventLink::transportFor(DeviceType::KeyboardOtherLink), 1);
    EXPECT_EQ(EventLink::transportFor(DeviceType::Receiver), 1);
    EXPECT_EQ(EventLink::transportFor(static_cast<DeviceType>(4)), -1);
}

TEST(EventLink, OpensAndClosesEachTransportOnItsOwn) {
    test::EmulatedBus emulated("t4ultra");
    EventLink link;
    EXPECT_TRUE(link.open(0, emulated.bus().collectionPath(0, 3)));
    EXPECT_TRUE(link.isOpen(0));
    EXPECT_FALSE(link.isOpen(1));
    EXPECT_TRUE(link.transport(0)->isOpen());
    EXPECT_FALSE(link.open(1, "/no/such/path"));
    EXPECT_FALSE(link.isOpen(1));
    EXPECT_FALSE(link.open(2, emulated.bus().collectionPath(0, 3)));
    EXPECT_EQ(link.transport(2), nullptr);
    EXPECT_EQ(link.lock(-1), nullptr);
    link.close(0);
    EXPECT_FALSE(link.isOpen(0));
    EXPECT_FALSE(link.transport(0)->isOpen());
}

TEST(EventLink, ThePageClosesItsTransportsWhenItGoes) {
    test::EmulatedBus emulated("t4ultra");
    auto page = std::make_unique<CTessarinUSBDevice>();
    emulated.openCable(*page, 0);
    ASSERT_TRUE(page->eventLink().open(0, emulated.bus().collectionPath(0, 3)));
    hid::HidTransport& cable = page->channel().cableLink();
    EXPECT_TRUE(cable.isOpen());
    page.reset();  // no leak or use after the bus goes (sanitizers watch)
    SUCCEED();
}

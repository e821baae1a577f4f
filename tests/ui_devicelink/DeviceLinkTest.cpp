// Devices coming and going on the emulated bus: slots bound and lost, pages linked on the
// cable or through the receiver, tiles shown and dropped, the receiver poll, and the move
// of a mouse between its cable and the receiver.

#include <gtest/gtest.h>

#include "LinkRig.h"
#include "protocol/Commands.h"
#include "ui/profiles/DeviceProfileUI.h"

using namespace vorn;
using namespace vorn::test;
using Events = std::vector<std::string>;

TEST(DeviceLink, CatalogueBuildsOneHiddenPagePerModelBeforeAnyDevice) {
    LinkRig rig("t4");
    ASSERT_EQ(rig.selector->entryCount(), 5);
    const char* names[] = {"keyboard", "VORN-T4", "VORN-T4Pro", "VORN-T4Ultra", "VORN-T4Max"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rig.page(i).displayName(), names[i]);
        EXPECT_EQ(rig.page(i).pageIndex(), i);
        EXPECT_FALSE(rig.tile(i).isTileVisible()) << i;
    }
    EXPECT_EQ(rig.page(kKeyboardEntry).keyCount(), 170);
    EXPECT_EQ(rig.page(kT4Entry).keyCount(), 11);
    EXPECT_EQ(rig.page(kT4Entry).lightCount(), 15);
    EXPECT_EQ(rig.page(kT4Entry).slotIdentityOf().productString, "VORN-T4");
    EXPECT_EQ(rig.selector->currentDevice(), nullptr);
    EXPECT_TRUE(rig.control("No_device_Link")->IsVisible());
}

TEST(DeviceLink, CableMouseLinksItsPageAndUnplugDropsIt) {
    LinkRig rig("t4");
    platform::DebugCapture capture;
    // The event collection (3) is listed before the command collection (4).
    EXPECT_EQ(rig.pass(), (Events{"+5", "+4"}));
    devices::CTessarinUSBDevice& t4 = rig.page(kT4Entry);
    EXPECT_TRUE(t4.channel().isOpen());
    EXPECT_FALSE(t4.channel().viaReceiver());
    EXPECT_EQ(t4.channel().chunkSize(), protocol::kCableChunkSize);
    EXPECT_TRUE(t4.eventLink().isOpen(0));
    EXPECT_TRUE(t4.isEventListenerRunning(0));
    EXPECT_TRUE(rig.tile(kT4Entry).isTileVisible());
    EXPECT_EQ(rig.selector->currentDevice(), &t4);  // the first device shown is selected
    EXPECT_FALSE(rig.control("No_device_Link")->IsVisible());
    // The page works on the profile its model's list selects: made on the first start.
    ASSERT_NE(t4.profileControl(), nullptr);
    EXPECT_EQ(t4.profileControl()->Library().GetProfileNames(),
              (std::vector<std::string>{"Profile1"}));
    EXPECT_EQ(t4.profileName(), t4.profileControl()->GetCurrentProfileId());
    EXPECT_TRUE(capture.contains("添加一个鼠标设备"));

    // The device asks to be read again: timer 1002 on its tile.
    ASSERT_TRUE(rig.bus->emitEvent(0, 0x401));
    ASSERT_TRUE(rig.pumpUntil([&] { return rig.tile(kT4Entry).isTimerRunning(1002); }));

    ASSERT_TRUE(rig.bus->unplugCable(0));
    EXPECT_EQ(rig.pass(), (Events{"-4", "-5"}));
    EXPECT_TRUE(rig.slots.slot(4).devicePath.empty());
    EXPECT_TRUE(rig.slots.slot(5).devicePath.empty());
    EXPECT_FALSE(t4.channel().isOpen());
    EXPECT_FALSE(t4.channel().cableLink().isOpen());
    EXPECT_FALSE(t4.eventLink().isOpen(0));
    EXPECT_FALSE(t4.isEventListenerRunning(0));
    EXPECT_FALSE(rig.tile(kT4Entry).isTileVisible());
    EXPECT_EQ(rig.selector->currentDevice(), nullptr);
    EXPECT_TRUE(rig.control("No_device_Link")->IsVisible());
    EXPECT_GE(rig.window.focused, 1);  // the lost event collection gives the focus back
}

TEST(DeviceLink, ReceiverWithItsMouseOffPollsWithoutAnswerAndShowsNothing) {
    LinkRig rig("dongle8k+t4ultra:off");
    EXPECT_EQ(rig.pass(), (Events{"+17", "+16"}));
    EXPECT_EQ(rig.slots.slot(16).linked, 0);  // its path stays until the mouse answers
    EXPECT_FALSE(rig.slots.slot(16).devicePath.empty());
    EXPECT_EQ(rig.slots.slot(17).linked, 1);
    rig.loop().advance(2000);
    EXPECT_EQ(rig.window.polls, 4);
    EXPECT_EQ(rig.slots.receiverState().commandDeviceLink, 0);
    EXPECT_EQ(rig.slots.receiverState().reportedModelCode, -1);
    EXPECT_EQ(rig.selector->connectedCount(), 0);

    // Switched on: the next poll reads the mouse's identity and links its model's page.
    ASSERT_TRUE(rig.bus->setMousePower(0, true));
    rig.loop().advance(500);
    EXPECT_EQ(rig.slots.receiverState().commandDeviceLink, 1);
    EXPECT_EQ(rig.slots.receiverState().reportedModelCode, 2);
    EXPECT_EQ(rig.slots.slot(16).linked, 1);
    devices::CTessarinUSBDevice& ultra = rig.page(kT4UltraEntry);
    EXPECT_TRUE(ultra.channel().isOpen());
    EXPECT_TRUE(ultra.channel().viaReceiver());
    EXPECT_EQ(ultra.channel().chunkSize(), protocol::kReceiverChunkSize);
    EXPECT_TRUE(ultra.eventLink().isOpen(1));
    // The tile shows once the first read finds the mouse reachable.
    EXPECT_FALSE(rig.tile(kT4UltraEntry).isTileVisible());
    rig.loop().advance(50);
    EXPECT_EQ(rig.window.reports, (Events{"3:1"}));
    EXPECT_TRUE(rig.tile(kT4UltraEntry).isTileVisible());
    EXPECT_EQ(rig.selector->currentDevice(), &ultra);
    // The bound mouse is watched by its page; the receiver is not asked any more.
    const int polls = rig.window.polls;
    rig.loop().advance(5000);
    EXPECT_EQ(rig.window.polls, polls);
    EXPECT_EQ(rig.slots.receiverState().commandDeviceLink, 1);
}

TEST(DeviceLink, CablePluggedWhileOnTheReceiverTakesOverAndItsLossGivesBack) {
    LinkRig rig("dongle8k+t4ultra");
    rig.pass();
    rig.loop().advance(550);  // bound through the receiver and read
    devices::CTessarinUSBDevice& ultra = rig.page(kT4UltraEntry);
    ASSERT_TRUE(ultra.channel().viaReceiver());

    ASSERT_GE(rig.bus->plugCable(0), 0);
    EXPECT_EQ(rig.pass(), (Events{"+13", "+12"}));
    EXPECT_TRUE(ultra.channel().isOpen());
    EXPECT_FALSE(ultra.channel().viaReceiver());
    EXPECT_TRUE(ultra.channel().cableLink().isOpen());
    EXPECT_EQ(rig.window.reports.back(), "3:1");
    EXPECT_EQ(rig.window.settingsClosed, 1);
    EXPECT_TRUE(rig.tile(kT4UltraEntry).isTimerRunning(1001));
    EXPECT_TRUE(ultra.eventLink().isOpen(0));
    EXPECT_EQ(protocol::QueryRadioLink(ultra.channel()), 1);

    ASSERT_TRUE(rig.bus->unplugCable(0));
    EXPECT_EQ(rig.pass(), (Events{"-12", "-13"}));
    EXPECT_TRUE(ultra.channel().isOpen());
    EXPECT_TRUE(ultra.channel().viaReceiver());
    EXPECT_TRUE(rig.tile(kT4UltraEntry).isTimerRunning(1007));
    EXPECT_TRUE(rig.tile(kT4UltraEntry).isTileVisible());
    EXPECT_FALSE(ultra.eventLink().isOpen(0));
    EXPECT_TRUE(ultra.eventLink().isOpen(1));
    EXPECT_EQ(rig.window.settingsClosed, 2);
}

TEST(DeviceLink, LosingTheReceiverUnlinksItsMouseAndEndsThePoll) {
    LinkRig rig("dongle8k+t4max");
    rig.pass();
    rig.loop().advance(550);
    devices::CTessarinUSBDevice& max = rig.page(kT4MaxEntry);
    ASSERT_TRUE(rig.tile(kT4MaxEntry).isTileVisible());
    ASSERT_EQ(rig.slots.receiverState().reportedModelCode, 11);

    ASSERT_TRUE(rig.bus->unplug(0));
    EXPECT_EQ(rig.pass(), (Events{"-16", "-17"}));
    EXPECT_EQ(rig.slots.receiverState().reportedModelCode, -1);
    EXPECT_EQ(rig.slots.receiverState().commandDeviceLink, 0);
    EXPECT_FALSE(max.channel().isOpen());
    EXPECT_FALSE(max.eventLink().isOpen(1));
    EXPECT_FALSE(max.isEventListenerRunning(1));
    EXPECT_FALSE(rig.tile(kT4MaxEntry).isTileVisible());
    const int polls = rig.window.polls;
    rig.loop().advance(5000);
    EXPECT_EQ(rig.window.polls, polls);  // nothing left to poll
}

TEST(DeviceLink, ASecondIdenticalMouseGetsNoPage) {
    LinkRig rig("t4,t4");
    EXPECT_EQ(rig.pass(), (Events{"+5", "+4"}));
    EXPECT_EQ(rig.selector->entryCount(), 5);
    EXPECT_EQ(rig.selector->connectedCount(), 1);
}

// Which slot each mouse button has, the key table the mouse is sent, and the mouse's reports
// of changes made on the mouse itself.

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "MouseTestSupport.h"
#include "devices/mouse/MouseKeyTable.h"
#include "devices/mouse/MouseReports.h"
#include "devices/mouse/MouseResults.h"
#include "emulator/firmware/MouseModels.h"
#include "support/TempHome.h"

using namespace vorn;
using namespace vorn::devices::mouse;
using emulator::MouseArea;
using profiles::KeyRecord;
using test::Bytes;
using test::Strings;

TEST(MouseButtonSlots, EachModelsFactoryTableGivesItsButtonsSlots) {
    test::EmulatedBus emulated("t4,t4pro,t4ultra,t4max");
    for (int mouse = 0; mouse < 4; ++mouse) {
        const emulator::MouseModel& model =
            *emulator::findMouseModel(emulated.bus().mouseStatus(mouse).model);
        const Bytes factory =
            emulated.bus().readMemory(mouse, MouseArea::FactoryKeys, 0, 3 * model.keySlots);
        const ButtonSlotMap map = buildButtonSlotMap(factory, model.keySlots);
        EXPECT_EQ(map, Bytes(model.factorySlots.begin(), model.factorySlots.end())) << model.token;
    }
    EXPECT_EQ(buildButtonSlotMap(Bytes{}, 12), Bytes(12, 0xAA));
}

TEST(MouseButtonSlots, TheFirstSlotWithTheCodeCountsAndOnlySlotsOfTheTable) {
    Bytes table(3 * 6, 0);
    const auto put = [&](int slot, std::uint8_t kind, std::uint8_t p1, std::uint8_t p2) {
        table[3 * slot] = kind;
        table[3 * slot + 1] = p1;
        table[3 * slot + 2] = p2;
    };
    put(1, 0x10, 0x01, 0);  // left
    put(3, 0x10, 0x01, 0);  // left again
    put(5, 0x14, 0x78, 2);  // rapid fire
    put(2, 0x16, 0x90, 1);  // DPI shift
    ButtonSlotMap expected(12, 0xAA);
    expected[1] = 1;
    expected[10] = 2;
    expected[11] = 5;
    EXPECT_EQ(buildButtonSlotMap(table, 6), expected);
    expected[11] = 0xAA;  // slot 5 is past the slot count
    EXPECT_EQ(buildButtonSlotMap(table, 5), expected);
    EXPECT_EQ(buildButtonSlotMap(Bytes(table.begin(), table.begin() + 7), 6)[10], 0xAA);
}

TEST(MouseKeyTable, StartsFromTheFactoryTableAndLeavesOutSlotsItDoesNotHave) {
    const Bytes factory = {1, 1, 1, 2, 2, 2, 3, 3, 3, 4};  // a ragged table
    std::vector<KeyRecord> keys(3);
    keys[0].current = {0x20, 0x00, 0x04};
    keys[1].current = {0x30, 0xE9, 0x00};
    keys[2].current = {0x40, 0x01, 0x00};
    const ButtonSlotMap map = {2, 0xAA, 7};
    EXPECT_EQ(buildKeyTable(factory, 4, keys, map, 0),
              (Bytes{1, 1, 1, 2, 2, 2, 0x20, 0x00, 0x04, 4, 0, 0}));
    EXPECT_EQ(buildKeyTable(factory, 2, keys, map, 0), (Bytes{1, 1, 1, 2, 2, 2}));
    EXPECT_TRUE(buildKeyTable(factory, 0, keys, map, 0).empty());
}

TEST(MouseKeyTable, ThroughTheReceiverTheTableFollowsTheDeviceInfoInOneSession) {
    test::TempHome home;
    const std::string folder = (home.root() / "VORN-T4Ultra").string() + "/";
    test::EmulatedBus emulated("dongle8k+t4ultra");
    protocol::CommandChannel channel;
    emulated.openReceiver(channel, 0);
    const Bytes factory = emulated.bus().readMemory(0, MouseArea::FactoryKeys, 0, 48);
    const ButtonSlotMap map = buildButtonSlotMap(factory, 16);
    std::vector<KeyRecord> keys(11);
    keys[0].current = {0x20, 0x02, 0x16};  // forward: Shift+S
    keys[9].current = {0x70, 0, 0};        // no macro list: the factory function stays
    keys[9].factory = {0xA0, 0x1B, 0x00};

    EXPECT_EQ(WriteKeyAssignments(channel, 0, factory, keys, map, 0), kMouseOk);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0),
              (Strings{"AA", "03 24@0", "03 10@24", "AA", "01", "AA", "09 24@0", "09 24@24", "AA",
                       "02"}));
    Bytes expected = factory;
    // Forward has slot 4; every other key of the list holds 0 0 0 except the GM key.
    for (std::size_t button = 0; button < keys.size(); ++button) {
        const std::size_t slot = map[button];
        const profiles::KeyAssignment sent = button == 9 ? keys[9].factory : keys[button].current;
        expected[3 * slot] = sent.kind;
        expected[3 * slot + 1] = sent.param1;
        expected[3 * slot + 2] = sent.param2;
    }
    EXPECT_EQ(Bytes(expected.begin() + 12, expected.begin() + 15), (Bytes{0x20, 0x02, 0x16}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::CurrentKeys, 0, 48), expected);
    EXPECT_EQ(channel.blockSize(), 48);

    protocol::CommandChannel closed;
    EXPECT_EQ(WriteKeyAssignments(closed, 0, factory, keys, map, 0), kMouseFailed);
    emulated.bus().clearFrameLog(0);
    EXPECT_EQ(WriteKeyAssignments(channel, 0, factory, keys, map, 1), kMouseFailed);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0),
              (Strings{"AA", "03 24@0", "03 10@24", "AA", "01", "AA", "AA", "02"}));
}

TEST(MouseReports, ProfileAndStageChangesMadeOnTheMouse) {
    const auto change = [](std::uint16_t value) {
        const std::optional<MouseReportChange> c = decodeMouseReport(value);
        return c ? std::to_string(c->profile) + "/" + std::to_string(c->stage) : "ignored";
    };
    EXPECT_EQ(change(0x1123), "3/2");
    EXPECT_EQ(change(0x1005), "5/-1");
    EXPECT_EQ(change(0x1150), "0/5");
    EXPECT_EQ(change(0x1205), "ignored");
    EXPECT_EQ(change(0x0F05), "ignored");
    EXPECT_EQ(change(0x0401), "ignored");
    // Numbers the mouse does not have.
    EXPECT_EQ(change(0x1008), "ignored");
    EXPECT_EQ(change(0x1160), "ignored");
    EXPECT_EQ(change(0x10F1), "1/-1");  // bits 4-7 mean nothing in a profile report

    // What the emulated mouse reports when its buttons are used.
    emulator::MouseFirmware firmware(emulator::mouseModels()[0]);
    EXPECT_EQ(change(firmware.selectProfile(6)), "6/-1");
    EXPECT_EQ(change(firmware.selectStage(4)), "6/4");
}

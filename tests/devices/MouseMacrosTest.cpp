// The macros a mouse's keys use: which ones, the image they are sent in, and its download.

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "MouseTestSupport.h"
#include "devices/mouse/MouseKeyTable.h"
#include "devices/mouse/MouseMacros.h"
#include "devices/mouse/MouseResults.h"
#include "macros/MacroList.h"
#include "support/TempHome.h"

using namespace vorn;
using namespace vorn::devices::mouse;
using emulator::MouseArea;
using profiles::KeyAssignment;
using profiles::KeyRecord;
using test::Bytes;
using test::Strings;

namespace {

KeyRecord key(int index, KeyAssignment current, KeyAssignment factory = {0x10, 0x01, 0}) {
    KeyRecord record;
    record.keyIndex = static_cast<std::uint16_t>(index);
    record.defaultKeyIndex = record.keyIndex;
    record.current = current;
    record.factory = factory;
    return record;
}

// A device data folder with `count` macros; macro i has eventCount(i) events, key presses
// whose usage is the macro's number.
class MouseMacroFolder : public ::testing::Test {
  protected:
    std::string folder() const { return (home_.root() / "VORN-T4").string() + "/"; }
    // The number of macros the folder's list holds (what the page knows from its names).
    int macroCount() const {
        return static_cast<int>(macros::readMacroList(folder()).entries.size());
    }
    void makeMacros(int count, int (*eventCount)(int)) {
        std::string info;
        for (int i = 0; i < count; ++i) {
            const std::string guid = "2024_01_01_00_00_00_" + std::to_string(100 + i);
            info += std::string(i == 0 ? "" : ",") + R"({"MacroName": "m)" + std::to_string(i) +
                    R"(", "Guid": ")" + guid + "\"}";
            std::string events;
            for (int e = 0; e < eventCount(i); ++e) {
                events += std::string(e == 0 ? "" : ",") +
                          R"({"Action": "down", "Type": 10, "Button": )" + std::to_string(i) +
                          R"(, "Delay": "20"})";
            }
            test::writeBytes(folder() + guid + ".mac", "{\"Events\": [" + events + "]}");
        }
        test::writeBytes(folder() + "macro.config",
                         "{\"MacroInfo\": [" + info + "], \"macroselect\": 0}");
    }

  private:
    test::TempHome home_;
};

}  // namespace

TEST(MouseMacroImage, RecordsFollowTheHeaderAndTheirOffsets) {
    const std::vector<std::vector<macros::MacroEvent>> records = {
        {{true, 10, 0x04, 300}, {false, 10, 0x04, 10}},
        {{true, 1, 0x02, 0}},
    };
    const Bytes expected = {
        0xAA, 0x55, 0x28, 0x00, 0x02, 0x00, 0,    0,    0,    0,
        0,    0,    0,    0,    0,    0,  // header, 40 bytes
        0x14, 0x00, 0x20, 0x00,           // records at 20, 32
        0x02, 0x00, 0x00, 0x00, 0x2C, 0x01, 0x8A, 0x04, 0x0A, 0x00,
        0x0A, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x81, 0x02,
    };
    EXPECT_EQ(buildDeviceMacroImage(records), expected);
    EXPECT_EQ(buildDeviceMacroImage({}),
              (Bytes{0xAA, 0x55, 0x10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Lengths and offsets are 16-bit: a larger image cannot be described.
    const std::vector<std::vector<macros::MacroEvent>> huge(1,
                                                            std::vector<macros::MacroEvent>(16379));
    EXPECT_TRUE(buildDeviceMacroImage(huge).empty());
    EXPECT_EQ(buildDeviceMacroImage(std::vector<std::vector<macros::MacroEvent>>(
                                        1, std::vector<macros::MacroEvent>(16378)))
                  .size(),
              65536u - 2);
}

TEST(MouseMacroImage, TheOverflowCountsTheEventsTooManyByTheDevicesRule) {
    EXPECT_EQ(eventsTooMany(2048, 2048), 0);
    EXPECT_EQ(eventsTooMany(2049, 2048), 1);
    EXPECT_EQ(eventsTooMany(2052, 2048), 2);
    EXPECT_EQ(eventsTooMany(4076, 2048), 508);
    const std::size_t counts[] = {100, 100, 100, 100, 100, 100, 100, 100, 100, 100};
    EXPECT_EQ(macroImageSize(counts), 4076u);
}

TEST(MouseMacroList, KeysWithASlotNameEachMacroOnceInTheOrderTheyReferToIt) {
    const std::vector<KeyRecord> keys = {
        key(0, {0x10, 0x10, 0}), key(1, {0x70, 5, 0}), key(2, {0x70, 5, 1}), key(3, {0x71, 2, 3}),
        key(4, {0x70, 3, 0}),    key(5, {0x70, 7, 0}), key(6, {0x72, 1, 0}),
    };
    ButtonSlotMap map = {4, 0, 2, 1, 0xAA, 5, 6, 7, 8, 9, 10, 11};
    EXPECT_EQ(GetMacroList(keys, map, 7), (std::vector<int>{5, 2}));
    map[4] = 3;
    EXPECT_EQ(GetMacroList(keys, map, 7), (std::vector<int>{5, 2, 3}));
    EXPECT_EQ(GetMacroList(keys, map, 3), (std::vector<int>{2}));
    // Only as many keys as the map has are looked at; a keyboard leaves out slot 0xFF.
    EXPECT_EQ(GetMacroList(keys, ButtonSlotMap{4, 0}, 7), (std::vector<int>{5}));
    const std::uint8_t keyboardMap[] = {0, 0xFF, 1, 2};
    EXPECT_EQ(collectMacroList(keys, keyboardMap, 0xFF, 7), (std::vector<int>{5, 2}));
}

TEST_F(MouseMacroFolder, TenMacrosOfAHundredEventsAre508EventsTooManyAndNothingIsSent) {
    makeMacros(10, [](int) { return 100; });
    test::EmulatedBus emulated("t4,t4ultra");  // 16 and 32 units of 128 bytes
    protocol::CommandChannel t4;
    emulated.openCable(t4, 0);
    const int all[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(WriteMacros(t4, folder(), all), 508);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"03 34@0"}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::MacroImage, 0, 16), Bytes(16, 0));

    // The larger mouse holds them.
    protocol::CommandChannel t4ultra;
    emulated.openCable(t4ultra, 1);
    EXPECT_EQ(WriteMacros(t4ultra, folder(), all), kMacrosDone);
    EXPECT_EQ(emulated.bus().readMemory(1, MouseArea::MacroImage, 0, 6),
              (Bytes{0xAA, 0x55, 0xEC, 0x0F, 0x0A, 0x00}));
}

TEST_F(MouseMacroFolder, MacrosFiveAndTwoBecomeRecordsZeroAndOneForImageAndKeys) {
    makeMacros(7, [](int i) { return i + 1; });
    const std::vector<KeyRecord> keys = {
        key(0, {0x70, 5, 0}, {0x10, 0x10, 0}),  // forward: macro 5, played once
        key(1, {0x70, 5, 1}, {0x10, 0x01, 0}),  // left: macro 5 again
        key(2, {0x71, 2, 3}, {0x10, 0x04, 0}),  // middle: macro 2, three times
        key(3, {0x70, 7, 2}, {0x10, 0x02, 0}),  // right: macro 7 of 7 does not exist
    };
    test::EmulatedBus emulated("t4");
    protocol::CommandChannel channel;
    emulated.openCable(channel, 0);
    const Bytes factory = emulated.bus().readMemory(0, MouseArea::FactoryKeys, 0, 36);
    const ButtonSlotMap map = buildButtonSlotMap(factory, 12);
    ASSERT_EQ(Bytes(map.begin(), map.begin() + 4), (Bytes{4, 0, 2, 1}));

    const std::vector<int> list = GetMacroList(keys, map, 7);
    EXPECT_EQ(list, (std::vector<int>{5, 2}));
    EXPECT_EQ(WriteMacros(channel, folder(), list), kMacrosDone);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0),
              (Strings{"03 34@0", "01", "15 56@0", "15 8@56", "02"}));
    // Macro 5 has 6 events, macro 2 has 3: 16 + 12 + 36 = 64 bytes.
    const Bytes image = emulated.bus().readMemory(0, MouseArea::MacroImage, 0, 64);
    EXPECT_EQ(Bytes(image.begin(), image.begin() + 24),
              (Bytes{0xAA, 0x55, 0x40, 0x00, 0x02, 0x00, 0,    0,    0,    0,    0,    0,
                     0,    0,    0,    0,    0x14, 0x00, 0x30, 0x00, 0x06, 0x00, 0x00, 0x00}));
    EXPECT_EQ(Bytes(image.begin() + 24, image.begin() + 28), (Bytes{20, 0, 0x8A, 5}));
    EXPECT_EQ(Bytes(image.begin() + 48, image.begin() + 56), (Bytes{3, 0, 0, 0, 20, 0, 0x8A, 2}));

    emulated.bus().clearFrameLog(0);
    EXPECT_EQ(WriteKeyAssignments(channel, macroCount(), factory, keys, map, 0), kMouseOk);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"03 34@0", "01", "09 36@0", "02"}));
    const Bytes current = emulated.bus().readMemory(0, MouseArea::CurrentKeys, 0, 36);
    EXPECT_EQ(Bytes(current.begin() + 12, current.begin() + 15), (Bytes{0x70, 0, 0}));   // slot 4
    EXPECT_EQ(Bytes(current.begin(), current.begin() + 3), (Bytes{0x70, 0, 1}));         // slot 0
    EXPECT_EQ(Bytes(current.begin() + 6, current.begin() + 9), (Bytes{0x71, 1, 3}));     // slot 2
    EXPECT_EQ(Bytes(current.begin() + 3, current.begin() + 6), (Bytes{0x10, 0x02, 0}));  // default
    // Slots of no key in the list keep their factory function.
    EXPECT_EQ(Bytes(current.begin() + 15, current.end()),
              Bytes(factory.begin() + 15, factory.end()));
}

TEST_F(MouseMacroFolder, NothingToSendWithoutMacrosAndFailuresAreNoSuccess) {
    test::EmulatedBus emulated("dongle8k+t4ultra:off,t4");
    const int t4 = emulated.bus().cableDeviceOf(1);
    protocol::CommandChannel cable;
    emulated.openCable(cable, t4);
    const int one[] = {0};
    EXPECT_EQ(WriteMacros(cable, folder(), one), kMacrosDone);  // no macro list
    EXPECT_EQ(test::framesSeen(emulated.bus(), t4), (Strings{"03 34@0"}));

    makeMacros(1, [](int) { return 2; });
    protocol::CommandChannel closed;
    EXPECT_EQ(WriteMacros(closed, folder(), one), kMacrosFailed);
    protocol::CommandChannel radio;
    emulated.openReceiver(radio, 0);
    EXPECT_EQ(WriteMacros(radio, folder(), one), kMacrosFailed);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"AA"}));

    // The mouse refuses the image's frame: -1, not "done".
    emulated.bus().clearFrameLog(t4);
    emulated.bus().injectFault(t4, {emulator::FaultKind::DropReply, 2, 0});
    EXPECT_EQ(WriteMacros(cable, folder(), one), kMacrosFailed);
    EXPECT_EQ(test::framesSeen(emulated.bus(), t4), (Strings{"03 34@0", "01", "15 30@0", "02"}));
}

// The mouse's 75-byte settings block: built from the working copy and taken back from what
// the mouse sends.

#include <gtest/gtest.h>

#include "MouseTestSupport.h"
#include "devices/mouse/MouseProfileBlock.h"
#include "devices/mouse/MouseSensor.h"

using namespace vorn;
using namespace vorn::devices::mouse;
using profiles::DpiStage;
using test::Bytes;

namespace {

MouseWorkingCopy sampleCopy() {
    MouseWorkingCopy copy;
    copy.light.mode = 1;
    copy.light.brightness = 3;
    copy.light.speed = 2;
    copy.light.direction = 1;
    copy.light.multiColour = 0;
    copy.light.red = 0x11;
    copy.light.green = 0x22;
    copy.light.blue = 0x33;
    copy.settings.reportSelect24k = 2;
    copy.settings.reportSelectUsb = 5;
    copy.settings.silentAltitude = 1;
    copy.settings.dormancyTime = 4;
    copy.settings.deepSleepOff = 1;
    copy.settings.keyDelay = 3;
    copy.settings.motionSync = 1;
    copy.settings.linearCalibration = 1;
    copy.settings.sensorLift = 1;
    copy.settings.antiShake = 3;  // the page's own: not in the block
    copy.activeStage = 2;
    copy.stages = {
        DpiStage::make(1, 0, 400, 400, 0xFF, 0, 0), DpiStage::make(1, 1, 800, 1000, 0, 0xFF, 0),
        DpiStage::make(1, 0, 1600, 1600, 0, 0, 0xFF), DpiStage::make(0, 0, 42000, 42000, 1, 2, 3)};
    return copy;
}

Bytes blockBytes(const MouseWorkingCopy& copy) {
    const auto bytes = buildProfileBlock(copy, test::mouseLightNames()).bytes();
    return {bytes.begin(), bytes.end()};
}

MouseProfileBlock blockOf(Bytes bytes) {
    bytes.resize(kProfileBlockSize);
    return MouseProfileBlock::fromBytes(std::span<const std::uint8_t, kProfileBlockSize>(bytes));
}

}  // namespace

TEST(MouseBlock, EveryByteOfTheWorkingCopyLandsInItsPlace) {
    const Bytes expected = {
        0x00, 0x02, 0x03, 0x02, 0x01, 0x00, 0x11, 0x22, 0x33, 0x00,  // profile, light, 9
        0x02, 0x05, 0x02, 0x01,                                      // polling, stage, silent
        0x01, 0x00, 0x90, 0x01, 0x90, 0x01, 0xFF, 0x00, 0x00,        // stage 0
        0x01, 0x01, 0x20, 0x03, 0xE8, 0x03, 0x00, 0xFF, 0x00,        // stage 1
        0x01, 0x00, 0x40, 0x06, 0x40, 0x06, 0x00, 0x00, 0xFF,        // stage 2
        0x00, 0x00, 0x10, 0xA4, 0x10, 0xA4, 0x01, 0x02, 0x03,        // stage 3
        0,    0,    0,    0,    0,    0,    0,    0,    0,           // stage 4: none
        0,    0,    0,    0,    0,    0,    0,    0,    0,           // stage 5: none
        0x58, 0x02, 0x06, 0x01, 0x01, 0x01, 0x00,                    // 600 s, 6 ms, options
    };
    EXPECT_EQ(blockBytes(sampleCopy()), expected);
}

TEST(MouseBlock, DeepSleepAndDebounceFollowTheirTables) {
    MouseWorkingCopy copy = sampleCopy();
    const std::pair<int, Bytes> sleeps[] = {{1, {0xB4, 0x00}}, {2, {0xF0, 0x00}}, {3, {0x2C, 0x01}},
                                            {4, {0x58, 0x02}}, {5, {0x84, 0x03}}, {6, {0xB0, 0x04}},
                                            {0, {0xB4, 0x00}}, {9, {0xB0, 0x04}}};
    for (const auto& [dormancy, bytes] : sleeps) {
        copy.settings.dormancyTime = static_cast<std::uint16_t>(dormancy);
        const Bytes block = blockBytes(copy);
        EXPECT_EQ(Bytes(block.begin() + 68, block.begin() + 70), bytes) << dormancy;
    }
    // Deep sleep switched off sends no time, whatever the time index is.
    copy.settings.deepSleepOff = 0;
    EXPECT_EQ(blockBytes(copy)[68], 0);
    EXPECT_EQ(blockBytes(copy)[69], 0);

    const int debounce[] = {1, 2, 4, 6, 8, 10, 10};
    for (int index = 0; index <= 6; ++index) {
        copy.settings.keyDelay = static_cast<std::uint16_t>(index);
        EXPECT_EQ(blockBytes(copy)[70], debounce[index]) << index;
    }
}

TEST(MouseBlock, LightModesGoOutAsTheirCodesAndHighIndexesAsTheFirstModesCode) {
    MouseWorkingCopy copy = sampleCopy();
    const std::pair<int, int> modes[] = {{0, 1}, {5, 0}, {6, 6}, {11, 11}, {12, 1}, {200, 1}};
    for (const auto& [mode, code] : modes) {
        copy.light.mode = static_cast<std::uint8_t>(mode);
        EXPECT_EQ(blockBytes(copy)[1], code) << mode;
    }
    // A short list: an index past it goes out as the first mode's code; without any list the
    // index goes out as it is.
    LightNames three = test::mouseLightNames();
    three.modes.resize(3);
    EXPECT_EQ(lightModeCode(three, 4), 1);
    EXPECT_EQ(lightModeCode(three, 2), 3);
    EXPECT_EQ(lightModeCode({}, 7), 7);
}

TEST(MouseBlock, ValuesOutsideTheMousesRangesAreBroughtIntoThem) {
    MouseWorkingCopy copy = sampleCopy();
    copy.settings.reportSelect24k = 9;
    copy.settings.reportSelectUsb = 300;
    copy.settings.silentAltitude = 3;
    copy.settings.motionSync = 2;
    copy.settings.linearCalibration = 7;
    copy.settings.sensorLift = 256;
    copy.activeStage = -1;  // what a page holds before its first read
    copy.stages.assign(8, DpiStage::make(1, 0, 100, 100, 9, 9, 9));
    const Bytes block = blockBytes(copy);
    EXPECT_EQ(Bytes(block.begin() + 10, block.begin() + 14), (Bytes{6, 6, 0, 0}));
    EXPECT_EQ(Bytes(block.begin() + 71, block.end()), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(block[14 + 9 * 5], 1);  // six stages, the other two are left out
    copy.activeStage = 6;
    EXPECT_EQ(blockBytes(copy)[12], 0);
}

TEST(MouseBlock, ReadingTakesTheSettingsBackAndKeepsAMirror) {
    Bytes bytes = blockBytes(sampleCopy());
    bytes[0] = 0x55;  // not the active profile: that comes from byte 0 of profile 0
    bytes[1] = 0x06;  // reaction
    bytes[4] = 0x00;  // direction
    bytes[9] = 0x77;
    MouseWorkingCopy copy;
    copy.light.direction = 1;
    copy.light.zzccMode = 4;
    copy.settings.dormancyTime = 1;
    copy.settings.antiShake = 2;
    MouseBlockMirror mirror;
    applyProfileBlock(blockOf(bytes), 3, test::mouseLightNames(), copy, mirror);

    EXPECT_EQ(copy.light.mode, 6);
    EXPECT_EQ(copy.light.brightness, 3);
    EXPECT_EQ(copy.light.speed, 2);
    EXPECT_EQ(copy.light.direction, 1);  // the mouse's direction is not taken over
    EXPECT_EQ(copy.light.red, 0x11);
    EXPECT_EQ(copy.light.blue, 0x33);
    EXPECT_EQ(copy.light.zzccMode, 4);
    const MouseWorkingCopy sent = sampleCopy();
    EXPECT_EQ(copy.settings.reportSelect24k, 2);
    EXPECT_EQ(copy.settings.reportSelectUsb, 5);
    EXPECT_EQ(copy.settings.silentAltitude, 1);
    EXPECT_EQ(copy.settings.dormancyTime, 4);
    EXPECT_EQ(copy.settings.deepSleepOff, 1);
    EXPECT_EQ(copy.settings.keyDelay, 3);
    EXPECT_EQ(copy.settings.motionSync, 1);
    EXPECT_EQ(copy.settings.linearCalibration, 1);
    EXPECT_EQ(copy.settings.sensorLift, 1);
    EXPECT_EQ(copy.settings.antiShake, 2);
    EXPECT_EQ(copy.activeStage, 2);
    ASSERT_EQ(copy.stages.size(), 6u);
    EXPECT_EQ(std::vector<DpiStage>(copy.stages.begin(), copy.stages.begin() + 4), sent.stages);
    EXPECT_EQ(copy.stages[5], DpiStage{});

    EXPECT_EQ(mirror.activeProfile, 3);
    const auto kept = mirror.block.bytes();
    EXPECT_EQ(kept[0], 3);
    EXPECT_EQ(kept[1], 6);  // the mode index
    EXPECT_EQ(kept[9], 0);
    EXPECT_EQ(Bytes(kept.begin() + 10, kept.end()), Bytes(bytes.begin() + 10, bytes.end()));
    EXPECT_EQ(mirror.lightAsRead, (std::array<std::uint8_t, 8>{6, 3, 2, 0, 0, 0x11, 0x22, 0x33}));

    // A code the list does not know stays as it is, in the mirror and in the light.
    bytes[1] = 0x40;
    applyProfileBlock(blockOf(bytes), 0, test::mouseLightNames(), copy, mirror);
    EXPECT_EQ(copy.light.mode, 0x40);
    EXPECT_EQ(mirror.block.lightMode, 0x40);
}

TEST(MouseBlock, DebounceAndDeepSleepReadBackByTheirTables) {
    const auto read = [](std::uint8_t b68, std::uint8_t b69, std::uint8_t b70) {
        Bytes bytes(kProfileBlockSize, 0);
        bytes[68] = b68;
        bytes[69] = b69;
        bytes[70] = b70;
        MouseWorkingCopy copy;
        copy.settings.dormancyTime = 5;
        copy.settings.keyDelay = 4;
        MouseBlockMirror mirror;
        applyProfileBlock(blockOf(bytes), 0, test::mouseLightNames(), copy, mirror);
        return copy.settings;
    };
    EXPECT_EQ(read(0, 0, 3).keyDelay, 0);  // 3 ms is no debounce time of the mouse
    EXPECT_EQ(read(0, 0, 8).keyDelay, 4);
    EXPECT_EQ(read(0, 0, 10).keyDelay, 5);

    EXPECT_EQ(read(0x58, 0x02, 1).deepSleepOff, 1);  // 600 s
    EXPECT_EQ(read(0x58, 0x02, 1).dormancyTime, 4);
    for (const std::uint8_t high : {0x00, 0x01, 0xFF}) {
        EXPECT_EQ(read(0x2C, high, 1).dormancyTime, 3) << int(high);
    }
    EXPECT_EQ(read(0x10, 0x00, 1).dormancyTime, 5);  // no time of the table: unchanged
    EXPECT_EQ(read(0x10, 0x00, 1).deepSleepOff, 1);
    EXPECT_EQ(read(0x00, 0x00, 1).deepSleepOff, 0);
    EXPECT_EQ(read(0x00, 0x00, 1).dormancyTime, 5);
    EXPECT_EQ(read(0x00, 0x01, 1).deepSleepOff, 1);  // 256 s is a time as well
}

TEST(MouseSensor, OnlyTheTwoKnownSensorsHaveStagesInTheProfile) {
    EXPECT_EQ(sensorIndex(0x3395), 0);
    EXPECT_EQ(sensorIndex(0x3950), 1);
    EXPECT_EQ(sensorIndex(0x3396), kUnknownSensor);
    EXPECT_EQ(sensorIndex(0), kUnknownSensor);
}

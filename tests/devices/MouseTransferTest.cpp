// The settings block and the shoot image on their way to and from an emulated mouse.

#include <gtest/gtest.h>

#include <filesystem>

#include "DeviceTestSupport.h"
#include "MouseTestSupport.h"
#include "devices/mouse/MouseResults.h"
#include "devices/mouse/MouseSensor.h"
#include "devices/mouse/MouseSettings.h"
#include "devices/mouse/MouseShoot.h"
#include "storage/DataFile.h"
#include "support/TempHome.h"

using namespace vorn;
using namespace vorn::devices::mouse;
using emulator::MouseArea;
using test::Bytes;
using test::Strings;
namespace fs = std::filesystem;

namespace {

MouseProfileBlock sampleBlock() {
    MouseWorkingCopy copy;
    copy.light = {4, 2, 1, 1, 0, 10, 20, 30};
    copy.settings.reportSelectUsb = 6;
    copy.settings.reportSelect24k = 1;
    copy.settings.deepSleepOff = 0;
    copy.settings.keyDelay = 1;
    copy.activeStage = 1;
    for (int i = 0; i < 6; ++i) {
        copy.stages.push_back(profiles::DpiStage::make(
            1, 0, static_cast<std::uint16_t>(500 * (i + 1)), 500, 1, 2, 3));
    }
    return buildProfileBlock(copy, test::mouseLightNames());
}

Bytes bytesOf(const MouseProfileBlock& block) {
    const auto bytes = block.bytes();
    return {bytes.begin(), bytes.end()};
}

// A mouse profile of the model in a private folder, started from its factory profile.
class MouseProfile : public ::testing::Test {
  protected:
    void SetUp() override {
        profile.SetDefaultProfilePath((fs::path(VORN_DEFAULT_DATA_DIR) / "VORN-T4.Json").string());
        profile.SetProfilePath((home.root() / "Profile1.Json").string());
        profile.LoadEntry(profile.GetProfilePath());
    }
    Json::Value stored() const {
        return storage::ReadJsonFile(profile.GetProfilePath())["Device"][0];
    }

    test::TempHome home;
    profiles::CMouseProfiledata profile;
};

}  // namespace

TEST(MouseProfileBlockWrite, OnTheCableTwoDataFramesOf56And19Bytes) {
    test::EmulatedBus emulated("t4");
    protocol::CommandChannel channel;
    emulated.openCable(channel, 0);
    const MouseProfileBlock block = sampleBlock();

    EXPECT_EQ(WriteProfileBlock(channel, 0, block), kMouseOk);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"01", "06 56@0", "06 19@56", "02"}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::Settings, 0, 75), bytesOf(block));
    EXPECT_FALSE(emulated.bus().mouseStatus(0).sessionOpen);

    emulated.bus().clearFrameLog(0);
    EXPECT_EQ(WriteProfileBlock(channel, 2, block), kMouseOk);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"01", "06 56@192", "06 19@248", "02"}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::Settings, 192, 75), bytesOf(block));
}

TEST(MouseProfileBlockWrite, ThroughTheReceiverFourDataFramesEachAfterTheLinkRule) {
    test::EmulatedBus emulated("dongle8k+t4ultra");
    protocol::CommandChannel channel;
    emulated.openReceiver(channel, 0);
    const MouseProfileBlock block = sampleBlock();

    EXPECT_EQ(WriteProfileBlock(channel, 0, block), kMouseOk);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"AA", "01", "AA", "06 24@0", "06 24@24",
                                                            "06 24@48", "06 3@72", "AA", "02"}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::Settings, 0, 75), bytesOf(block));
}

TEST(MouseProfileBlockWrite, FailuresAreReportedAndStopTheSequence) {
    test::EmulatedBus emulated("dongle8k+t4ultra:off,t4");
    protocol::CommandChannel closed;
    EXPECT_EQ(WriteProfileBlock(closed, 0, sampleBlock()), kMouseFailed);

    protocol::CommandChannel radio;
    emulated.openReceiver(radio, 0);
    EXPECT_EQ(WriteProfileBlock(radio, 0, sampleBlock()), kMouseFailed);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"AA"}));

    protocol::CommandChannel cable;
    const int t4 = emulated.bus().cableDeviceOf(1);
    emulated.openCable(cable, t4);
    EXPECT_EQ(WriteProfileBlock(cable, 8, sampleBlock()), kMouseFailed);
    EXPECT_EQ(WriteProfileBlock(cable, -1, sampleBlock()), kMouseFailed);
    EXPECT_TRUE(test::framesSeen(emulated.bus(), t4).empty());

    // The mouse takes the second data frame but its reply is lost: the write is not done,
    // and the session is still closed.
    const Bytes before = emulated.bus().readMemory(1, MouseArea::Settings, 0, 75);
    emulated.bus().injectFault(t4, {emulator::FaultKind::DropReply, 2, 0});
    EXPECT_EQ(WriteProfileBlock(cable, 0, sampleBlock()), kMouseFailed);
    EXPECT_EQ(test::framesSeen(emulated.bus(), t4), (Strings{"01", "06 56@0", "06 19@56", "02"}));
    EXPECT_NE(emulated.bus().readMemory(1, MouseArea::Settings, 0, 75), before);
    EXPECT_FALSE(emulated.bus().mouseStatus(1).sessionOpen);
}

TEST_F(MouseProfile, ReadingTheActiveProfilesBlockStoresItIntoTheProfile) {
    test::EmulatedBus emulated("t4");
    protocol::CommandChannel channel;
    emulated.openCable(channel, 0);
    ASSERT_TRUE(emulated.bus().selectProfile(0, 3));
    ASSERT_TRUE(emulated.bus().writeMemory(0, MouseArea::Settings, 3 * 96 + 1, {6, 1, 2}));
    ASSERT_TRUE(emulated.bus().writeMemory(0, MouseArea::Settings, 3 * 96 + 68, {0x58, 0x02, 8}));
    ASSERT_TRUE(emulated.bus().selectStage(0, 4));

    MouseWorkingCopy copy;
    MouseBlockMirror mirror;
    loadWorkingCopy(profile, sensorIndex(0x3395), copy);
    EXPECT_EQ(readProfileBlock(channel, test::mouseLightNames(), 0, profile, copy, mirror),
              kMouseOk);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0),
              (Strings{"01", "05 1@0", "05 56@288", "05 19@344", "02"}));
    EXPECT_EQ(mirror.activeProfile, 3);

    const Json::Value entry = stored();
    EXPECT_EQ(entry["LightInfo"]["SelectItem"], 6);  // code 6: reaction
    EXPECT_EQ(entry["LightInfo"]["Light"], 1);
    EXPECT_EQ(entry["LightInfo"]["Speed"], 2);
    EXPECT_EQ(entry["LightInfo"]["Fx"], 1);  // the profile's direction stays
    EXPECT_EQ(entry["LightInfo"]["MultiColor"], 1);
    EXPECT_EQ(entry["LightInfo"]["Red"], 255);
    const Json::Value& system = entry["SystemStages"];
    EXPECT_EQ(system["DeepSleepOff"], 1);
    EXPECT_EQ(system["DormancyTime"], 4);
    EXPECT_EQ(system["KeyDelay"], 4);
    EXPECT_EQ(system["ReportSelectItemUSB"], 3);
    EXPECT_EQ(system["ReportSelectItem24K"], 3);
    EXPECT_EQ(system["DoubleClickTime"], 500);  // the page's own settings stay
    const Json::Value& sensor = entry["DPIStages"][0];
    EXPECT_EQ(sensor["StageActive"], 4);
    EXPECT_EQ(sensor["StageDPIs"][5]["StageDPIX"], 12800);
    EXPECT_EQ(sensor["StageDPIs"][1]["StageColorG"], 255);
    // The other sensor's stages are not touched.
    EXPECT_EQ(entry["DPIStages"][1]["StageActive"], 2);
}

TEST_F(MouseProfile, AnUnknownSensorOrAFailedReadLeavesTheProfileStages) {
    test::EmulatedBus emulated("t4");
    protocol::CommandChannel channel;
    emulated.openCable(channel, 0);
    const Json::Value before = stored();

    MouseWorkingCopy copy;
    MouseBlockMirror mirror;
    loadWorkingCopy(profile, kUnknownSensor, copy);
    EXPECT_TRUE(copy.stages.empty());
    EXPECT_EQ(
        readProfileBlock(channel, test::mouseLightNames(), kUnknownSensor, profile, copy, mirror),
        kMouseOk);
    ASSERT_EQ(copy.stages.size(), 6u);  // the page works on the mouse's stages
    EXPECT_EQ(copy.stages[0].dpiX(), 400);
    EXPECT_EQ(stored()["DPIStages"], before["DPIStages"]);

    // An active profile number beyond the settings memory: nothing is read or changed.
    ASSERT_TRUE(emulated.bus().writeMemory(0, MouseArea::Settings, 0, {9}));
    emulated.bus().clearFrameLog(0);
    copy.settings.keyDelay = 5;
    EXPECT_EQ(readProfileBlock(channel, test::mouseLightNames(), 0, profile, copy, mirror),
              kMouseFailed);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0), (Strings{"01", "05 1@0", "02"}));
    EXPECT_EQ(copy.settings.keyDelay, 5);
    EXPECT_EQ(mirror.activeProfile, 0);

    protocol::CommandChannel closed;
    EXPECT_EQ(readProfileBlock(closed, test::mouseLightNames(), 0, profile, copy, mirror),
              kMouseFailed);
}

TEST_F(MouseProfile, TheWorkingCopyGoesToTheMouseAsTheProfileHoldsIt) {
    test::EmulatedBus emulated("t4ultra");
    protocol::CommandChannel channel;
    emulated.openCable(channel, 0);
    MouseWorkingCopy copy;
    loadWorkingCopy(profile, sensorIndex(0x3950), copy);
    copy.stages[2].setDpiX(2000);
    storeWorkingCopy(profile, 1, copy);
    profile.Save();
    EXPECT_EQ(stored()["DPIStages"][1]["StageDPIs"][2]["StageDPIX"], 2000);

    EXPECT_EQ(WriteProfileBlock(channel, 0, buildProfileBlock(copy, test::mouseLightNames())),
              kMouseOk);
    // The factory profile: static red light at level 4, speed 2, polling 3, stage 2 active,
    // 180 s deep sleep, 4 ms debounce.
    const Bytes head = emulated.bus().readMemory(0, MouseArea::Settings, 0, 14);
    EXPECT_EQ(head, (Bytes{0, 1, 4, 2, 1, 1, 255, 0, 0, 0, 3, 3, 2, 0}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::Settings, 14 + 18, 9),
              (Bytes{1, 0, 0xD0, 0x07, 0x40, 0x06, 0, 0, 255}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::Settings, 68, 7),
              (Bytes{0xB4, 0, 4, 0, 0, 0, 0}));
}

namespace {

// Bullet 0 of a gun: 3 to the left, 7 down, 90 ms; then a second bullet without movement.
constexpr char kGunFile[] = R"({"Events": [
    {"Action": "down", "Type": 1, "Button": 1, "Delay": 10},
    {"Action": "up", "Type": 1, "Button": 1, "Delay": 0},
    {"Action": "down", "Type": 4, "Button": 3, "Delay": 5},
    {"Action": "up", "Type": 5, "Button": 7, "Delay": 90},
    {"Action": "down", "Type": 4, "Button": 0, "Delay": 0},
    {"Action": "up", "Type": 5, "Button": 0, "Delay": 0}]})";

}  // namespace

TEST(MouseShoot, TheFourGunFilesGoOutAsOneImageIn56ByteChunks) {
    test::TempHome home;
    const std::string folder = (home.root() / "VORN-T4").string() + "/";
    test::writeBytes(folder + "ShootData_0.Shoot", kGunFile);
    test::writeBytes(folder + "ShootData_2.Shoot", R"({"Events": [
        {"Action": "up", "Type": 4, "Button": 400, "Delay": 70000}]})");
    test::writeBytes(folder + "ShootData_3.Shoot", "not json");

    const ShootImage image = buildShootImage(folder);
    const Bytes expected =
        {
            0xAA, 0x55, 0x44, 0x00, 0x04, 0x00, 0,    0,    0,    0,
            0,    0,    0,    0,    0,    0,                 // header
            0x18, 0x00, 0x34, 0x00, 0x38, 0x00, 0x40, 0x00,  // offsets
            0x06, 0x00, 0x00, 0x00,                          // gun 0
            0x0A, 0x00, 0x81, 0x01, 0x00, 0x00, 0x01, 0x01, 0x05, 0x00,
            0x84, 0x03, 0x5A, 0x00, 0x05, 0x07, 0x00, 0x00, 0x84, 0x00,
            0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00,  // gun 1: no file
            0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x04, 0xFF,  // gun 2, brought in
            0x00, 0x00, 0x00, 0x00,                          // gun 3: damaged
        };
    EXPECT_EQ(image, expected);

    test::EmulatedBus emulated("t4");
    protocol::CommandChannel channel;
    emulated.openCable(channel, 0);
    EXPECT_EQ(downloadShootData(channel, folder), kMouseOk);
    EXPECT_EQ(test::framesSeen(emulated.bus(), 0),
              (Strings{"03 34@0", "01", "17 56@0", "17 12@56", "02"}));
    EXPECT_EQ(emulated.bus().readMemory(0, MouseArea::ShootImage, 0, expected.size()), expected);
}

TEST(MouseShoot, AnImageLargerThanTheShootMemoryIsReportedAsNotSent) {
    test::TempHome home;
    const std::string folder = (home.root() / "VORN-T4").string() + "/";
    std::string events;
    for (int bullet = 0; bullet < 30; ++bullet) {
        for (int i = 0; i < 6; ++i) {
            events += std::string(events.empty() ? "" : ",") +
                      R"({"Action": "down", "Type": 1, "Button": 1, "Delay": 10})";
        }
    }
    for (int gun = 0; gun < 4; ++gun) {
        test::writeBytes(folder + "ShootData_" + std::to_string(gun) + ".Shoot",
                         "{\"Events\": [" + events + "]}");
    }
    EXPECT_EQ(buildShootImage(folder).size(), 16u + 4 * 6 + 4 * 180 * 4);

    test::EmulatedBus emulated("t4");
    protocol::CommandChannel channel;
    emulated.openCable(channel, 0);
    EXPECT_EQ(downloadShootData(channel, folder), kMouseFailed);
    EXPECT_FALSE(emulated.bus().mouseStatus(0).sessionOpen);

    protocol::CommandChannel closed;
    EXPECT_EQ(downloadShootData(closed, folder), kMouseFailed);
}

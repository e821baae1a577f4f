// Several threads on one channel: each frame is atomic, transfers interleave frame by frame.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ChannelRig.h"
#include "emulator/firmware/MouseFirmware.h"
#include "protocol/Commands.h"

using namespace vorn;
using emulator::MouseArea;
using test::ChannelRig;

namespace {

std::vector<uint8_t> pattern(size_t n, uint8_t seed) {
    std::vector<uint8_t> bytes(n);
    for (size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<uint8_t>(seed + i * 13);
    }
    return bytes;
}

}  // namespace

TEST(CommandChannelThreads, WritersOfDifferentAreasInterleaveWithoutCorruptingEither) {
    for (const bool receiver : {true, false}) {
        ChannelRig rig(receiver ? "dongle8k+t4ultra" : "t4ultra");
        receiver ? rig.openReceiver(0) : rig.openCable(0);
        const std::vector<uint8_t> settings = pattern(500, 1);
        const std::vector<uint8_t> macro = pattern(700, 2);
        const std::vector<uint8_t> shoot = pattern(600, 3);
        const std::vector<uint8_t> lights = pattern(48, 4);
        constexpr int kRounds = 5;

        std::vector<std::thread> threads;
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                EXPECT_EQ(protocol::WriteSettings(rig.channel(), settings, 100), 1);
            }
        });
        threads.emplace_back([&] {
            for (int i = 0; i < kRounds; ++i) {
                EXPECT_EQ(protocol::WriteMacroData(rig.channel(), macro), 1);
            }
        });
        threads.emplace_back([&] {  // no channel lock at all
            for (int i = 0; i < kRounds; ++i) {
                EXPECT_EQ(protocol::WriteShootData(rig.channel(), shoot), 1);
            }
        });
        threads.emplace_back([&] {  // the light lock
            for (int i = 0; i < kRounds * 4; ++i) {
                EXPECT_EQ(protocol::WriteLightData(rig.channel(), lights, 0, 3), 1);
            }
        });
        for (std::thread& t : threads) {
            t.join();
        }

        EXPECT_EQ(rig.bus().readMemory(0, MouseArea::Settings, 100, 500), settings);
        EXPECT_EQ(rig.bus().readMemory(0, MouseArea::MacroImage, 0, 700), macro);
        EXPECT_EQ(rig.bus().readMemory(0, MouseArea::ShootImage, 0, 600), shoot);
        EXPECT_EQ(rig.bus().readMemory(0, MouseArea::LightData, 0, 48), lights);
        EXPECT_FALSE(rig.channel().busy());
    }
}

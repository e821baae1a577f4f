// ReadIndexed (0x0A), WriteLightData (0x0B) and StreamLightData (0x12).
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "ChannelRig.h"
#include "emulator/firmware/MouseFirmware.h"
#include "platform/debug/DebugSink.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

using namespace vorn;
using emulator::MouseArea;
using protocol::CommandFrame;
using test::ChannelRig;

namespace {

std::vector<uint8_t> colours(size_t lights) {
    std::vector<uint8_t> bytes(lights * 3);
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(0x30 + i);
    }
    return bytes;
}

}  // namespace

TEST(WriteLightData, WritesAtIndexTimesStrideAndReadIndexedReadsItBack) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(0);
    const std::vector<uint8_t> data = colours(10);
    ASSERT_EQ(protocol::WriteLightData(rig.channel(), data, 4, 3), 1);
    EXPECT_EQ(rig.bus().readMemory(0, MouseArea::LightData, 12, 30), data);
    EXPECT_EQ(rig.frames(0)[0].offset(), 12);
    EXPECT_EQ(rig.frames(0)[1].offset(), 36);

    std::vector<uint8_t> back(30);
    ASSERT_EQ(protocol::ReadIndexed(rig.channel(), back, 2, 6), 1);
    EXPECT_EQ(back, data);
    EXPECT_EQ(protocol::ReadIndexed(rig.channel(), back, 0x10000, 3), protocol::kResultBadArgument);
    EXPECT_EQ(protocol::WriteLightData(rig.channel(), data, 0xFFFF, 0xFFFF),
              protocol::kResultBadArgument);
}

TEST(WriteLightData, HoldsTheLightLockNotTheCommandLock) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    std::atomic<bool> held{false};
    std::atomic<bool> done{false};
    std::thread holder([&] {
        std::lock_guard<platform::RecursiveLock> lock(rig.channel().commandLock());
        held = true;
        while (!done) {
            std::this_thread::yield();
        }
    });
    while (!held) {
        std::this_thread::yield();
    }
    EXPECT_EQ(protocol::WriteLightData(rig.channel(), colours(2), 0, 3), 1);
    EXPECT_EQ(protocol::StreamLightData(rig.channel(), colours(2)), 1);
    done = true;
    holder.join();
}

TEST(StreamLightData, StreamsWithCrcWithoutTraceOrPause) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(0);
    platform::DebugCapture capture;
    const std::vector<uint8_t> frame = colours(16);
    const uint64_t before = rig.clock().tickCount();
    ASSERT_EQ(protocol::StreamLightData(rig.channel(), frame), 1);
    EXPECT_EQ(rig.clock().tickCount(), before);
    EXPECT_TRUE(capture.lines().empty());
    EXPECT_EQ(rig.bus().readMemory(0, MouseArea::LightFrame, 0, 48), frame);
    auto frames = rig.frames(0);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].checkValue(), protocol::lightStreamCrc(frames[0].bytes()));
    EXPECT_EQ(rig.io().flushes(), 0);
}

TEST(StreamLightData, DropsItsFramesWhileAnotherExchangeIsBusy) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    rig.io().holdWrites();
    std::thread other([&] { EXPECT_EQ(protocol::BeginSession(rig.channel()), 1); });
    rig.io().waitForHeldWrite();

    platform::DebugCapture capture;
    EXPECT_EQ(protocol::StreamLightData(rig.channel(), colours(30)), 1);  // 90 bytes: 2 frames
    EXPECT_EQ(capture.lines(), (std::vector<std::string>{"放弃灯光数据", "放弃灯光数据"}));

    rig.io().releaseWrites();
    other.join();
    auto frames = rig.frames(0);
    ASSERT_EQ(frames.size(), 1u);  // BeginSession only
    EXPECT_EQ(frames[0].command(), 0x01);
    EXPECT_EQ(rig.bus().readMemory(0, MouseArea::LightFrame, 0, 3), std::vector<uint8_t>(3, 0));

    // Once the channel is idle the stream goes out again.
    EXPECT_EQ(protocol::StreamLightData(rig.channel(), colours(30)), 1);
    EXPECT_EQ(rig.frames(0).size(), 3u);
}

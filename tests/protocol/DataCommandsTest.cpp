// The settings, key block, macro, shoot, power and keyboard commands (0x05-0x09, 0x15, 0x17,
// 0x1A, 0x1B, 0x1C, 0x27).
#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "ChannelRig.h"
#include "emulator/bus/Faults.h"
#include "emulator/firmware/MouseFirmware.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

using namespace vorn;
using emulator::FaultKind;
using emulator::MouseArea;
using protocol::CommandFrame;
using test::ChannelRig;
using test::StandInBus;
using test::StandInFirmware;

namespace {

std::vector<uint8_t> counting(size_t n, uint8_t start = 1) {
    std::vector<uint8_t> bytes(n);
    std::iota(bytes.begin(), bytes.end(), start);
    return bytes;
}

struct FrameShape {
    uint8_t length;
    uint16_t offset;
    bool operator==(const FrameShape&) const = default;
};

std::vector<FrameShape> shapes(const std::vector<CommandFrame>& frames) {
    std::vector<FrameShape> result;
    for (const CommandFrame& f : frames) {
        result.push_back({f.length(), f.offset()});
    }
    return result;
}

void PrintTo(const FrameShape& s, std::ostream* os) {
    *os << "{" << int{s.length} << " @" << s.offset << "}";
}

}  // namespace

TEST(ReadSettings, ReadsInChunksOfTheLinkFromTheBaseOffset) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(0);
    std::vector<uint8_t> block(75, 0xEE);
    ASSERT_EQ(protocol::ReadSettings(rig.channel(), block, 96), 1);
    EXPECT_EQ(block, rig.bus().readMemory(0, MouseArea::Settings, 96, 75));
    EXPECT_EQ(shapes(rig.frames(0)),
              (std::vector<FrameShape>{{24, 96}, {24, 120}, {24, 144}, {3, 168}}));
}

TEST(WriteSettings, WritesTheExactBytesAndEarlierChunksStayOnFailure) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    const std::vector<uint8_t> data = counting(75, 0x40);
    ASSERT_EQ(protocol::WriteSettings(rig.channel(), data, 192), 1);
    EXPECT_EQ(rig.bus().readMemory(0, MouseArea::Settings, 192, 75), data);
    EXPECT_EQ(shapes(rig.frames(0)), (std::vector<FrameShape>{{56, 192}, {19, 248}}));

    // The second frame is executed but its reply is lost: the write reports 0 after it.
    rig.clearFrames(0);
    const std::vector<uint8_t> other = counting(150, 0x80);
    rig.bus().injectFault(0, {FaultKind::DropReply, 1, 0});
    EXPECT_EQ(protocol::WriteSettings(rig.channel(), other, 0), 0);
    EXPECT_EQ(rig.frames(0).size(), 2u);
    const std::vector<uint8_t> memory = rig.bus().readMemory(0, MouseArea::Settings, 0, 150);
    EXPECT_TRUE(std::equal(other.begin(), other.begin() + 112, memory.begin()));
    EXPECT_FALSE(std::equal(other.begin() + 112, other.end(), memory.begin() + 112));
}

TEST(ReadSettings, StatusBytesGiveMinus102AndMinus103) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    std::vector<uint8_t> out(10);
    // The settings area holds 768 bytes: the device refuses a read past it.
    EXPECT_EQ(protocol::ReadSettings(rig.channel(), out, 765), protocol::kResultRefused);

    ChannelRig stand(ChannelRig::StandIn{});
    stand.openCable(StandInBus::kCable);
    stand.standIn().firmware().forceNextStatus(0xFE);
    EXPECT_EQ(protocol::ReadSettings(stand.channel(), out, 0), protocol::kResultDamaged);
    stand.standIn().firmware().forceNextStatus(0x7F);  // any other status is accepted
    EXPECT_EQ(protocol::ReadSettings(stand.channel(), out, 0), 1);
}

TEST(ReadSettings, ReplyToAnotherCommandIsNotTakenAsData) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    ASSERT_EQ(protocol::QueryRadioLink(rig.channel()), 1);  // no frame on the cable
    ASSERT_EQ(protocol::BeginSession(rig.channel()), 1);
    rig.bus().injectFault(0, {FaultKind::StaleReply, 0, 0});
    rig.bus().injectFault(0, {FaultKind::StaleReply, 0, 0});
    std::vector<uint8_t> out(4, 0xEE);
    EXPECT_EQ(protocol::ReadSettings(rig.channel(), out, 0), protocol::kResultNoReply);
    EXPECT_EQ(out, std::vector<uint8_t>(4, 0xEE));
}

TEST(ReadSettings, RangesPastOffset0xFFFFAreRefusedBeforeAnyIo) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    std::vector<uint8_t> out(0x20);
    EXPECT_EQ(protocol::ReadSettings(rig.channel(), out, 0xFFF0), protocol::kResultBadArgument);
    EXPECT_EQ(protocol::WriteSettings(rig.channel(), out, 0xFFF0), protocol::kResultBadArgument);
    EXPECT_EQ(rig.io().writes(), 0);
    EXPECT_EQ(protocol::ReadSettings(rig.channel(), std::span<uint8_t>(), 0), 1);
}

TEST(ReadBlock, ReadsBlockSizeBytesAndNeedsRoomForThem) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    ASSERT_TRUE(rig.channel().setBlockSize(16 * 3));
    std::vector<uint8_t> block(512, 0xEE);
    ASSERT_EQ(protocol::ReadBlock(rig.channel(), block), 1);
    EXPECT_TRUE(std::equal(block.begin(), block.begin() + 48,
                           rig.bus().readMemory(0, MouseArea::FactoryKeys, 0, 48).begin()));
    EXPECT_EQ(block[48], 0xEE);  // nothing past blockSize is touched
    EXPECT_EQ(shapes(rig.frames(0)), (std::vector<FrameShape>{{48, 0}}));

    std::vector<uint8_t> small(47);
    EXPECT_EQ(protocol::ReadBlock(rig.channel(), small), protocol::kResultBadArgument);
    EXPECT_EQ(rig.frames(0).size(), 1u);
}

TEST(ReadPage, PageOtherThanZeroGivesMinus201AndSendsNothing) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    std::vector<uint8_t> page(512);
    EXPECT_EQ(protocol::ReadPage(rig.channel(), page, 1), protocol::kResultBadPage);
    EXPECT_EQ(protocol::WritePage(rig.channel(), page, 1), protocol::kResultBadPage);
    EXPECT_EQ(protocol::WriteSecondPage(rig.channel(), page, -1), protocol::kResultBadPage);
    EXPECT_EQ(rig.io().writes(), 0);
    EXPECT_TRUE(rig.frames(0).empty());
}

TEST(ReadPage, ReadsAndWritesTheMousesCurrentKeyPage) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(0);
    ASSERT_TRUE(rig.channel().setBlockSize(48));
    const std::vector<uint8_t> keys = counting(48, 0x21);
    ASSERT_EQ(protocol::WritePage(rig.channel(), keys, 0), 1);
    EXPECT_EQ(rig.bus().readMemory(0, MouseArea::CurrentKeys, 0, 48), keys);
    std::vector<uint8_t> back(48);
    ASSERT_EQ(protocol::ReadPage(rig.channel(), back, 0), 1);
    EXPECT_EQ(back, keys);
    EXPECT_EQ(rig.frames(0).size(), 4u);  // two frames of 24 each way
}

TEST(WriteSecondPage, SendsCommand0x27WithTheBlock) {
    ChannelRig rig(ChannelRig::StandIn{});
    rig.openCable(StandInBus::kCable);
    ASSERT_TRUE(rig.channel().setBlockSize(60));
    const std::vector<uint8_t> keys = counting(60);
    ASSERT_EQ(protocol::WriteSecondPage(rig.channel(), keys, 0), 1);
    auto frames = rig.frames(StandInBus::kCable);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].command(), 0x27);
    EXPECT_EQ(shapes(frames), (std::vector<FrameShape>{{56, 0}, {4, 56}}));
    EXPECT_EQ(rig.standIn().firmware().memory(0x27, 0, 60), keys);
}

TEST(ReadByteMap, BlockSize510Reads170BytesIn8FramesViaTheReceiver) {
    ChannelRig rig(ChannelRig::StandIn{});
    rig.openReceiver(StandInBus::kReceiver);
    ASSERT_TRUE(rig.channel().setBlockSize(510));
    std::vector<uint8_t> map(170);
    ASSERT_EQ(protocol::ReadByteMap(rig.channel(), map), 1);
    auto frames = rig.frames(StandInBus::kReceiver);
    ASSERT_EQ(frames.size(), 8u);
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(frames[i], CommandFrame::readRequest(0x1B, 24, static_cast<uint16_t>(24 * i)));
    }
    EXPECT_EQ(frames[7], CommandFrame::readRequest(0x1B, 2, 168));
    EXPECT_EQ(map, rig.standIn().firmware().memory(0x1B, 0, 170));

    std::vector<uint8_t> small(169);
    EXPECT_EQ(protocol::ReadByteMap(rig.channel(), small), protocol::kResultBadArgument);
}

TEST(ReadByteMap, EmulatedMiceRefuseIt) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    std::vector<uint8_t> map(170);
    EXPECT_EQ(protocol::ReadByteMap(rig.channel(), map), protocol::kResultRefused);
    EXPECT_EQ(rig.frames(0).size(), 1u);
}

TEST(WriteMacroData, WritesTheImageFromOffsetZero) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(0);
    const std::vector<uint8_t> macro = counting(200, 3);
    ASSERT_EQ(protocol::WriteMacroData(rig.channel(), macro), 1);
    EXPECT_EQ(rig.bus().readMemory(0, MouseArea::MacroImage, 0, 200), macro);
    EXPECT_EQ(rig.frames(0).size(), 9u);  // 8 x 24 + 8
}

TEST(WriteShootData, Sends56_56_8OnEitherLink) {
    const std::vector<uint8_t> shoot = counting(120, 9);
    for (const bool receiver : {true, false}) {
        ChannelRig rig(receiver ? "dongle8k+t4ultra" : "t4ultra");
        receiver ? rig.openReceiver(0) : rig.openCable(0);
        ASSERT_EQ(protocol::WriteShootData(rig.channel(), shoot), 1);
        auto frames = rig.frames(0);
        EXPECT_EQ(shapes(frames), (std::vector<FrameShape>{{56, 0}, {56, 56}, {8, 112}}))
            << (receiver ? "receiver" : "cable");
        EXPECT_EQ(test::frameData(frames[2]),
                  std::vector<uint8_t>(shoot.begin() + 112, shoot.end()));
        EXPECT_EQ(rig.bus().readMemory(0, MouseArea::ShootImage, 0, 120), shoot);
    }
}

TEST(ReadShort, CopiesThePowerBlockWhateverTheStatus) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    std::vector<uint8_t> power(6, 0xEE);
    ASSERT_EQ(protocol::ReadShort(rig.channel(), power, 0), 1);
    EXPECT_EQ(power, rig.bus().readMemory(0, MouseArea::Power, 0, 6));
    EXPECT_EQ(power[0], 80);

    ChannelRig stand(ChannelRig::StandIn{});
    stand.openCable(StandInBus::kCable);
    stand.standIn().firmware().forceNextStatus(0xFF);
    std::vector<uint8_t> out(6);
    ASSERT_EQ(protocol::ReadShort(stand.channel(), out, 10), 1);
    EXPECT_EQ(out, stand.standIn().firmware().memory(0x1A, 10, 6));

    std::vector<uint8_t> tooMany(57);
    EXPECT_EQ(protocol::ReadShort(stand.channel(), tooMany, 0), protocol::kResultBadArgument);
    EXPECT_EQ(stand.frames(StandInBus::kCable).size(), 1u);
}

TEST(LightControlOn, OneFrameWithoutData) {
    ChannelRig rig(ChannelRig::StandIn{});
    rig.openReceiver(StandInBus::kReceiver);
    EXPECT_EQ(protocol::LightControlOn(rig.channel()), 1);
    auto frames = rig.frames(StandInBus::kReceiver);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], CommandFrame::request(0x1C));

    ChannelRig mouse("t4ultra");
    mouse.openCable(0);
    EXPECT_EQ(protocol::LightControlOn(mouse.channel()), protocol::kResultRefused);
}

// BeginSession (0x01), EndSession (0x02), ReadDeviceInfo (0x03) and QueryRadioLink (0xAA).
#include <gtest/gtest.h>

#include "ChannelRig.h"
#include "emulator/bus/Faults.h"
#include "emulator/firmware/MouseFirmware.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

using namespace vorn;
using emulator::FaultKind;
using protocol::CommandFrame;
using test::ChannelRig;

TEST(BeginSession, OpensTheDeviceSession) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    EXPECT_EQ(protocol::BeginSession(rig.channel()), 1);
    EXPECT_TRUE(rig.bus().mouseStatus(0).sessionOpen);
    auto frames = rig.frames(0);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], CommandFrame::request(0x01));
}

TEST(BeginSession, ReplyWithAnotherCommandIdGivesZero) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    CommandFrame reply;
    ASSERT_EQ(rig.channel().exchange(CommandFrame::readRequest(0x05, 1, 0), reply), 1);
    rig.bus().injectFault(0, {FaultKind::StaleReply, 0, 0});
    rig.bus().injectFault(0, {FaultKind::StaleReply, 0, 0});
    // The exchange ends with 1 on the second stale reply (id 0x05).
    EXPECT_EQ(protocol::BeginSession(rig.channel()), 0);
}

TEST(BeginSession, ReceiverWithTheMouseOffGivesMinus101) {
    ChannelRig rig("dongle8k+t4ultra:off");
    rig.openReceiver(0);
    EXPECT_EQ(protocol::BeginSession(rig.channel()), protocol::kResultUnreachable);
}

TEST(EndSession, PausesTenMillisecondsThenClosesTheSession) {
    ChannelRig rig("t4ultra");
    rig.openCable(0);
    ASSERT_EQ(protocol::BeginSession(rig.channel()), 1);
    const uint64_t before = rig.clock().tickCount();
    EXPECT_EQ(protocol::EndSession(rig.channel(), 1), 1);
    EXPECT_EQ(rig.clock().tickCount() - before, 10u + 20u);
    EXPECT_FALSE(rig.bus().mouseStatus(0).sessionOpen);
    EXPECT_EQ(rig.frames(0).back(), CommandFrame::request(0x02));
}

TEST(ReadDeviceInfo, TwoFramesViaTheReceiverOneOnTheCable) {
    ChannelRig radio("dongle8k+t4ultra");
    radio.openReceiver(0);
    protocol::DeviceInfo info;
    ASSERT_EQ(protocol::ReadDeviceInfo(radio.channel(), info), 1);
    auto frames = radio.frames(0);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0], CommandFrame::readRequest(0x03, 24, 0));
    EXPECT_EQ(frames[1], CommandFrame::readRequest(0x03, 10, 24));

    std::vector<uint8_t> memory =
        radio.bus().readMemory(0, emulator::MouseArea::DeviceInfo, 0, protocol::DeviceInfo::kSize);
    memory[7] = 2;  // the receiver names the paired T4Ultra's model
    EXPECT_EQ(std::vector<uint8_t>(info.bytes().begin(), info.bytes().end()), memory);
    EXPECT_TRUE(info.isValid());
    EXPECT_EQ(info.pairedModelCode(), 2);
    EXPECT_EQ(info.lightCount(), 16);
    EXPECT_EQ(info.macroUnits(), 32);
    EXPECT_EQ(info.productCode(), 0x3950);

    ChannelRig cable("t4ultra");
    cable.openCable(0);
    protocol::DeviceInfo cableInfo;
    ASSERT_EQ(protocol::ReadDeviceInfo(cable.channel(), cableInfo), 1);
    frames = cable.frames(0);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], CommandFrame::readRequest(0x03, 34, 0));
    EXPECT_EQ(cableInfo.pairedModelCode(), 0);
    EXPECT_EQ(cableInfo.trailer(), info.trailer());
}

TEST(ReadDeviceInfo, FirstFailingFrameEndsTheRead) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(0);
    rig.bus().injectFault(0, {FaultKind::DropReply, 1, 0});
    protocol::DeviceInfo info;
    EXPECT_EQ(protocol::ReadDeviceInfo(rig.channel(), info), 0);
    EXPECT_EQ(rig.frames(0).size(), 2u);
    EXPECT_EQ(info.bytes()[30], 0);  // the second frame's data never arrived
}

TEST(QueryRadioLink, OnTheCableAnswersYesWithoutAnyIo) {
    ChannelRig rig("t4ultra");
    EXPECT_EQ(protocol::QueryRadioLink(rig.channel()), 1);  // not even open
    rig.openCable(0);
    EXPECT_EQ(protocol::QueryRadioLink(rig.channel()), 1);
    EXPECT_EQ(rig.io().writes(), 0);
    EXPECT_TRUE(rig.frames(0).empty());
}

TEST(QueryRadioLink, ViaTheReceiverAnswersWhetherTheMouseIsThere) {
    ChannelRig on("dongle8k+t4ultra");
    on.openReceiver(0);
    EXPECT_EQ(protocol::QueryRadioLink(on.channel()), 1);
    EXPECT_EQ(on.frames(0).back(), CommandFrame::request(0xAA));

    ChannelRig off("dongle8k+t4ultra:off");
    off.openReceiver(0);
    EXPECT_EQ(protocol::QueryRadioLink(off.channel()), 0);

    ChannelRig away("dongle8k+t4ultra:away");
    away.openReceiver(0);
    EXPECT_EQ(protocol::QueryRadioLink(away.channel()), 0);

    on.bus().injectFault(0, {FaultKind::DropReply, 0, 0});
    EXPECT_EQ(protocol::QueryRadioLink(on.channel()), 0);
}

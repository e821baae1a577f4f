#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "ChannelRig.h"
#include "emulator/bus/Faults.h"
#include "platform/debug/DebugSink.h"
#include "protocol/CommandChannel.h"
#include "protocol/Commands.h"

using namespace vorn;
using emulator::Fault;
using emulator::FaultKind;
using protocol::CommandChannel;
using protocol::CommandFrame;
using test::ChannelRig;

namespace {

constexpr int kReceiverDevice = 0;  // "dongle8k+MODEL": the receiver comes first
constexpr int kCableDevice = 0;     // "MODEL": the cable

Fault fault(FaultKind kind, int skipFrames = 0) {
    Fault f;
    f.kind = kind;
    f.skipFrames = skipFrames;
    return f;
}

}  // namespace

TEST(CommandChannel, StartsClosedOnTheCableWith24ByteChunksAnd512ByteBlocks) {
    CommandChannel channel;
    EXPECT_FALSE(channel.isOpen());
    EXPECT_FALSE(channel.viaReceiver());
    EXPECT_FALSE(channel.busy());
    EXPECT_EQ(channel.chunkSize(), 24);
    EXPECT_EQ(channel.blockSize(), 512);

    channel.setLinkMode(protocol::kLinkModeCable);
    EXPECT_FALSE(channel.viaReceiver());
    EXPECT_EQ(channel.chunkSize(), 56);
    channel.setLinkMode(protocol::kLinkModeReceiver);
    EXPECT_TRUE(channel.viaReceiver());
    EXPECT_EQ(channel.chunkSize(), 24);
    channel.setLinkMode(7);  // anything but 2 is the cable
    EXPECT_FALSE(channel.viaReceiver());
    EXPECT_EQ(channel.chunkSize(), 56);
}

TEST(CommandChannel, SetBlockSizeRefusesAbove512) {
    CommandChannel channel;
    EXPECT_FALSE(channel.setBlockSize(513));
    EXPECT_EQ(channel.blockSize(), 512);
    EXPECT_TRUE(channel.setBlockSize(510));  // 170 lights x 3
    EXPECT_EQ(channel.blockSize(), 510);
    EXPECT_FALSE(channel.setBlockSize(70000));
    EXPECT_EQ(channel.blockSize(), 510);
}

TEST(CommandChannel, ShortRequestIsSentAs64BytesWithZerosAfter) {
    ChannelRig rig("t4ultra");
    rig.openCable(kCableDevice);
    const std::vector<uint8_t> request = {4, 0x01, 0x00, 0x01, 0x00};
    std::vector<uint8_t> reply(64, 0xEE);
    uint32_t transferred = 99;
    EXPECT_EQ(rig.channel().exchange(request, reply, transferred), 1);
    EXPECT_EQ(transferred, 64u);
    EXPECT_EQ(reply[3], 0x01);

    auto frames = rig.frames(kCableDevice);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], CommandFrame::fromBytes(request));
    EXPECT_EQ(frames[0][3], 0x01);
    EXPECT_EQ(frames[0][63], 0x00);
}

TEST(CommandChannel, ClosedChannelReturnsZeroWithoutWritingOrLogging) {
    ChannelRig rig("dongle8k+t4ultra");
    ASSERT_TRUE(
        rig.channel().radioLink().open(rig.bus().collectionPath(0, 4), true, true, true, true));
    rig.channel().setLinkMode(protocol::kLinkModeReceiver);  // open flag still clear
    platform::DebugCapture capture;
    CommandFrame reply;
    const uint64_t before = rig.clock().tickCount();

    EXPECT_EQ(rig.channel().exchange(CommandFrame::request(0x01), reply), 0);
    EXPECT_EQ(rig.channel().exchangeCrc(CommandFrame::request(0x12), reply), 0);
    EXPECT_EQ(protocol::BeginSession(rig.channel()), 0);

    EXPECT_TRUE(capture.lines().empty());
    EXPECT_EQ(rig.io().writes(), 0);
    EXPECT_EQ(rig.io().flushes(), 0);
    EXPECT_EQ(rig.clock().tickCount(), before);  // no pause either
    EXPECT_TRUE(rig.frames(kReceiverDevice).empty());
    EXPECT_FALSE(rig.channel().busy());
}

TEST(CommandChannel, ReceiverOffGivesMinus101WithoutSecondRead) {
    ChannelRig rig("dongle8k+t4ultra:off");
    rig.openReceiver(kReceiverDevice);
    CommandFrame reply;
    EXPECT_EQ(rig.channel().exchange(CommandFrame::readRequest(0x05, 1, 0), reply), -101);
    EXPECT_EQ(reply.command(), 0xAA);
    EXPECT_EQ(rig.io().flushes(), 1);
    EXPECT_EQ(rig.io().writes(), 1);
    EXPECT_EQ(rig.io().reads(), 1);
}

TEST(CommandChannel, ReplyOf0xAAEndsOnlyAReceiverExchange) {
    // The stale reply is the previous one: the answer to the radio query (id 0xAA).
    for (const bool receiver : {true, false}) {
        ChannelRig rig(receiver ? "dongle8k+t4ultra" : "t4ultra");
        receiver ? rig.openReceiver(0) : rig.openCable(0);
        CommandFrame reply;
        ASSERT_EQ(rig.channel().exchange(CommandFrame::request(0xAA), reply), 1);
        rig.bus().injectFault(0, fault(FaultKind::StaleReply));
        rig.io().resetCounts();

        const int result = rig.channel().exchange(CommandFrame::readRequest(0x05, 1, 0), reply);
        if (receiver) {
            EXPECT_EQ(result, -101);
            EXPECT_EQ(rig.io().reads(), 1);
        } else {
            EXPECT_EQ(result, 1);  // read again: the real reply follows
            EXPECT_EQ(rig.io().reads(), 2);
            EXPECT_EQ(reply.command(), 0x05);
        }
    }
}

TEST(CommandChannel, OneStaleReplyIsSkippedOnEitherLink) {
    for (const bool receiver : {true, false}) {
        ChannelRig rig(receiver ? "dongle8k+t4ultra" : "t4ultra");
        receiver ? rig.openReceiver(0) : rig.openCable(0);
        CommandFrame reply;
        ASSERT_EQ(rig.channel().exchange(CommandFrame::request(0x01), reply), 1);
        rig.bus().injectFault(0, fault(FaultKind::StaleReply));
        rig.io().resetCounts();

        EXPECT_EQ(rig.channel().exchange(CommandFrame::readRequest(0x05, 1, 0), reply), 1);
        EXPECT_EQ(reply.command(), 0x05);
        EXPECT_EQ(rig.io().reads(), 2);
    }
}

TEST(CommandChannel, TwoWrongRepliesEndWithTheSecondReadsResult) {
    ChannelRig rig("t4ultra");
    rig.openCable(kCableDevice);
    CommandFrame reply;
    ASSERT_EQ(rig.channel().exchange(CommandFrame::request(0x01), reply), 1);
    rig.bus().injectFault(kCableDevice, fault(FaultKind::StaleReply));
    rig.bus().injectFault(kCableDevice, fault(FaultKind::StaleReply));
    rig.io().resetCounts();

    EXPECT_EQ(rig.channel().exchange(CommandFrame::readRequest(0x05, 1, 0), reply), 1);
    EXPECT_EQ(reply.command(), 0x01);  // the second stale reply; judged by the routine
    EXPECT_EQ(rig.io().reads(), 2);
}

TEST(CommandChannel, MissingReplyGivesZeroAfterTwoReads) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(kReceiverDevice);
    rig.bus().injectFault(kReceiverDevice, fault(FaultKind::DropReply));
    CommandFrame reply;
    EXPECT_EQ(rig.channel().exchange(CommandFrame::request(0x01), reply), 0);
    EXPECT_EQ(rig.io().reads(), 2);
    EXPECT_GE(rig.bus().nowMs(), 1000);  // two read time-outs of 500 ms
}

TEST(CommandChannel, FailedWriteGivesMinus1AndNoReplyTrace) {
    ChannelRig rig("t4ultra");
    rig.openCable(kCableDevice);
    rig.bus().injectFault(kCableDevice, fault(FaultKind::UnplugMidTransfer));
    platform::DebugCapture capture;
    CommandFrame reply;
    EXPECT_EQ(rig.channel().exchange(CommandFrame::request(0x01), reply), -1);
    EXPECT_EQ(rig.io().reads(), 0);
    const auto lines = capture.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "命令");
}

TEST(CommandChannel, ExchangePauses20MsAfterTheWriteAndTheLightStreamDoesNot) {
    ChannelRig rig("t4ultra");
    rig.openCable(kCableDevice);
    CommandFrame reply;
    uint64_t before = rig.clock().tickCount();
    ASSERT_EQ(rig.channel().exchange(CommandFrame::request(0x01), reply), 1);
    EXPECT_EQ(rig.clock().tickCount() - before, 20u);

    before = rig.clock().tickCount();
    ASSERT_EQ(rig.channel().exchangeCrc(CommandFrame::request(0x12, 0, {{1, 2, 3}}), reply), 1);
    EXPECT_EQ(rig.clock().tickCount(), before);
}

TEST(CommandChannel, WriteTimeOutsAre1000OnTheCable5000ViaTheReceiver500ForTheStream) {
    struct Case {
        const char* scenario;
        bool receiver;
        bool stream;
        int64_t timeoutMs;
    };
    for (const Case& c :
         {Case{"t4ultra", false, false, 1000}, Case{"t4ultra", false, true, 1000},
          Case{"dongle8k+t4ultra", true, false, 5000}, Case{"dongle8k+t4ultra", true, true, 500}}) {
        ChannelRig rig(c.scenario);
        c.receiver ? rig.openReceiver(0) : rig.openCable(0);
        rig.bus().injectFault(0, fault(FaultKind::StallWrite));
        CommandFrame reply;
        const CommandFrame request = CommandFrame::request(0x12, 0, {{1, 2, 3}});
        const int result = c.stream ? rig.channel().exchangeCrc(request, reply)
                                    : rig.channel().exchange(request, reply);
        EXPECT_EQ(result, -1) << c.scenario;
        EXPECT_EQ(rig.bus().nowMs(), c.timeoutMs) << c.scenario << " stream " << c.stream;
    }
}

TEST(CommandChannel, ExchangeCrcSealsAndChecksTheCrcOverTheReceiverOnly) {
    ChannelRig rig("dongle8k+t4ultra");
    rig.openReceiver(kReceiverDevice);
    platform::DebugCapture capture;
    // Sealed with the additive checksum by the caller; the channel replaces it by the CRC.
    const CommandFrame request = CommandFrame::request(0x12, 0, {{0x10, 0x20, 0x30}});
    CommandFrame reply;
    ASSERT_EQ(rig.channel().exchangeCrc(request, reply), 1);
    auto frames = rig.frames(kReceiverDevice);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].checkValue(), protocol::lightStreamCrc(request.bytes()));
    EXPECT_EQ(reply.checkValue(), protocol::lightStreamCrc(reply.bytes()));
    EXPECT_EQ(rig.io().flushes(), 0);
    EXPECT_TRUE(capture.lines().empty());

    rig.bus().injectFault(kReceiverDevice, fault(FaultKind::BadChecksum));
    EXPECT_EQ(rig.channel().exchangeCrc(request, reply), -101);

    ChannelRig cable("t4ultra");
    cable.openCable(kCableDevice);
    ASSERT_EQ(cable.channel().exchangeCrc(request, reply), 1);
    EXPECT_EQ(cable.frames(kCableDevice)[0], request);  // sent as given
}

TEST(CommandChannel, BusyWhileAnExchangeRuns) {
    ChannelRig rig("t4ultra");
    rig.openCable(kCableDevice);
    rig.io().holdWrites();
    std::thread other([&] {
        CommandFrame reply;
        EXPECT_EQ(rig.channel().exchange(CommandFrame::request(0x01), reply), 1);
    });
    rig.io().waitForHeldWrite();
    EXPECT_TRUE(rig.channel().busy());
    rig.io().releaseWrites();
    other.join();
    EXPECT_FALSE(rig.channel().busy());
}

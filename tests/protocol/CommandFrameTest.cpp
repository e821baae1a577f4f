#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "ChannelRig.h"
#include "platform/debug/DebugSink.h"
#include "protocol/CommandFrame.h"
#include "protocol/FrameTrace.h"

using namespace vorn;
using protocol::CommandFrame;

TEST(CommandFrame, AdditiveChecksumOfBytes3To63LittleEndian) {
    CommandFrame begin = CommandFrame::request(0x01);
    EXPECT_EQ(begin[0], 4);
    EXPECT_EQ(begin[1], 0x01);
    EXPECT_EQ(begin[2], 0x00);

    CommandFrame query = CommandFrame::request(0xAA);
    EXPECT_EQ(query[1], 0xAA);
    EXPECT_EQ(query[2], 0x00);

    // 61 bytes of 0xFF: 15555 = 0x3CC3; bytes 0-2 do not count.
    std::array<uint8_t, 64> full{};
    full.fill(0xFF);
    EXPECT_EQ(protocol::additiveChecksum(full), 0x3CC3);
}

TEST(CommandFrame, RequestCarriesLengthOffsetAndAtMost56DataBytes) {
    std::vector<uint8_t> data(60);
    for (size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<uint8_t>(i + 1);
    }
    CommandFrame frame = CommandFrame::request(0x06, 0x1234, data);
    EXPECT_EQ(frame.command(), 0x06);
    EXPECT_EQ(frame.length(), 56);
    EXPECT_EQ(frame[5], 0x34);
    EXPECT_EQ(frame[6], 0x12);
    EXPECT_EQ(frame[7], 0);
    EXPECT_EQ(frame[8], 1);
    EXPECT_EQ(frame[63], 56);
    EXPECT_EQ(frame.checkValue(), protocol::additiveChecksum(frame.bytes()));

    CommandFrame read = CommandFrame::readRequest(0x05, 24, 96);
    EXPECT_EQ(read.length(), 24);
    EXPECT_EQ(read.offset(), 96);
    EXPECT_EQ(read.data()[0], 0);
    EXPECT_EQ(read.checkValue(), 0x05 + 24 + 96);
}

TEST(CommandFrame, Crc16ModbusCheckValueAndLightStreamRange) {
    const std::string text = "123456789";
    EXPECT_EQ(protocol::crc16Modbus(std::vector<uint8_t>(text.begin(), text.end())), 0x4B37);

    // Only bytes 3-31 count: a change at byte 32 leaves the CRC alone.
    CommandFrame frame = CommandFrame::request(0x12, 0, std::vector<uint8_t>(30, 0x11));
    frame.sealCrc();
    const uint16_t crc = frame.checkValue();
    EXPECT_EQ(crc, protocol::crc16Modbus(frame.bytes().subspan(3, 29)));
    frame[32] ^= 0xFF;
    EXPECT_EQ(protocol::lightStreamCrc(frame.bytes()), crc);
    frame[31] ^= 0xFF;
    EXPECT_NE(protocol::lightStreamCrc(frame.bytes()), crc);
}

TEST(CommandFrame, FromBytesPadsWithZerosAndTruncatesAt64) {
    const std::vector<uint8_t> shortRequest = {4, 1, 0, 1, 0};
    CommandFrame padded = CommandFrame::fromBytes(shortRequest);
    EXPECT_EQ(padded[3], 1);
    for (size_t i = 5; i < 64; ++i) {
        EXPECT_EQ(padded[i], 0) << i;
    }
    std::vector<uint8_t> longRequest(80, 0x33);
    longRequest[63] = 0x44;
    CommandFrame cut = CommandFrame::fromBytes(longRequest);
    EXPECT_EQ(cut[63], 0x44);
}

TEST(FrameTrace, LineGroupsFourBytesWithThreeThenTwoBlanks) {
    std::array<uint8_t, 32> bytes{};
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(i + 0xE0 * (i % 2));
    }
    EXPECT_EQ(protocol::traceBytesLine(bytes),
              "00 e1 02 e3   04 e5 06 e7   08 e9 0a eb   0c ed 0e ef  "
              "10 f1 12 f3  14 f5 16 f7  18 f9 1a fb  1c fd 1e ff");
}

TEST(FrameTrace, TellsItsOwnLinesFromOtherDiagnostics) {
    std::array<uint8_t, 32> bytes{};
    bytes[0] = 0xAB;
    const std::string line = protocol::traceBytesLine(bytes);
    EXPECT_TRUE(protocol::isFrameTraceLine(line));
    EXPECT_TRUE(protocol::isFrameTraceLine("命令"));
    EXPECT_TRUE(protocol::isFrameTraceLine("返回"));
    // Same digits, other spacing or case; too short; other text.
    std::string oneBlank = line;
    oneBlank.erase(11, 2);
    EXPECT_FALSE(protocol::isFrameTraceLine(oneBlank));
    EXPECT_FALSE(protocol::isFrameTraceLine("AB" + line.substr(2)));
    EXPECT_FALSE(protocol::isFrameTraceLine(line.substr(0, line.size() - 3)));
    EXPECT_FALSE(protocol::isFrameTraceLine(line + " "));
    EXPECT_FALSE(protocol::isFrameTraceLine(std::string(64, 'a')));
    EXPECT_FALSE(protocol::isFrameTraceLine("命令 sent"));
    EXPECT_FALSE(protocol::isFrameTraceLine(""));
}

TEST(FrameTrace, ExchangeWritesRequestAndReplyAsSixLines) {
    test::ChannelRig rig("t4ultra");
    rig.openCable(0);
    platform::DebugCapture capture;
    CommandFrame reply;
    ASSERT_EQ(rig.channel().exchange(CommandFrame::readRequest(0x1A, 6, 0), reply), 1);

    const std::string zeros =
        "00 00 00 00   00 00 00 00   00 00 00 00   00 00 00 00  "
        "00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00";
    // The cable mouse reports 80 % and charging.
    const std::vector<std::string> expected = {
        "命令",
        "04 20 00 1a   06 00 00 00   00 00 00 00   00 00 00 00  "
        "00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00",
        zeros,
        "返回",
        "04 71 00 1a   06 00 00 00   50 01 00 00   00 00 00 00  "
        "00 00 00 00  00 00 00 00  00 00 00 00  00 00 00 00",
        zeros,
    };
    EXPECT_EQ(capture.lines(), expected);
}

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "EmulatorTestSupport.h"

using namespace vorn::emulator;
using namespace vorn::test;
using vorn::platform::hid::HidIoStatus;

namespace {

// A bus with a cable T4Ultra (device 0, mouse 0) and an 8K receiver paired with a T4Max
// (device 1, mouse 1).
struct EmulatedMice : ::testing::Test {
    VirtualBus bus{TimeMode::Virtual};
    int cableMouse = bus.addMouse(model("t4ultra"));
    int cable = bus.plugCable(cableMouse);
    int radioMouse = bus.addMouse(model("t4max"));
    int receiver = bus.plugReceiver(DeviceKind::Receiver8K, radioMouse);
};

std::vector<uint8_t> replyData(const TestFrame& reply, size_t n) {
    return std::vector<uint8_t>(reply.begin() + 8, reply.begin() + 8 + static_cast<long>(n));
}

}  // namespace

TEST(FrameCheck, Crc16ModbusOfCheckTextIs4B37) {
    const char* text = "123456789";
    EXPECT_EQ(crc16Modbus(reinterpret_cast<const uint8_t*>(text), std::strlen(text)), 0x4B37);
}

TEST_F(EmulatedMice, ChunkedWriteLandsAtItsOffsetsInSettingsMemory) {
    // A 75-byte profile block for profile 2 in receiver-sized chunks (24, 24, 24, 3) and the
    // same block for profile 1 in one cable-sized chunk of 56 plus 19.
    std::vector<uint8_t> block(75);
    for (size_t i = 0; i < block.size(); ++i) {
        block[i] = static_cast<uint8_t>(0x40 + i);
    }
    auto sendBlock = [&](vorn::platform::hid::HidDevice& h, uint16_t base, size_t chunk) {
        for (size_t p = 0; p < block.size(); p += chunk) {
            size_t n = std::min(chunk, block.size() - p);
            TestFrame f =
                testRequest(0x06, static_cast<uint8_t>(n), static_cast<uint16_t>(base + p));
            std::copy_n(block.begin() + static_cast<long>(p), n, f.begin() + 8);
            uint16_t sum = testSum(f);
            f[1] = static_cast<uint8_t>(sum);
            f[2] = static_cast<uint8_t>(sum >> 8);
            TestFrame reply = roundTrip(h, f);
            EXPECT_EQ(reply[3], 0x06);
            EXPECT_EQ(reply[7], 0x00);
        }
    };
    auto radio = openCollection(bus, receiver, 4);
    sendBlock(*radio, 2 * 96, 24);
    EXPECT_EQ(bus.readMemory(radioMouse, MouseArea::Settings, 2 * 96, 75), block);
    // Neighbouring blocks are untouched.
    EXPECT_EQ(bus.readMemory(radioMouse, MouseArea::Settings, 96 + 75, 21),
              std::vector<uint8_t>(21, 0));
    EXPECT_EQ(bus.readMemory(radioMouse, MouseArea::Settings, 3 * 96, 1), std::vector<uint8_t>{0});

    auto wire = openCollection(bus, cable, 4);
    sendBlock(*wire, 96, 56);
    EXPECT_EQ(bus.readMemory(cableMouse, MouseArea::Settings, 96, 75), block);

    // Reading back in chunks gives the same bytes at the same offsets.
    TestFrame back = roundTrip(*wire, testRequest(0x05, 24, 96 + 48));
    EXPECT_EQ(replyData(back, 24), std::vector<uint8_t>(block.begin() + 48, block.begin() + 72));
}

TEST_F(EmulatedMice, DamagedOrRefusedFramesChangeNothing) {
    auto wire = openCollection(bus, cable, 4);
    std::vector<uint8_t> before = bus.readMemory(cableMouse, MouseArea::Settings, 0, 768);

    TestFrame bad = testRequest(0x06, 2, 10, {0x11, 0x22});
    bad[1] ^= 0x01;
    TestFrame reply = roundTrip(*wire, bad);
    EXPECT_EQ(reply[3], 0x06);
    EXPECT_EQ(reply[7], 0xFE);

    TestFrame tooLong = testRequest(0x06, 57, 0);
    EXPECT_EQ(roundTrip(*wire, tooLong)[7], 0xFE);

    // A chunk that runs past the end of the settings memory is refused whole.
    reply = roundTrip(*wire, testRequest(0x06, 4, 766, {1, 2, 3, 4}));
    EXPECT_EQ(reply[7], 0xFF);
    EXPECT_EQ(roundTrip(*wire, testRequest(0x05, 40, 750))[7], 0xFF);
    EXPECT_EQ(bus.readMemory(cableMouse, MouseArea::Settings, 0, 768), before);

    reply = roundTrip(*wire, testRequest(0x27, 0, 0));  // a keyboard's command
    EXPECT_EQ(reply[3], 0x27);
    EXPECT_EQ(reply[7], 0xFF);

    // Through the receiver the checks are the same.
    auto radio = openCollection(bus, receiver, 4);
    bad = testRequest(0x05, 1, 0);
    bad[2] ^= 0x80;
    reply = roundTrip(*radio, bad);
    EXPECT_EQ(reply[3], 0x05);
    EXPECT_EQ(reply[7], 0xFE);
}

TEST_F(EmulatedMice, RepliesCarryTheAdditiveChecksumAndEchoTheRequest) {
    auto wire = openCollection(bus, cable, 4);
    TestFrame reply = roundTrip(*wire, testRequest(0x05, 1, 0));
    EXPECT_EQ(reply[0], 4);
    EXPECT_EQ(reply[3], 0x05);
    EXPECT_EQ(reply[4], 1);
    EXPECT_EQ(reply[7], 0);
    uint16_t sum = testSum(reply);
    EXPECT_EQ(reply[1], static_cast<uint8_t>(sum));
    EXPECT_EQ(reply[2], static_cast<uint8_t>(sum >> 8));
}

TEST(ReceiverFirmware, DeviceInfoThroughReceiverCarriesPairedModelCode) {
    struct Case {
        const char* token;
        uint8_t code;
        uint16_t sensor;
    };
    for (Case c : {Case{"t4pro", 0, 0x3395}, Case{"t4", 1, 0x3395}, Case{"t4ultra", 2, 0x3950},
                   Case{"t4max", 11, 0x3950}}) {
        SCOPED_TRACE(c.token);
        VirtualBus bus(TimeMode::Virtual);
        int mouse = bus.addMouse(model(c.token));
        int receiver = bus.plugReceiver(DeviceKind::Receiver8K, mouse);
        auto radio = openCollection(bus, receiver, 4);
        // Receiver-sized chunks: 24 bytes, then 10.
        TestFrame first = roundTrip(*radio, testRequest(0x03, 24, 0));
        TestFrame second = roundTrip(*radio, testRequest(0x03, 10, 24));
        ASSERT_EQ(first[7], 0);
        ASSERT_EQ(second[7], 0);
        std::vector<uint8_t> info = replyData(first, 24);
        std::vector<uint8_t> rest = replyData(second, 10);
        info.insert(info.end(), rest.begin(), rest.end());
        EXPECT_EQ(info[0], 0xAA);
        EXPECT_EQ(info[1], 0x55);
        EXPECT_EQ(info[5], model(c.token).keySlots);
        EXPECT_EQ(info[6], model(c.token).macroUnits);
        EXPECT_EQ(info[7], c.code);
        EXPECT_EQ(info[9] | (info[10] << 8), c.sensor);

        // On the cable the mouse reports no model code of its own.
        int cable = bus.plugCable(mouse);
        auto wire = openCollection(bus, cable, 4);
        TestFrame whole = roundTrip(*wire, testRequest(0x03, 34, 0));
        EXPECT_EQ(whole[8 + 7], 0);
        EXPECT_EQ(whole[8 + 9] | (whole[8 + 10] << 8), c.sensor);
    }
}

TEST_F(EmulatedMice, ReceiverWithMouseOffAnswersAAToEveryCommand) {
    auto radio = openCollection(bus, receiver, 4);
    TestFrame query = roundTrip(*radio, testRequest(0xAA, 0, 0));
    EXPECT_EQ(query[3], 0xAA);
    EXPECT_EQ(query[8], 0xFF);
    EXPECT_EQ(query[7], 0x00);

    bus.setMousePower(radioMouse, false);
    for (uint8_t command : {0x01, 0x03, 0x05, 0x06, 0x08, 0x1A, 0x02}) {
        TestFrame reply = roundTrip(*radio, testRequest(command, 1, 0, {0x77}));
        EXPECT_EQ(reply[3], 0xAA) << int(command);
    }
    query = roundTrip(*radio, testRequest(0xAA, 0, 0));
    EXPECT_EQ(query[3], 0xAA);
    EXPECT_NE(query[8], 0xFF);
    EXPECT_NE(bus.readMemory(radioMouse, MouseArea::Settings, 0, 1), std::vector<uint8_t>{0x77});

    // Out of reach is the same to the receiver; back in reach it passes commands on again.
    bus.setMousePower(radioMouse, true);
    bus.setMouseInReach(radioMouse, false);
    EXPECT_EQ(roundTrip(*radio, testRequest(0x01, 0, 0))[3], 0xAA);
    bus.setMouseInReach(radioMouse, true);
    EXPECT_EQ(roundTrip(*radio, testRequest(0x01, 0, 0))[3], 0x01);
    EXPECT_TRUE(bus.mouseStatus(radioMouse).sessionOpen);
}

TEST(ReceiverFirmware, UnpairedReceiverAnswersAA) {
    VirtualBus bus(TimeMode::Virtual);
    int receiver = bus.plugReceiver(DeviceKind::Receiver8K, -1);
    auto radio = openCollection(bus, receiver, 4);
    EXPECT_EQ(roundTrip(*radio, testRequest(0x03, 24, 0))[3], 0xAA);
    EXPECT_EQ(roundTrip(*radio, testRequest(0xAA, 0, 0))[8], 0x00);
}

TEST_F(EmulatedMice, LightStreamThroughReceiverCarriesCrcBothWays) {
    auto radio = openCollection(bus, receiver, 4);
    TestFrame request = testRequest(0x12, 6, 3, {1, 2, 3, 4, 5, 6}, /*crc=*/true);
    TestFrame reply = roundTrip(*radio, request);
    EXPECT_EQ(reply[3], 0x12);
    EXPECT_EQ(reply[7], 0x00);
    uint16_t crc = testCrc16(reply.data() + 3, 29);
    EXPECT_EQ(reply[1], static_cast<uint8_t>(crc));
    EXPECT_EQ(reply[2], static_cast<uint8_t>(crc >> 8));
    EXPECT_EQ(bus.readMemory(radioMouse, MouseArea::LightFrame, 3, 6),
              (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));

    // The additive checksum does not pass for the light stream on the receiver...
    reply = roundTrip(*radio, testRequest(0x12, 1, 0, {9}));
    EXPECT_EQ(reply[7], 0xFE);
    EXPECT_EQ(bus.readMemory(radioMouse, MouseArea::LightFrame, 0, 1), std::vector<uint8_t>{0});
    // ...while on the cable the stream uses the additive checksum like every command.
    auto wire = openCollection(bus, cable, 4);
    EXPECT_EQ(roundTrip(*wire, testRequest(0x12, 1, 0, {9}))[7], 0x00);
    EXPECT_EQ(roundTrip(*wire, testRequest(0x12, 1, 0, {9}, true))[7], 0xFE);
}

TEST(MouseFirmware, FactoryKeyTableHoldsEachFactoryCodeOnceInTheModelsOwnOrder) {
    std::vector<std::vector<uint8_t>> tables;
    for (const MouseModel& m : mouseModels()) {
        SCOPED_TRACE(m.token);
        VirtualBus bus(TimeMode::Virtual);
        int mouse = bus.addMouse(m);
        int cable = bus.plugCable(mouse);
        auto wire = openCollection(bus, cable, 4);
        size_t tableSize = size_t{m.keySlots} * 3;
        std::vector<uint8_t> table;
        for (size_t p = 0; p < tableSize; p += 56) {
            uint8_t n = static_cast<uint8_t>(std::min<size_t>(56, tableSize - p));
            TestFrame reply = roundTrip(*wire, testRequest(0x07, n, static_cast<uint16_t>(p)));
            ASSERT_EQ(reply[7], 0);
            std::vector<uint8_t> part = replyData(reply, n);
            table.insert(table.end(), part.begin(), part.end());
        }
        for (const KeyCode& code : kMouseFactoryCodes) {
            int found = 0;
            for (size_t slot = 0; slot < m.keySlots; ++slot) {
                found += table[slot * 3] == code[0] && table[slot * 3 + 1] == code[1] &&
                         table[slot * 3 + 2] == code[2];
            }
            EXPECT_EQ(found, 1) << int(code[0]) << "," << int(code[1]);
        }
        // The current table starts as the factory one; writing it leaves the factory alone.
        EXPECT_EQ(bus.readMemory(mouse, MouseArea::CurrentKeys, 0, tableSize), table);
        EXPECT_EQ(roundTrip(*wire, testRequest(0x09, 3, 0, {0x20, 0x00, 0x04}))[7], 0);
        EXPECT_EQ(bus.readMemory(mouse, MouseArea::CurrentKeys, 0, 3),
                  (std::vector<uint8_t>{0x20, 0x00, 0x04}));
        EXPECT_EQ(bus.readMemory(mouse, MouseArea::FactoryKeys, 0, tableSize), table);
        tables.push_back(table);
    }
    EXPECT_NE(tables[0], tables[1]);
    EXPECT_NE(tables[2], tables[3]);
}

TEST_F(EmulatedMice, PowerBlockShowsBatteryAndChargingOnTheCable) {
    bus.setBattery(cableMouse, 57);
    auto wire = openCollection(bus, cable, 4);
    TestFrame reply = roundTrip(*wire, testRequest(0x1A, 6, 0));
    EXPECT_EQ(reply[8], 57);
    EXPECT_EQ(reply[9], 1);  // charging on the cable
    auto radio = openCollection(bus, receiver, 4);
    reply = roundTrip(*radio, testRequest(0x1A, 6, 0));
    EXPECT_EQ(reply[9], 0);
    EXPECT_EQ(roundTrip(*radio, testRequest(0x1A, 7, 0))[7], 0xFF);
}

TEST_F(EmulatedMice, ProfileAndStageButtonsChangeMemoryAndReportOnCollection3) {
    auto events = openCollection(bus, cable, 3);
    auto commands = openCollection(bus, cable, 4);
    ASSERT_TRUE(bus.selectProfile(cableMouse, 3));
    ASSERT_TRUE(bus.selectStage(cableMouse, 2));
    ASSERT_TRUE(bus.pressButton(cableMouse, 0x0403));
    EXPECT_FALSE(bus.selectProfile(cableMouse, 8));

    uint8_t report[8] = {};
    size_t moved = 0;
    std::vector<uint16_t> codes;
    while (events->read(report, sizeof report, moved, 0) == HidIoStatus::Ok) {
        ASSERT_EQ(moved, 3u);
        EXPECT_EQ(report[0], 3);
        codes.push_back(static_cast<uint16_t>(report[1] | (report[2] << 8)));
    }
    EXPECT_EQ(codes, (std::vector<uint16_t>{0x1003, 0x1123, 0x0403}));
    EXPECT_EQ(bus.readMemory(cableMouse, MouseArea::Settings, 0, 1), std::vector<uint8_t>{3});
    EXPECT_EQ(bus.readMemory(cableMouse, MouseArea::Settings, 3 * 96 + 12, 1),
              std::vector<uint8_t>{2});
    // Event reports never reach the command collection.
    EXPECT_EQ(commands->read(report, sizeof report, moved, 0), HidIoStatus::TimedOut);

    // A paired mouse reports through its receiver while it answers, and not when off.
    auto radioEvents = openCollection(bus, receiver, 3);
    EXPECT_TRUE(bus.pressButton(radioMouse, 0x0401));
    EXPECT_EQ(radioEvents->read(report, sizeof report, moved, 0), HidIoStatus::Ok);
    EXPECT_EQ(report[1] | (report[2] << 8), 0x0401);
    bus.setMousePower(radioMouse, false);
    EXPECT_FALSE(bus.pressButton(radioMouse, 0x0402));
    EXPECT_EQ(radioEvents->read(report, sizeof report, moved, 0), HidIoStatus::TimedOut);
}

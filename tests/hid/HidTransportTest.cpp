#include "hid/HidTransport.h"

#include <gtest/gtest.h>

#include <thread>

#include "hid/HidLastError.h"
#include "hid/HidPathNumbers.h"
#include "support/FakeHidBackend.h"
#include "support/HidDescriptors.h"

using namespace vorn::hid;
using vorn::platform::hid::HidOpenError;
using vorn::platform::hid::HidReportKind;
using vorn::test::FakeHidBackend;

namespace {

const std::string kCommandPath =
    "\\\\?\\hid#vid_320f&pid_22b6&mi_01&col04#7&2a1b3c4d&0&0003#{4d1e55b2-f16f-11cf-88cb-"
    "001111000030}";
const std::string kEventPath = "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col03";
const std::string kKeyboardPath = "/dev/hidraw5#vid_320f&pid_1001&mi_01&col01";

}  // namespace

TEST(HidPathNumbers, MarkersIgnoreCaseAndMissingOnesGiveZero) {
    EXPECT_EQ(collectionFromPath("\\\\?\\HID#VID_320F&PID_22B6&MI_01&Col04#x"), 4);
    EXPECT_EQ(productIdFromPath("/dev/hidraw1#vid_320f&pid_22b6&mi_01"), 0x22B6);
    EXPECT_EQ(vendorIdFromPath("/dev/hidraw1#VID_320F&pid_22b6"), 0x320F);
    // A single-collection interface has no "&col"; a single-interface device no "&mi_".
    EXPECT_EQ(collectionFromPath("/dev/hidraw1#vid_320f&pid_22b6&mi_01"), 0);
    EXPECT_EQ(interfaceFromPath("\\\\?\\hid#vid_320f&pid_22b6#7&1&0&0000"), 0);
    EXPECT_EQ(interfaceFromPath(kCommandPath), 1);
    EXPECT_EQ(collectionFromPath(kCommandPath), 4);
    // "%x" reading: stops at the first non-hex character, wraps to the low 16 bits, and
    // reads nothing (0) when no digit follows.
    EXPECT_EQ(vendorIdFromPath("vid_12345&pid_1"), 0x2345);
    EXPECT_EQ(collectionFromPath("&col1a#x"), 0x1A);
    EXPECT_EQ(collectionFromPath("&col#x"), 0);
    EXPECT_EQ(productIdFromPath("pid_0x22b6"), 0x22B6);
    EXPECT_EQ(productIdFromPath(""), 0);
}

TEST(HidTransport, EnumerateHandsOutEveryPathOnce) {
    FakeHidBackend bus;
    bus.add(kCommandPath, vorn::test::kCommandInterfaceDescriptor, 4);
    bus.add(kEventPath, vorn::test::kCommandInterfaceDescriptor, 3);
    HidTransport t;
    EXPECT_EQ(t.nextPath(), nullptr);
    ASSERT_TRUE(t.enumerate());
    EXPECT_EQ(t.pathCount(), 2u);
    ASSERT_NE(t.nextPath(), nullptr);
    const std::string* second = t.nextPath();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(*second, kEventPath);
    EXPECT_EQ(t.nextPath(), nullptr);
    t.freePathList();
    EXPECT_EQ(t.pathCount(), 0u);
    EXPECT_EQ(t.nextPath(), nullptr);
}

TEST(HidTransport, OpenPreparesCapsItemsAndPathNumbers) {
    FakeHidBackend bus;
    bus.add(kCommandPath, vorn::test::kCommandInterfaceDescriptor, 4, "VORN-T4");
    bus.add(kEventPath, vorn::test::kCommandInterfaceDescriptor, 3);
    HidTransport t;
    ASSERT_TRUE(t.open(kCommandPath, true, true, true, false));
    EXPECT_EQ(t.caps().usagePage, 0xFF1C);
    EXPECT_EQ(t.caps().usage, 0x0092);
    EXPECT_EQ(t.caps().inputReportByteLength, 64);
    EXPECT_EQ(t.caps().outputReportByteLength, 64);
    EXPECT_EQ(t.attributes().vendorId, 0x320F);
    EXPECT_EQ(t.interfaceNumber(), 1u);
    EXPECT_EQ(t.collectionNumber(), 4u);
    EXPECT_EQ(t.productString().value_or(""), "VORN-T4");
    EXPECT_EQ(t.input().report.size(), 64u);
    ASSERT_EQ(t.input().items.size(), 1u);
    EXPECT_FALSE(t.input().items[0].isButton);
    EXPECT_EQ(t.input().items[0].reportId, 4);
    EXPECT_NE(t.nativeHandle(), nullptr);

    // Opening another path closes the first.
    ASSERT_TRUE(t.open(kEventPath, true, false, true, false));
    EXPECT_EQ(t.caps().usagePage, 0x000C);
    EXPECT_EQ(t.collectionNumber(), 3u);
    ASSERT_EQ(t.input().items.size(), 1u);
    const HidDataItem& events = t.input().items[0];
    EXPECT_TRUE(events.isButton);
    EXPECT_EQ(events.maxUsageListLength, 1u);
    EXPECT_EQ(events.usageMax, 0xFFFF);

    t.close();
    EXPECT_FALSE(t.isOpen());
    EXPECT_EQ(t.nativeHandle(), nullptr);
    EXPECT_TRUE(t.input().items.empty());
    t.close();  // closing twice is harmless
}

TEST(HidTransport, FailedOpenLeavesItClosedWithTheReason) {
    FakeHidBackend bus;
    bus.add(kCommandPath, vorn::test::kCommandInterfaceDescriptor, 4);
    bus.add("/dev/hidraw9#vid_320f&pid_22b6", {0x05, 0x01, 0xA1}, 0);  // truncated descriptor
    bus.add("/dev/hidraw8#vid_320f&pid_22b6&col07", vorn::test::kCommandInterfaceDescriptor, 7);
    bus.failOpen(kKeyboardPath, HidOpenError::PermissionDenied);
    HidTransport t;
    ASSERT_TRUE(t.open(kCommandPath, true, true, true, false));

    EXPECT_FALSE(t.open(kKeyboardPath, true, true, true, false));
    EXPECT_FALSE(t.isOpen());
    EXPECT_EQ(t.lastOpenError(), HidOpenError::PermissionDenied);
    EXPECT_EQ(hidLastError(), kErrorAccessDenied);

    EXPECT_FALSE(t.open("/dev/hidraw4#vid_320f&pid_22b6", true, true, true, false));
    EXPECT_EQ(t.lastOpenError(), HidOpenError::NotFound);
    EXPECT_FALSE(t.open("/dev/hidraw9#vid_320f&pid_22b6", true, true, true, false));
    EXPECT_EQ(t.lastOpenError(), HidOpenError::Failed);
    EXPECT_FALSE(t.open("/dev/hidraw8#vid_320f&pid_22b6&col07", true, true, true, false));
    EXPECT_FALSE(t.isOpen());
    EXPECT_EQ(t.devicePath(), "");
}

TEST(HidTransport, UnpackSkipsItemsOfOtherReportIds) {
    FakeHidBackend bus;
    bus.add(kEventPath, vorn::test::kCommandInterfaceDescriptor, 3);
    HidTransport t;
    ASSERT_TRUE(t.open(kEventPath, true, false, true, false));
    std::vector<HidDataItem>& items = t.input().items;

    const uint8_t event[] = {0x03, 0x01, 0x04};
    ASSERT_TRUE(t.unpackInputReport(event, 3, HidReportKind::Input, items.data(),
                                    static_cast<uint32_t>(items.size())));
    EXPECT_TRUE(items[0].isSet);
    EXPECT_EQ(items[0].usages[0], 0x0401);  // the event code the listeners take

    items[0].isSet = false;
    const uint8_t other[] = {0x09, 0x02, 0x04};
    EXPECT_TRUE(t.unpackInputReport(other, 3, HidReportKind::Input, items.data(),
                                    static_cast<uint32_t>(items.size())));
    EXPECT_FALSE(items[0].isSet);
    EXPECT_EQ(items[0].usages[0], 0x0401);
}

TEST(HidTransport, UnpackKeepsOnlyUsagesInTheItemsRangeAndEndsShortListsWithZero) {
    FakeHidBackend bus;
    bus.add(kKeyboardPath, vorn::test::kKeyboardDescriptor, 1);
    HidTransport t;
    ASSERT_TRUE(t.open(kKeyboardPath, true, false, true, false));
    std::vector<HidDataItem>& items = t.input().items;
    ASSERT_EQ(items.size(), 2u);  // modifier bits 0xE0-0xE7, key array 0x00-0xA4
    ASSERT_EQ(items[0].maxUsageListLength, 14u);

    // Left shift and right alt, keys A and C.
    const uint8_t report[] = {0x01, 0x42, 0x00, 0x04, 0x06, 0x00, 0x00, 0x00, 0x00};
    ASSERT_TRUE(t.unpackInputReport(report, 9, HidReportKind::Input, items.data(), 2));
    EXPECT_EQ(items[0].usages[0], 0xE1);
    EXPECT_EQ(items[0].usages[1], 0xE6);
    EXPECT_EQ(items[0].usages[2], 0);  // terminated right after the kept ones
    EXPECT_EQ(items[1].usages[0], 0x04);
    EXPECT_EQ(items[1].usages[1], 0x06);
    EXPECT_EQ(items[1].usages[2], 0);
    EXPECT_EQ(items[0].status, vorn::platform::hid::kHidpStatusSuccess);
}

TEST(HidTransport, UnpackFailsWhenAValueCannotBeRead) {
    FakeHidBackend bus;
    bus.add(kCommandPath, vorn::test::kCommandInterfaceDescriptor, 4);
    HidTransport t;
    ASSERT_TRUE(t.open(kCommandPath, true, true, true, false));
    std::vector<HidDataItem>& items = t.input().items;
    std::vector<uint8_t> report(64, 0);
    report[0] = 4;
    report[1] = 0x5A;
    ASSERT_TRUE(t.unpackInputReport(report.data(), 64, HidReportKind::Input, items.data(), 1));
    EXPECT_EQ(items[0].value, 0x5Au);
    EXPECT_EQ(items[0].scaledValue, 0x5A);

    items[0].isSet = false;
    EXPECT_FALSE(t.unpackInputReport(report.data(), 20, HidReportKind::Input, items.data(), 1));
    EXPECT_EQ(items[0].status, vorn::platform::hid::kHidpStatusInvalidReportLength);
    EXPECT_FALSE(items[0].isSet);
}

TEST(HidTransport, ReadWithNothingArrivingTimesOutAndLeavesNothingPending) {
    FakeHidBackend bus;
    auto c = bus.add(kEventPath, vorn::test::kCommandInterfaceDescriptor, 3);
    HidTransport t;
    ASSERT_TRUE(t.open(kEventPath, true, true, true, false));
    uint8_t buf[3] = {};
    uint32_t n = 99;
    EXPECT_FALSE(t.read(buf, 3, n, 20));
    EXPECT_EQ(hidLastError(), kWaitTimeout);
    EXPECT_EQ(n, 0u);
    EXPECT_FALSE(t.readPending());

    c->push({0x03, 0x02, 0x04});
    ASSERT_TRUE(t.read(buf, 3, n, 1000));
    EXPECT_EQ(n, 3u);
    EXPECT_EQ(buf[1], 0x02);
}

TEST(HidTransport, CloseFromAnotherThreadEndsABlockedReadWithAborted) {
    FakeHidBackend bus;
    auto c = bus.add(kEventPath, vorn::test::kCommandInterfaceDescriptor, 3);
    HidTransport t;
    ASSERT_TRUE(t.open(kEventPath, true, false, true, false));
    bool result = true;
    uint32_t error = 0;
    std::thread reader([&] {
        uint8_t buf[3];
        uint32_t n = 0;
        result = t.read(buf, 3, n, kInfiniteTimeout);
        error = hidLastError();
    });
    c->waitForReader();
    t.close();
    reader.join();
    EXPECT_FALSE(result);
    EXPECT_EQ(error, kErrorOperationAborted);
    EXPECT_FALSE(t.isOpen());
}

TEST(HidTransport, ReadAndWriteOnAnUnpluggedDeviceFailAtOnce) {
    FakeHidBackend bus;
    auto c = bus.add(kCommandPath, vorn::test::kCommandInterfaceDescriptor, 4);
    HidTransport t;
    ASSERT_TRUE(t.open(kCommandPath, true, true, true, false));
    c->unplug();
    uint8_t buf[64] = {4};
    uint32_t n = 0;
    // A long time-out: only an immediate failure keeps this test quick.
    EXPECT_FALSE(t.read(buf, 64, n, 60000));
    EXPECT_EQ(hidLastError(), kErrorDeviceNotConnected);
    EXPECT_FALSE(t.write(buf, 64, n, 60000));
    EXPECT_EQ(hidLastError(), kErrorDeviceNotConnected);
}

TEST(HidTransport, WriteDeliversTheWholeReportAndClosedTransportRefuses) {
    FakeHidBackend bus;
    auto c = bus.add(kCommandPath, vorn::test::kCommandInterfaceDescriptor, 4);
    HidTransport t;
    uint8_t frame[64] = {0x04, 0x01, 0x02};
    uint32_t n = 0;
    EXPECT_FALSE(t.write(frame, 64, n, 1000));
    EXPECT_EQ(hidLastError(), kErrorInvalidHandle);

    ASSERT_TRUE(t.open(kCommandPath, true, true, true, false));
    ASSERT_TRUE(t.write(frame, 64, n, 1000));
    EXPECT_EQ(n, 64u);
    ASSERT_EQ(c->written.size(), 1u);
    EXPECT_EQ(c->written[0].size(), 64u);
    EXPECT_EQ(c->written[0][2], 0x02);
    EXPECT_FALSE(t.writePending());
}

#include "platform/hid/HidUsages.h"

#include <gtest/gtest.h>

#include "support/HidDescriptors.h"

using namespace vorn::platform::hid;

namespace {

HidReportDescriptor parse(const std::vector<uint8_t>& bytes) {
    HidReportDescriptor d;
    EXPECT_TRUE(parseReportDescriptor(bytes.data(), bytes.size(), d).ok());
    return d;
}

std::vector<uint16_t> usagesOf(const HidCollection& c, uint16_t page,
                               const std::vector<uint8_t>& report, HidStatus* status = nullptr) {
    std::vector<uint16_t> list(maxUsageListLength(HidReportKind::Input, page, c));
    uint32_t n = static_cast<uint32_t>(list.size());
    const HidStatus s = getUsages(HidReportKind::Input, page, 0, list.data(), n, c, report.data(),
                                  static_cast<uint32_t>(report.size()));
    if (status != nullptr) {
        *status = s;
    }
    EXPECT_TRUE(s == kHidpStatusSuccess || status != nullptr) << std::hex << s;
    list.resize(s == kHidpStatusSuccess ? n : 0);
    return list;
}

}  // namespace

TEST(HidUsages, KeyboardModifiersAndKeyArray) {
    const HidReportDescriptor d = parse(vorn::test::kKeyboardDescriptor);
    const HidCollection& kb = *d.collection(1);
    EXPECT_EQ(maxUsageListLength(HidReportKind::Input, 0x07, kb), 14u);  // 8 bits + 6 keys
    EXPECT_EQ(maxUsageListLength(HidReportKind::Output, 0x08, kb), 5u);
    EXPECT_EQ(maxUsageListLength(HidReportKind::Input, 0x09, kb), 0u);

    // Left shift, reserved byte, keys A and B, then empty slots.
    const std::vector<uint8_t> report = {0x01, 0x02, 0x00, 0x04, 0x05, 0x00, 0x00, 0x00, 0x00};
    EXPECT_EQ(usagesOf(kb, 0x07, report), (std::vector<uint16_t>{0xE1, 0x04, 0x05}));
}

TEST(HidUsages, ListedArrayUsagesAndNullState) {
    const HidReportDescriptor d = parse(vorn::test::kKeyboardDescriptor);
    const HidCollection& sys = *d.collection(3);
    EXPECT_EQ(maxUsageListLength(HidReportKind::Input, 0x01, sys), 1u);
    // Logical 1..3 index the listed usages Sleep, Power Down, Wake Up; 0 is the null state.
    EXPECT_EQ(usagesOf(sys, 0x01, {0x03, 0x01}), std::vector<uint16_t>{0x82});
    EXPECT_EQ(usagesOf(sys, 0x01, {0x03, 0x02}), std::vector<uint16_t>{0x81});
    EXPECT_EQ(usagesOf(sys, 0x01, {0x03, 0x03}), std::vector<uint16_t>{0x83});
    EXPECT_TRUE(usagesOf(sys, 0x01, {0x03, 0x00}).empty());
}

TEST(HidUsages, SixteenBitEventCodeOfTheConsumerCollection) {
    const HidReportDescriptor d = parse(vorn::test::kCommandInterfaceDescriptor);
    const HidCollection& events = *d.collection(3);
    EXPECT_EQ(usagesOf(events, 0x0C, {0x03, 0x01, 0x04}), std::vector<uint16_t>{0x0401});
    EXPECT_EQ(usagesOf(events, 0x0C, {0x03, 0x21, 0x10}), std::vector<uint16_t>{0x1021});
    EXPECT_TRUE(usagesOf(events, 0x0C, {0x03, 0x00, 0x00}).empty());
}

TEST(HidUsages, StatusForWrongLengthPageReportAndShortList) {
    const HidReportDescriptor d = parse(vorn::test::kKeyboardDescriptor);
    const HidCollection& vendor = *d.collection(4);
    const HidCollection& kb = *d.collection(1);
    std::vector<uint8_t> report(9, 0);
    report[0] = 1;
    uint16_t list[2];
    uint32_t n = 2;
    EXPECT_EQ(getUsages(HidReportKind::Input, 0x07, 0, list, n, kb, report.data(), 8),
              kHidpStatusInvalidReportLength);
    EXPECT_EQ(getUsages(HidReportKind::Input, 0x09, 0, list, n, kb, report.data(), 9),
              kHidpStatusUsageNotFound);
    report[0] = 2;
    EXPECT_EQ(getUsages(HidReportKind::Input, 0x07, 0, list, n, kb, report.data(), 9),
              kHidpStatusIncompatibleReportId);

    report = {0x01, 0x0F, 0x00, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00};  // five usages on
    n = 2;
    EXPECT_EQ(getUsages(HidReportKind::Input, 0x07, 0, list, n, kb, report.data(), 9),
              kHidpStatusBufferTooSmall);
    EXPECT_EQ(n, 5u);
    EXPECT_EQ(list[0], 0xE0);
    EXPECT_EQ(list[1], 0xE1);

    // Usage 2 lives only in the feature report 4; an input report 5 does not hold it.
    std::vector<uint8_t> in(32, 0);
    in[0] = 5;
    uint32_t value = 0;
    EXPECT_EQ(getUsageValue(HidReportKind::Input, 0xFF00, 0, 0x02, value, vendor, in.data(), 32),
              kHidpStatusUsageNotFound);
    std::vector<uint8_t> feature(8, 0);
    feature[0] = 5;
    EXPECT_EQ(
        getUsageValue(HidReportKind::Feature, 0xFF00, 0, 0x02, value, vendor, feature.data(), 8),
        kHidpStatusIncompatibleReportId);
    feature[0] = 4;
    feature[1] = 0x9A;
    EXPECT_EQ(
        getUsageValue(HidReportKind::Feature, 0xFF00, 0, 0x02, value, vendor, feature.data(), 8),
        kHidpStatusSuccess);
    EXPECT_EQ(value, 0x9Au);
}

TEST(HidUsages, MouseButtonsAxesAndScaledValues) {
    const HidReportDescriptor d = parse(vorn::test::kGamingMouseDescriptor);
    const HidCollection& m = *d.collection(0);
    // Buttons 1 and 16, X = -2, Y = 300, wheel -1, pan 1.
    const std::vector<uint8_t> report = {0x00, 0x01, 0x80, 0xFE, 0xFF, 0x2C, 0x01, 0xFF, 0x01};
    EXPECT_EQ(usagesOf(m, 0x09, report), (std::vector<uint16_t>{1, 16}));

    uint32_t raw = 0;
    EXPECT_EQ(getUsageValue(HidReportKind::Input, 0x01, 0, 0x30, raw, m, report.data(), 9),
              kHidpStatusSuccess);
    EXPECT_EQ(raw, 0xFFFEu);  // raw bits, not sign-extended
    int32_t scaled = 0;
    EXPECT_EQ(getScaledUsageValue(HidReportKind::Input, 0x01, 0, 0x30, scaled, m, report.data(), 9),
              kHidpStatusSuccess);
    EXPECT_EQ(scaled, -2);
    EXPECT_EQ(getScaledUsageValue(HidReportKind::Input, 0x01, 0, 0x31, scaled, m, report.data(), 9),
              kHidpStatusSuccess);
    EXPECT_EQ(scaled, 300);
    EXPECT_EQ(getScaledUsageValue(HidReportKind::Input, 0x01, 0, 0x38, scaled, m, report.data(), 9),
              kHidpStatusSuccess);
    EXPECT_EQ(scaled, -1);
    EXPECT_EQ(
        getScaledUsageValue(HidReportKind::Input, 0x0C, 0, 0x238, scaled, m, report.data(), 9),
        kHidpStatusSuccess);
    EXPECT_EQ(scaled, 1);
    // The link collection narrows the search: the axes sit in link collection 1, not 2.
    EXPECT_EQ(getUsageValue(HidReportKind::Input, 0x01, 1, 0x30, raw, m, report.data(), 9),
              kHidpStatusSuccess);
    EXPECT_EQ(getUsageValue(HidReportKind::Input, 0x01, 2, 0x30, raw, m, report.data(), 9),
              kHidpStatusUsageNotFound);
}

TEST(HidUsages, ScalingToThePhysicalRangeAndItsFailures) {
    // Three 8-bit fields: logical 0..200 over physical 0..1000; a field with a null state
    // and logical 1..100; a field whose logical range is empty.
    const std::vector<uint8_t> desc = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  //
        0x75, 0x08, 0x95, 0x01,                    //
        0x15, 0x00, 0x26, 0xC8, 0x00, 0x35, 0x00, 0x46, 0xE8, 0x03, 0x09, 0x01,
        0x81, 0x02, 0x15, 0x01, 0x25, 0x64, 0x35, 0x00, 0x45, 0x00, 0x09, 0x02,
        0x81, 0x42, 0x15, 0x05, 0x25, 0x05, 0x09, 0x03, 0x81, 0x02,  //
        0xC0,
    };
    const HidReportDescriptor d = parse(desc);
    const HidCollection& c = d.collections[0];
    std::vector<uint8_t> report = {0x00, 100, 0, 5};
    int32_t v = 7;
    EXPECT_EQ(getScaledUsageValue(HidReportKind::Input, 0xFF00, 0, 1, v, c, report.data(), 4),
              kHidpStatusSuccess);
    EXPECT_EQ(v, 500);
    EXPECT_EQ(getScaledUsageValue(HidReportKind::Input, 0xFF00, 0, 2, v, c, report.data(), 4),
              kHidpStatusNull);
    report[1] = 201;
    EXPECT_EQ(getScaledUsageValue(HidReportKind::Input, 0xFF00, 0, 1, v, c, report.data(), 4),
              kHidpStatusValueOutOfRange);
    EXPECT_EQ(getScaledUsageValue(HidReportKind::Input, 0xFF00, 0, 3, v, c, report.data(), 4),
              kHidpStatusBadLogPhyValues);
}

TEST(HidUsages, VendorCommandReportValuesReadTheFirstByte) {
    const HidReportDescriptor d = parse(vorn::test::kCommandInterfaceDescriptor);
    const HidCollection& vendor = *d.collection(4);
    std::vector<uint8_t> report(64, 0);
    report[0] = 4;
    report[1] = 0xA5;
    uint32_t value = 0;
    EXPECT_EQ(getUsageValue(HidReportKind::Input, 0xFF1C, 0, 1, value, vendor, report.data(), 64),
              kHidpStatusSuccess);
    EXPECT_EQ(value, 0xA5u);
}

#include "platform/hid/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/HidDescriptors.h"

using namespace vorn::platform::hid;

namespace {

HidReportDescriptor parseOk(const std::vector<uint8_t>& bytes) {
    HidReportDescriptor d;
    const HidParseResult r = parseReportDescriptor(bytes.data(), bytes.size(), d);
    EXPECT_TRUE(r.ok()) << describeHidParseError(r.error) << " at " << r.offset;
    return d;
}

HidParseError parseError(const std::vector<uint8_t>& bytes) {
    HidReportDescriptor d;
    return parseReportDescriptor(bytes.data(), bytes.size(), d).error;
}

// A minimal application collection around some items. (Built by copying into a sized
// vector: g++ 12 misreports vector::insert here under -O2.)
std::vector<uint8_t> inCollection(const std::vector<uint8_t>& items) {
    static const uint8_t head[] = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01};
    std::vector<uint8_t> v(sizeof head + items.size() + 1);
    std::copy(std::begin(head), std::end(head), v.begin());
    std::copy(items.begin(), items.end(), v.begin() + sizeof head);
    v.back() = 0xC0;
    return v;
}

}  // namespace

TEST(ReportDescriptor, CommandInterfaceHasFourCollectionsWithTheirReports) {
    const HidReportDescriptor d = parseOk(vorn::test::kCommandInterfaceDescriptor);
    ASSERT_EQ(d.collections.size(), 4u);
    EXPECT_TRUE(d.usesReportIds);

    const HidCollection& consumer = *d.collection(3);
    EXPECT_EQ(consumer.usagePage, 0x000C);
    EXPECT_EQ(consumer.usage, 0x0001);
    EXPECT_EQ(consumer.reportIds, std::vector<uint8_t>{3});
    EXPECT_EQ(consumer.byteLength(HidReportKind::Input), 3);
    EXPECT_EQ(consumer.byteLength(HidReportKind::Output), 0);
    ASSERT_EQ(consumer.buttons(HidReportKind::Input).size(), 1u);
    const HidFieldCaps& events = consumer.buttons(HidReportKind::Input)[0];
    EXPECT_TRUE(events.isArray);
    EXPECT_TRUE(events.isRange);
    EXPECT_EQ(events.usagePage, 0x000C);
    EXPECT_EQ(events.usageMin, 0x0000);
    EXPECT_EQ(events.usageMax, 0xFFFF);
    EXPECT_EQ(events.bitSize, 16);
    EXPECT_EQ(events.reportCount, 1u);
    EXPECT_EQ(events.logicalMax, 65535);
    EXPECT_EQ(events.reportId, 3);

    const HidCollection& vendor = *d.collection(4);
    EXPECT_EQ(vendor.usagePage, 0xFF1C);
    EXPECT_EQ(vendor.usage, 0x0092);
    EXPECT_EQ(vendor.reportIds, std::vector<uint8_t>{4});
    const HidCaps caps = vendor.caps();
    EXPECT_EQ(caps.inputReportByteLength, 64);
    EXPECT_EQ(caps.outputReportByteLength, 64);
    EXPECT_EQ(caps.featureReportByteLength, 0);
    EXPECT_EQ(caps.numberInputButtonCaps, 0);
    EXPECT_EQ(caps.numberInputValueCaps, 1);
    EXPECT_EQ(caps.numberOutputValueCaps, 1);
    const HidFieldCaps& in = vendor.values(HidReportKind::Input)[0];
    EXPECT_EQ(in.usagePage, 0xFF1C);
    EXPECT_EQ(in.usageMin, 0x0001);
    EXPECT_FALSE(in.isRange);
    EXPECT_EQ(in.reportCount, 63u);
    EXPECT_EQ(in.bitSize, 8);
    EXPECT_EQ(in.logicalMax, 255);

    EXPECT_EQ(d.collection(1)->byteLength(HidReportKind::Input), 7);
    EXPECT_EQ(d.collection(2)->byteLength(HidReportKind::Input), 2);
    EXPECT_EQ(d.ownerOf(HidReportKind::Input, 3), 2);
    EXPECT_EQ(d.ownerOf(HidReportKind::Output, 4), 3);
    EXPECT_EQ(d.ownerOf(HidReportKind::Output, 1), -1);
    EXPECT_EQ(d.collection(0), nullptr);  // several collections: a number is needed
    EXPECT_EQ(d.collection(5), nullptr);
}

TEST(ReportDescriptor, GamingMouseFieldsAndLinkCollections) {
    const HidReportDescriptor d = parseOk(vorn::test::kGamingMouseDescriptor);
    ASSERT_EQ(d.collections.size(), 1u);
    EXPECT_FALSE(d.usesReportIds);
    const HidCollection& m = *d.collection(0);
    EXPECT_EQ(m.usagePage, 0x0001);
    EXPECT_EQ(m.usage, 0x0002);
    EXPECT_TRUE(m.reportIds.empty());
    EXPECT_EQ(m.byteLength(HidReportKind::Input), 9);  // 8 data bytes + the id byte
    EXPECT_EQ(m.byteLength(HidReportKind::Output), 0);

    ASSERT_EQ(m.links.size(), 2u);
    EXPECT_EQ(m.links[0].numberOfChildren, 1);
    EXPECT_EQ(m.links[1].parent, 0);
    EXPECT_EQ(m.links[1].usage, 0x0001);
    EXPECT_EQ(m.links[1].collectionType, 0);

    ASSERT_EQ(m.buttons(HidReportKind::Input).size(), 1u);
    const HidFieldCaps& b = m.buttons(HidReportKind::Input)[0];
    EXPECT_EQ(b.usagePage, 0x0009);
    EXPECT_EQ(b.usageMin, 1);
    EXPECT_EQ(b.usageMax, 16);
    EXPECT_FALSE(b.isArray);
    EXPECT_EQ(b.reportCount, 16u);
    EXPECT_EQ(b.linkCollection, 1);
    EXPECT_EQ(b.linkUsage, 0x0001);
    EXPECT_EQ(b.linkUsagePage, 0x0001);

    const std::vector<HidFieldCaps>& v = m.values(HidReportKind::Input);
    ASSERT_EQ(v.size(), 4u);
    struct Expect {
        uint16_t page, usage;
        uint32_t bit;
        uint16_t size;
        int32_t min, max;
    } expect[] = {{0x01, 0x30, 16, 16, -32767, 32767},
                  {0x01, 0x31, 32, 16, -32767, 32767},
                  {0x01, 0x38, 48, 8, -127, 127},
                  {0x0C, 0x238, 56, 8, -127, 127}};
    for (size_t i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(v[i].usagePage, expect[i].page);
        EXPECT_EQ(v[i].usageMin, expect[i].usage);
        EXPECT_EQ(v[i].bitPosition, expect[i].bit);
        EXPECT_EQ(v[i].bitSize, expect[i].size);
        EXPECT_EQ(v[i].reportCount, 1u);
        EXPECT_EQ(v[i].logicalMin, expect[i].min);
        EXPECT_EQ(v[i].logicalMax, expect[i].max);
        EXPECT_FALSE(v[i].isAbsolute);
    }
}

TEST(ReportDescriptor, KeyboardWithFourCollections) {
    const HidReportDescriptor d = parseOk(vorn::test::kKeyboardDescriptor);
    ASSERT_EQ(d.collections.size(), 4u);

    const HidCollection& kb = *d.collection(1);
    EXPECT_EQ(kb.usage, 0x0006);
    EXPECT_EQ(kb.byteLength(HidReportKind::Input), 9);
    EXPECT_EQ(kb.byteLength(HidReportKind::Output), 2);
    EXPECT_EQ(kb.byteLength(HidReportKind::Feature), 0);
    const std::vector<HidFieldCaps>& keys = kb.buttons(HidReportKind::Input);
    ASSERT_EQ(keys.size(), 2u);  // the constant byte offers nothing
    EXPECT_FALSE(keys[0].isArray);
    EXPECT_EQ(keys[0].usageMin, 0xE0);
    EXPECT_EQ(keys[0].usageMax, 0xE7);
    EXPECT_TRUE(keys[1].isArray);
    EXPECT_EQ(keys[1].bitPosition, 16u);
    EXPECT_EQ(keys[1].reportCount, 6u);
    EXPECT_EQ(keys[1].usageMax, 0xA4);
    ASSERT_EQ(kb.buttons(HidReportKind::Output).size(), 1u);
    EXPECT_EQ(kb.buttons(HidReportKind::Output)[0].usagePage, 0x0008);
    EXPECT_EQ(kb.buttons(HidReportKind::Output)[0].reportCount, 5u);

    const HidCollection& consumer = *d.collection(2);
    EXPECT_EQ(consumer.usagePage, 0x000C);
    EXPECT_EQ(consumer.byteLength(HidReportKind::Input), 5);
    ASSERT_EQ(consumer.buttons(HidReportKind::Input).size(), 1u);
    EXPECT_EQ(consumer.buttons(HidReportKind::Input)[0].reportCount, 2u);
    EXPECT_EQ(consumer.buttons(HidReportKind::Input)[0].usageMax, 0x029C);

    const HidCollection& system = *d.collection(3);
    EXPECT_EQ(system.usage, 0x0080);
    EXPECT_EQ(system.byteLength(HidReportKind::Input), 2);
    const std::vector<HidFieldCaps>& sys = system.buttons(HidReportKind::Input);
    ASSERT_EQ(sys.size(), 3u);  // one per listed usage, all over the same 2-bit field
    EXPECT_EQ(sys[0].usageMin, 0x82);
    EXPECT_EQ(sys[1].arrayIndexBase, 1u);
    EXPECT_EQ(sys[2].usageMin, 0x83);
    EXPECT_EQ(sys[2].bitPosition, 0u);
    EXPECT_TRUE(sys[0].hasNull);

    const HidCollection& vendor = *d.collection(4);
    EXPECT_EQ(vendor.usagePage, 0xFF00);
    EXPECT_EQ(vendor.reportIds, (std::vector<uint8_t>{4, 5}));
    EXPECT_EQ(vendor.byteLength(HidReportKind::Feature), 8);
    EXPECT_EQ(vendor.byteLength(HidReportKind::Input), 32);
    EXPECT_EQ(vendor.byteLength(HidReportKind::Output), 32);
    EXPECT_EQ(vendor.values(HidReportKind::Feature)[0].reportId, 4);
    EXPECT_EQ(vendor.values(HidReportKind::Input)[0].reportId, 5);
}

TEST(ReportDescriptor, EveryTruncationFailsCleanly) {
    // Each prefix lives in a buffer of exactly its size, so the sanitizer catches any read
    // past the end. Prefixes that stop between items either parse (after a finished
    // collection) or fail; prefixes that cut an item are reported as truncated.
    const std::vector<uint8_t>& full = vorn::test::kKeyboardDescriptor;
    size_t itemStart = 0;
    std::vector<size_t> itemStarts;
    while (itemStart < full.size()) {
        itemStarts.push_back(itemStart);
        const uint8_t n = (full[itemStart] & 3) == 3 ? 4 : (full[itemStart] & 3);
        itemStart += 1 + n;
    }
    for (size_t len = 1; len < full.size(); ++len) {
        auto buf = std::make_unique<uint8_t[]>(len);
        std::copy(full.begin(), full.begin() + static_cast<long>(len), buf.get());
        HidReportDescriptor d;
        const HidParseResult r = parseReportDescriptor(buf.get(), len, d);
        const bool atBoundary =
            std::find(itemStarts.begin(), itemStarts.end(), len) != itemStarts.end();
        if (!atBoundary) {
            EXPECT_EQ(r.error, HidParseError::Truncated) << "length " << len;
        }
        if (!r.ok()) {
            EXPECT_TRUE(d.collections.empty());
        }
    }
}

TEST(ReportDescriptor, LongItemsAreSkippedAndTruncatedOnesRejected) {
    std::vector<uint8_t> withLong = {0xFE, 0x02, 0x10, 0xAA, 0xBB};
    withLong.insert(withLong.end(), vorn::test::kGamingMouseDescriptor.begin(),
                    vorn::test::kGamingMouseDescriptor.end());
    EXPECT_EQ(parseOk(withLong).collections.size(), 1u);

    EXPECT_EQ(parseError({0xFE, 0x05, 0x10, 0xAA}), HidParseError::Truncated);
    EXPECT_EQ(parseError({0xFE}), HidParseError::Truncated);
    EXPECT_EQ(parseError({0x05, 0x01, 0x27, 0xFF}), HidParseError::Truncated);
}

TEST(ReportDescriptor, StructuralFaultsAreRejected) {
    EXPECT_EQ(parseError({}), HidParseError::Empty);
    EXPECT_EQ(parseError({0x05, 0x01, 0x09, 0x02}), HidParseError::Empty);
    EXPECT_EQ(parseError({0xC0}), HidParseError::UnbalancedCollection);
    EXPECT_EQ(parseError({0x09, 0x01, 0xA1, 0x01}), HidParseError::UnbalancedCollection);
    EXPECT_EQ(parseError({0x75, 0x08, 0x95, 0x01, 0x09, 0x01, 0x81, 0x02}),
              HidParseError::MainItemOutsideCollection);
    EXPECT_EQ(parseError(inCollection({0x85, 0x00})), HidParseError::BadReportId);
    EXPECT_EQ(parseError(inCollection({0x76, 0x01, 0x01})), HidParseError::ReportSizeTooLarge);
    // 8 bits x 0x10000 fields: past any sane report.
    EXPECT_EQ(parseError(inCollection({0x75, 0x08, 0x97, 0x00, 0x00, 0x01, 0x00, 0x81, 0x01})),
              HidParseError::ReportTooLong);
    EXPECT_EQ(parseError(inCollection({0xB4})), HidParseError::PushPopMisuse);
    EXPECT_EQ(parseError(inCollection({0x07, 0x00, 0x00, 0x01, 0x00})),
              HidParseError::BadUsagePage);
    // Usage minimum without maximum, and an inverted range.
    EXPECT_EQ(parseError(inCollection({0x75, 0x01, 0x95, 0x01, 0x19, 0x01, 0x81, 0x02})),
              HidParseError::BadUsageRange);
    EXPECT_EQ(
        parseError(inCollection({0x75, 0x01, 0x95, 0x01, 0x19, 0x05, 0x29, 0x01, 0x81, 0x02})),
        HidParseError::BadUsageRange);
    // Delimiters: close without open, nested open, and a field inside an open set.
    EXPECT_EQ(parseError(inCollection({0xA9, 0x00})), HidParseError::DelimiterMisuse);
    EXPECT_EQ(parseError(inCollection({0xA9, 0x01, 0xA9, 0x01})), HidParseError::DelimiterMisuse);
    EXPECT_EQ(
        parseError(inCollection({0x75, 0x01, 0x95, 0x01, 0xA9, 0x01, 0x09, 0x01, 0x81, 0x02})),
        HidParseError::DelimiterMisuse);
}

TEST(ReportDescriptor, ReportIdsMayNeitherMixNorSpanCollections) {
    // A numbered report after an unnumbered one.
    EXPECT_EQ(parseError(inCollection({0x75, 0x08, 0x95, 0x01, 0x09, 0x01, 0x81, 0x02, 0x85, 0x01,
                                       0x09, 0x01, 0x81, 0x02})),
              HidParseError::MixedReportIds);
    // Input report 1 in two top-level collections.
    std::vector<uint8_t> a =
        inCollection({0x85, 0x01, 0x75, 0x08, 0x95, 0x01, 0x09, 0x01, 0x81, 0x02});
    std::vector<uint8_t> b = inCollection({0x09, 0x02, 0x81, 0x02});
    a.insert(a.end(), b.begin(), b.end());
    EXPECT_EQ(parseError(a), HidParseError::ReportIdSpansCollections);
}

TEST(ReportDescriptor, ExtendedUsagesCarryTheirPageAndShortOnesTakeThePageAtTheField) {
    // Usage (X) is written before its usage page; a 4-byte usage names the consumer page
    // while the current page is generic desktop.
    const HidReportDescriptor d = parseOk(inCollection({
        0x75, 0x08, 0x95, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00,  //
        0x09, 0x30, 0x05, 0x01, 0x81, 0x02,                    // X on generic desktop
        0x0B, 0x38, 0x02, 0x0C, 0x00, 0x81, 0x02,              // consumer AC Pan
    }));
    const std::vector<HidFieldCaps>& v = d.collections[0].values(HidReportKind::Input);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].usagePage, 0x0001);
    EXPECT_EQ(v[0].usageMin, 0x30);
    EXPECT_EQ(v[1].usagePage, 0x000C);
    EXPECT_EQ(v[1].usageMin, 0x238);
    EXPECT_EQ(v[1].bitPosition, 8u);
}

TEST(ReportDescriptor, PushAndPopRestoreGlobals) {
    const HidReportDescriptor d = parseOk(inCollection({
        0x75,
        0x08,
        0x95,
        0x01,  // 8 bits
        0xA4,  // Push
        0x75,
        0x10,  // 16 bits
        0x09,
        0x01,
        0x81,
        0x02,  //
        0xB4,  // Pop: back to 8 bits
        0x09,
        0x02,
        0x81,
        0x02,
    }));
    const std::vector<HidFieldCaps>& v = d.collections[0].values(HidReportKind::Input);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].bitSize, 16);
    EXPECT_EQ(v[1].bitSize, 8);
    EXPECT_EQ(v[1].bitPosition, 16u);
    EXPECT_EQ(d.collections[0].byteLength(HidReportKind::Input), 4);
}

TEST(ReportDescriptor, DelimitedUsagesBecomeAliasesOfOneField) {
    const HidReportDescriptor d = parseOk(inCollection({
        0x75, 0x08, 0x95, 0x02, 0x15, 0x00, 0x25, 0x7F,  //
        0xA9, 0x01, 0x09, 0x10, 0x09, 0x11, 0xA9, 0x00,  // {0x10 | 0x11} for field 0
        0x09, 0x20,                                      // 0x20 for field 1
        0x81, 0x02,
    }));
    const std::vector<HidFieldCaps>& v = d.collections[0].values(HidReportKind::Input);
    ASSERT_EQ(v.size(), 3u);
    EXPECT_TRUE(v[0].isAlias);
    EXPECT_FALSE(v[1].isAlias);  // the last of a set is not marked
    EXPECT_EQ(v[0].bitPosition, v[1].bitPosition);
    EXPECT_EQ(v[2].usageMin, 0x20);
    EXPECT_EQ(v[2].bitPosition, 8u);
}

TEST(ReportDescriptor, VariableFieldsShareOutTheirUsages) {
    const HidReportDescriptor d = parseOk(inCollection({
        0x75, 0x08, 0x95, 0x03, 0x15, 0x00, 0x25, 0x7F,  //
        0x09, 0x05, 0x81, 0x02,                          // one usage, three fields
        0x95, 0x02, 0x19, 0x01, 0x29, 0x09, 0x81, 0x02,  // range of 9 over two fields
    }));
    const std::vector<HidFieldCaps>& v = d.collections[0].values(HidReportKind::Input);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].reportCount, 3u);
    EXPECT_EQ(v[1].usageMin, 1);
    EXPECT_EQ(v[1].usageMax, 2);  // usages past the fields are dropped
    EXPECT_EQ(v[1].bitPosition, 24u);
}

TEST(ReportDescriptor, OneByteMaximumReadsUnsignedUnlessTheMinimumIsNegative) {
    const HidReportDescriptor d = parseOk(inCollection({
        0x75, 0x08, 0x95, 0x01, 0x15, 0x00, 0x25, 0xFF, 0x09, 0x01, 0x81, 0x02,  // 0..255
        0x15, 0xFE, 0x09, 0x02, 0x81, 0x02,                                      // -2..-1
    }));
    const std::vector<HidFieldCaps>& v = d.collections[0].values(HidReportKind::Input);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].logicalMax, 255);
    EXPECT_EQ(v[1].logicalMin, -2);
    EXPECT_EQ(v[1].logicalMax, -1);
}

#include <gtest/gtest.h>

#include "emulator/bus/ReportDescriptors.h"
#include "platform/hid/ReportDescriptor.h"

using namespace vorn::platform::hid;

// The host parses the emulator's hand-written descriptor: the collections, lengths and the
// event code field it finds must be the ones the emulated device routes reports by.
TEST(EmulatorDescriptor, ParsesIntoTheCollectionsTheDeviceRoutesBy) {
    const std::vector<uint8_t>& bytes = vorn::emulator::mouseInterfaceDescriptor();
    HidReportDescriptor parsed;
    ASSERT_TRUE(parseReportDescriptor(bytes.data(), bytes.size(), parsed).ok());

    const auto& layouts = vorn::emulator::mouseInterfaceCollections();
    ASSERT_EQ(parsed.collections.size(), layouts.size());
    for (const auto& layout : layouts) {
        const HidCollection* c = parsed.collection(layout.number);
        ASSERT_NE(c, nullptr) << layout.number;
        EXPECT_EQ(c->usagePage, layout.usagePage) << layout.number;
        EXPECT_EQ(c->usage, layout.usage) << layout.number;
        EXPECT_EQ(c->byteLength(HidReportKind::Input), layout.inputLength) << layout.number;
        EXPECT_EQ(c->byteLength(HidReportKind::Output), layout.outputLength) << layout.number;
        if (layout.inputReportId != 0) {
            EXPECT_EQ(parsed.ownerOf(HidReportKind::Input, layout.inputReportId),
                      layout.number - 1);
        }
    }

    // Collection 3 carries the 16-bit event code as the first usage of its input report.
    const HidCollection* events = parsed.collection(vorn::emulator::kEventCollection);
    ASSERT_NE(events, nullptr);
    ASSERT_FALSE(events->buttons(HidReportKind::Input).empty());
    const HidFieldCaps& code = events->buttons(HidReportKind::Input).front();
    EXPECT_EQ(code.usagePage, 0x000C);
    EXPECT_EQ(code.reportId, vorn::emulator::kEventReportId);
    EXPECT_TRUE(code.isArray);
    EXPECT_EQ(code.bitSize, 16);

    // Collection 4: the vendor command collection, 64-byte reports with id 4 both ways.
    const HidCollection* commands = parsed.collection(vorn::emulator::kCommandCollection);
    ASSERT_NE(commands, nullptr);
    EXPECT_EQ(commands->usagePage, 0xFF1C);
    EXPECT_EQ(commands->usage, 0x0092);
    EXPECT_EQ(commands->byteLength(HidReportKind::Input), 64);
    EXPECT_EQ(commands->byteLength(HidReportKind::Output), 64);
}

#include <gtest/gtest.h>

#include "catalogue/LinkRules.h"
#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"

using namespace vorn::catalogue;

namespace {

DeviceSlot slot(int index) {
    return slotFromRow(kDeviceSlotTable[static_cast<size_t>(index)]);
}

}  // namespace

TEST(PageIdentity, OwnReceiverMouseResolvesThroughItsCableSlot) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    EXPECT_EQ(pageRowOf(t, slot(10)), 2);  // "VORN-T4Pro" on its own receiver -> slot 8
    EXPECT_EQ(pageRowOf(t, slot(6)), 1);
    EXPECT_EQ(pageRowOf(t, slot(14)), 3);  // placeholder slot, cable slot 12 has a page
    EXPECT_EQ(pageRowOf(t, slot(8)), 2);
    EXPECT_EQ(pageRowOf(t, slot(18)), 4);
    EXPECT_EQ(pageRowOf(t, slot(0)), 0);
    // Event slots and the receiver have no page row of their own.
    EXPECT_EQ(pageRowOf(t, slot(9)), kNoIndex);
    EXPECT_EQ(pageRowOf(t, slot(kReceiverCommandSlot)), kNoIndex);

    DeviceSlot dangling = slot(10);
    dangling.alternateSlotIndex = 40;
    EXPECT_EQ(pageRowOf(t, dangling), kNoIndex);
    DeviceSlot noAlternate = slot(10);
    noAlternate.alternateSlotFlag = 0;
    EXPECT_EQ(pageRowOf(t, noAlternate), kNoIndex);  // looked up as itself: type 6 has no row
}

TEST(AlternateLink, CableAndOwnReceiverSlotsPointAtEachOther) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    EXPECT_EQ(alternateLinkOf(t, slot(4), std::nullopt), 6);
    EXPECT_EQ(alternateLinkOf(t, slot(6), std::nullopt), 4);
    EXPECT_EQ(alternateLinkOf(t, slot(9), std::nullopt), 11);
    EXPECT_EQ(alternateLinkOf(t, slot(0), std::nullopt), 2);
}

TEST(AlternateLink, T4MaxHasNoneEvenWhenTheReceiverReportsIt) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    for (int s : {18, 19}) {
        EXPECT_EQ(alternateLinkOf(t, slot(s), std::nullopt), kNoIndex);
        EXPECT_EQ(alternateLinkOf(t, slot(s), ReportedModel(11)), kNoIndex);
    }
}

TEST(AlternateLink, T4UltraReachesTheReceiverOnlyWhileItReportsCode2) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    EXPECT_EQ(alternateLinkOf(t, slot(12), std::nullopt), kNoIndex);  // index 40: past the table
    EXPECT_EQ(alternateLinkOf(t, slot(12), ReportedModel(1)), kNoIndex);
    EXPECT_EQ(alternateLinkOf(t, slot(12), ReportedModel(2)), kReceiverCommandSlot);
    // Only the command slot goes through the receiver.
    EXPECT_EQ(alternateLinkOf(t, slot(13), ReportedModel(2)), kNoIndex);
    // A paired T4 switches to the receiver instead of its own-receiver slot.
    EXPECT_EQ(alternateLinkOf(t, slot(4), ReportedModel(1)), kReceiverCommandSlot);
    EXPECT_EQ(alternateLinkOf(t, slot(8), ReportedModel(0)), kReceiverCommandSlot);
}

TEST(AlternateLink, ReceiverLeadsToTheReportedModelsCommandSlot) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    const DeviceSlot receiver = slot(kReceiverCommandSlot);
    EXPECT_EQ(alternateLinkOf(t, receiver, ReportedModel(0)), 8);
    EXPECT_EQ(alternateLinkOf(t, receiver, ReportedModel(1)), 4);
    EXPECT_EQ(alternateLinkOf(t, receiver, ReportedModel(2)), 12);
    EXPECT_EQ(alternateLinkOf(t, receiver, ReportedModel(11)), 18);
    EXPECT_EQ(alternateLinkOf(t, receiver, ReportedModel(5)), kNoIndex);
    EXPECT_EQ(alternateLinkOf(t, receiver, std::nullopt), kNoIndex);
}

TEST(AlternateLink, NotReportableCodeNeverMatchesEvenIfTheReceiverSendsIt) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    const ReportedModel hundred(kModelNotReportable);
    EXPECT_EQ(alternateLinkOf(t, slot(kReceiverCommandSlot), hundred), kNoIndex);
    EXPECT_EQ(alternateLinkOf(t, slot(6), hundred), 4);  // its own alternate, not the receiver
    EXPECT_FALSE(isReportedModel(slot(0), hundred));
    EXPECT_EQ(findReportedModelSlot(t, hundred, SlotRole::Command), kNoIndex);
    EXPECT_EQ(findReportedModelSlot(t, ReportedModel(2), SlotRole::Event), 13);
}

#include <gtest/gtest.h>

#include "catalogue/Collections.h"
#include "catalogue/LinkRules.h"
#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"

using namespace vorn::catalogue;
using vorn::test::openedCollection;

// Consistency rules the tables must keep whatever models are added.
TEST(CatalogueTables, RowsAreConsistentWithTheirCollectionsAndLinks) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    for (size_t i = 0; i < t.slots.size(); ++i) {
        SCOPED_TRACE(i);
        const DeviceSlotRow& r = t.slots[i];
        const bool command = r.role == SlotRole::Command;
        EXPECT_EQ(r.collectionNumber, command ? 4 : 3);
        EXPECT_EQ(r.usagePage, command ? 0xFF1C : 0x000C);
        EXPECT_EQ(r.usage, command ? 0x0092 : 0x0001);
        EXPECT_EQ(r.interfaceNumber, 1);
        // Command and event slot of a device sit side by side.
        const DeviceSlotRow& pair = t.slots[i ^ 1u];
        EXPECT_EQ(pair.productString, r.productString);
        EXPECT_EQ(pair.deviceType, r.deviceType);
        // Cable and own-receiver links name each other; the receiver's alternate is replaced
        // by the reported model's slot.
        const DeviceSlotRow* alt = r.alternateSlotFlag == 1 && r.alternateSlotIndex < t.slots.size()
                                       ? &t.slots[r.alternateSlotIndex]
                                       : nullptr;
        if (alt != nullptr && r.deviceType != DeviceType::Receiver) {
            // A cable slot whose own receiver never binds names a slot past the table.
            EXPECT_TRUE(alt->alternateSlotIndex == i || alt->alternateSlotIndex >= t.slots.size());
            EXPECT_EQ(alt->role, r.role);
            EXPECT_EQ(alt->productString, r.productString);
        }
    }
    ASSERT_EQ(t.pages.size(), t.options.size());
    // Every option row is found on a slot row of its own identity (the start-up page build
    // stops at the first that is not).
    for (const DeviceOptionRow& o : t.options) {
        EXPECT_NE(findSlotRow(t, o.deviceType, o.role, static_cast<std::uint16_t>(o.vendorId),
                              static_cast<std::uint16_t>(o.productId), o.productString),
                  kNoIndex)
            << o.displayName;
    }
    EXPECT_EQ(t.updateTargets.back().model, "AP");  // the application itself stays last
}

// A catalogue whose keyboard rows carry real ids binds a keyboard on both of its links.
// Only the cable slot has a page row: the other-link slot does not borrow its identity.
TEST(CatalogueTables, OwnCatalogueWithRealKeyboardIdsBindsTheKeyboard) {
    constexpr std::uint16_t kbVid = 0x320F, kbPid = 0x5055, kbRadioPid = 0x5056;
    std::array<DeviceSlotRow, 20> slots = kDeviceSlotTable;
    for (size_t i = 0; i < 4; ++i) {
        slots[i].vendorId = kbVid;
        slots[i].productId = i < 2 ? kbPid : kbRadioPid;
        slots[i].productString = "VORN-K\xC3\x96NIG";  // KÖNIG
    }
    std::array<DeviceOptionRow, 5> options = kDeviceOptionTable;
    options[0].vendorId = kbVid;
    options[0].productId = kbPid;
    options[0].productString = "VORN-K\xC3\x96NIG";
    const DeviceCatalogue own{slots, options, kDevicePageTable, kUpdateTargetTable};

    LiveSlotList live = makeLiveSlotList(own);
    EXPECT_TRUE(preMatch(own, live, kbVid, kbPid, 4, 1));
    EXPECT_FALSE(
        preMatch(kDeviceCatalogue, makeLiveSlotList(kDeviceCatalogue), kbVid, kbPid, 4, 1));

    DeviceSlot command = openedCollection(kbVid, kbPid, 4, "vorn-k\xC3\xB6nig", "/dev/hidraw1");
    EXPECT_EQ(claimSlot(own, live, command), 0);
    EXPECT_EQ(command.deviceType, DeviceType::Keyboard);
    DeviceSlot event = openedCollection(kbVid, kbPid, 3, "VORN-K\xC3\x96NIG", "/dev/hidraw2");
    EXPECT_EQ(claimSlot(own, live, event), 1);
    DeviceSlot radio = openedCollection(kbVid, kbRadioPid, 4, "Vorn-König", "/dev/hidraw3");
    EXPECT_EQ(claimSlot(own, live, radio), 2);
    EXPECT_EQ(radio.deviceType, DeviceType::KeyboardOtherLink);

    EXPECT_EQ(pageRowOf(own, live[0]), 0);
    EXPECT_EQ(pageRowOf(own, live[2]), kNoIndex);
    EXPECT_EQ(alternateLinkOf(own, live[0], std::nullopt), 2);
    EXPECT_EQ(alternateLinkOf(own, live[2], std::nullopt), 0);
    // The same keyboard string spelt with a different letter is another device.
    DeviceSlot other = openedCollection(kbVid, kbPid, 4, "VORN-KONIG", "/dev/hidraw4");
    live[0] = slotFromRow(slots[0]);
    EXPECT_EQ(claimSlot(own, live, other), kNoIndex);
}

TEST(CatalogueTables, ShortCatalogueHasNoReceiverSlotToSwitchTo) {
    const std::array<DeviceSlotRow, 14> slots = [] {
        std::array<DeviceSlotRow, 14> s{};
        std::copy_n(kDeviceSlotTable.begin(), 14, s.begin());
        return s;
    }();
    const DeviceCatalogue own{slots, kDeviceOptionTable, kDevicePageTable, kUpdateTargetTable};
    EXPECT_EQ(slotCount(own), 14);
    EXPECT_EQ(alternateLinkOf(own, slotFromRow(slots[12]), ReportedModel(2)), kNoIndex);
    EXPECT_EQ(alternateLinkOf(own, slotFromRow(slots[4]), std::nullopt), 6);
}

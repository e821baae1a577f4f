#include <gtest/gtest.h>

#include "catalogue/Collections.h"
#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"

using namespace vorn::catalogue;
using vorn::test::kCablePid;
using vorn::test::kVid;
using vorn::test::openedCollection;

namespace {

class SlotClaim : public ::testing::Test {
  protected:
    const DeviceCatalogue& tables = kDeviceCatalogue;
    LiveSlotList live = makeLiveSlotList(kDeviceCatalogue);

    int claim(std::uint16_t pid, std::uint16_t col, const std::string& product,
              const std::string& path) {
        DeviceSlot c = openedCollection(kVid, pid, col, product, path);
        return claimSlot(tables, live, c);
    }
};

}  // namespace

TEST(LiveSlotList, CopiesEveryRowInOrderUnboundAndWithoutPath) {
    LiveSlotList live = makeLiveSlotList(kDeviceCatalogue);
    ASSERT_EQ(static_cast<int>(live.size()), slotCount(kDeviceCatalogue));
    EXPECT_EQ(slotCount(kDeviceCatalogue), 20);
    EXPECT_EQ(optionCount(kDeviceCatalogue), 5);
    EXPECT_EQ(updateTargetCount(kDeviceCatalogue), 6);
    for (size_t i = 0; i < live.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(live[i].linked, 0);
        EXPECT_TRUE(live[i].devicePath.empty());
        EXPECT_TRUE(sameIdentity(live[i], slotFromRow(kDeviceSlotTable[i])));
        EXPECT_EQ(live[i].alternateSlotIndex, kDeviceSlotTable[i].alternateSlotIndex);
        EXPECT_EQ(live[i].pairedModelCode, kDeviceSlotTable[i].pairedModelCode);
    }
}

TEST_F(SlotClaim, LowerCaseProductStringClaimsCommandThenEventSlotWithTheirTypeAndRole) {
    DeviceSlot command = openedCollection(kVid, kCablePid, 4, "vorn-t4", "/dev/hidraw3");
    EXPECT_EQ(claimSlot(tables, live, command), 4);
    EXPECT_EQ(command.deviceType, DeviceType::Mouse);
    EXPECT_EQ(command.role, SlotRole::Command);
    EXPECT_EQ(live[4].linked, 1);
    EXPECT_EQ(live[4].devicePath, "/dev/hidraw3");

    DeviceSlot event = openedCollection(kVid, kCablePid, 3, "vorn-t4", "/dev/hidraw2");
    EXPECT_EQ(claimSlot(tables, live, event), 5);
    EXPECT_EQ(event.role, SlotRole::Event);
    EXPECT_EQ(live[5].devicePath, "/dev/hidraw2");
}

TEST_F(SlotClaim, SecondIdenticalDeviceIsRejectedAndTakesNoSlotOfAnotherModel) {
    ASSERT_EQ(claim(kCablePid, 4, "VORN-T4", "/dev/hidraw3"), 4);
    ASSERT_EQ(claim(kCablePid, 3, "VORN-T4", "/dev/hidraw2"), 5);

    EXPECT_EQ(claim(kCablePid, 4, "VORN-T4", "/dev/hidraw7"), kNoIndex);
    EXPECT_EQ(claim(kCablePid, 3, "VORN-T4", "/dev/hidraw6"), kNoIndex);
    // The same collection seen again on the next discovery pass is rejected too.
    EXPECT_EQ(claim(kCablePid, 4, "VORN-T4", "/dev/hidraw3"), kNoIndex);
    for (int other : {8, 9, 18, 19}) {
        EXPECT_EQ(live[static_cast<size_t>(other)].linked, 0) << other;
        EXPECT_TRUE(live[static_cast<size_t>(other)].devicePath.empty()) << other;
    }
    EXPECT_EQ(live[4].devicePath, "/dev/hidraw3");
}

TEST_F(SlotClaim, UnknownProductStringIsRejectedThoughPreMatchPassed) {
    EXPECT_TRUE(preMatch(tables, live, kVid, kCablePid, 4, 1));
    DeviceSlot c = openedCollection(kVid, kCablePid, 4, "VORN-T5", "/dev/hidraw3");
    EXPECT_EQ(claimSlot(tables, live, c), kNoIndex);
    // A near miss on the usage is rejected as well.
    DeviceSlot wrongUsage = openedCollection(kVid, kCablePid, 4, "VORN-T4", "/dev/hidraw3");
    wrongUsage.usage = 0x0001;
    EXPECT_EQ(claimSlot(tables, live, wrongUsage), kNoIndex);
    for (const DeviceSlot& s : live) {
        EXPECT_EQ(s.linked, 0);
    }
}

TEST_F(SlotClaim, PreMatchTurnsFalseOnceEverySlotOfThatAddressIsBound) {
    const char* models[] = {"VORN-T4", "VORN-T4Pro", "VORN-T4Ultra", "VORN-T4Max"};
    int n = 0;
    for (const char* model : models) {
        EXPECT_TRUE(preMatch(tables, live, kVid, kCablePid, 4, 1)) << model;
        EXPECT_NE(claim(kCablePid, 4, model, "/dev/hidraw" + std::to_string(n++)), kNoIndex);
    }
    EXPECT_FALSE(preMatch(tables, live, kVid, kCablePid, 4, 1));
    EXPECT_TRUE(preMatch(tables, live, kVid, kCablePid, 3, 1));

    // A slot whose device left (link cleared, path kept) is still not free.
    live[4].linked = 0;
    EXPECT_FALSE(preMatch(tables, live, kVid, kCablePid, 4, 1));
    live[4].devicePath.clear();
    EXPECT_TRUE(preMatch(tables, live, kVid, kCablePid, 4, 1));
}

TEST_F(SlotClaim, PreMatchRejectsForeignAddressesAndPlaceholderRows) {
    EXPECT_FALSE(preMatch(tables, live, 0x046D, kCablePid, 4, 1));
    EXPECT_FALSE(preMatch(tables, live, kVid, 0x1234, 4, 1));
    EXPECT_FALSE(preMatch(tables, live, kVid, kCablePid, 4, 0));
    EXPECT_FALSE(preMatch(tables, live, kVid, kCablePid, 2, 1));
    // Rows with vendor id 0 only hold their index: nothing binds them.
    EXPECT_FALSE(preMatch(tables, live, 0, 0, 4, 1));
    DeviceSlot placeholder = openedCollection(0, 0, 4, "VORN-T4Ultra", "/dev/hidraw9");
    EXPECT_EQ(claimSlot(tables, live, placeholder), kNoIndex);
    DeviceSlot keyboard = openedCollection(0, 0, 4, "", "/dev/hidraw9");
    EXPECT_EQ(claimSlot(tables, live, keyboard), kNoIndex);
}

TEST_F(SlotClaim, ReceiverAndOwnReceiverMouseClaimTheirSlots) {
    EXPECT_EQ(claim(vorn::test::kReceiverPid, 4, "VORN-8K Dongle", "/dev/hidraw4"),
              kReceiverCommandSlot);
    EXPECT_EQ(claim(vorn::test::kReceiverPid, 3, "VORN-8K Dongle", "/dev/hidraw5"),
              kReceiverEventSlot);
    EXPECT_EQ(claim(vorn::test::kOwnReceiverPid, 4, "VORN-T4Pro", "/dev/hidraw6"), 10);
    // The Ultra has no slot on its own receiver.
    EXPECT_EQ(claim(vorn::test::kOwnReceiverPid, 4, "VORN-T4Ultra", "/dev/hidraw7"), kNoIndex);
}

TEST(SlotLookupRows, FindsFirstRowIgnoringCaseIncludingNonAscii) {
    const DeviceCatalogue& t = kDeviceCatalogue;
    EXPECT_EQ(findSlotRow(t, DeviceType::Mouse, SlotRole::Event, kVid, kCablePid, "vorn-t4pro"), 9);
    EXPECT_EQ(findSlotRow(t, DeviceType::Keyboard, SlotRole::Command, 0, 0, ""), 0);
    EXPECT_EQ(findSlotRow(t, DeviceType::Mouse, SlotRole::Command, kVid, kCablePid, "VORN-T4 "),
              kNoIndex);
    EXPECT_EQ(findOptionRow(t, kVid, kCablePid, DeviceType::Mouse, SlotRole::Command, "VORN-T4MAX"),
              4);
    EXPECT_EQ(findOptionRow(t, kVid, kCablePid, DeviceType::Mouse, SlotRole::Event, "VORN-T4"),
              kNoIndex);

    // A model whose product string carries non-ASCII letters matches in any case.
    std::array<DeviceOptionRow, 1> options = {kDeviceOptionTable[1]};
    options[0].productString = "VORN-\xC3\x84RGER \xD0\x9C\xD0\xAB\xD0\xA8\xD0\xAC";  // ÄRGER МЫШЬ
    DeviceCatalogue own{kDeviceSlotTable, options, kDevicePageTable, kUpdateTargetTable};
    EXPECT_EQ(findOptionRow(own, kVid, kCablePid, DeviceType::Mouse, SlotRole::Command,
                            "vorn-\xC3\xA4rger \xD0\xBC\xD1\x8B\xD1\x88\xD1\x8C"),
              0);
}

TEST(SlotLookupRows, SameIdentityIgnoresBindingAlternateAndModelCodeButNotUsage) {
    DeviceSlot a = slotFromRow(kDeviceSlotTable[8]);
    DeviceSlot b = a;
    b.productString = "vorn-t4PRO";
    b.linked = 1;
    b.devicePath = "/dev/hidraw1";
    b.alternateSlotFlag = 0;
    b.alternateSlotIndex = 0;
    b.pairedModelCode = 7;
    EXPECT_TRUE(sameIdentity(a, b));
    b.usage = 0x0001;
    EXPECT_FALSE(sameIdentity(a, b));
    EXPECT_FALSE(sameIdentity(a, slotFromRow(kDeviceSlotTable[10])));  // own-receiver link
    EXPECT_FALSE(sameIdentity(a, slotFromRow(kDeviceSlotTable[4])));   // other model
}

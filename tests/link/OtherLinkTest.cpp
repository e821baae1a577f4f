#include <gtest/gtest.h>

#include "catalogue/StandardCatalogue.h"
#include "link/OtherLink.h"

using namespace vorn;
using namespace vorn::link;

namespace {

catalogue::LiveSlotList liveWith(std::initializer_list<int> linked) {
    catalogue::LiveSlotList slots = catalogue::makeLiveSlotList(catalogue::kDeviceCatalogue);
    for (int index : linked) {
        slots[static_cast<std::size_t>(index)].linked = 1;
        slots[static_cast<std::size_t>(index)].devicePath = "path" + std::to_string(index);
    }
    return slots;
}

}  // namespace

TEST(OtherLink, CableAndOwnReceiverNameEachOther) {
    EXPECT_TRUE(hasOtherLink(liveWith({4, 6}), 4, -1));  // T4 on both links
    EXPECT_TRUE(hasOtherLink(liveWith({4, 6}), 6, -1));
    EXPECT_FALSE(hasOtherLink(liveWith({4}), 4, -1));
    catalogue::LiveSlotList noPath = liveWith({4, 6});
    noPath[6].devicePath.clear();  // linked without a path is no link
    EXPECT_FALSE(hasOtherLink(noPath, 4, -1));
}

TEST(OtherLink, TheReceiverLinksTheModelItReports) {
    // T4Pro (model code 0) on its cable while the 8K receiver reports it.
    EXPECT_TRUE(hasOtherLink(liveWith({8, 16}), 8, 0));
    EXPECT_FALSE(hasOtherLink(liveWith({8, 16}), 8, -1));  // the receiver reports none
    EXPECT_FALSE(hasOtherLink(liveWith({8, 16}), 8, 2));   // another model
    EXPECT_FALSE(hasOtherLink(liveWith({8}), 8, 0));       // no receiver
    // The receiver's side: a command slot of the reported model is linked.
    EXPECT_TRUE(hasOtherLink(liveWith({16, 4}), 16, 1));
    EXPECT_FALSE(hasOtherLink(liveWith({16, 5}), 16, 1));  // only the event slot
    EXPECT_FALSE(hasOtherLink(liveWith({16, 4}), 16, -1));
}

TEST(OtherLink, ASlotWithoutAlternateHasNoneAndIndexesOutsideAreNone) {
    EXPECT_FALSE(hasOtherLink(liveWith({18, 16}), 18, 11));  // T4Max: no alternate slot
    EXPECT_FALSE(hasOtherLink(liveWith({4, 6}), -1, -1));
    EXPECT_FALSE(hasOtherLink(liveWith({4, 6}), 20, -1));
}

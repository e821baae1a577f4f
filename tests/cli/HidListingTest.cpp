#include "cli/HidListing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/FakeHidBackend.h"
#include "support/HidDescriptors.h"

using namespace vorn::cli;
using vorn::platform::hid::HidOpenError;

TEST(HidListing, ListsEveryCollectionWithItsLayoutSlotAndWhyItCouldNotOpen) {
    vorn::test::FakeHidBackend bus;
    const std::string events = "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col03";
    const std::string commands = "/dev/hidraw3#vid_320f&pid_22b6&mi_01&col04";
    const std::string locked = "/dev/hidraw6#vid_320f&pid_22a0&mi_01&col04";
    bus.add(events, vorn::test::kCommandInterfaceDescriptor, 3, "VORN-T4");
    bus.add(commands, vorn::test::kCommandInterfaceDescriptor, 4, "VORN-T4");
    bus.add(locked, vorn::test::kCommandInterfaceDescriptor, 4, "VORN-8K");
    bus.failOpen(locked, HidOpenError::PermissionDenied);

    const std::vector<HidCollectionListing> list = listHidCollections();
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1].usagePage, 0xFF1C);
    EXPECT_EQ(list[1].inputLength, 64);
    EXPECT_EQ(list[1].interfaceNumber, 1u);
    EXPECT_EQ(list[1].collectionNumber, 4u);
    EXPECT_EQ(list[1].product, "VORN-T4");
    EXPECT_EQ(list[1].openError, HidOpenError::None);
    // A collection the user may not open is still described, and says why.
    EXPECT_EQ(list[2].openError, HidOpenError::PermissionDenied);
    EXPECT_TRUE(list[2].described);
    EXPECT_EQ(list[2].product, "VORN-8K");

    std::vector<HidCollectionListing> shown = list;
    shown[2].described = false;  // as when even the description failed
    int asked = 0;
    std::ostringstream out;
    printHidCollections(out, shown,
                        [&](const HidCollectionListing&) { return std::to_string(4 + asked++); });
    EXPECT_EQ(
        out.str(),
        events +
            "\n"
            "    vid 320f  pid 22b6  interface 1  collection 3  usage 000c:0001  in 3  out 0"
            "  feature 0  slot 4\n"
            "    product \"VORN-T4\"\n" +
            commands +
            "\n"
            "    vid 320f  pid 22b6  interface 1  collection 4  usage ff1c:0092  in 64  out 64"
            "  feature 0  slot 5\n"
            "    product \"VORN-T4\"\n" +
            locked +
            "\n"
            "    vid 320f  pid 22a0  interface 1  collection 4  slot 6\n"
            "    cannot open: permission denied (install the udev rule, see README)\n"
            "3 HID collections\n");
}

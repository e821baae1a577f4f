// The device selector: moving between tiles, the synchronisation boxes, the entry reports.

#include <gtest/gtest.h>

#include "LinkRig.h"
#include "ui/framework/controls/Button.h"

using namespace vorn;
using namespace vorn::test;

namespace {

ui::CCheckBoxUI* synchroBox(ui::CDeviceOptionUI& tile) {
    return dynamic_cast<ui::CCheckBoxUI*>(
        tile.FindSubControl(ui::CDeviceOptionUI::kSynchroBoxName));
}

}  // namespace

TEST(Selector, NextAndPreviousStopAtTheEndsAndSkipHiddenTiles) {
    LinkRig rig("t4,t4pro,t4max");
    rig.pass();
    ASSERT_EQ(rig.selector->connectedCount(), 3);
    EXPECT_EQ(rig.selector->currentIndex(), kT4Entry);
    rig.selector->selectNext();
    EXPECT_EQ(rig.selector->currentIndex(), kT4ProEntry);
    rig.selector->selectNext();  // the T4Ultra's tile is hidden
    EXPECT_EQ(rig.selector->currentIndex(), kT4MaxEntry);
    rig.selector->selectNext();  // the last one: nothing happens
    EXPECT_EQ(rig.selector->currentIndex(), kT4MaxEntry);
    EXPECT_EQ(rig.selector->currentDevice(), &rig.page(kT4MaxEntry));
    rig.selector->selectPrevious();
    rig.selector->selectPrevious();
    rig.selector->selectPrevious();  // the keyboard's tile is hidden: no wrapping either
    EXPECT_EQ(rig.selector->currentIndex(), kT4Entry);
    // The selected page is the one the page switch shows.
    auto* pages = dynamic_cast<ui::CTabLayoutUI*>(rig.control("device_switch"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->GetCurItem(), &rig.page(kT4Entry));
}

TEST(Selector, SynchronisationBoxesShowWithTwoDevicesAndClearWhenFewerThanTwoAreChecked) {
    LinkRig rig("t4");
    rig.pass();
    ASSERT_NE(synchroBox(rig.tile(kT4Entry)), nullptr);
    EXPECT_FALSE(synchroBox(rig.tile(kT4Entry))->IsVisible());  // one device: no box
    EXPECT_FALSE(rig.page(kT4Entry).severalDevicesConnected());

    ASSERT_GE(rig.bus->plugCable(rig.bus->addMouse(*emulator::findMouseModel("t4pro"))), 0);
    rig.pass();
    EXPECT_TRUE(synchroBox(rig.tile(kT4Entry))->IsVisible());
    EXPECT_TRUE(rig.page(kT4ProEntry).severalDevicesConnected());
    synchroBox(rig.tile(kT4Entry))->SetCheck(true);
    synchroBox(rig.tile(kT4ProEntry))->SetCheck(true);
    rig.selector->onSynchroBoxChanged(synchroBox(rig.tile(kT4ProEntry)));  // checked: kept
    EXPECT_TRUE(rig.tile(kT4Entry).isSynchronised());

    synchroBox(rig.tile(kT4ProEntry))->SetCheck(false);
    rig.selector->onSynchroBoxChanged(synchroBox(rig.tile(kT4ProEntry)));
    EXPECT_FALSE(rig.tile(kT4Entry).isSynchronised());
    EXPECT_FALSE(rig.tile(kT4ProEntry).isSynchronised());
}

TEST(Selector, EntryReportsHideAndShowAndMoveTheSelection) {
    LinkRig rig("t4,t4pro");
    rig.pass();
    ASSERT_EQ(rig.selector->currentIndex(), kT4Entry);
    rig.selector->onEntryReport(kT4Entry, false);  // the selected one goes away
    EXPECT_FALSE(rig.tile(kT4Entry).isTileVisible());
    EXPECT_EQ(rig.selector->currentIndex(), kT4ProEntry);
    rig.selector->onEntryReport(kT4Entry, true);  // back, not selected: another is connected
    EXPECT_TRUE(rig.tile(kT4Entry).isTileVisible());
    EXPECT_EQ(rig.selector->currentIndex(), kT4ProEntry);
    rig.selector->onEntryReport(42, true);  // no such entry
    EXPECT_EQ(rig.selector->connectedCount(), 2);
}

#include <gtest/gtest.h>

#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui/controls/SelectPanelUI.h"
#include "ui_controls/ControlsTestSupport.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

// Three keys directly in the panel and one inside a further layout of it.
const char* kPanel = R"(<Window size="300,200">
  <SelectPanel name="device_key_light">
    <DeviceKeyButton name="key_a" float="true" pos="10,10,40,40"/>
    <DeviceKeyButton name="key_b" float="true" pos="60,10,90,40"/>
    <DeviceKeyButton name="key_c" float="true" pos="10,100,40,130"/>
    <Button name="plain" float="true" pos="60,100,90,130"/>
    <HorizontalLayout float="true" pos="200,10,260,60">
      <DeviceKeyButton name="key_deep" width="30" height="30"/>
    </HorizontalLayout>
  </SelectPanel>
</Window>)";

struct PanelTree : test::CustomTree {
    PanelTree() : CustomTree(kPanel) {}
    CSelectPanelUI* panel() { return find<CSelectPanelUI>("device_key_light"); }
    int picked(const char* name) { return find<CDeviceKeyButtonUI>(name)->isPicked(); }
    void drag(UiPoint from, UiPoint to) {
        t(UIEVENT_BUTTONDOWN, from);
        t(UIEVENT_MOUSEMOVE, to);
        t(UIEVENT_BUTTONUP, to);
    }
    // Events straight to the panel, as while it holds the mouse.
    void t(UiEventType type, UiPoint point) {
        TEventUI e{.Type = type, .pSender = panel(), .ptMouse = point};
        panel()->Event(e);
    }
    std::vector<std::string> ends() { return recorder.of("click_select_end"); }
};

}  // namespace

TEST(SelectPanel, DragPicksTheKeysItMeetsAndRaisesTheEnd) {
    PanelTree t;
    ASSERT_NE(t.panel(), nullptr);
    EXPECT_EQ(t.panel()->GetClass(), "SelectPanel");
    // From below-right of key_b to the middle of key_a: both touched, key_c not.
    t.drag({100, 50}, {25, 25});
    EXPECT_EQ(t.panel()->selection(), (UiRect{25, 25, 100, 50}));
    EXPECT_EQ(t.picked("key_a"), 1);
    EXPECT_EQ(t.picked("key_b"), 1);
    EXPECT_EQ(t.picked("key_c"), 0);
    EXPECT_EQ(t.ends(), (std::vector<std::string>{"click_select_end:device_key_light"}));
    EXPECT_FALSE(t.panel()->isDragging());
}

TEST(SelectPanel, AKeyOnlyPartlyInsideIsPickedAndOneJustOutsideIsNot) {
    PanelTree t;
    t.drag({39, 39}, {55, 45});  // one pixel of key_a; key_b starts at x 60
    EXPECT_EQ(t.picked("key_a"), 1);
    EXPECT_EQ(t.picked("key_b"), 0);
    t.drag({40, 40}, {59, 99});  // touches no key (right and bottom edges are outside)
    EXPECT_EQ(t.picked("key_a"), 0);
}

TEST(SelectPanel, ADragOverNoKeyClearsEveryPick) {
    PanelTree t;
    t.drag({0, 0}, {299, 199});
    EXPECT_EQ(t.picked("key_a") + t.picked("key_b") + t.picked("key_c"), 3);
    t.drag({120, 150}, {180, 190});
    EXPECT_EQ(t.picked("key_a") + t.picked("key_b") + t.picked("key_c"), 0);
    EXPECT_EQ(t.ends().size(), 2u);
}

TEST(SelectPanel, KeysNestedDeeperAreNeverPicked) {
    PanelTree t;
    t.drag({0, 0}, {299, 199});
    EXPECT_EQ(t.picked("key_deep"), 0);
}

TEST(SelectPanel, ALineDragPicksNothingButStillEnds) {
    PanelTree t;
    t.drag({0, 0}, {299, 199});
    t.drag({5, 25}, {100, 25});  // zero height across key_a and key_b
    EXPECT_EQ(t.picked("key_a"), 0);
    EXPECT_EQ(t.picked("key_b"), 0);
    t.drag({25, 0}, {25, 150});  // zero width across key_a and key_c
    EXPECT_EQ(t.picked("key_a") + t.picked("key_c"), 0);
    EXPECT_EQ(t.ends().size(), 3u);
}

TEST(SelectPanel, PressAndReleaseWithoutAMovePicksAndRaisesNothing) {
    PanelTree t;
    t.drag({0, 0}, {299, 199});
    t.t(UIEVENT_BUTTONDOWN, {25, 25});
    t.t(UIEVENT_BUTTONUP, {120, 150});
    EXPECT_EQ(t.picked("key_a"), 1);
    EXPECT_EQ(t.ends().size(), 1u);
    EXPECT_EQ(t.panel()->selection(), (UiRect{0, 0, 299, 199}));
}

TEST(SelectPanel, MovesWithoutAPressDoNothingAndADisabledPanelIgnoresPresses) {
    PanelTree t;
    t.t(UIEVENT_MOUSEMOVE, {25, 25});
    t.t(UIEVENT_BUTTONUP, {25, 25});
    EXPECT_TRUE(t.ends().empty());
    t.panel()->SetEnabled(false);
    t.drag({0, 0}, {299, 199});
    EXPECT_TRUE(t.ends().empty());
    EXPECT_EQ(t.picked("key_a"), 0);
}

TEST(SelectPanel, MouseInputOfTheWindowReachesThePanelFromItsEmptyPart) {
    PanelTree t;
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {150, 150});
    t.pm.DispatchMouse(UIEVENT_MOUSEMOVE, {100, 120});
    t.pm.DispatchMouse(UIEVENT_MOUSEMOVE, {30, 30});
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {30, 30});
    EXPECT_EQ(t.panel()->selection(), (UiRect{30, 30, 150, 150}));
    EXPECT_EQ(t.picked("key_a"), 1);
    EXPECT_EQ(t.picked("key_b"), 1);
    EXPECT_EQ(t.picked("key_c"), 1);
    EXPECT_EQ(t.ends(), (std::vector<std::string>{"click_select_end:device_key_light"}));
}

#include <gtest/gtest.h>

#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui_controls/ControlsTestSupport.h"
#include "ui_framework/RecordingPainter.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const char* kKeys = R"(<Window size="200,100">
  <HorizontalLayout name="root">
    <DeviceKeyButton name="key_1" width="40" height="30" normalimage="key.png"
        lightimage="light.png" keysetimage="set.png" keyunsetimage="unset.png"/>
    <DeviceKeyButton name="key_2" width="40" height="30" enabled="false"/>
  </HorizontalLayout>
</Window>)";

struct KeyTree : test::CustomTree {
    KeyTree() : CustomTree(kKeys) {}
    CDeviceKeyButtonUI* key(const char* name) { return find<CDeviceKeyButtonUI>(name); }
    std::vector<std::string> paint(CDeviceKeyButtonUI* k) {
        test::RecordingPainter p;
        k->DoPaint(p, k->GetPos());
        return p.calls;
    }
};

}  // namespace

TEST(DeviceKeyButton, StartsDarkWithBothMarksHidden) {
    CDeviceKeyButtonUI k;
    EXPECT_EQ(k.GetClass(), "DeviceKeyButton");
    EXPECT_EQ(k.GetInterface("DeviceKeyButton"), &k);
    EXPECT_NE(k.GetInterface("Button"), nullptr);
    EXPECT_FALSE(k.isLit());
    EXPECT_EQ(k.lightColour(), 255u);
    EXPECT_EQ(k.brightness(), 200);
    EXPECT_EQ(k.keySetHidden(), 1);
    EXPECT_EQ(k.keyUnsetHidden(), 1);
    EXPECT_EQ(k.keyMark(), 0);
    EXPECT_EQ(k.isPicked(), 0);
    EXPECT_TRUE(k.lightImage().empty());
}

TEST(DeviceKeyButton, ImageAttributesAreStoredAndOthersGoToTheButton) {
    KeyTree t;
    CDeviceKeyButtonUI* k = t.key("key_1");
    ASSERT_NE(k, nullptr);
    EXPECT_EQ(k->lightImage(), "light.png");
    EXPECT_EQ(k->keySetImage(), "set.png");
    EXPECT_EQ(k->keyUnsetImage(), "unset.png");
    EXPECT_EQ(k->GetNormalImage(), "key.png");
    EXPECT_EQ(k->GetFixedWidth(), 40);
}

TEST(DeviceKeyButton, PaintsStatusImageThenTintedLightThenUnsetThenSetMark) {
    KeyTree t;
    CDeviceKeyButtonUI* k = t.key("key_1");
    EXPECT_EQ(t.paint(k), (std::vector<std::string>{"image 0,0,40,30 #00000000 key.png"}));

    // Red 0x40, green 0x80, blue 0xFF as the page composes the word.
    k->setLightState(0x00FF8040, 128, true);
    k->setKeyUnsetHidden(0);
    k->setKeySetHidden(0);
    EXPECT_EQ(t.paint(k), (std::vector<std::string>{
                              "image 0,0,40,30 #00000000 key.png",
                              "tinted 0,0,40,30 #FF4080FF light.png 128",
                              "image 0,0,40,30 #00000000 unset.png",
                              "image 0,0,40,30 #00000000 set.png",
                          }));

    k->setLightState(0x000000FF, 255, false);  // unlit: no light image
    k->setKeyUnsetHidden(1);
    EXPECT_EQ(t.paint(k), (std::vector<std::string>{"image 0,0,40,30 #00000000 key.png",
                                                    "image 0,0,40,30 #00000000 set.png"}));
    EXPECT_EQ(CDeviceKeyButtonUI::tintOf(255), 0xFFFF0000u);  // the initial colour is red
}

TEST(DeviceKeyButton, DoubleClickInsideRaisesDbclickAndTheReleaseAClick) {
    KeyTree t;
    t.pm.DispatchMouse(UIEVENT_BUTTONDOWN, {10, 10});
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {10, 10});
    t.pm.DispatchMouse(UIEVENT_DBLCLICK, {10, 10});
    EXPECT_NE(t.key("key_1")->GetButtonState() & UISTATE_PUSHED, 0u);
    t.pm.DispatchMouse(UIEVENT_BUTTONUP, {10, 10});
    EXPECT_EQ(t.recorder.events, (std::vector<std::string>{"setfocus:key_1", "click:key_1",
                                                           "dbclick:key_1", "click:key_1"}));
}

TEST(DeviceKeyButton, DisabledOrOutsideDoubleClicksRaiseNothing) {
    KeyTree t;
    t.pm.DispatchMouse(UIEVENT_DBLCLICK, {50, 10});  // the disabled key
    TEventUI outside{.Type = UIEVENT_DBLCLICK, .ptMouse = {150, 10}};
    t.key("key_1")->Event(outside);
    EXPECT_TRUE(t.recorder.of("dbclick").empty());
    EXPECT_EQ(t.key("key_1")->GetButtonState() & UISTATE_PUSHED, 0u);
}

TEST(DeviceKeyButton, FlagsRepaintOnlyWhenTheyChange) {
    KeyTree t;
    CDeviceKeyButtonUI* k = t.key("key_1");
    test::RepaintCounter repaints(t.pm, k);
    k->setKeySetHidden(1);  // unchanged
    k->setKeyUnsetHidden(1);
    k->setKeyMark(0);
    k->setPicked(1);  // never repaints
    k->setLightState(0x123456, 10, true);
    EXPECT_EQ(repaints.count, 0);
    k->setKeySetHidden(0);
    k->setKeyUnsetHidden(0);
    k->setKeyMark(1);
    EXPECT_EQ(repaints.count, 3);
    EXPECT_EQ(k->keyMark(), 1);
    EXPECT_EQ(k->isPicked(), 1);
    EXPECT_EQ(k->lightColour(), 0x123456u);
    EXPECT_EQ(k->brightness(), 10);
    EXPECT_TRUE(k->isLit());
}

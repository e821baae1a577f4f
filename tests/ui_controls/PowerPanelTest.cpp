#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "ui/controls/MpDevicePowerUI.h"
#include "ui/framework/controls/Progress.h"
#include "ui_controls/ControlsTestSupport.h"

using namespace vorn;
using namespace vorn::ui;

namespace {

const char* kPanel = R"(<Window size="220,60">
  <MpDevicePower name="power">
    <HorizontalLayout name="device_power_Layout">
      <Control name="device_wuxian_logo" bkimage="logo.png"/>
      <Label name="device_wuxian_logo_text"/>
      <Label name="device_youxian_logo_text"/>
      <Control name="device_phone_type" bkimage="phone.png"/>
      <Control name="device_powering_status" bkimage="start.png"/>
      <Label name="device_powering_status_text"/>
      <Control name="device_power_status" bkimage="start.png"/>
      <Progress name="device_Power_progress" value="5"/>
      <Label name="device_power_value" text="--"/>
    </HorizontalLayout>
  </MpDevicePower>
</Window>)";

struct PowerTree : test::CustomTree {
    explicit PowerTree(int kind, int variant = 0) : CustomTree(kPanel) {
        panel()->setPanelKind(kind, variant);
    }
    CMpDevicePowerUI* panel() { return find<CMpDevicePowerUI>("power"); }
    CControlUI* c(const char* name) { return pm.FindControl(name); }
    std::string bk(const char* name) { return c(name)->GetBkImage(); }
    bool shown(const char* name) { return c(name)->IsVisible(); }
    int progress() { return find<CProgressUI>("device_Power_progress")->GetValue(); }
    void show(std::vector<uint8_t> block) { panel()->showPowerState(block); }
};

// Battery level, charging state, unused, link, unused, phone type.
std::vector<uint8_t> block(uint8_t level, uint8_t charging, uint8_t link, uint8_t phone = 0) {
    return {level, charging, 0, link, 0, phone};
}

}  // namespace

TEST(PowerPanel, LevelGoesToTheBarAndTheText) {
    PowerTree t(2);
    EXPECT_EQ(t.panel()->GetClass(), "MpDevicePower");
    t.show(block(87, 0, 0));
    EXPECT_EQ(t.progress(), 87);
    EXPECT_EQ(t.c("device_power_value")->GetText(), "87%");
}

TEST(PowerPanel, CableOnAMouseShowsTheCableLookAndIdleCharging) {
    PowerTree t(2);
    t.show(block(50, 0, 0));
    EXPECT_EQ(t.bk("device_wuxian_logo"), "file='power/WIFI_normal.png'");
    EXPECT_FALSE(t.shown("device_wuxian_logo_text"));
    EXPECT_TRUE(t.shown("device_youxian_logo_text"));
    EXPECT_FALSE(t.shown("device_powering_status_text"));
    EXPECT_TRUE(t.shown("device_power_value"));
    EXPECT_FALSE(t.shown("device_Power_progress"));
    EXPECT_EQ(t.bk("device_power_status"), "file='power/power.png'");
    EXPECT_EQ(t.bk("device_powering_status"), "file='power/light.png'");
    EXPECT_EQ(t.bk("device_phone_type"), "phone.png");  // only a mouse pad shows a phone
}

TEST(PowerPanel, ChargingOnTheRadioLinkShowsPoweringOnBothStatusPictures) {
    PowerTree t(1);
    t.show(block(30, 1, 1));
    EXPECT_EQ(t.bk("device_wuxian_logo"), "file='power/WIFI_down.png'");
    EXPECT_TRUE(t.shown("device_wuxian_logo_text"));
    EXPECT_FALSE(t.shown("device_youxian_logo_text"));
    EXPECT_TRUE(t.shown("device_powering_status_text"));
    EXPECT_FALSE(t.shown("device_power_value"));
    EXPECT_EQ(t.bk("device_power_status"), "file='power/powering.png'");
    EXPECT_EQ(t.bk("device_powering_status"), "file='power/powering.png'");
}

TEST(PowerPanel, FullyChargedAndUnknownChargingStates) {
    PowerTree t(2);
    t.show(block(100, 2, 1));
    EXPECT_FALSE(t.shown("device_powering_status_text"));
    EXPECT_TRUE(t.shown("device_power_value"));
    EXPECT_EQ(t.bk("device_power_status"), "file='power/power.png'");
    EXPECT_EQ(t.bk("device_powering_status"), "file='power/power.png'");

    // State 7 leaves the charging controls as they were; the level and link still change.
    t.c("device_Power_progress")->SetVisible(true);
    t.show(block(64, 7, 1));
    EXPECT_TRUE(t.shown("device_Power_progress"));
    EXPECT_EQ(t.bk("device_power_status"), "file='power/power.png'");
    EXPECT_EQ(t.bk("device_powering_status"), "file='power/powering.png'");  // the link's
    EXPECT_EQ(t.c("device_power_value")->GetText(), "64%");
}

TEST(PowerPanel, AHeadsetNeverChangesTheLinkLogoOrThePhone) {
    PowerTree t(7);
    t.show(block(10, 0, 1, 1));
    EXPECT_EQ(t.bk("device_wuxian_logo"), "logo.png");
    EXPECT_EQ(t.bk("device_phone_type"), "phone.png");
    EXPECT_TRUE(t.shown("device_wuxian_logo_text"));  // the link texts still follow
    EXPECT_EQ(t.bk("device_powering_status"), "file='power/light.png'");
}

TEST(PowerPanel, KindTenIsKeptAsAMouse) {
    PowerTree t(10, 1);
    EXPECT_EQ(t.panel()->panelKind(), 2);
    EXPECT_EQ(t.panel()->variant(), 1);
    t.show(block(10, 0, 0));
    EXPECT_EQ(t.bk("device_wuxian_logo"), "file='power/WIFI_normal.png'");
}

TEST(PowerPanel, AMousePadShowsItsPairedPhone) {
    struct Case {
        uint8_t type;
        const char* tooltip;
        const char* image;
    };
    const std::array<Case, 5> cases = {{
        {1, "Phone_type_iphone", "file='power/Phone_type_iphone.png'"},
        {2, "Phone_type_samsung", "file='power/Phone_type_samsung.png'"},
        {3, "Phone_type_other", "file='power/Phone_type_other.png'"},
        {0, "Phone_type_no_device", "file='power/Phone_type_no_device.png'"},
        {4, "Phone_type_no_device", "file='power/Phone_type_no_device.png'"},
    }};
    PowerTree t(3);
    for (const Case& c : cases) {
        t.show(block(40, 0, 0, c.type));
        EXPECT_EQ(t.c("device_phone_type")->GetToolTip(), c.tooltip) << int(c.type);
        EXPECT_EQ(t.bk("device_phone_type"), c.image) << int(c.type);
    }
    EXPECT_EQ(t.bk("device_wuxian_logo"), "logo.png");  // a pad has no link logo
}

TEST(PowerPanel, AShortBlockReadsItsMissingBytesAsZero) {
    PowerTree t(3);
    t.show(block(40, 1, 1, 2));
    t.show({55, 1});  // no link byte, no phone byte
    EXPECT_EQ(t.c("device_power_value")->GetText(), "55%");
    EXPECT_TRUE(t.shown("device_youxian_logo_text"));
    EXPECT_EQ(t.c("device_phone_type")->GetToolTip(), "Phone_type_no_device");
    t.show({});  // charging state 0 too
    EXPECT_EQ(t.c("device_power_value")->GetText(), "0%");
    EXPECT_EQ(t.bk("device_powering_status"), "file='power/light.png'");
}

TEST(PowerPanel, ALongBlockUsesItsFirstBytes) {
    PowerTree t(2);
    std::vector<uint8_t> big(200, 0);
    big[0] = 99;
    big[3] = 1;
    t.show(big);
    EXPECT_EQ(t.c("device_power_value")->GetText(), "99%");
    EXPECT_EQ(t.bk("device_wuxian_logo"), "file='power/WIFI_down.png'");
}

TEST(PowerPanel, NothingChangesWhileASubControlIsMissing) {
    PowerTree t(2);
    auto* layout = static_cast<CContainerUI*>(t.c("device_power_Layout"));
    layout->Remove(t.c("device_phone_type"));
    t.show(block(70, 1, 1));
    EXPECT_EQ(t.c("device_power_value")->GetText(), "--");
    EXPECT_EQ(t.progress(), 5);
    EXPECT_EQ(t.bk("device_wuxian_logo"), "logo.png");
    EXPECT_EQ(t.bk("device_power_status"), "start.png");
}

TEST(PowerPanel, ThePowerLayoutIsShownOrHidden) {
    PowerTree t(2);
    t.panel()->showPowerLayout(false);
    EXPECT_FALSE(t.c("device_power_Layout")->IsVisibleSelf());
    t.panel()->showPowerLayout(true);
    EXPECT_TRUE(t.c("device_power_Layout")->IsVisibleSelf());
    CMpDevicePowerUI bare;
    bare.showPowerLayout(false);  // without the layout: nothing to do
    bare.showPowerState(block(1, 1, 1));
}

TEST(PowerPanel, ActivatingRaisesSelectchanged) {
    PowerTree t(2);
    EXPECT_TRUE(t.panel()->Activate());
    EXPECT_EQ(t.recorder.of("selectchanged"), (std::vector<std::string>{"selectchanged:power"}));
    t.panel()->SetEnabled(false);
    EXPECT_FALSE(t.panel()->Activate());
    EXPECT_EQ(t.recorder.of("selectchanged").size(), 1u);
}

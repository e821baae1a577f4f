// Binding the device picture of a page, the notifications of its own controls and the tabs
// shown for the link kind.

#include <gtest/gtest.h>

#include "DeviceTestSupport.h"
#include "platform/debug/DebugSink.h"
#include "ui/framework/windows/PaintManager.h"

using namespace vorn;
using namespace vorn::devices;
using vorn::test::FakeKeyButton;

namespace {

const char* const kPicture = R"(<VerticalLayout>
  <Label name="title"/>
  <HorizontalLayout>
    <SelectPanel name="device_key_light">
      <DeviceKeyButton name="key_0" userdata="light_0"/>
      <DeviceKeyButton name="key_10" userdata="light_2"/>
      <DeviceKeyButton name="key_11"/>
      <DeviceKeyButton name="key_12" userdata="light_3"/>
      <DeviceKeyButton name="key_x" userdata="light_"/>
      <DeviceKeyButton name="key_-1" userdata="light_1x"/>
      <Button name="key_1" userdata="light_1"/>
    </SelectPanel>
    <SelectPanel name="second_panel">
      <DeviceKeyButton name="key_2" userdata="light_1"/>
    </SelectPanel>
  </HorizontalLayout>
</VerticalLayout>)";

FakeKeyButton* button(CTessarinUSBDevice& page, std::string_view name) {
    return dynamic_cast<FakeKeyButton*>(page.FindSubControl(name));
}

struct PictureTest : ::testing::Test {
    void SetUp() override {
        page.setPageLayout("XML\\DeviceXml\\test.xml");
        page.setKeyCount(11);
        page.setLightCount(3);
        test::buildPage(page, kPicture);
    }
    CTessarinUSBDevice page;
};

}  // namespace

TEST_F(PictureTest, BindsKeysByNameAndLightsByUserDataInTheFirstPanel) {
    page.InitPage();
    ASSERT_NE(page.selectPanel(), nullptr);
    EXPECT_EQ(page.selectPanel()->GetName(), "device_key_light");
    EXPECT_EQ(page.keyControl(0), button(page, "key_0"));
    EXPECT_EQ(page.keyControl(10), button(page, "key_10"));
    // key_11 and key_12 lie past an 11-key page; a plain button is no key button; key_2
    // sits in the second panel.
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(page.keyControl(i), nullptr) << i;
    }
    EXPECT_EQ(page.lightControlAt(0), button(page, "key_0"));
    EXPECT_EQ(page.lightControlAt(1), nullptr);
    EXPECT_EQ(page.lightControlAt(2), button(page, "key_10"));
}

TEST_F(PictureTest, BoundLightsStartRedOnWhite) {
    page.InitPage();
    FakeKeyButton* first = button(page, "key_0");
    EXPECT_EQ(first->colour, 0x0000FFu);
    EXPECT_EQ(first->brightness, 255);
    EXPECT_TRUE(first->lit);
    EXPECT_EQ(first->keyColour, 0xFFFFFFu);
    EXPECT_EQ(first->keyBrightness, 255);
    // Unbound ones are left alone.
    EXPECT_EQ(button(page, "key_12")->lightCalls, 0);
    EXPECT_EQ(button(page, "key_11")->lightCalls, 0);
    EXPECT_EQ(button(page, "key_2")->lightCalls, 0);
}

TEST_F(PictureTest, AgainAfterTheCountsChangeBindsAfresh) {
    page.InitPage();
    page.setKeyCount(13);
    page.setLightCount(4);
    page.InitPage();
    EXPECT_EQ(page.keyControl(11), button(page, "key_11"));
    EXPECT_EQ(page.keyControl(12), button(page, "key_12"));
    EXPECT_EQ(page.lightControlAt(3), button(page, "key_12"));
}

TEST(PageBinding, EmptyLayoutEmptiesTheLists) {
    CTessarinUSBDevice page;
    page.setKeyCount(11);
    page.setLightCount(3);
    page.SetLightColour(1, 0x01010101u);
    page.InitPage();
    EXPECT_EQ(page.keyCount(), 0);
    EXPECT_EQ(page.lightCount(), 0);
    EXPECT_EQ(page.lightStates().size(), 0u);
    EXPECT_EQ(page.selectPanel(), nullptr);
    EXPECT_EQ(page.GetLightColour(1), 0u);
}

TEST(PageBinding, NoSelectPanelBindsNothingButEffectsStillRun) {
    CTessarinUSBDevice page;
    page.setPageLayout("XML\\DeviceXml\\bare.xml");
    page.setKeyCount(4);
    page.setLightCount(2);
    test::buildPage(page, R"(<VerticalLayout>
      <DeviceKeyButton name="key_0" userdata="light_0"/>
    </VerticalLayout>)");
    page.InitPage();
    EXPECT_EQ(page.selectPanel(), nullptr);
    EXPECT_EQ(page.keyControl(0), nullptr);
    EXPECT_EQ(page.lightControlAt(0), nullptr);
    EXPECT_EQ(dynamic_cast<FakeKeyButton*>(page.FindSubControl("key_0"))->lightCalls, 0);

    profiles::LightSetting light;
    light.brightness = 4;
    light.red = 1;
    light.green = 2;
    light.blue = 3;
    page.SetLightParameters(light);
    page.RenderStatic();
    EXPECT_EQ(page.GetLightColour(0), 0xFF030201u);
    EXPECT_EQ(page.GetLightColour(1), 0xFF030201u);
    page.PushLightFrame();  // nothing bound: nothing to show, nothing breaks
}

namespace {

struct NotifyTest : ::testing::Test {
    void SetUp() override {
        page = new CTessarinUSBDevice;
        other = new CTessarinUSBDevice;
        root = new ui::CHorizontalLayoutUI;
        root->Add(page);
        root->Add(other);
        test::buildPage(*page, R"(<VerticalLayout><Button name="DPI_slider_3"/></VerticalLayout>)");
        test::buildPage(*other,
                        R"(<VerticalLayout><Button name="DPI_slider_3"/></VerticalLayout>)");
        pm.AttachDialog(root);
        page->OnNotifyType("click", [this](ui::TNotifyUI& msg) {
            handled.push_back(msg.sType + ":" + msg.pSender->GetName());
        });
    }
    ui::CControlUI* ownSlider() { return pm.FindSubControlByName(page, "DPI_slider_3"); }
    ui::CControlUI* otherSlider() { return pm.FindSubControlByName(other, "DPI_slider_3"); }

    ui::CPaintManagerUI pm;
    ui::CHorizontalLayoutUI* root = nullptr;
    CTessarinUSBDevice* page = nullptr;
    CTessarinUSBDevice* other = nullptr;
    std::vector<std::string> handled;
};

}  // namespace

TEST_F(NotifyTest, OwnControlsReachThePump) {
    platform::DebugCapture debug;
    ui::TNotifyUI msg;
    msg.sType = "click";
    msg.pSender = ownSlider();
    ASSERT_NE(msg.pSender, nullptr);
    page->Notify(msg);
    EXPECT_EQ(handled, (std::vector<std::string>{"click:DPI_slider_3"}));
    EXPECT_EQ(debug.lines(), (std::vector<std::string>{"测试成功   、n"}));
}

TEST_F(NotifyTest, ControlsOfAnotherPageWithTheSameNameDoNot) {
    platform::DebugCapture debug;
    ui::TNotifyUI msg;
    msg.sType = "click";
    msg.pSender = otherSlider();
    ASSERT_NE(msg.pSender, nullptr);
    ASSERT_NE(msg.pSender, ownSlider());
    page->onNotify(msg);
    msg.pSender = nullptr;
    page->onNotify(msg);
    EXPECT_TRUE(handled.empty());
    EXPECT_TRUE(debug.lines().empty());
}

namespace {

const char* const kSwitches = R"(<VerticalLayout>
  <TabLayout name="device_function_switch">
    <Control/><Control/><Control/><Control/><Control/><Control/>
  </TabLayout>
  <TabLayout name="device_key_function_switch">
    <Control/><Control/><Control/>
  </TabLayout>
</VerticalLayout>)";

struct LinkKindTest : ::testing::Test {
    void SetUp() override { test::buildPage(page, kSwitches); }
    ui::CTabLayoutUI* tab(std::string_view name) {
        return dynamic_cast<ui::CTabLayoutUI*>(page.FindSubControl(name));
    }
    // "function,key" after showing the type, starting from tabs 5 and 2.
    std::string after(int type) {
        tab("device_function_switch")->SelectItem(5, false);
        tab("device_key_function_switch")->SelectItem(2, false);
        page.ShowLinkKind(type);
        return std::to_string(tab("device_function_switch")->GetCurSel()) + "," +
               std::to_string(tab("device_key_function_switch")->GetCurSel());
    }
    CTessarinUSBDevice page;
};

}  // namespace

TEST_F(LinkKindTest, TabsByLinkType) {
    EXPECT_EQ(after(2), "0,1");
    EXPECT_EQ(after(6), "0,1");
    EXPECT_EQ(after(3), "1,2");
    EXPECT_EQ(after(10), "1,2");
    EXPECT_EQ(after(7), "0,2");
    EXPECT_EQ(after(5), "2,2");
    EXPECT_EQ(after(8), "3,2");
    EXPECT_EQ(after(9), "5,2");
    EXPECT_EQ(after(1), "0,0");
    EXPECT_EQ(after(0), "0,0");
    EXPECT_EQ(after(42), "0,0");
    EXPECT_EQ(page.GetLinkIndicator(), 42);
}

TEST_F(LinkKindTest, TypeFourDependsOnTheFamily) {
    // The base family (0) shows it as type 7.
    EXPECT_EQ(after(4), "0,2");
    catalogue::DeviceSlot slot;
    slot.deviceType = catalogue::DeviceType::Mouse;
    page.bindSlot(slot);
    tab("device_key_function_switch")->SelectItem(1, false);
    tab("device_function_switch")->SelectItem(0, false);
    page.ShowLinkKind(4);
    EXPECT_EQ(tab("device_function_switch")->GetCurSel(), 4);
    EXPECT_EQ(tab("device_key_function_switch")->GetCurSel(), 1);
    slot.deviceType = catalogue::DeviceType::Keyboard;
    page.bindSlot(slot);
    EXPECT_EQ(after(4), "4,2");
    slot.deviceType = catalogue::DeviceType::Headset;
    page.bindSlot(slot);
    EXPECT_EQ(after(4), "0,2");
}

TEST(LinkKind, APageWithoutSwitchesOnlyKeepsTheType) {
    CTessarinUSBDevice page;
    page.ShowLinkKind(6);
    EXPECT_EQ(page.GetLinkIndicator(), 6);
    // Switches that arrive later are still found.
    test::buildPage(page, kSwitches);
    page.ShowLinkKind(9);
    auto* function = dynamic_cast<ui::CTabLayoutUI*>(page.FindSubControl("device_function_switch"));
    EXPECT_EQ(function->GetCurSel(), 5);
}

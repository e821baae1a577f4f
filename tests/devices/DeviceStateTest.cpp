// The fields of a device page and the set-up the main window gives it.

#include <gtest/gtest.h>

#include <filesystem>

#include "DeviceTestSupport.h"
#include "platform/paths/Paths.h"
#include "support/TempHome.h"

using namespace vorn;
using namespace vorn::devices;
using vorn::test::FakePowerView;

namespace {

catalogue::DeviceSlot slotOf(catalogue::DeviceType type, catalogue::SlotRole role) {
    catalogue::DeviceSlot slot;
    slot.vendorId = 0x320F;
    slot.productId = 0x22A0;
    slot.deviceType = type;
    slot.role = role;
    slot.productString = "VORN-8K Dongle";
    return slot;
}

}  // namespace

TEST(DeviceState, ConstructedDefaults) {
    CTessarinUSBDevice page;
    EXPECT_EQ(page.GetClass(), "TessarinUSBDevice");
    EXPECT_EQ(page.deviceKind(), 0);
    EXPECT_EQ(page.slotRole(), 0);
    EXPECT_EQ(page.GetLinkIndicator(), 1);
    EXPECT_EQ(page.pageIndex(), -1);
    EXPECT_EQ(page.GetLightNameSet(), 0);
    EXPECT_EQ(page.hasPowerPage(), 0);
    EXPECT_EQ(page.lightControl(), 1);
    EXPECT_EQ(page.windowShown(), 1);
    EXPECT_EQ(page.keyCount(), 0);
    EXPECT_EQ(page.lightCount(), 0);
    EXPECT_EQ(page.GetProfilePath(), "");
    const CTessarinUSBDevice::EffectCounters counters = page.effectCounters();
    EXPECT_EQ(counters.phase, 0);
    EXPECT_EQ(counters.colourStep, 0);
    EXPECT_EQ(counters.blinkOn, 0);
    EXPECT_EQ(counters.lastToggle, 0u);
    EXPECT_EQ(page.lightRecord(), profiles::LightSetting{});
    EXPECT_FALSE(page.channel().isOpen());
}

TEST(DeviceState, InterfacesAnswerThePageAndTheLayout) {
    CTessarinUSBDevice page;
    EXPECT_EQ(page.GetInterface("TessarinUSBDevice"), static_cast<void*>(&page));
    EXPECT_NE(page.GetInterface("HorizontalLayout"), nullptr);
    EXPECT_NE(page.GetInterface("Container"), nullptr);
    EXPECT_EQ(page.GetInterface("Button"), nullptr);
}

TEST(DeviceState, BindSlotTakesTypeAndRoleAndStoresReceiverAsMouse) {
    CTessarinUSBDevice page;
    page.bindSlot(slotOf(catalogue::DeviceType::Receiver, catalogue::SlotRole::Event));
    EXPECT_EQ(page.deviceKind(), 2);
    EXPECT_EQ(page.slotRole(), 255);
    const catalogue::DeviceSlot copy = page.slotIdentityOf();
    EXPECT_EQ(copy.productId, 0x22A0);
    EXPECT_EQ(copy.deviceType, catalogue::DeviceType::Receiver);
    EXPECT_EQ(copy.productString, "VORN-8K Dongle");
    EXPECT_TRUE(catalogue::sameIdentity(
        copy, slotOf(catalogue::DeviceType::Receiver, catalogue::SlotRole::Event)));

    page.bindSlot(slotOf(catalogue::DeviceType::MousePad, catalogue::SlotRole::Command));
    EXPECT_EQ(page.deviceKind(), 3);
    EXPECT_EQ(page.slotRole(), 0);
    page.bindSlot(slotOf(catalogue::DeviceType::KeyboardOtherLink, catalogue::SlotRole::Command));
    EXPECT_EQ(page.deviceKind(), 9);
}

TEST(DeviceState, LightCountResizesAndZeroesEvenWhenUnchanged) {
    CTessarinUSBDevice page;
    page.setLightCount(3);
    ASSERT_EQ(page.lightCount(), 3);
    ASSERT_EQ(page.lightStates().size(), 3u);
    page.SetLightColour(0, 0x11223344u);
    page.SetLightColour(2, 0xFF0000FFu);
    page.lightStates()[1].mode = 7;
    page.lightStates()[1].present = 1;

    page.setLightCount(3);
    EXPECT_EQ(page.lightCount(), 3);
    EXPECT_EQ(page.GetLightColour(0), 0u);
    EXPECT_EQ(page.GetLightColour(2), 0u);
    EXPECT_EQ(page.lightStates()[1], profiles::LightSlotRecord{});

    page.SetLightColour(1, 0x01020304u);
    page.setLightCount(5);
    EXPECT_EQ(page.lightCount(), 5);
    EXPECT_EQ(page.lightStates().size(), 5u);
    EXPECT_EQ(page.GetLightColour(1), 0u);
    EXPECT_EQ(page.lightControlAt(4), nullptr);

    page.setLightCount(-2);
    EXPECT_EQ(page.lightCount(), 0);
}

TEST(DeviceState, LightColoursOutsideTheListAreIgnoredAndReadAsZero) {
    CTessarinUSBDevice page;
    page.setLightCount(2);
    page.SetLightColour(1, 0xAABBCCDDu);
    page.SetLightColour(2, 0x12345678u);
    page.SetLightColour(-1, 0x12345678u);
    EXPECT_EQ(page.GetLightColour(1), 0xAABBCCDDu);
    EXPECT_EQ(page.GetLightColour(0), 0u);
    EXPECT_EQ(page.GetLightColour(2), 0u);
    EXPECT_EQ(page.GetLightColour(-1), 0u);
    EXPECT_EQ(page.GetLightColour(1000), 0u);
}

TEST(DeviceState, KeyCountResizesOnlyWhenChanged) {
    CTessarinUSBDevice page;
    page.setKeyCount(11);
    EXPECT_EQ(page.keyCount(), 11);
    EXPECT_EQ(page.keyControl(10), nullptr);
    EXPECT_EQ(page.keyControl(11), nullptr);
    page.setKeyCount(11);
    EXPECT_EQ(page.keyCount(), 11);
    page.setKeyCount(0);
    EXPECT_EQ(page.keyCount(), 0);
}

TEST(DeviceState, PowerPageFlagReachesThePowerControlEitherWay) {
    CTessarinUSBDevice page;
    FakePowerView power;
    page.setHasPowerPage(1);  // no control yet: only stored
    EXPECT_EQ(page.hasPowerPage(), 1);
    page.setPowerControl(&power);
    EXPECT_EQ(power.layoutShown, (std::vector<bool>{true}));
    page.setHasPowerPage(0);
    EXPECT_EQ(power.layoutShown, (std::vector<bool>{true, false}));
    EXPECT_EQ(page.powerControl(), &power);
}

TEST(DeviceState, SettersKeepWhatTheMainWindowGives) {
    CTessarinUSBDevice page;
    page.setPageLayout("XML\\DeviceXml\\mousedevice_T4.xml");
    page.setLightConfigName("T4");
    page.setDisplayName("VORN T4");
    page.setProfileName("2024_01_02_03_04_05_006");
    page.setPageIndex(3);
    page.setWindowShown(0);
    page.SetLightNameSet(2);
    EXPECT_EQ(page.pageLayout(), "XML\\DeviceXml\\mousedevice_T4.xml");
    EXPECT_EQ(page.lightConfigName(), "T4");
    EXPECT_EQ(page.displayName(), "VORN T4");
    EXPECT_EQ(page.profileName(), "2024_01_02_03_04_05_006");
    EXPECT_EQ(page.pageIndex(), 3);
    EXPECT_EQ(page.windowShown(), 0);
    EXPECT_EQ(page.GetLightNameSet(), 2);
}

TEST(DeviceState, LightParametersAreKeptWhole) {
    CTessarinUSBDevice page;
    profiles::LightSetting light;
    light.mode = 4;
    light.brightness = 3;
    light.speed = 2;
    light.direction = 1;
    light.multiColour = 1;
    light.red = 10;
    light.green = 20;
    light.blue = 30;
    light.reserved[1] = 0x5A;
    light.previousMode = 9;
    page.SetLightParameters(light);
    EXPECT_EQ(page.lightRecord(), light);
}

TEST(DeviceState, BaseOperationsAnswerNothingDone) {
    CTessarinUSBDevice page;
    std::vector<int> macros = {1, 2};
    page.GetMacroList(macros);
    EXPECT_TRUE(macros.empty());
    EXPECT_EQ(page.WriteKeyAssignments(0, {}), 0);
    EXPECT_EQ(page.WriteCurrentKeyAssignments(0), 0);
    EXPECT_EQ(page.WriteCurrentSecondKeyAssignments(0), 0);
    EXPECT_EQ(page.WriteSecondKeyAssignments(0, {}), 0);
    EXPECT_EQ(page.WriteMacros({3}), 0);
    EXPECT_EQ(page.WriteProfileBlock(0, 0, 1, 1920, 1080), 0);
    EXPECT_TRUE(page.IsReachable());
    page.SelectKey(7);
    page.SelectSecondKey(9);
    EXPECT_EQ(page.selectedKey(), 7);
    EXPECT_EQ(page.selectedSecondKey(), 9);
    page.SetKeyNameMap({{1, "Left"}, {2, "Right"}});
    EXPECT_EQ(page.keyNameMap().at(2), "Right");
}

namespace {
class FakeEditor final : public ILightEditorView {
  public:
    void setEditorValues(int x, int y, int z) override {
        a = x;
        b = y;
        c = z;
    }
    void editorValues(int& x, int& y, int& z) const override {
        x = a;
        y = b;
        z = c + 100;  // what the control holds now
    }
    int a = 0, b = 0, c = 0;
};
}  // namespace

TEST(DeviceState, LightEditorValuesGoThroughTheEditorControl) {
    CTessarinUSBDevice page;
    int a = -1, b = -1, c = -1;
    page.SetLightEditorValues(1, 2, 3);
    page.GetLightEditorValues(a, b, c);
    EXPECT_EQ(a, 1);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(c, 3);

    FakeEditor editor;
    page.setLightEditor(&editor);
    page.SetLightEditorValues(4, 5, 6);
    EXPECT_EQ(editor.a, 4);
    EXPECT_EQ(editor.b, 5);
    EXPECT_EQ(editor.c, 6);
    page.GetLightEditorValues(a, b, c);
    EXPECT_EQ(c, 106);
}

TEST(DeviceFolders, DefaultDataBesideTheProgramAndUserFolderByDisplayName) {
    test::TempHome home;
    platform::setProgramFolderOverride("/opt/vorn/");
    CTessarinUSBDevice page;
    page.setDisplayName("VORN T4");
    EXPECT_EQ(page.defaultDataFolder(), "/opt/vorn/DefaultData/");
    EXPECT_EQ(page.defaultProfilePath(), "/opt/vorn/DefaultData/VORN T4.Json");

    const std::string folder = page.deviceDataFolder();
    EXPECT_EQ(folder, (home.dataHome() / "VORN  8K Gaming Mouse" / "VORN T4").string() + "/");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    platform::setProgramFolderOverride("");
}

TEST(DeviceFolders, ANameWithSeparatorsStaysInsideTheUserFolder) {
    test::TempHome home;
    CTessarinUSBDevice page;
    page.setDisplayName("../../escape");
    const std::string folder = page.deviceDataFolder();
    EXPECT_EQ(folder, (home.dataHome() / "VORN  8K Gaming Mouse" / "escape").string() + "/");
    EXPECT_FALSE(std::filesystem::exists(home.root() / "escape"));

    page.setDisplayName("..");
    EXPECT_EQ(page.deviceDataFolder(), (home.dataHome() / "VORN  8K Gaming Mouse").string() + "/");
}

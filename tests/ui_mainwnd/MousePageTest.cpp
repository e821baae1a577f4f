// The mouse page end to end on the emulated bus: a control event on the page reaches the
// mouse as the exact frames and bytes, and the profile file as the exact values.

#include <gtest/gtest.h>

#include "MouseRig.h"
#include "devices/keys/KeySetControlUI.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Progress.h"
#include "ui/profiles/DeviceProfileUI.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

using namespace vorn;
using namespace vorn::test;
using Strings = std::vector<std::string>;

namespace {

ui::CSliderUI* asSlider(ui::CControlUI* c) {
    return ui::interfaceOf<ui::CSliderUI>(c, "Slider");
}
ui::COptionUI* asOption(ui::CControlUI* c) {
    return ui::interfaceOf<ui::COptionUI>(c, "Option");
}
int stageDpiOnMouse(const std::vector<std::uint8_t>& block, int stage) {
    const std::size_t at = 14 + 9 * static_cast<std::size_t>(stage) + 2;
    return block[at] | block[at + 1] << 8;
}

}  // namespace

TEST(MousePage, ASliderWritesTheWholeBlockOnTheCableAndStoresTheStage) {
    MouseRig rig("t4");
    EXPECT_EQ(rig.mouse().sensorId(), 0x3395);
    rig.takeFrames();
    asSlider(rig.control("DPI_slider_3"))->SetValue(1600);
    rig.raise("valuechanged", "DPI_slider_3");
    EXPECT_EQ(rig.takeFrames(), (Strings{"01", "06 56@0", "06 19@56", "02"}));
    EXPECT_EQ(stageDpiOnMouse(rig.settingsBlock(), 3), 1600);
    EXPECT_EQ(rig.storedEntry()["DPIStages"][0]["StageDPIs"][3]["StageDPIX"].asInt(), 1600);
    EXPECT_EQ(rig.control("DPI_edit_3")->GetText(), "1600");
}

TEST(MousePage, ThroughTheReceiverTheBlockGoesInFourFramesAfterTheLinkRule) {
    MouseRig rig("dongle8k+t4");
    ASSERT_TRUE(rig.mouse().channel().viaReceiver());
    rig.takeFrames();
    asSlider(rig.control("DPI_slider_3"))->SetValue(1600);
    rig.raise("valuechanged", "DPI_slider_3");
    EXPECT_EQ(rig.takeFrames(), (Strings{"AA", "01", "AA", "06 24@0", "06 24@24", "06 24@48",
                                         "06 3@72", "AA", "02"}));
    EXPECT_EQ(stageDpiOnMouse(rig.settingsBlock(), 3), 1600);
}

TEST(MousePage, TypedStageValuesAreClampedAndShownRounded) {
    MouseRig rig("t4");
    const auto type = [&](const char* text) {
        rig.control("DPI_edit_2")->SetText(text);
        rig.raise("killfocus", "DPI_edit_2");
        return rig.mouse().workingCopy().stages[2].dpiX();
    };
    EXPECT_EQ(type("10"), 50);
    EXPECT_EQ(rig.control("DPI_edit_2")->GetText(), "50");
    EXPECT_EQ(type(""), 50);
    EXPECT_EQ(type("45000"), 42000);
    EXPECT_EQ(type("26050"), 26050);
    EXPECT_EQ(rig.control("DPI_edit_2")->GetText(), "26100");  // shown rounded, stored as typed
    EXPECT_EQ(stageDpiOnMouse(rig.settingsBlock(), 2), 26050);
    EXPECT_EQ(type("1234"), 1234);
    EXPECT_EQ(rig.control("DPI_edit_2")->GetText(), "1250");
}

TEST(MousePage, OneStageAlwaysStaysEnabledAndTheActiveOneCannotBeDisabled) {
    MouseRig rig("t4");
    const int active = rig.mouse().workingCopy().activeStage;
    ASSERT_EQ(active, 1);  // the emulated mouse's factory block
    const auto setEnabled = [&](int stage, bool on) {
        auto* check = ui::interfaceOf<ui::CCheckBoxUI>(
            rig.control("DPI_enable_check_" + std::to_string(stage)), "CheckBox");
        check->SetCheck(on, false);
        rig.raise("selectchanged", "DPI_enable_check_" + std::to_string(stage));
        return check;
    };
    for (int stage : {0, 2, 3, 4, 5}) {
        setEnabled(stage, false);
    }
    ui::CControlUI* last = rig.control("DPI_enable_check_1");
    EXPECT_FALSE(last->IsEnabled());  // the active and last enabled stage
    EXPECT_TRUE(rig.control("DPI_enable_check_0")->IsEnabled());
    // Raised anyway (a script), the active stage stays on.
    auto* check = setEnabled(active, false);
    EXPECT_TRUE(check->GetCheck());
    EXPECT_EQ(rig.mouse().workingCopy().stages[1].enabled, 1);
    EXPECT_EQ(rig.settingsBlock()[14 + 9 * 1], 1);
    EXPECT_EQ(rig.settingsBlock()[14 + 9 * 0], 0);
    // Clicking a stage's value makes it the active one.
    setEnabled(4, true);
    rig.raise("click", "DPI_edit_4");
    EXPECT_EQ(rig.mouse().workingCopy().activeStage, 4);
    EXPECT_EQ(rig.settingsBlock()[12], 4);
    EXPECT_TRUE(asOption(rig.control("DPI_select_check_4"))->IsSelected());
    EXPECT_FALSE(asOption(rig.control("DPI_select_check_1"))->IsSelected());
    EXPECT_TRUE(rig.control("DPI_enable_check_1")->IsEnabled());
}

TEST(MousePage, TheCableSliderRunsFromTwoToSixAndAStoredNineIsKeptAsSix) {
    MouseRig rig("t4");
    ASSERT_TRUE(rig.bus->writeMemory(0, emulator::MouseArea::Settings, 11, {9}));
    rig.mouse().readProfileBlock();
    rig.mouse().ShowSettings();
    ui::CSliderUI* rate = asSlider(rig.control("polling_rate_slider"));
    EXPECT_EQ(rate->GetMinValue(), 2);
    EXPECT_EQ(rate->GetMaxValue(), 6);
    EXPECT_EQ(rate->GetValue(), 6);
    EXPECT_EQ(rig.mouse().workingCopy().settings.reportSelectUsb, 6);
    rate->SetValue(4);
    rig.raise("valuechanged", "polling_rate_slider");
    EXPECT_EQ(rig.settingsBlock()[11], 4);
    EXPECT_EQ(rig.storedEntry()["SystemStages"]["ReportSelectItemUSB"].asInt(), 4);
    EXPECT_EQ(rig.storedEntry()["ReportStages"]["StageActive"].asInt(), 4);
}

TEST(MousePage, SensorAndPowerOptionsReachTheBlock) {
    MouseRig rig("t4");
    const auto choose = [&](const std::string& option) {
        asOption(rig.control(option))->Selected(true, false);
        rig.raise("selectchanged", option);
    };
    choose("sensor_lif_option_1");
    choose("motion_sync_option_1");
    choose("Linear_Calibration_option_1");
    choose("Silent_Altitude_option_2");
    choose("deep_sleep_option_1");
    asSlider(rig.control("Dormancy_slider"))->SetValue(4);
    rig.raise("valuechanged", "Dormancy_slider");
    asSlider(rig.control("Key_Delay_slider"))->SetValue(3);
    rig.raise("valuechanged", "Key_Delay_slider");
    const std::vector<std::uint8_t> block = rig.settingsBlock();
    EXPECT_EQ(block[73], 1);
    EXPECT_EQ(block[71], 1);
    EXPECT_EQ(block[72], 1);
    EXPECT_EQ(block[13], 2);
    EXPECT_EQ(block[68] | block[69] << 8, 600);
    EXPECT_EQ(block[70], 6);
    EXPECT_TRUE(rig.control("Dormancy_slider")->IsEnabled());
    choose("deep_sleep_option_0");
    EXPECT_EQ(rig.settingsBlock()[68], 0);
    EXPECT_EQ(rig.settingsBlock()[69], 0);
    EXPECT_FALSE(rig.control("Dormancy_slider")->IsEnabled());
    const Json::Value stored = rig.storedEntry()["SystemStages"];
    EXPECT_EQ(stored["DeepSleepOff"].asInt(), 0);
    EXPECT_EQ(stored["DormancyTime"].asInt(), 4);
    EXPECT_EQ(stored["KeyDelay"].asInt(), 3);
}

TEST(MousePage, PointerSettingsAreStoredButNotSent) {
    MouseRig rig("t4");
    rig.takeFrames();
    asSlider(rig.control("scroll_speed_slider"))->SetValue(7);
    rig.raise("valuechanged", "scroll_speed_slider");
    EXPECT_TRUE(rig.takeFrames().empty());
    EXPECT_EQ(rig.storedEntry()["SystemStages"]["WheelScorlllinse"].asInt(), 7);
}

TEST(MousePage, TheMousesOwnProfileAndStageReportsShowOnThePage) {
    MouseRig rig("t4");
    ASSERT_TRUE(rig.bus->emitEvent(0, 0x1123));
    for (int i = 0; i < 200 && rig.mouse().workingCopy().activeStage != 2; ++i) {
        rig.headless->waitForPosted(10);
    }
    EXPECT_EQ(rig.mouse().workingCopy().activeStage, 2);
    EXPECT_EQ(rig.mouse().activeProfileOnMouse(), 3);
    EXPECT_TRUE(asOption(rig.control("DPI_select_check_2"))->IsSelected());
}

TEST(MousePage, SectionsOfThePerformancePage) {
    MouseRig rig("t4");
    asOption(rig.control("mouse_device_seting_option_2"))->Selected(true, false);
    rig.raise("selectchanged", "mouse_device_seting_option_2");
    auto* sections = dynamic_cast<ui::CTabLayoutUI*>(rig.control("mouse_device_seting_layout"));
    ASSERT_NE(sections, nullptr);
    EXPECT_EQ(sections->GetCurSel(), 2);
    rig.mouse().selectSettingsTab(9);  // past the sections: the first
    EXPECT_EQ(sections->GetCurSel(), 0);
    EXPECT_FALSE(asOption(rig.control("mouse_device_seting_option_2"))->IsSelected());
}

TEST(MousePage, AKeyChosenOnTheKeyPageIsStoredThenSavedToTheMouse) {
    MouseRig rig("t4");
    devices::CTessarinMouseDevice& mouse = rig.mouse();
    ASSERT_NE(mouse.keyPage(), nullptr);
    ASSERT_EQ(mouse.keyList().size(), 11u);
    // The keys section shown, as its tab in the title bar shows it.
    ui::CControlUI* keysTab = rig.headless->window().GetPaintManager().FindControl("key_Op_tab");
    asOption(keysTab)->Selected(true, false);
    rig.headless->raise("selectchanged", keysTab);
    rig.raise("click", "key_0");  // the forward button
    EXPECT_EQ(mouse.keyPage()->keyIndex(), 0);
    auto* functions = dynamic_cast<ui::CComboUI*>(rig.control("keyset_function_combo"));
    auto* buttons = dynamic_cast<ui::CComboUI*>(rig.control("keyset_mousekey_combo"));
    ASSERT_NE(functions, nullptr);
    ASSERT_NE(buttons, nullptr);
    functions->SelectItem(1, false, false);  // mouse buttons
    rig.raise("itemselect", "keyset_function_combo");
    buttons->SelectItem(2, false, false);  // left, middle, right, ...
    rig.raise("itemselect", "keyset_mousekey_combo");
    EXPECT_EQ(mouse.keyList()[0].current, (profiles::KeyAssignment{0x10, 0x02, 0x00}));
    EXPECT_EQ(rig.storedEntry()["KeyList"][0]["Assignment"].asInt(), 0x100200);
    // Stored in the profile only, until the page saves to the mouse.
    const int slot = mouse.buttonSlotMap()[0];
    auto onMouse = [&] {
        return rig.bus->readMemory(0, emulator::MouseArea::CurrentKeys,
                                   static_cast<std::size_t>(3 * slot), 3);
    };
    EXPECT_NE(onMouse(), (std::vector<std::uint8_t>{0x10, 0x02, 0x00}));
    rig.takeFrames();
    rig.raise("click", "key_butt_prosave");
    EXPECT_EQ(onMouse(), (std::vector<std::uint8_t>{0x10, 0x02, 0x00}));
    const Strings frames = rig.takeFrames();
    EXPECT_NE(std::find(frames.begin(), frames.end(), "09 36@0"), frames.end())
        << ::testing::PrintToString(frames);
    EXPECT_TRUE(rig.notices.empty()) << rig.notices;
}

TEST(MousePage, SwitchingProfilesLoadsTheOtherProfileAndWritesItToTheMouse) {
    MouseRig rig("t4");
    asSlider(rig.control("DPI_slider_0"))->SetValue(700);
    rig.raise("valuechanged", "DPI_slider_0");
    ui::CDeviceProfileUI* profiles = rig.mouse().profileControl();
    ASSERT_NE(profiles, nullptr);
    ASSERT_TRUE(profiles->NewProfile().done);
    profiles->ReloadList();
    ASSERT_EQ(profiles->GetProfileCount(), 2);
    profiles->SelectProfile(1, false);
    rig.raise("itemselect", "device_profile_combo");
    rig.headless->runFor(400);  // the switch waits for the list to settle
    EXPECT_EQ(rig.mouse().workingCopy().stages[0].dpiX(), 400);  // the factory profile's
    EXPECT_EQ(stageDpiOnMouse(rig.settingsBlock(), 0), 400);
    profiles->SelectProfile(0, false);
    rig.raise("itemselect", "device_profile_combo");
    rig.headless->runFor(400);
    EXPECT_EQ(stageDpiOnMouse(rig.settingsBlock(), 0), 700);
}

TEST(MousePage, ResetGivesTheProfileAndTheMouseTheFactorySettingsAfterAsking) {
    MouseRig rig("t4");
    asSlider(rig.control("DPI_slider_0"))->SetValue(700);
    rig.raise("valuechanged", "DPI_slider_0");
    bool answer = false;
    std::string asked;
    rig.headless->window().SetConfirmSink([&](const std::string& text) {
        asked = text;
        return answer;
    });
    rig.raise("click", "device_reset_btn");  // declined
    EXPECT_EQ(asked.rfind("Restore the factory settings", 0), 0u) << asked;
    EXPECT_EQ(stageDpiOnMouse(rig.settingsBlock(), 0), 700);
    answer = true;
    rig.raise("click", "device_reset_btn");
    EXPECT_EQ(stageDpiOnMouse(rig.settingsBlock(), 0), 400);
    EXPECT_EQ(rig.storedEntry()["DPIStages"][0]["StageDPIs"][0]["StageDPIX"].asInt(), 400);
    EXPECT_EQ(rig.control("DPI_edit_0")->GetText(), "400");
}

TEST(MousePage, KeysPressedWhileTheKeyFieldHasTheFocusBecomeTheKeysAssignment) {
    MouseRig rig("t4");
    ui::CControlUI* keysTab = rig.headless->window().GetPaintManager().FindControl("key_Op_tab");
    asOption(keysTab)->Selected(true, false);
    rig.headless->raise("selectchanged", keysTab);
    rig.raise("click", "key_1");
    auto* functions = dynamic_cast<ui::CComboUI*>(rig.control("keyset_function_combo"));
    functions->SelectItem(6, false, false);  // a keyboard key
    rig.raise("itemselect", "keyset_function_combo");
    rig.raise("setfocus", "keyset_keyboard_text_edit");
    // Right Alt, then A, as the desktop codes them (input codes 100 and 30, plus 8).
    ui::mainwnd::CMainWnd& window = rig.headless->window();
    window.SendMessage(ui::WM_KEYDOWN, 0x12, 108);
    window.SendMessage(ui::WM_KEYDOWN, 'A', 38);
    const profiles::KeyAssignment stored = rig.mouse().keyList()[1].current;
    EXPECT_EQ(stored.kind, 0x20);
    EXPECT_EQ(stored.param2, 0x04);      // the usage of A
    EXPECT_NE(stored.param1 & 0x44, 0);  // an Alt
    EXPECT_EQ(rig.control("keyset_keyboard_text_edit")->GetText().empty(), false);
    // Left: further keys go where the focus is.
    rig.raise("killfocus", "keyset_keyboard_text_edit");
    window.SendMessage(ui::WM_KEYDOWN, 'B', 56);
    EXPECT_EQ(rig.mouse().keyList()[1].current, stored);
}

TEST(MousePage, ProfileButtonsWorkOnTheCurrentPagesListAndTheDeletedProfileIsLeft) {
    MouseRig rig("t4");
    rig.headless->window().SetConfirmSink([](const std::string&) { return true; });
    ui::CDeviceProfileUI* profiles = rig.mouse().profileControl();
    rig.raise("click", "device_add_btn");
    ASSERT_EQ(profiles->GetProfileCount(), 2);
    profiles->SelectProfile(1, false);
    rig.raise("itemselect", "device_profile_combo");
    rig.headless->runFor(400);
    const std::string second = rig.mouse().GetProfilePath();
    ASSERT_NE(second.find(profiles->GetCurrentProfileId()), std::string::npos);

    // Deleting the page's profile: the page goes on with the one the list selects now.
    rig.raise("click", "device_sub_btn");
    EXPECT_EQ(profiles->GetProfileCount(), 1);
    EXPECT_NE(rig.mouse().GetProfilePath(), second);
    asSlider(rig.control("DPI_slider_0"))->SetValue(900);
    rig.raise("valuechanged", "DPI_slider_0");
    EXPECT_FALSE(std::filesystem::exists(second));  // not written again

    // A name the list has already is refused in words.
    rig.raise("click", "device_add_btn");
    ASSERT_EQ(profiles->GetProfileCount(), 2);
    const std::string other = profiles->Library().GetProfileNames()[1];
    std::string shouted;
    for (char c : other) {
        shouted += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    rig.control("device_profile_name_edit")->SetText(shouted);
    rig.raise("click", "device_profile_edit_save_btn");
    EXPECT_NE(rig.notices.find("already exists"), std::string::npos) << rig.notices;
}

TEST(MousePage, AKeyTableReadThatFailsStillEndsTheMousesSession) {
    MouseRig rig("t4");
    rig.takeFrames();
    // The factory key table is never answered.
    ASSERT_TRUE(rig.bus->injectFault(0, {emulator::FaultKind::DropReply, 2, 0}));
    rig.mouse().ReloadFromDevice();
    const Strings frames = rig.takeFrames();
    ASSERT_GE(frames.size(), 4u) << ::testing::PrintToString(frames);
    EXPECT_EQ(Strings(frames.begin(), frames.begin() + 4),
              (Strings{"01", "03 34@0", "07 36@0", "02"}));
    EXPECT_FALSE(rig.bus->mouseStatus(0).sessionOpen);
}

TEST(MousePage, APreviewFollowsTheLightTheMouseReportsAfterItChangedByItself) {
    MouseRig rig("t4");
    EXPECT_EQ(rig.mouse().lightRecord().red, 0xFF);  // the emulated mouse's factory red
    // The mouse's own light changed (its buttons, another program): blue now.
    ASSERT_TRUE(rig.bus->writeMemory(0, emulator::MouseArea::Settings, 6, {0x00, 0x00, 0xFF}));
    rig.mouse().ReloadAfterDeviceChange();
    EXPECT_EQ(rig.mouse().lightRecord().red, 0x00);
    EXPECT_EQ(rig.mouse().lightRecord().blue, 0xFF);
    EXPECT_EQ(rig.mouse().workingCopy().light.blue, 0xFF);
}

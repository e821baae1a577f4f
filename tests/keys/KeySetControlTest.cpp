#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "devices/keys/KeyCapture.h"
#include "devices/keys/KeyInfoList.h"
#include "devices/keys/KeySetControlUI.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Edit.h"
#include "ui/framework/controls/List.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/framework/layouts/Layouts.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui_framework/UiTestSupport.h"

using namespace vorn;
using namespace vorn::devices;
using profiles::KeyAssignment;
using profiles::KeyRecord;

namespace {

const std::string kSkin = std::string(VORN_SOURCE_DIR) + "/resources/skin";

const char* kPage = R"(<?xml version="1.0" encoding="utf-8"?>
<Window size="1000,480">
  <Include source="common/style.xml"/>
  <VerticalLayout name="root">
    <Include source="XML/CustomControlXML/KeySetControl.xml"/>
  </VerticalLayout>
</Window>)";

// What a right Alt and an "A" press come as from the desktop.
constexpr std::uint32_t kNativeRightAlt = 108;
constexpr std::uint32_t kNativeA = 38;

class KeySetControlTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ui::CPaintManagerUI::SetResourcePath(kSkin);
        ui::CResourceManager::GetInstance().LoadLanguage("lan_en.xml");
        CKeySetControlUI::Register();
        tree = std::make_unique<test::BuiltTree>(kPage);
        page = tree->find<CKeySetControlUI>("keyset_control");
        ASSERT_NE(page, nullptr);
    }
    void TearDown() override {
        ui::CResourceManager::GetInstance().ResetTextMap();
        ui::CPaintManagerUI::SetResourcePath("");
    }

    ui::CComboUI* combo(const char* name) { return tree->find<ui::CComboUI>(name); }
    ui::CEditUI* edit(const char* name) { return tree->find<ui::CEditUI>(name); }
    ui::COptionUI* option(int n) {
        return tree->find<ui::COptionUI>("key_ComBox_check_" + std::to_string(n));
    }
    bool shown(const char* name) { return tree->pm.FindControl(name)->IsVisibleSelf(); }
    int subPage() { return tree->find<ui::CTabLayoutUI>("function_switch_tablayout")->GetCurSel(); }
    // The function of the selected item of the function combo.
    std::string function() {
        ui::CComboUI* box = combo("keyset_function_combo");
        ui::CControlUI* item = box->GetItemAt(box->GetCurSel());
        return item != nullptr ? item->GetUserData() : "none";
    }
    // The user picks an item: the combo raises "itemselect", the window routes it here.
    KeyPageOutcome pick(const char* name, int item) {
        combo(name)->SelectItem(item);
        return page->onItemSelect(name);
    }
    KeyPageOutcome type(const char* name, const char* text) {
        edit(name)->SetText(text);
        return page->onKillFocus(name);
    }
    KeyPageOutcome chooseFunction(int function) {
        return pick("keyset_function_combo", function);  // the layout lists them in order
    }
    void showKey(const KeyAssignment& current) { page->showAssignment(3, current, kFactory); }

    static constexpr KeyAssignment kFactory{0x10, 0x04, 0};
    ui::ScopedManualUiLoop ui;
    std::unique_ptr<test::BuiltTree> tree;
    CKeySetControlUI* page = nullptr;
};

}  // namespace

TEST_F(KeySetControlTest, LayoutHoldsTheNamedControlsAndTheTablesInComboOrder) {
    for (const char* name : {"keyset_layout",
                             "keyset_function_combo",
                             "key_butt_keydefalut",
                             "key_butt_keysave",
                             "key_butt_keycancel",
                             "key_butt_prosave",
                             "function_switch_tablayout",
                             "keyset_mousekey_combo",
                             "keyset_mouseswing_combo",
                             "keyset_mouseswing_num_edit",
                             "keyset_mouseswing_delay_edit",
                             "keyset_mouseswing_speed_edit",
                             "keyset_mousewheel_combo",
                             "keyset_mousewheel_num_edit",
                             "keyset_mousewheel_delay_edit",
                             "keyset_mousewheel_speed_edit",
                             "keyset_mousedpi_combo",
                             "keyset_mousefire_interval_edit",
                             "keyset_mousefire_num_edit",
                             "keyset_keyboard_text_edit",
                             "keyset_media_combo",
                             "keyset_system_combo",
                             "keyset_macro_combo",
                             "keyset_macro_over_combo",
                             "keyset_macro_cycle_layout",
                             "keyset_macro_cycle_edit",
                             "keyset_gunkey_combo",
                             "keyset_combokey_combo",
                             "key_ComBox_check_0",
                             "key_ComBox_check_4",
                             "device_setkeyinfo_list"}) {
        EXPECT_NE(tree->pm.FindControl(name), nullptr) << name;
    }
    EXPECT_FALSE(shown("keyset_layout"));
    EXPECT_EQ(tree->find<ui::CTabLayoutUI>("function_switch_tablayout")->GetCount(), 12);
    ui::CComboUI* functions = combo("keyset_function_combo");
    ASSERT_EQ(functions->GetCount(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(functions->GetItemAt(i)->GetUserData(), std::to_string(i));
    }
    EXPECT_EQ(combo("keyset_mousekey_combo")->GetCount(), 5);
    EXPECT_EQ(combo("keyset_mousekey_combo")->GetItemAt(1)->GetText(), "Middle button");
    EXPECT_EQ(combo("keyset_mousedpi_combo")->GetCount(), 3);
    EXPECT_EQ(combo("keyset_media_combo")->GetCount(), 18);
    EXPECT_EQ(combo("keyset_media_combo")->GetItemAt(10)->GetText(), "Stop loading");
    EXPECT_EQ(combo("keyset_system_combo")->GetCount(), 3);
    EXPECT_EQ(combo("keyset_combokey_combo")->GetCount(), 11);
    EXPECT_EQ(combo("keyset_combokey_combo")->GetItemAt(3)->GetText(), "Save (Ctrl+S)");
    EXPECT_EQ(combo("keyset_macro_over_combo")->GetCount(), 5);
    EXPECT_EQ(combo("keyset_gunkey_combo")->GetCount(), 4);
    EXPECT_EQ(edit("keyset_keyboard_text_edit")->GetTipValue(), "Click here, then press a key");
}

TEST_F(KeySetControlTest, TheDefaultShowsFunctionZeroWithoutEvents) {
    showKey(kFactory);
    EXPECT_TRUE(shown("keyset_layout"));
    EXPECT_EQ(function(), "0");
    EXPECT_EQ(subPage(), 0);
    // A code equal to the default is function 0 whatever its kind.
    page->showAssignment(1, {0x30, 0xE9, 0}, {0x30, 0xE9, 0});
    EXPECT_EQ(function(), "0");
    EXPECT_TRUE(tree->recorder.of("itemselect").empty());
    EXPECT_TRUE(tree->recorder.of("selectchanged").empty());
}

TEST_F(KeySetControlTest, ChoosingWheelScrollingBuildsTheCodeAndShowsItBack) {
    showKey(kFactory);
    KeyPageOutcome out = chooseFunction(kFunctionWheel);
    EXPECT_EQ(out.action, KeyPageAction::Stored);
    EXPECT_EQ(subPage(), kFunctionWheel);
    pick("keyset_mousewheel_combo", 1);
    type("keyset_mousewheel_delay_edit", "2");
    type("keyset_mousewheel_speed_edit", "5");
    out = type("keyset_mousewheel_num_edit", "3");
    EXPECT_EQ(out.action, KeyPageAction::Stored);
    EXPECT_EQ(out.record, (KeyRecord{3, {0x12, 0x25, 0xFD}, 0, 3, kFactory, 0}));
    EXPECT_EQ(page->currentAssignment(), (KeyAssignment{0x12, 0x25, 0xFD}));

    // Another key, then this one again: the page shows the code's fields.
    showKey({0x10, 0x02, 0});
    EXPECT_EQ(function(), "1");
    EXPECT_EQ(combo("keyset_mousekey_combo")->GetCurSel(), 2);
    type("keyset_mousewheel_delay_edit", "");
    type("keyset_mousewheel_num_edit", "");
    showKey({0x12, 0x25, 0xFD});
    EXPECT_EQ(function(), "3");
    EXPECT_EQ(subPage(), kFunctionWheel);
    EXPECT_EQ(combo("keyset_mousewheel_combo")->GetCurSel(), 1);
    EXPECT_EQ(edit("keyset_mousewheel_delay_edit")->GetText(), "2");
    EXPECT_EQ(edit("keyset_mousewheel_speed_edit")->GetText(), "5");
    EXPECT_EQ(edit("keyset_mousewheel_num_edit")->GetText(), "3");
}

TEST_F(KeySetControlTest, PointerAndRapidFireFromTheEdits) {
    showKey(kFactory);
    chooseFunction(kFunctionPointer);
    pick("keyset_mouseswing_combo", 0);
    type("keyset_mouseswing_delay_edit", "20");
    type("keyset_mouseswing_speed_edit", "3");
    KeyPageOutcome out = type("keyset_mouseswing_num_edit", "200");
    EXPECT_EQ(out.record.current, (KeyAssignment{0x11, 0x43, 0x48}));

    chooseFunction(kFunctionRapidFire);
    type("keyset_mousefire_num_edit", "3");
    out = type("keyset_mousefire_interval_edit", "5");
    EXPECT_EQ(out.record.current, (KeyAssignment{0x14, 10, 3}));
    EXPECT_EQ(edit("keyset_mousefire_interval_edit")->GetText(), "10");
}

TEST_F(KeySetControlTest, RightAltThenAGivesAltWithA) {
    showKey(kFactory);
    chooseFunction(kFunctionKeyboard);
    KeyPageOutcome out = page->onKeyCaptured(*captureNativeScanCode(kNativeRightAlt));
    EXPECT_EQ(out.action, KeyPageAction::Stored);
    EXPECT_TRUE(option(3)->IsSelected());
    EXPECT_EQ(edit("keyset_keyboard_text_edit")->GetText(), "");
    EXPECT_EQ(out.record.current, (KeyAssignment{0x20, 0x04, 0}));

    out = page->onKeyCaptured(*captureNativeScanCode(kNativeA));
    EXPECT_EQ(out.action, KeyPageAction::Stored);
    EXPECT_TRUE(option(3)->IsSelected());
    EXPECT_EQ(edit("keyset_keyboard_text_edit")->GetText(), "A");
    EXPECT_EQ(out.record.current, (KeyAssignment{0x20, 0x04, 0x04}));

    // A key press with no modifier chosen selects "none".
    showKey(kFactory);
    for (int n = 0; n < 5; ++n) {
        option(n)->Selected(false, false);
    }
    out = page->onKeyCaptured(*captureInputCode(1));  // Esc
    EXPECT_TRUE(option(0)->IsSelected());
    EXPECT_EQ(out.record.current, (KeyAssignment{0x20, 0, 0x29}));
    EXPECT_EQ(function(), "6");
    // A media key has no row: nothing happens.
    EXPECT_EQ(page->onKeyCaptured({0x20, true}).action, KeyPageAction::None);
    // Choosing a modifier option stores the key again.
    option(1)->Selected(true);
    out = page->onSelectChanged("key_ComBox_check_1");
    EXPECT_EQ(out.record.current, (KeyAssignment{0x20, 0x01, 0x29}));
    EXPECT_EQ(page->onSelectChanged("key_ComBox_check_2").action, KeyPageAction::None);

    showKey({0x20, 0x40, 0x16});
    EXPECT_EQ(function(), "6");
    EXPECT_TRUE(option(3)->IsSelected());
    EXPECT_EQ(edit("keyset_keyboard_text_edit")->GetText(), "S");
    // Right Ctrl with a key is a shortcut.
    showKey({0x20, 0x10, 0x16});
    EXPECT_EQ(function(), "11");
    EXPECT_EQ(combo("keyset_combokey_combo")->GetCurSel(), 3);
}

TEST_F(KeySetControlTest, MacroModesAndTheRepeatField) {
    page->setMacroNames({"Reload", "Build order", "Grenade"});
    EXPECT_EQ(combo("keyset_macro_combo")->GetCount(), 3);
    showKey(kFactory);
    chooseFunction(kFunctionMacro);
    pick("keyset_macro_combo", 1);
    KeyPageOutcome out = pick("keyset_macro_over_combo", 4);
    EXPECT_TRUE(shown("keyset_macro_cycle_layout"));
    EXPECT_EQ(out.record.current, (KeyAssignment{0x71, 1, 0}));
    out = type("keyset_macro_cycle_edit", "6");
    EXPECT_EQ(out.record.current, (KeyAssignment{0x71, 1, 6}));
    out = pick("keyset_macro_over_combo", 2);
    EXPECT_FALSE(shown("keyset_macro_cycle_layout"));
    EXPECT_EQ(out.record.current, (KeyAssignment{0x70, 1, 2}));

    showKey({0x71, 2, 9});
    EXPECT_EQ(combo("keyset_macro_combo")->GetCurSel(), 2);
    EXPECT_EQ(combo("keyset_macro_over_combo")->GetCurSel(), 4);
    EXPECT_EQ(edit("keyset_macro_cycle_edit")->GetText(), "9");
    EXPECT_TRUE(shown("keyset_macro_cycle_layout"));
    showKey({0x70, 0, 3});
    EXPECT_FALSE(shown("keyset_macro_cycle_layout"));
    EXPECT_EQ(combo("keyset_macro_over_combo")->GetCurSel(), 3);
    // A deleted macro: both lists lose their selection.
    page->removeMacro(2);
    showKey({0x70, 2, 1});
    EXPECT_EQ(function(), "9");
    EXPECT_EQ(combo("keyset_macro_combo")->GetCurSel(), -1);
    EXPECT_EQ(combo("keyset_macro_over_combo")->GetCurSel(), -1);
}

TEST_F(KeySetControlTest, ButtonsShowDefaultAndCurrentAndAskForTheDownload) {
    showKey({0x13, 2, 0});
    EXPECT_EQ(function(), "4");
    KeyPageOutcome out = page->onClick("key_butt_keydefalut");
    EXPECT_EQ(out.action, KeyPageAction::DefaultShown);
    EXPECT_EQ(function(), "0");
    EXPECT_EQ(page->currentAssignment(), (KeyAssignment{0x13, 2, 0}));
    out = page->onClick("key_butt_keycancel");
    EXPECT_EQ(out.action, KeyPageAction::CurrentShown);
    EXPECT_EQ(function(), "4");
    EXPECT_EQ(combo("keyset_mousedpi_combo")->GetCurSel(), 1);
    // Showing the default and applying it makes it the key's code.
    page->onClick("key_butt_keydefalut");
    out = page->onClick("key_butt_keysave");
    EXPECT_EQ(out.action, KeyPageAction::Stored);
    EXPECT_EQ(out.record.current, kFactory);
    EXPECT_EQ(page->onClick("key_butt_prosave").action, KeyPageAction::SaveToDevice);
    EXPECT_EQ(page->onClick("closebtn").action, KeyPageAction::None);
    EXPECT_EQ(page->onItemSelect("device_profile_combo").action, KeyPageAction::None);
    EXPECT_EQ(page->onKillFocus("keyset_keyboard_text_edit").action, KeyPageAction::None);
}

TEST_F(KeySetControlTest, AFunctionTheLayoutDoesNotOfferHidesTheEditingPart) {
    showKey({0x15, 3, 0});  // the polling-rate cycle is only shown, never chosen
    EXPECT_FALSE(shown("keyset_layout"));
    showKey({0x40, 2, 0});
    EXPECT_TRUE(shown("keyset_layout"));
    combo("keyset_function_combo")->RemoveAt(kFunctionSystem);
    showKey({0x40, 2, 0});
    EXPECT_FALSE(shown("keyset_layout"));
}

TEST_F(KeySetControlTest, ResetReturnsTheFieldsToTheirFirstEntries) {
    showKey({0x30, 0x26, 0x02});
    EXPECT_EQ(combo("keyset_media_combo")->GetCurSel(), 10);
    page->resetFields();
    EXPECT_FALSE(shown("keyset_layout"));
    EXPECT_EQ(combo("keyset_media_combo")->GetCurSel(), 0);
    EXPECT_EQ(combo("keyset_function_combo")->GetCurSel(), 0);
    EXPECT_TRUE(option(0)->IsSelected());
    EXPECT_TRUE(tree->recorder.of("itemselect").empty());
}

TEST_F(KeySetControlTest, KeyInfoListNamesEveryKeyByKind) {
    page->setMacroNames({"Reload"});
    const std::vector<std::string> labels = {"mouse_key_forward", "mouse_key_left",
                                             "mouse_key_middle"};
    std::vector<KeyRecord> records = {
        {0, {0x20, 0x10, 0x16}, 0, 0, {0x10, 0x10, 0}, 0},
        {1, {0x70, 0, 0}, 0, 1, {0x10, 0x01, 0}, 0},
        {2, {0x12, 0x25, 0xFD}, 0, 2, {0x10, 0x04, 0}, 0},
    };
    page->showKeyList(labels, records);
    auto* list = tree->find<ui::CListUI>("device_setkeyinfo_list");
    ASSERT_EQ(list->GetCount(), 3);
    auto texts = [&](int row) {
        auto* r = static_cast<ui::CContainerUI*>(list->GetItemAt(row));
        auto* labelsOfRow = static_cast<ui::CContainerUI*>(r->GetItemAt(0));
        return std::make_pair(labelsOfRow->GetItemAt(0)->GetText(),
                              labelsOfRow->GetItemAt(1)->GetText());
    };
    EXPECT_EQ(texts(0), std::make_pair(std::string("Forward"), std::string("Right Ctrl+S")));
    EXPECT_EQ(texts(1), std::make_pair(std::string("Left button"), std::string("Reload")));
    EXPECT_EQ(texts(2), std::make_pair(std::string("Middle button"), std::string("Scroll down")));
    EXPECT_EQ(list->GetItemAt(0)->GetFixedHeight(), 25);
    auto* firstRow = static_cast<ui::CContainerUI*>(
        static_cast<ui::CContainerUI*>(list->GetItemAt(0))->GetItemAt(0));
    EXPECT_EQ(firstRow->GetItemAt(0)->GetFixedWidth(), 200);
    EXPECT_EQ(firstRow->GetItemAt(1)->GetFixedWidth(), 180);
    EXPECT_EQ(firstRow->GetItemAt(1)->GetTextColor(), 0xFF0099FFu);

    // Rows are reused; surplus rows go.
    ui::CControlUI* kept = list->GetItemAt(0);
    records.pop_back();
    records[0].current = {0x00, 0, 0};
    page->showKeyList(labels, records);
    EXPECT_EQ(list->GetCount(), 2);
    EXPECT_EQ(list->GetItemAt(0), kept);
    EXPECT_EQ(texts(0).second, "Close");
}

TEST(KeyButtons, TextAndTooltipOfKeysAndTheLogo) {
    auto& texts = ui::CResourceManager::GetInstance();
    texts.ResetTextMap();
    texts.SetText("mouse_key_back", "Back");
    texts.SetText("media_play", "Play/Pause");
    texts.SetText("Light_Set", "Lighting");
    texts.SetText("Overall_Light_Set", "Whole mouse: ");
    texts.SetText("light_mode_breath_text", "Breathing");

    ui::CButtonUI key;
    showKeyButton(key, "mouse_key_back", {0x30, 0xCD, 0x00}, {});
    EXPECT_EQ(key.GetText(), "Back");
    EXPECT_EQ(key.GetToolTip(), "Back\nPlay/Pause");

    const std::vector<std::string> modes = {"light_mode_off_text", "light_mode_breath_text"};
    const std::vector<std::string> areas = {"Logo only", "Wheel only"};
    EXPECT_EQ(lightModeName(modes, areas, 1), "light_mode_breath_text");
    EXPECT_EQ(lightModeName(modes, areas, 13), "Wheel only");
    EXPECT_EQ(lightModeName(modes, areas, 5), "");
    EXPECT_EQ(lightModeName(modes, areas, 14), "");
    ui::CButtonUI logo;
    showLogoButton(logo, lightModeName(modes, areas, 1));
    EXPECT_EQ(logo.GetText(), "Logo");
    EXPECT_EQ(logo.GetToolTip(), "Lighting\nWhole mouse: Breathing");
    showLogoButton(logo, lightModeName(modes, areas, 12));
    EXPECT_EQ(logo.GetToolTip(), "Lighting\nWhole mouse: Logo only");
    texts.ResetTextMap();
}

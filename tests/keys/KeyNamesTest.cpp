#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devices/keys/KeyNames.h"
#include "ui/framework/resources/ResourceManager.h"

using namespace vorn::devices;
using vorn::profiles::KeyAssignment;

namespace {

AssignmentName keys(std::vector<std::string> k) {
    return {std::move(k), {}};
}
AssignmentName plain(std::string text) {
    return {{}, std::move(text)};
}

}  // namespace

TEST(KeyNames, EachKindIsNamedFromItsTable) {
    const std::vector<std::string> none;
    struct Case {
        KeyAssignment code;
        AssignmentName name;
    };
    const Case cases[] = {
        {{0x00, 0, 0}, keys({"close_text"})},
        {{0x20, 0, 0}, keys({"close_text"})},
        {{0x20, 0, 0x04}, keys({"keyboard_key_A"})},
        {{0x20, 0x40, 0}, keys({"keyboard_key_RAlt"})},
        // A modifier with a key: the two rows joined.
        {{0x20, 0x10, 0x16}, keys({"keyboard_key_RCtrl", "keyboard_key_S"})},
        {{0x20, 0x04, 0x04}, keys({"keyboard_key_LAlt", "keyboard_key_A"})},
        {{0x20, 0x03, 0x29},
         keys({"keyboard_key_LCtrl", "keyboard_key_LShift", "keyboard_key_Esc"})},
        {{0x20, 0, 0xE7}, keys({})},
        // Kind 0x10 is named from the mouse button table (middle is 0x04).
        {{0x10, 0x04, 0}, keys({"mouse_key_middle"})},
        {{0x10, 0x02, 0}, keys({"mouse_key_right"})},
        {{0x10, 0x20, 0}, keys({})},
        {{0x11, 0x25, 0x03}, keys({"mouse_key_left_Swing"})},
        {{0x11, 0x25, 0x83}, keys({"mouse_key_right_Swing"})},
        {{0x12, 0x25, 0x03}, keys({"mouse_key_up_Swing"})},
        {{0x12, 0x25, 0xFD}, keys({"mouse_key_down_Swing"})},
        {{0x13, 2, 0}, keys({"mouse_key_DPI_sub"})},
        {{0x14, 10, 3}, keys({"mouse_key_fire_key"})},
        {{0x15, 3, 0}, keys({"mouse_key_report_loop"})},
        {{0x15, 2, 0}, keys({})},
        {{0x16, 144, 1}, keys({"mouse_key_DPI_shift"})},
        {{0x21, 0, 3}, keys({"custem_save"})},
        {{0x22, 0, 8}, keys({"custem_select_all"})},
        {{0x22, 0, 9}, keys({})},
        {{0x23, 0, 0}, keys({"show_window"})},
        {{0x30, 0xE9, 0x00}, keys({"media_vol_add"})},
        {{0x30, 0x23, 0x02}, keys({"web_text"})},
        {{0x40, 2, 0}, keys({"system_sleep"})},
        {{0x72, 0, 0}, keys({"gun_1_txt"})},
        {{0x72, 3, 0}, keys({"gun_4_txt"})},
        {{0xA0, 0, 0}, keys({"close_text"})},
        {{0xA0, 2, 0}, keys({"mouse_key_smart_key"})},
        {{0xA0, 0x01, 0}, keys({"keyboard_key_FN"})},
        {{0xA0, 0x1B, 0}, keys({"keyboard_key_GM"})},
        {{0xB0, 1, 2}, {}},
        {{0xC0, 0, 0}, {}},
        {{0xD0, 0xA2, 3}, keys({"keyboard_key_M3"})},
        {{0xD0, 0xA2, 9}, keys({"close_text"})},
        {{0x99, 0, 0}, keys({"close_text"})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.code());
        EXPECT_EQ(assignmentName(c.code, none), c.name);
    }
}

TEST(KeyNames, MacroKindsShowTheMacrosName) {
    const std::vector<std::string> macros = {"Reload", "Build order", "Grenade"};
    EXPECT_EQ(assignmentName({0x70, 1, 0}, macros), plain("Build order"));
    EXPECT_EQ(assignmentName({0x71, 2, 5}, macros), plain("Grenade"));
    EXPECT_EQ(assignmentName({0x50, 0, 0}, macros), plain("Reload"));
    EXPECT_EQ(assignmentName({0x60, 0, 0}, macros), plain("Reload"));
    EXPECT_EQ(assignmentName({0x70, 0, 0}, {}), keys({"unknown_macro_text"}));
    // A macro that is gone is not named after another one.
    EXPECT_EQ(assignmentName({0x70, 3, 0}, macros), keys({"unknown_macro_text"}));
}

TEST(KeyNames, DisplayTextJoinsTheLanguageTexts) {
    auto& texts = vorn::ui::CResourceManager::GetInstance();
    texts.ResetTextMap();
    texts.SetText("keyboard_key_RCtrl", "Right Ctrl");
    texts.SetText("keyboard_key_S", "S");
    EXPECT_EQ(displayText(assignmentName({0x20, 0x10, 0x16}, {})), "Right Ctrl+S");
    EXPECT_EQ(displayText(plain("Reload")), "Reload");
    EXPECT_EQ(displayText({}), "");
    texts.ResetTextMap();
}

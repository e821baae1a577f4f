#include <gtest/gtest.h>

#include <set>
#include <string>

#include "devices/keys/KeyCodeTables.h"
#include "devices/keys/MouseKeys.h"

using namespace vorn::devices;
using vorn::profiles::KeyAssignment;

namespace {

const KeyCodeRow& keyboardRow(std::string_view name) {
    for (const KeyCodeRow& row : kKeyboardRows) {
        if (row.name == name) {
            return row;
        }
    }
    ADD_FAILURE() << "no keyboard row " << name;
    return kKeyboardRows.front();
}

}  // namespace

TEST(KeyCodeTables, TableSizesAndRowsInComboOrder) {
    EXPECT_EQ(kMouseButtonRows.size(), 5u);
    EXPECT_EQ(kDpiRows.size(), 3u);
    EXPECT_EQ(kReportRateRows.size(), 1u);
    EXPECT_EQ(kConsumerRows.size(), 18u);
    EXPECT_EQ(kSystemRows.size(), 3u);
    EXPECT_EQ(kShortcutRows.size(), 11u);
    EXPECT_EQ(kShortcutDisplayRows.size(), 9u);
    EXPECT_EQ(kFunctionDisplayRows.size(), 15u);
    EXPECT_EQ(kKeyboardRows.size(), 142u);

    EXPECT_EQ(kMouseButtonRows[1].name, "mouse_key_middle");
    EXPECT_EQ(kMouseButtonRows[1].code, (KeyAssignment{0x10, 0x04, 0}));
    EXPECT_EQ(kMouseButtonRows[4].code, (KeyAssignment{0x10, 0x08, 0}));
    EXPECT_EQ(kDpiRows[2].code, (KeyAssignment{0x13, 3, 0}));
    EXPECT_EQ(kReportRateRows[0].code, (KeyAssignment{0x15, 3, 0}));
    // Usages go low byte first, then high byte.
    EXPECT_EQ(kConsumerRows[0].code, (KeyAssignment{0x30, 0x83, 0x01}));
    EXPECT_EQ(kConsumerRows[10].name, "wed_stop");
    EXPECT_EQ(kConsumerRows[17].code, (KeyAssignment{0x30, 0x8A, 0x01}));
    EXPECT_EQ(kSystemRows[2].code, (KeyAssignment{0x40, 4, 0}));
    EXPECT_EQ(kShortcutRows[3].name, "custem_save");
    EXPECT_EQ(kShortcutRows[3].code, (KeyAssignment{0x20, 0x10, 0x16}));
    EXPECT_EQ(kShortcutRows[10].code, (KeyAssignment{0x20, 0x10, 0x2E}));
    EXPECT_EQ(kShortcutDisplayRows[8].code, (KeyAssignment{0x22, 0, 8}));
    EXPECT_EQ(kFunctionDisplayRows[5].code, (KeyAssignment{0x14, 0x50, 0x02}));
    EXPECT_EQ(kFunctionDisplayRows[14].name, "show_window");
}

TEST(KeyCodeTables, KeyboardRowsSpotChecks) {
    struct Spot {
        std::size_t row;
        std::string_view name;
        std::uint16_t keyIndex;
        KeyAssignment code;
    };
    const Spot spots[] = {
        {0, "keyboard_key_LCtrl", 0xA2, {0x20, 0x01, 0}},
        {6, "keyboard_key_RAlt", 0xA5, {0x20, 0x40, 0}},
        {7, "keyboard_key_RWin", 0x5C, {0x20, 0x80, 0}},
        {8, "keyboard_key_A", 'A', {0x20, 0, 0x04}},
        {33, "keyboard_key_Z", 'Z', {0x20, 0, 0x1D}},
        {43, "keyboard_key_0", '0', {0x20, 0, 0x27}},
        {53, "keyboard_key_xiegang", 0xDC, {0x20, 0, 0x31}},
        {57, "keyboard_key_<", 0xBC, {0x20, 0, 0x36}},
        {72, "keyboard_key_F12", 0x7B, {0x20, 0, 0x45}},
        {85, "keyboard_key_Up", 0x26, {0x20, 0, 0x52}},
        {91, "keyboard_key_Num Enter", 257, {0x20, 0, 0x58}},
        {101, "keyboard_key_Num 0", 0x60, {0x20, 0, 0x62}},
        {113, "keyboard_key_K42", 191, {0x20, 0, 0x32}},
        {114, "keyboard_key_Launch App2", 183, {0x30, 0x92, 0x01}},
        {130, "wed_stop", 169, {0x30, 0x26, 0x02}},
        {131, "keyboard_key_Launch Media Select", 181, {0x30, 0x83, 0x01}},
        {132, "keyboard_key_Power", 259, {0x40, 1, 0}},
        {134, "keyboard_key_Wakeup", 261, {0x40, 4, 0}},
        {135, "keyboard_key_M1", 255, {0xD0, 0xA2, 1}},
        {139, "keyboard_key_M5", 255, {0xD0, 0xA2, 5}},
        {140, "keyboard_key_FN", 255, {0xA0, 0x01, 0}},
        {141, "keyboard_key_GM", 255, {0xA0, 0x1B, 0}},
    };
    for (const Spot& s : spots) {
        SCOPED_TRACE(s.name);
        EXPECT_EQ(kKeyboardRows[s.row].name, s.name);
        EXPECT_EQ(kKeyboardRows[s.row].keyIndex, s.keyIndex);
        EXPECT_EQ(kKeyboardRows[s.row].code, s.code);
    }
    // The consumer rows take the virtual-key codes 166-183, one each.
    std::set<std::uint16_t> indexes;
    for (std::size_t r = 114; r < 132; ++r) {
        EXPECT_EQ(kKeyboardRows[r].code.kind, 0x30);
        indexes.insert(kKeyboardRows[r].keyIndex);
    }
    EXPECT_EQ(indexes.size(), 18u);
    EXPECT_EQ(*indexes.begin(), 166);
    EXPECT_EQ(*indexes.rbegin(), 183);
    // Every key row of kind 0x20 has a usage of its own.
    std::set<int> usages;
    for (std::size_t r = kModifierRowCount; r < kKeyboardKeyRowEnd; ++r) {
        EXPECT_EQ(kKeyboardRows[r].code.kind, 0x20) << r;
        usages.insert(kKeyboardRows[r].code.param2);
    }
    EXPECT_EQ(usages.size(), kKeyboardKeyRowEnd - kModifierRowCount);
}

TEST(KeyCodeTables, ExceptionRowsAreThoseOfTheKeyboardTable) {
    ASSERT_EQ(kKeyboardExceptionRows.size(), 12u);
    EXPECT_EQ(kKeyboardExceptionRows[8].name, "keyboard_key_K150");
    EXPECT_EQ(kKeyboardExceptionRows[8].keyIndex, 233);
    EXPECT_EQ(kKeyboardExceptionRows[8].usage, 0x91);
    for (const KeyboardExceptionRow& e : kKeyboardExceptionRows) {
        SCOPED_TRACE(e.name);
        const KeyCodeRow& row = keyboardRow(e.name);
        EXPECT_EQ(row.keyIndex, e.keyIndex);
        EXPECT_EQ(row.code, (KeyAssignment{0x20, 0, e.usage}));
    }
}

TEST(KeyCodeTables, ReverseLookups) {
    EXPECT_EQ(keyboardRowOfUsage(0x04), 8);
    EXPECT_EQ(keyboardRowOfUsage(0x58), 91);
    EXPECT_EQ(keyboardRowOfUsage(0x8A), 109);
    EXPECT_EQ(keyboardRowOfUsage(0x00), -1);
    EXPECT_EQ(keyboardRowOfUsage(0xE0), -1);
    EXPECT_EQ(modifierRowOfBits(0x10), 4);
    EXPECT_EQ(modifierRowOfBits(0x03), -1);
    // Left and right of a pair give the same option: Ctrl 1, Shift 2, Alt 3, Win 4.
    const int options[] = {1, 2, 3, 4, 1, 2, 3, 4};
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(modifierOptionOfRow(r), options[r]) << r;
    }
    EXPECT_EQ(modifierBitsOfOption(0), 0);
    EXPECT_EQ(modifierBitsOfOption(3), 0x04);
    EXPECT_EQ(modifierBitsOfOption(4), 0x08);
    EXPECT_EQ(modifierBitsOfOption(-1), 0);
}

TEST(MouseKeys, FactoryCodesAndLabelsByWhatTheCodeDoes) {
    ASSERT_EQ(kMouseFactoryCodes.size(), 12u);
    EXPECT_EQ(kMouseFactoryCodes[10], (KeyAssignment{0x16, 144, 1}));
    EXPECT_EQ(kMouseFactoryCodes[11], (KeyAssignment{0x14, 0x78, 0x02}));
    const char* labels[] = {"mouse_key_forward", "mouse_key_left",      "mouse_key_middle",
                            "mouse_key_right",   "mouse_key_back",      "mouse_key_DPI_add",
                            "mouse_key_DPI_sub", "mouse_key_DPI_loop",  "mouse_key_report_loop",
                            "keyboard_key_GM",   "mouse_key_DPI_shift", "mouse_key_fire_key"};
    for (std::size_t i = 0; i < 12; ++i) {
        EXPECT_EQ(mouseKeyLabel(i), labels[i]) << i;
    }
    EXPECT_EQ(mouseKeyLabel(12), "");
    EXPECT_EQ(kMouseLabelledKeyCount, 11u);
}

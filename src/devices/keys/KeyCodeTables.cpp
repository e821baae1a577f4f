#include "devices/keys/KeyCodeTables.h"

#include <algorithm>

namespace vorn::devices {
namespace {

using profiles::KeyAssignment;

constexpr KeyCodeRow row(std::uint8_t kind, std::uint8_t param1, std::uint8_t param2,
                         std::string_view name) {
    return {0, {kind, param1, param2}, name};
}
constexpr KeyCodeRow consumer(std::uint16_t usage, std::string_view name) {
    return row(kKindConsumer, static_cast<std::uint8_t>(usage & 0xFF),
               static_cast<std::uint8_t>(usage >> 8), name);
}
constexpr KeyCodeRow modifier(std::uint16_t virtualKey, std::uint8_t bits, std::string_view name) {
    return {virtualKey, {kKindKeyboard, bits, 0}, name};
}
constexpr KeyCodeRow key(std::uint16_t virtualKey, std::uint8_t usage, std::string_view name) {
    return {virtualKey, {kKindKeyboard, 0, usage}, name};
}

// Looked up while the tables are built, so each value is written once.
template <std::size_t N>
constexpr const KeyCodeRow& named(const std::array<KeyCodeRow, N>& rows, std::string_view name) {
    for (const KeyCodeRow& r : rows) {
        if (r.name == name) {
            return r;
        }
    }
    throw "no row of that name";  // stops the build: the tables name rows that exist
}

}  // namespace

constexpr std::array<KeyCodeRow, 5> kMouseButtonRows = {{
    row(kKindMouseButton, 0x01, 0, "mouse_key_left"),
    row(kKindMouseButton, 0x04, 0, "mouse_key_middle"),
    row(kKindMouseButton, 0x02, 0, "mouse_key_right"),
    row(kKindMouseButton, 0x10, 0, "mouse_key_forward"),
    row(kKindMouseButton, 0x08, 0, "mouse_key_back"),
}};

constexpr std::array<KeyCodeRow, 3> kDpiRows = {{
    row(kKindDpi, 1, 0, "mouse_key_DPI_add"),
    row(kKindDpi, 2, 0, "mouse_key_DPI_sub"),
    row(kKindDpi, 3, 0, "mouse_key_DPI_loop"),
}};

constexpr std::array<KeyCodeRow, 1> kReportRateRows = {{
    row(kKindReportRate, 3, 0, "mouse_key_report_loop"),
}};

constexpr std::array<KeyCodeRow, 18> kConsumerRows = {{
    consumer(0x0183, "media_text"),
    consumer(0x00CD, "media_play"),
    consumer(0x00B7, "media_stop"),
    consumer(0x00B6, "media_prev"),
    consumer(0x00B5, "media_next"),
    consumer(0x00EA, "media_vol_sub"),
    consumer(0x00E9, "media_vol_add"),
    consumer(0x00E2, "media_mute"),
    consumer(0x0223, "web_text"),
    consumer(0x0227, "web_refresh"),
    consumer(0x0226, "wed_stop"),
    consumer(0x0224, "wed_back"),
    consumer(0x0225, "wed_forward"),
    consumer(0x022A, "wed_favorite"),
    consumer(0x0221, "web_search"),
    consumer(0x0194, "media_mypc"),
    consumer(0x0192, "media_calc"),
    consumer(0x018A, "media_mail"),
}};

constexpr std::array<KeyCodeRow, 3> kSystemRows = {{
    row(kKindSystem, 1, 0, "system_power"),
    row(kKindSystem, 2, 0, "system_sleep"),
    row(kKindSystem, 4, 0, "system_wake_up"),
}};

// Right Ctrl with the letter or key.
constexpr std::array<KeyCodeRow, 11> kShortcutRows = {{
    row(kKindKeyboard, kModRightCtrl, 0x12, "custem_open"),
    row(kKindKeyboard, kModRightCtrl, 0x11, "custem_new"),
    row(kKindKeyboard, kModRightCtrl, 0x1D, "custem_undo"),
    row(kKindKeyboard, kModRightCtrl, 0x16, "custem_save"),
    row(kKindKeyboard, kModRightCtrl, 0x06, "custem_copy"),
    row(kKindKeyboard, kModRightCtrl, 0x1B, "custem_cut"),
    row(kKindKeyboard, kModRightCtrl, 0x19, "custem_paste"),
    row(kKindKeyboard, kModRightCtrl, 0x09, "custem_find"),
    row(kKindKeyboard, kModRightCtrl, 0x04, "custem_select_all"),
    row(kKindKeyboard, kModRightCtrl, 0x2D, "custem_narrow"),
    row(kKindKeyboard, kModRightCtrl, 0x2E, "custem_magnify"),
}};

constexpr std::array<KeyCodeRow, 9> kShortcutDisplayRows = {{
    row(kKindShortcutList2, 0, 0, "custem_open"),
    row(kKindShortcutList2, 0, 1, "custem_new"),
    row(kKindShortcutList2, 0, 2, "custem_undo"),
    row(kKindShortcutList2, 0, 3, "custem_save"),
    row(kKindShortcutList2, 0, 4, "custem_copy"),
    row(kKindShortcutList2, 0, 5, "custem_cut"),
    row(kKindShortcutList2, 0, 6, "custem_paste"),
    row(kKindShortcutList2, 0, 7, "custem_find"),
    row(kKindShortcutList2, 0, 8, "custem_select_all"),
}};

// Its mouse-button rows are never reached: kind 0x10 is named from kMouseButtonRows.
constexpr std::array<KeyCodeRow, 15> kFunctionDisplayRows = {{
    row(kKindMouseButton, 0x01, 0, "mouse_key_left"),
    row(kKindMouseButton, 0x02, 0, "mouse_key_middle"),
    row(kKindMouseButton, 0x04, 0, "mouse_key_right"),
    row(kKindMouseButton, 0x10, 0, "mouse_key_forward"),
    row(kKindMouseButton, 0x08, 0, "mouse_key_back"),
    row(kKindRapidFire, 0x50, 0x02, "mouse_key_fire_key"),
    row(kKindKeyboard, 0, 0, "mouse_key_shortcut_key"),
    row(kKindKeyboard, 0x80, 0, "win_key_text"),
    row(kKindSpecial, 2, 0, "mouse_key_smart_key"),
    row(kKindSpecial, 0, 0, "close_text"),
    row(kKindDpi, 3, 0, "mouse_key_DPI_loop"),
    row(kKindDpi, 1, 0, "mouse_key_DPI_add"),
    row(kKindDpi, 2, 0, "mouse_key_DPI_sub"),
    row(kKindDpiShift, 0, 0, "mouse_key_DPI_shift"),
    row(kKindShowWindow, 0, 0, "show_window"),
}};

constexpr std::array<KeyboardExceptionRow, 12> kKeyboardExceptionRows = {{
    {"keyboard_key_App", 93, 0x65},
    {"keyboard_key_K45", 226, 0x64},
    {"keyboard_key_K56", 193, 0x87},
    {"keyboard_key_K14", kNoVirtualKey, 0x89},
    {"keyboard_key_K107", 194, 0x85},
    {"keyboard_key_K131", 235, 0x8B},
    {"keyboard_key_K132", kNoVirtualKey, 0x8A},
    {"keyboard_key_K133", kNoVirtualKey, 0x88},
    {"keyboard_key_K150", 233, 0x91},
    {"keyboard_key_K151", kNoVirtualKey, 0x90},
    {"keyboard_key_K42", 191, 0x32},
    {"keyboard_key_Num Enter", 257, 0x58},
}};

namespace {

constexpr KeyCodeRow exception(std::string_view name) {
    for (const KeyboardExceptionRow& r : kKeyboardExceptionRows) {
        if (r.name == name) {
            return key(r.keyIndex, r.usage, r.name);
        }
    }
    throw "no exception row of that name";
}
// A consumer or system row of the keyboard table: the code of the named row of `rows`.
template <std::size_t N>
constexpr KeyCodeRow sameAs(std::uint16_t virtualKey, std::string_view name,
                            const std::array<KeyCodeRow, N>& rows, std::string_view rowName) {
    return {virtualKey, named(rows, rowName).code, name};
}
constexpr KeyCodeRow special(std::uint8_t kind, std::uint8_t param1, std::uint8_t param2,
                             std::string_view name) {
    return {kNoVirtualKey, {kind, param1, param2}, name};
}

}  // namespace

constexpr std::array<KeyCodeRow, kKeyboardRowCount> kKeyboardRows = {{
    // The modifiers: left Ctrl, Shift, Alt, GUI, then the right ones.
    modifier(0xA2, 0x01, "keyboard_key_LCtrl"),
    modifier(0xA0, 0x02, "keyboard_key_LShift"),
    modifier(0xA4, 0x04, "keyboard_key_LAlt"),
    modifier(0x5B, 0x08, "keyboard_key_LWin"),
    modifier(0xA3, 0x10, "keyboard_key_RCtrl"),
    modifier(0xA1, 0x20, "keyboard_key_RShift"),
    modifier(0xA5, 0x40, "keyboard_key_RAlt"),
    modifier(0x5C, 0x80, "keyboard_key_RWin"),
    // Letters: virtual key = the letter, usage 0x04-0x1D.
    key('A', 0x04, "keyboard_key_A"),
    key('B', 0x05, "keyboard_key_B"),
    key('C', 0x06, "keyboard_key_C"),
    key('D', 0x07, "keyboard_key_D"),
    key('E', 0x08, "keyboard_key_E"),
    key('F', 0x09, "keyboard_key_F"),
    key('G', 0x0A, "keyboard_key_G"),
    key('H', 0x0B, "keyboard_key_H"),
    key('I', 0x0C, "keyboard_key_I"),
    key('J', 0x0D, "keyboard_key_J"),
    key('K', 0x0E, "keyboard_key_K"),
    key('L', 0x0F, "keyboard_key_L"),
    key('M', 0x10, "keyboard_key_M"),
    key('N', 0x11, "keyboard_key_N"),
    key('O', 0x12, "keyboard_key_O"),
    key('P', 0x13, "keyboard_key_P"),
    key('Q', 0x14, "keyboard_key_Q"),
    key('R', 0x15, "keyboard_key_R"),
    key('S', 0x16, "keyboard_key_S"),
    key('T', 0x17, "keyboard_key_T"),
    key('U', 0x18, "keyboard_key_U"),
    key('V', 0x19, "keyboard_key_V"),
    key('W', 0x1A, "keyboard_key_W"),
    key('X', 0x1B, "keyboard_key_X"),
    key('Y', 0x1C, "keyboard_key_Y"),
    key('Z', 0x1D, "keyboard_key_Z"),
    // Digits 1-9, 0.
    key('1', 0x1E, "keyboard_key_1"),
    key('2', 0x1F, "keyboard_key_2"),
    key('3', 0x20, "keyboard_key_3"),
    key('4', 0x21, "keyboard_key_4"),
    key('5', 0x22, "keyboard_key_5"),
    key('6', 0x23, "keyboard_key_6"),
    key('7', 0x24, "keyboard_key_7"),
    key('8', 0x25, "keyboard_key_8"),
    key('9', 0x26, "keyboard_key_9"),
    key('0', 0x27, "keyboard_key_0"),
    key(0x0D, 0x28, "keyboard_key_Enter"),
    key(0x1B, 0x29, "keyboard_key_Esc"),
    key(0x08, 0x2A, "keyboard_key_BackSpace"),
    key(0x09, 0x2B, "keyboard_key_Tab"),
    key(0x20, 0x2C, "keyboard_key_Space"),
    key(0xBD, 0x2D, "keyboard_key_-"),
    key(0xBB, 0x2E, "keyboard_key_="),
    key(0xDB, 0x2F, "keyboard_key_["),
    key(0xDD, 0x30, "keyboard_key_]"),
    key(0xDC, 0x31, "keyboard_key_xiegang"),
    key(0xBA, 0x33, "keyboard_key_;"),
    key(0xDE, 0x34, "keyboard_key_'"),
    key(0xC0, 0x35, "keyboard_key_`"),
    key(0xBC, 0x36, "keyboard_key_<"),
    key(0xBE, 0x37, "keyboard_key_."),
    key(0xBF, 0x38, "keyboard_key_/"),
    key(0x14, 0x39, "keyboard_key_Caplk"),
    key(0x70, 0x3A, "keyboard_key_F1"),
    key(0x71, 0x3B, "keyboard_key_F2"),
    key(0x72, 0x3C, "keyboard_key_F3"),
    key(0x73, 0x3D, "keyboard_key_F4"),
    key(0x74, 0x3E, "keyboard_key_F5"),
    key(0x75, 0x3F, "keyboard_key_F6"),
    key(0x76, 0x40, "keyboard_key_F7"),
    key(0x77, 0x41, "keyboard_key_F8"),
    key(0x78, 0x42, "keyboard_key_F9"),
    key(0x79, 0x43, "keyboard_key_F10"),
    key(0x7A, 0x44, "keyboard_key_F11"),
    key(0x7B, 0x45, "keyboard_key_F12"),
    key(0x2C, 0x46, "keyboard_key_Print Scr"),
    key(0x91, 0x47, "keyboard_key_Scroll Lock"),
    key(0x13, 0x48, "keyboard_key_Pause"),
    key(0x2D, 0x49, "keyboard_key_Insert"),
    key(0x24, 0x4A, "keyboard_key_Home"),
    key(0x21, 0x4B, "keyboard_key_Page Up"),
    key(0x2E, 0x4C, "keyboard_key_Delete"),
    key(0x23, 0x4D, "keyboard_key_End"),
    key(0x22, 0x4E, "keyboard_key_Page Down"),
    key(0x27, 0x4F, "keyboard_key_Right"),
    key(0x25, 0x50, "keyboard_key_Left"),
    key(0x28, 0x51, "keyboard_key_Down"),
    key(0x26, 0x52, "keyboard_key_Up"),
    key(0x90, 0x53, "keyboard_key_Num Lock"),
    key(0x6F, 0x54, "keyboard_key_Num /"),
    key(0x6A, 0x55, "keyboard_key_Num *"),
    key(0x6D, 0x56, "keyboard_key_Num -"),
    key(0x6B, 0x57, "keyboard_key_Num +"),
    exception("keyboard_key_Num Enter"),
    key(0x61, 0x59, "keyboard_key_Num 1"),
    key(0x62, 0x5A, "keyboard_key_Num 2"),
    key(0x63, 0x5B, "keyboard_key_Num 3"),
    key(0x64, 0x5C, "keyboard_key_Num 4"),
    key(0x65, 0x5D, "keyboard_key_Num 5"),
    key(0x66, 0x5E, "keyboard_key_Num 6"),
    key(0x67, 0x5F, "keyboard_key_Num 7"),
    key(0x68, 0x60, "keyboard_key_Num 8"),
    key(0x69, 0x61, "keyboard_key_Num 9"),
    key(0x60, 0x62, "keyboard_key_Num 0"),
    key(0x6E, 0x63, "keyboard_key_Decimal"),
    exception("keyboard_key_App"),
    exception("keyboard_key_K45"),
    exception("keyboard_key_K56"),
    exception("keyboard_key_K14"),
    exception("keyboard_key_K107"),
    exception("keyboard_key_K131"),
    exception("keyboard_key_K132"),
    exception("keyboard_key_K133"),
    exception("keyboard_key_K150"),
    exception("keyboard_key_K151"),
    exception("keyboard_key_K42"),
    // Consumer controls: each key's own virtual-key code, the usage of the consumer table.
    sameAs(0xB7, "keyboard_key_Launch App2", kConsumerRows, "media_calc"),
    sameAs(0xAC, "keyboard_key_Browaer Home", kConsumerRows, "web_text"),
    sameAs(0xB3, "keyboard_key_Media Play Pause", kConsumerRows, "media_play"),
    sameAs(0xAA, "keyboard_key_Browser Search", kConsumerRows, "web_search"),
    sameAs(0xB4, "keyboard_key_Launch Mail", kConsumerRows, "media_mail"),
    sameAs(0xAF, "keyboard_key_Volume Up", kConsumerRows, "media_vol_add"),
    sameAs(0xAD, "keyboard_key_Volume Mute", kConsumerRows, "media_mute"),
    sameAs(0xB2, "keyboard_key_Media Stop", kConsumerRows, "media_stop"),
    sameAs(0xAE, "keyboard_key_Volume Down", kConsumerRows, "media_vol_sub"),
    sameAs(0xAB, "keyboard_key_Browser Favorites", kConsumerRows, "wed_favorite"),
    sameAs(0xA7, "keyboard_key_Browser ForWard", kConsumerRows, "wed_forward"),
    sameAs(0xA6, "keyboard_key_Browser Back", kConsumerRows, "wed_back"),
    sameAs(0xB1, "keyboard_key_Media Prev Track", kConsumerRows, "media_prev"),
    sameAs(0xB0, "keyboard_key_Media Next Track", kConsumerRows, "media_next"),
    sameAs(0xB6, "keyboard_key_Computer", kConsumerRows, "media_mypc"),
    sameAs(0xA8, "keyboard_key_Browser Refresh", kConsumerRows, "web_refresh"),
    sameAs(0xA9, "wed_stop", kConsumerRows, "wed_stop"),
    sameAs(0xB5, "keyboard_key_Launch Media Select", kConsumerRows, "media_text"),
    sameAs(259, "keyboard_key_Power", kSystemRows, "system_power"),
    sameAs(260, "keyboard_key_Sleep", kSystemRows, "system_sleep"),
    sameAs(261, "keyboard_key_Wakeup", kSystemRows, "system_wake_up"),
    special(kKindMacroKey, 0xA2, 1, "keyboard_key_M1"),
    special(kKindMacroKey, 0xA2, 2, "keyboard_key_M2"),
    special(kKindMacroKey, 0xA2, 3, "keyboard_key_M3"),
    special(kKindMacroKey, 0xA2, 4, "keyboard_key_M4"),
    special(kKindMacroKey, 0xA2, 5, "keyboard_key_M5"),
    special(kKindSpecial, 0x01, 0, "keyboard_key_FN"),
    special(kKindSpecial, 0x1B, 0, "keyboard_key_GM"),
}};
static_assert(kKeyboardRows.back().name == "keyboard_key_GM", "a row is missing");
static_assert(kKeyboardRows[kKeyboardKeyRowEnd - 1].name == "keyboard_key_K42");

int findRow(std::span<const KeyCodeRow> rows, const KeyAssignment& code) {
    const auto it =
        std::find_if(rows.begin(), rows.end(), [&](const KeyCodeRow& r) { return r.code == code; });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int findRowByParam1(std::span<const KeyCodeRow> rows, const KeyAssignment& code) {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const KeyCodeRow& r) {
        return r.code.kind == code.kind && r.code.param1 == code.param1;
    });
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int keyboardRowOfUsage(std::uint8_t usage) {
    const int found = findRow(std::span(kKeyboardRows).subspan(kModifierRowCount),
                              KeyAssignment{kKindKeyboard, 0, usage});
    return found < 0 ? -1 : found + static_cast<int>(kModifierRowCount);
}

int modifierRowOfBits(std::uint8_t bits) {
    return findRow(std::span(kKeyboardRows).first(kModifierRowCount),
                   KeyAssignment{kKindKeyboard, bits, 0});
}

}  // namespace vorn::devices

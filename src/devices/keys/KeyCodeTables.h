#pragma once
// The constant code tables of key assignments. A row pairs a code with the language key of
// its display name; the key page's combo boxes list a table's rows in table order, so a
// combo's selected position is a row of its table.
//
// Kinds of KeyAssignment (byte 0) and what parameters 1 and 2 hold:
//   0x00 nothing                   0x10 mouse button (button bit)
//   0x11 pointer movement          0x12 wheel scrolling (both: delay << 4 | speed; count)
//   0x13 DPI function (1 up, 2 down, 3 cycle)   0x14 rapid fire (interval, shots)
//   0x15 polling-rate cycle (3)    0x16 DPI shift (carried unchanged)
//   0x20 keyboard key (HID modifier bits, HID keyboard usage)
//   0x21, 0x22 shortcut of the display list (0, row)   0x23 show window
//   0x30 consumer control (usage low byte, high byte)   0x40 system control (1, 2, 4)
//   0x50, 0x60 macro (shown only)  0x70 macro (index, play mode)  0x71 macro repeated
//   (index, count)  0x72 shoot sequence (0-3)   0xA0 special function (FN 0x01, smart
//   key 0x02, game mode 0x1B)   0xB0, 0xC0 reserved   0xD0 keyboard macro key (0xA2, 1-5)

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "profiles/records/KeyAssignment.h"

namespace vorn::devices {

inline constexpr std::uint8_t kKindNothing = 0x00;
inline constexpr std::uint8_t kKindMouseButton = 0x10;
inline constexpr std::uint8_t kKindPointer = 0x11;
inline constexpr std::uint8_t kKindWheel = 0x12;
inline constexpr std::uint8_t kKindDpi = 0x13;
inline constexpr std::uint8_t kKindRapidFire = 0x14;
inline constexpr std::uint8_t kKindReportRate = 0x15;
inline constexpr std::uint8_t kKindDpiShift = 0x16;
inline constexpr std::uint8_t kKindKeyboard = 0x20;
inline constexpr std::uint8_t kKindShortcutList = 0x21;
inline constexpr std::uint8_t kKindShortcutList2 = 0x22;
inline constexpr std::uint8_t kKindShowWindow = 0x23;
inline constexpr std::uint8_t kKindConsumer = 0x30;
inline constexpr std::uint8_t kKindSystem = 0x40;
inline constexpr std::uint8_t kKindMacroShown1 = 0x50;
inline constexpr std::uint8_t kKindMacroShown2 = 0x60;
inline constexpr std::uint8_t kKindMacro = 0x70;
inline constexpr std::uint8_t kKindMacroRepeat = 0x71;
inline constexpr std::uint8_t kKindShoot = 0x72;
inline constexpr std::uint8_t kKindSpecial = 0xA0;
inline constexpr std::uint8_t kKindReservedB0 = 0xB0;
inline constexpr std::uint8_t kKindReservedC0 = 0xC0;
inline constexpr std::uint8_t kKindMacroKey = 0xD0;

// HID keyboard modifier bits (parameter 1 of kind 0x20).
inline constexpr std::uint8_t kModLeftCtrl = 0x01;
inline constexpr std::uint8_t kModRightCtrl = 0x10;

// The key index of a keyboard row without a virtual-key code. Indexes from 256 on name keys
// that share a virtual-key code or have none: keypad Enter 257, power 259, sleep 260, wake 261.
inline constexpr std::uint16_t kNoVirtualKey = 255;

struct KeyCodeRow {
    std::uint16_t keyIndex = 0;  // keyboard table: virtual-key code or an index from 256; else 0
    profiles::KeyAssignment code;
    std::string_view name;  // language key of the display name
};

// A keyboard row whose key index or usage does not follow from the key's name.
struct KeyboardExceptionRow {
    std::string_view name;
    std::uint16_t keyIndex = 0;
    std::uint8_t usage = 0;
};

// Mouse buttons, DPI functions, the polling-rate cycle, consumer and system controls and the
// shortcuts the page produces.
extern const std::array<KeyCodeRow, 5> kMouseButtonRows;
extern const std::array<KeyCodeRow, 3> kDpiRows;
extern const std::array<KeyCodeRow, 1> kReportRateRows;
extern const std::array<KeyCodeRow, 18> kConsumerRows;
extern const std::array<KeyCodeRow, 3> kSystemRows;
extern const std::array<KeyCodeRow, 11> kShortcutRows;
// Shortcuts and functions that are only named, never produced by the page.
extern const std::array<KeyCodeRow, 9> kShortcutDisplayRows;
extern const std::array<KeyCodeRow, 15> kFunctionDisplayRows;

// The keyboard table: rows 0-7 the modifiers, 8-113 the keys (kind 0x20), 114-131 consumer
// and 132-134 system controls, 135-139 the macro keys M1-M5, 140-141 FN and game mode.
inline constexpr std::size_t kKeyboardRowCount = 142;
inline constexpr std::size_t kModifierRowCount = 8;
inline constexpr std::size_t kKeyboardKeyRowEnd = 114;  // one past the last row of kind 0x20
extern const std::array<KeyCodeRow, kKeyboardRowCount> kKeyboardRows;
extern const std::array<KeyboardExceptionRow, 12> kKeyboardExceptionRows;

// The first row of the table whose code equals `code`; -1 when none.
int findRow(std::span<const KeyCodeRow> rows, const profiles::KeyAssignment& code);
// The first row whose kind and parameter 1 equal those of `code`; -1 when none.
int findRowByParam1(std::span<const KeyCodeRow> rows, const profiles::KeyAssignment& code);

// The keyboard row from row 8 on with kind 0x20, no modifier and this usage; -1 when none.
int keyboardRowOfUsage(std::uint8_t usage);
// The first modifier row (0-7) whose modifier bits equal `bits`; -1 when none.
int modifierRowOfBits(std::uint8_t bits);
// The modifier option of the key page (1 Ctrl, 2 Shift, 3 Alt, 4 Win) for modifier row r.
constexpr int modifierOptionOfRow(int row) {
    return (row + 1) % 5 + (row + 1) / 5;
}
// The modifier bits of option n (0 or out of range: none).
constexpr std::uint8_t modifierBitsOfOption(int option) {
    return option >= 1 && option <= 4 ? static_cast<std::uint8_t>(1u << (option - 1)) : 0;
}

}  // namespace vorn::devices

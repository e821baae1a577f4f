#pragma once
// Keys captured in the program's own window. The desktop reports a key by its native scan
// code (on X11 and Wayland the Linux input event code + 8); the key tables know a key by its
// PC scan code (set 1) with the extended flag, as the keyboard reports it. The capture table
// pairs each of keyboard rows 0-112 (the modifiers and the keys of kind 0x20 up to the last
// international key; the last key, "keyboard_key_K42", has no scan code of its own) with the
// input event code and the set-1 scan code of that key. The scan code and extended flag tell
// every key apart, also those that share a virtual-key code (the international keys without
// one) or differ only in the flag (keypad Enter, right Ctrl and Alt).

#include <array>
#include <cstdint>
#include <optional>

namespace vorn::devices {

// What is captured of a key press: the record the key page and the macro recorder take.
struct CapturedKey {
    std::uint8_t scanCode = 0;  // set 1
    bool extended = false;

    friend constexpr bool operator==(const CapturedKey&, const CapturedKey&) = default;
};

struct KeyCaptureRow {
    std::uint16_t inputCode = 0;  // Linux input event code (KEY_*)
    std::uint8_t scanCode = 0;    // PC scan code, set 1
    bool extended = false;
};

// Row i belongs to row i of the keyboard table.
inline constexpr std::size_t kKeyCaptureRowCount = 113;
extern const std::array<KeyCaptureRow, kKeyCaptureRowCount> kKeyCaptureRows;

// The difference between a native scan code of X11 and Wayland and the input event code.
inline constexpr std::uint32_t kNativeScanCodeOffset = 8;

// The key of a native scan code; nullopt for a key the capture table does not hold.
std::optional<CapturedKey> captureNativeScanCode(std::uint32_t nativeScanCode);
// The same for a Linux input event code.
std::optional<CapturedKey> captureInputCode(std::uint32_t inputCode);

// The keyboard row of a captured key: the first capture row with its scan code and extended
// flag (rows 0-112); -1 when none.
int keyboardRowOfCapturedKey(const CapturedKey& key);

}  // namespace vorn::devices

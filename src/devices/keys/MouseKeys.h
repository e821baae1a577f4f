#pragma once
// The logical keys of a mouse. The factory code of each logical key tells which device key
// slot is that key (the mouse's factory key table holds the code in the key's slot); a key
// is labelled by what its factory code does. The first eleven are the keys of the profile's
// key list; the twelfth code (rapid fire) only names a slot.

#include <array>
#include <cstddef>
#include <string>

#include "profiles/records/KeyAssignment.h"

namespace vorn::devices {

inline constexpr std::size_t kMouseLabelledKeyCount = 11;

inline constexpr std::array<profiles::KeyAssignment, 12> kMouseFactoryCodes = {{
    {0x10, 0x10, 0},     // forward
    {0x10, 0x01, 0},     // left
    {0x10, 0x04, 0},     // middle
    {0x10, 0x02, 0},     // right
    {0x10, 0x08, 0},     // back
    {0x13, 1, 0},        // DPI up
    {0x13, 2, 0},        // DPI down
    {0x13, 3, 0},        // DPI cycle
    {0x15, 3, 0},        // polling-rate cycle
    {0xA0, 0x1B, 0},     // game mode
    {0x16, 144, 1},      // DPI shift
    {0x14, 0x78, 0x02},  // rapid fire
}};

// The language key that labels logical key `index`: the name of its factory code
// ("mouse_key_forward", ..., "mouse_key_report_loop", "keyboard_key_GM",
// "mouse_key_DPI_shift", "mouse_key_fire_key"); empty past the table.
std::string mouseKeyLabel(std::size_t index);

}  // namespace vorn::devices

#pragma once
// Which key slot of the mouse each logical button occupies. The mouse's factory key table
// holds each button's factory code in the button's slot; the program knows the factory code
// of each logical button and finds the slots by them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "profiles/MouseProfiledata.h"
#include "profiles/records/KeyAssignment.h"

namespace vorn::devices::mouse {

// The factory codes of the logical buttons, in logical order: forward, left, middle,
// right, back, DPI up, DPI down, DPI cycle, polling-rate cycle, game mode, DPI shift,
// rapid fire.
inline constexpr std::size_t kMouseLogicalButtonCount = 12;
inline constexpr std::array<profiles::KeyAssignment, kMouseLogicalButtonCount> kMouseFactoryCodes =
    {{
        {0x10, 0x10, 0x00},
        {0x10, 0x01, 0x00},
        {0x10, 0x04, 0x00},
        {0x10, 0x02, 0x00},
        {0x10, 0x08, 0x00},
        {0x13, 0x01, 0x00},
        {0x13, 0x02, 0x00},
        {0x13, 0x03, 0x00},
        {0x15, 0x03, 0x00},
        {0xA0, 0x1B, 0x00},
        {0x16, 0x90, 0x01},
        {0x14, 0x78, 0x02},
    }};

// Bytes per key slot in the key tables, and the largest table a channel block holds.
inline constexpr std::size_t kKeySlotBytes = 3;
inline constexpr std::size_t kMaxKeyTableBytes = 512;

// Logical button -> key slot; profiles::kNoKeySlot (0xAA) for a button without one.
using ButtonSlotMap = std::vector<std::uint8_t>;

// One entry per logical button: the first of the table's slotCount slots that holds the
// button's factory code, or kNoKeySlot when none does (slots whose bytes lie beyond the
// table are not looked at).
ButtonSlotMap buildButtonSlotMap(std::span<const std::uint8_t> factoryTable, int slotCount);

}  // namespace vorn::devices::mouse

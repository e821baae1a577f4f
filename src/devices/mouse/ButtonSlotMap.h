#pragma once
// Which key slot of the mouse each logical button occupies. The mouse's factory key table
// holds each button's factory code in the button's slot; the program knows the factory code
// of each logical button and finds the slots by them.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "devices/keys/MouseKeys.h"
#include "profiles/MouseProfiledata.h"
#include "profiles/records/KeyAssignment.h"

namespace vorn::devices::mouse {

// The logical buttons are those of the mouse's factory codes (kMouseFactoryCodes: forward,
// left, middle, right, back, DPI up, DPI down, DPI cycle, polling-rate cycle, game mode, DPI
// shift, rapid fire).
inline constexpr std::size_t kMouseLogicalButtonCount = kMouseFactoryCodes.size();

// Bytes per key slot in the key tables (a table is one channel block at the most).
inline constexpr std::size_t kKeySlotBytes = 3;

// Logical button -> key slot; profiles::kNoKeySlot (0xAA) for a button without one.
using ButtonSlotMap = std::vector<std::uint8_t>;

// One entry per logical button: the first of the table's slotCount slots that holds the
// button's factory code, or kNoKeySlot when none does (slots whose bytes lie beyond the
// table are not looked at).
ButtonSlotMap buildButtonSlotMap(std::span<const std::uint8_t> factoryTable, int slotCount);

}  // namespace vorn::devices::mouse

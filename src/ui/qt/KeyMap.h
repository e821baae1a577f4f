#pragma once
// Qt key codes as the virtual-key codes of window messages (WM_KEYDOWN's wParam).

#include <QtGlobal>

#include <cstdint>
#include <span>

namespace vorn::ui::qt {

struct KeyRow {
    int qtKey;
    uint32_t virtualKey;
};

// The table of named keys (letters, digits and function keys follow their ranges).
std::span<const KeyRow> keyTable();

// The virtual-key code of a Qt key; 0 for a key without one.
uint32_t virtualKeyOf(int qtKey);

}  // namespace vorn::ui::qt

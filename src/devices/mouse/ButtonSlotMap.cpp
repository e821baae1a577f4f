#include "devices/mouse/ButtonSlotMap.h"

#include <algorithm>

namespace vorn::devices::mouse {

ButtonSlotMap buildButtonSlotMap(std::span<const std::uint8_t> factoryTable, int slotCount) {
    ButtonSlotMap map(kMouseLogicalButtonCount, profiles::kNoKeySlot);
    const std::size_t slots =
        std::min<std::size_t>(std::max(slotCount, 0), factoryTable.size() / kKeySlotBytes);
    for (std::size_t button = 0; button < kMouseLogicalButtonCount; ++button) {
        const profiles::KeyAssignment& code = kMouseFactoryCodes[button];
        for (std::size_t slot = 0; slot < slots && slot < profiles::kNoKeySlot; ++slot) {
            const std::uint8_t* entry = factoryTable.data() + kKeySlotBytes * slot;
            if (profiles::KeyAssignment{entry[0], entry[1], entry[2]} == code) {
                map[button] = static_cast<std::uint8_t>(slot);
                break;
            }
        }
    }
    return map;
}

}  // namespace vorn::devices::mouse

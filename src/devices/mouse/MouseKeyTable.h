#pragma once
// The key table the mouse is sent: 3 bytes per key slot, starting from its factory table so
// that slots no logical button uses keep their factory function.

#include <cstdint>
#include <span>
#include <vector>

#include "devices/mouse/ButtonSlotMap.h"
#include "profiles/records/KeyAssignment.h"
#include "protocol/CommandChannel.h"

namespace vorn::devices::mouse {

// The factory table (cut or padded with zeros to 3 x slotCount bytes) with each key that has
// a slot in the map set to its current assignment. A macro key names the macro's record in
// the macro image (its position in GetMacroList); a macro key whose macro index is not below
// macroCount names no macro and goes out with the key's factory assignment. Parameter 2 is
// kept. Slots whose bytes lie beyond the table are left out. The key list is not changed.
std::vector<std::uint8_t> buildKeyTable(std::span<const std::uint8_t> factoryTable, int slotCount,
                                        std::span<const profiles::KeyRecord> keys,
                                        const ButtonSlotMap& map, int macroCount);

// Reads the slot count from the device, builds the table with the number of macros of the
// model's macro list (the same count the macro image was built with) and sends it with
// WritePage (0x09) in one session; the channel's block size becomes the table's size.
// Result kMouseOk, or kMouseFailed when the channel is closed, the mouse cannot be reached,
// its table would exceed a block (512 bytes), or a command fails.
int WriteKeyAssignments(protocol::CommandChannel& channel, int macroCount,
                        std::span<const std::uint8_t> factoryTable,
                        std::span<const profiles::KeyRecord> keys, const ButtonSlotMap& map,
                        int bank);

}  // namespace vorn::devices::mouse

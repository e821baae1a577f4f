#include "devices/mouse/MouseKeyTable.h"

#include <algorithm>

#include "devices/mouse/MouseMacros.h"
#include "devices/mouse/MouseResults.h"
#include "devices/mouse/MouseSession.h"
#include "protocol/Commands.h"

namespace vorn::devices::mouse {

std::vector<std::uint8_t> buildKeyTable(std::span<const std::uint8_t> factoryTable, int slotCount,
                                        std::span<const profiles::KeyRecord> keys,
                                        const ButtonSlotMap& map, int macroCount) {
    std::vector<std::uint8_t> table(kKeySlotBytes *
                                    static_cast<std::size_t>(std::max(slotCount, 0)));
    std::copy_n(factoryTable.begin(), std::min(factoryTable.size(), table.size()), table.begin());
    const std::vector<int> macroList = GetMacroList(keys, map, macroCount);
    const std::size_t count = std::min(keys.size(), map.size());
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t slot = map[i];
        if (slot == profiles::kNoKeySlot || kKeySlotBytes * (slot + 1) > table.size()) {
            continue;
        }
        profiles::KeyAssignment key = keys[i].current;
        if (isMacroKind(key.kind)) {
            if (key.param1 < macroCount) {
                const auto record = std::find(macroList.begin(), macroList.end(), key.param1);
                key.param1 = static_cast<std::uint8_t>(record - macroList.begin());
            } else {
                key = keys[i].factory;
            }
        }
        table[kKeySlotBytes * slot] = key.kind;
        table[kKeySlotBytes * slot + 1] = key.param1;
        table[kKeySlotBytes * slot + 2] = key.param2;
    }
    return table;
}

int WriteKeyAssignments(protocol::CommandChannel& channel, int macroCount,
                        std::span<const std::uint8_t> factoryTable,
                        std::span<const profiles::KeyRecord> keys, const ButtonSlotMap& map,
                        int bank) {
    protocol::DeviceInfo info;
    if (!readInfoFirst(channel, info) ||
        !channel.setBlockSize(static_cast<std::uint32_t>(kKeySlotBytes * info.keySlotCount()))) {
        return kMouseFailed;  // a table larger than a block cannot be sent
    }
    const std::vector<std::uint8_t> table =
        buildKeyTable(factoryTable, info.keySlotCount(), keys, map, macroCount);
    const bool sent =
        writeInSession(channel, [&] { return protocol::WritePage(channel, table, bank); });
    return sent ? kMouseOk : kMouseFailed;
}

}  // namespace vorn::devices::mouse

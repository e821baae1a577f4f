#include "devices/mouse/MouseMacros.h"

#include <algorithm>

#include "devices/mouse/MouseResults.h"
#include "devices/mouse/MouseSession.h"
#include "macros/MacroList.h"
#include "protocol/Commands.h"

namespace vorn::devices::mouse {

std::vector<int> collectMacroList(std::span<const profiles::KeyRecord> keys,
                                  std::span<const std::uint8_t> slotMap, std::uint8_t noSlot,
                                  int macroCount) {
    std::vector<int> list;
    const std::size_t count = std::min(keys.size(), slotMap.size());
    for (std::size_t i = 0; i < count; ++i) {
        const profiles::KeyAssignment& key = keys[i].current;
        if (slotMap[i] == noSlot || !isMacroKind(key.kind) || key.param1 >= macroCount) {
            continue;
        }
        if (std::find(list.begin(), list.end(), key.param1) == list.end()) {
            list.push_back(key.param1);
        }
    }
    return list;
}

std::vector<int> GetMacroList(std::span<const profiles::KeyRecord> keys, const ButtonSlotMap& map,
                              int macroCount) {
    return collectMacroList(keys, map, profiles::kNoKeySlot, macroCount);
}

MacroImagePlan planMacroImage(const std::string& folder, std::span<const int> macroIndexes,
                              std::size_t memory) {
    MacroImagePlan plan;
    const macros::MacroList list = macros::readMacroList(folder);
    if (list.entries.empty()) {
        return plan;
    }
    std::vector<std::vector<macros::MacroEvent>> records;
    std::vector<std::size_t> counts;
    for (const int index : macroIndexes) {
        const bool listed = index >= 0 && static_cast<std::size_t>(index) < list.entries.size();
        records.push_back(listed ? macros::readMacroEventFile(macros::macroFilePath(
                                       folder, list.entries[static_cast<std::size_t>(index)].guid))
                                 : std::vector<macros::MacroEvent>{});
        counts.push_back(records.back().size());
    }
    const std::size_t size = macroImageSize(counts);
    if (size > memory) {
        plan.outcome = MacroImagePlan::Outcome::TooLarge;
        plan.eventsTooMany = eventsTooMany(size, memory);
        return plan;
    }
    plan.image = buildDeviceMacroImage(records);
    plan.outcome =
        plan.image.empty() ? MacroImagePlan::Outcome::Unsendable : MacroImagePlan::Outcome::Ready;
    return plan;
}

int WriteMacros(protocol::CommandChannel& channel, const std::string& folder,
                std::span<const int> macroIndexes) {
    protocol::DeviceInfo info;
    if (!readInfoFirst(channel, info)) {
        return kMacrosFailed;
    }
    const MacroImagePlan plan = planMacroImage(folder, macroIndexes, info.macroMemorySize());
    switch (plan.outcome) {
        case MacroImagePlan::Outcome::NothingToSend:
            return kMacrosDone;
        case MacroImagePlan::Outcome::TooLarge:
            return plan.eventsTooMany;
        case MacroImagePlan::Outcome::Unsendable:
            return kMacrosFailed;
        case MacroImagePlan::Outcome::Ready:
            break;
    }
    const bool sent =
        writeInSession(channel, [&] { return protocol::WriteMacroData(channel, plan.image); });
    return sent ? kMacrosDone : kMacrosFailed;
}

}  // namespace vorn::devices::mouse

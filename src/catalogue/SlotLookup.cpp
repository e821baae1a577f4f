#include "catalogue/SlotLookup.h"

#include "platform/text/Text.h"

namespace vorn::catalogue {
namespace {

// A device never reports vendor id 0, so rows with it only hold their index.
bool canBind(const DeviceSlotRow& row) {
    return row.vendorId != 0;
}

bool isFree(const DeviceSlot& slot) {
    return slot.linked == 0 && slot.devicePath.empty();
}

template <typename A, typename B>
bool sameBusAddress(const A& a, const B& b) {
    return a.vendorId == b.vendorId && a.productId == b.productId &&
           a.collectionNumber == b.collectionNumber && a.interfaceNumber == b.interfaceNumber;
}

// The values an opened collection is matched on: bus address, usage and product string.
template <typename A, typename B>
bool sameCollection(const A& a, const B& b) {
    return sameBusAddress(a, b) && a.usagePage == b.usagePage && a.usage == b.usage &&
           platform::equalsIgnoreCase(a.productString, b.productString);
}

}  // namespace

DeviceSlot slotFromRow(const DeviceSlotRow& row) {
    DeviceSlot slot;
    slot.vendorId = row.vendorId;
    slot.productId = row.productId;
    slot.interfaceNumber = row.interfaceNumber;
    slot.collectionNumber = row.collectionNumber;
    slot.deviceType = row.deviceType;
    slot.role = row.role;
    slot.usagePage = row.usagePage;
    slot.usage = row.usage;
    slot.alternateSlotFlag = row.alternateSlotFlag;
    slot.alternateSlotIndex = row.alternateSlotIndex;
    slot.productString = std::string(row.productString);
    slot.pairedModelCode = row.pairedModelCode;
    return slot;
}

LiveSlotList makeLiveSlotList(const DeviceCatalogue& tables) {
    LiveSlotList live;
    live.reserve(tables.slots.size());
    for (const DeviceSlotRow& row : tables.slots) {
        live.push_back(slotFromRow(row));
    }
    return live;
}

int slotCount(const DeviceCatalogue& tables) {
    return static_cast<int>(tables.slots.size());
}

int optionCount(const DeviceCatalogue& tables) {
    return static_cast<int>(tables.options.size());
}

int updateTargetCount(const DeviceCatalogue& tables) {
    return static_cast<int>(tables.updateTargets.size());
}

bool preMatch(const DeviceCatalogue& tables, const LiveSlotList& live, std::uint16_t vendorId,
              std::uint16_t productId, std::uint16_t collectionNumber,
              std::uint16_t interfaceNumber) {
    struct {
        std::uint16_t vendorId, productId, collectionNumber, interfaceNumber;
    } const seen{vendorId, productId, collectionNumber, interfaceNumber};
    bool known = false;
    for (const DeviceSlotRow& row : tables.slots) {
        if (canBind(row) && sameBusAddress(row, seen)) {
            known = true;
            break;
        }
    }
    if (!known) {
        return false;
    }
    for (const DeviceSlot& slot : live) {
        if (isFree(slot) && sameBusAddress(slot, seen)) {
            return true;
        }
    }
    return false;
}

int claimSlot(const DeviceCatalogue& tables, LiveSlotList& live, DeviceSlot& candidate) {
    const DeviceSlotRow* match = nullptr;
    for (const DeviceSlotRow& row : tables.slots) {
        if (canBind(row) && sameCollection(row, candidate)) {
            match = &row;
            break;
        }
    }
    if (match == nullptr) {
        return kNoIndex;
    }
    candidate.deviceType = match->deviceType;
    candidate.role = match->role;
    for (size_t i = 0; i < live.size(); ++i) {
        DeviceSlot& slot = live[i];
        if (isFree(slot) && sameCollection(slot, candidate)) {
            slot.linked = 1;
            slot.devicePath = candidate.devicePath;
            return static_cast<int>(i);
        }
    }
    return kNoIndex;
}

int findSlotRow(const DeviceCatalogue& tables, DeviceType type, SlotRole role,
                std::uint16_t vendorId, std::uint16_t productId, std::string_view productString) {
    for (size_t i = 0; i < tables.slots.size(); ++i) {
        const DeviceSlotRow& row = tables.slots[i];
        if (row.deviceType == type && row.role == role && row.vendorId == vendorId &&
            row.productId == productId &&
            platform::equalsIgnoreCase(row.productString, productString)) {
            return static_cast<int>(i);
        }
    }
    return kNoIndex;
}

int findOptionRow(const DeviceCatalogue& tables, std::uint16_t vendorId, std::uint16_t productId,
                  DeviceType type, SlotRole role, std::string_view productString) {
    for (size_t i = 0; i < tables.options.size(); ++i) {
        const DeviceOptionRow& row = tables.options[i];
        if (row.vendorId == vendorId && row.productId == productId && row.deviceType == type &&
            row.role == role && platform::equalsIgnoreCase(row.productString, productString)) {
            return static_cast<int>(i);
        }
    }
    return kNoIndex;
}

}  // namespace vorn::catalogue

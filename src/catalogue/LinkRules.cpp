#include "catalogue/LinkRules.h"

#include "catalogue/SlotLookup.h"

namespace vorn::catalogue {
namespace {

bool reportedCodeIs(std::uint16_t pairedModelCode, ReportedModel reported) {
    return reported.has_value() && pairedModelCode != kModelNotReportable &&
           pairedModelCode == *reported;
}

int slotIndexOrNone(const DeviceCatalogue& tables, int index) {
    return index >= 0 && index < slotCount(tables) ? index : kNoIndex;
}

}  // namespace

bool isReportedModel(const DeviceSlot& slot, ReportedModel reported) {
    return reportedCodeIs(slot.pairedModelCode, reported);
}

bool isReportedModel(const DeviceSlotRow& row, ReportedModel reported) {
    return reportedCodeIs(row.pairedModelCode, reported);
}

int findReportedModelSlot(const DeviceCatalogue& tables, ReportedModel reported, SlotRole role) {
    for (size_t i = 0; i < tables.slots.size(); ++i) {
        const DeviceSlotRow& row = tables.slots[i];
        if (row.role == role && isReportedModel(row, reported)) {
            return static_cast<int>(i);
        }
    }
    return kNoIndex;
}

int pageRowOf(const DeviceCatalogue& tables, const DeviceSlot& slot) {
    if (slot.deviceType == DeviceType::MouseOwnReceiver && slot.alternateSlotFlag == 1) {
        const int cable = slotIndexOrNone(tables, slot.alternateSlotIndex);
        if (cable == kNoIndex) {
            return kNoIndex;
        }
        const DeviceSlotRow& row = tables.slots[static_cast<size_t>(cable)];
        return findOptionRow(tables, row.vendorId, row.productId, DeviceType::Mouse, slot.role,
                             row.productString);
    }
    return findOptionRow(tables, slot.vendorId, slot.productId, slot.deviceType, slot.role,
                         slot.productString);
}

int alternateLinkOf(const DeviceCatalogue& tables, const DeviceSlot& slot, ReportedModel reported) {
    if (slot.alternateSlotFlag != 1) {
        return kNoIndex;
    }
    if (slot.deviceType == DeviceType::Receiver) {
        return findReportedModelSlot(tables, reported, SlotRole::Command);
    }
    int target = slot.alternateSlotIndex;
    if (slot.role == SlotRole::Command && isReportedModel(slot, reported)) {
        target = kReceiverCommandSlot;
    }
    return slotIndexOrNone(tables, target);
}

}  // namespace vorn::catalogue

#include "link/OtherLink.h"

namespace vorn::link {
namespace {

bool linkedWithPath(const catalogue::DeviceSlot& slot) {
    return slot.linked != 0 && !slot.devicePath.empty();
}

}  // namespace

catalogue::ReportedModel reportedModel(int reportedModelCode) {
    if (reportedModelCode < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(reportedModelCode);
}

bool hasOtherLink(const catalogue::LiveSlotList& slots, int index, int reportedModelCode) {
    const int count = static_cast<int>(slots.size());
    if (index < 0 || index >= count) {
        return false;
    }
    const catalogue::DeviceSlot& slot = slots[static_cast<std::size_t>(index)];
    if (slot.alternateSlotFlag != 1) {
        return false;
    }
    const catalogue::ReportedModel reported = reportedModel(reportedModelCode);
    if (slot.deviceType == catalogue::DeviceType::Receiver) {
        for (const catalogue::DeviceSlot& other : slots) {
            if (other.role == catalogue::SlotRole::Command &&
                catalogue::isReportedModel(other, reported) && linkedWithPath(other)) {
                return true;
            }
        }
        return false;
    }
    const int alternate = slot.alternateSlotIndex;
    if (alternate >= 0 && alternate < count) {
        const catalogue::DeviceSlot& other = slots[static_cast<std::size_t>(alternate)];
        if (other.alternateSlotFlag == 1 && other.alternateSlotIndex == index &&
            linkedWithPath(other)) {
            return true;
        }
    }
    return catalogue::isReportedModel(slot, reported) && catalogue::kReceiverCommandSlot < count &&
           linkedWithPath(slots[catalogue::kReceiverCommandSlot]);
}

}  // namespace vorn::link

#include "link/LinkedSlots.h"

namespace vorn::link {

LinkedSlots::LinkedSlots(const catalogue::DeviceCatalogue& tables)
    : tables_(tables), slots_(catalogue::makeLiveSlotList(tables)) {}

catalogue::DeviceSlot LinkedSlots::slot(int index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (index < 0 || index >= static_cast<int>(slots_.size())) {
        return {};
    }
    return slots_[static_cast<std::size_t>(index)];
}

ReceiverState LinkedSlots::receiverState() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return receiver_;
}

}  // namespace vorn::link

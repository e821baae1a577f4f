#pragma once
// The main window's live slot list and the receiver's state, shared by the discovery thread
// (which binds and frees slots) and the UI thread (which reads them, polls the receiver and
// switches links). Every read and change is made under the one lock.

#include <mutex>

#include "catalogue/CatalogueRows.h"
#include "catalogue/SlotLookup.h"

namespace vorn::link {

struct ReceiverState {
    int commandDeviceLink = 0;   // 1 once the receiver's paired mouse answered and was bound
    int reportedModelCode = -1;  // what the receiver reported for its mouse; -1: none
    int receiverSlot = -1;       // the receiver's command slot being polled
    int receiverRow = -1;        // its slot table row
};

class LinkedSlots {
  public:
    explicit LinkedSlots(const catalogue::DeviceCatalogue& tables);

    const catalogue::DeviceCatalogue& tables() const { return tables_; }
    std::mutex& mutex() const { return mutex_; }
    // Both with mutex() held.
    catalogue::LiveSlotList& slots() { return slots_; }
    ReceiverState& receiver() { return receiver_; }

    // A copy of one slot (taken under the lock); a default slot for an index outside.
    catalogue::DeviceSlot slot(int index) const;
    ReceiverState receiverState() const;

  private:
    const catalogue::DeviceCatalogue& tables_;
    mutable std::mutex mutex_;
    catalogue::LiveSlotList slots_;
    ReceiverState receiver_;
};

}  // namespace vorn::link

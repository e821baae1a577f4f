#include "cli/HidListing.h"

namespace vorn::cli {

// Slot claiming belongs to the device catalogue; until the list is wired to it, every
// collection shows "?" as its slot.
SlotResolver makeSlotResolver() {
    return [](const HidCollectionListing&) { return std::string("?"); };
}

}  // namespace vorn::cli

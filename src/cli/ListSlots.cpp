#include <memory>

#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"
#include "cli/HidListing.h"
#include "platform/text/Text.h"

namespace vorn::cli {

int claimListedSlot(catalogue::LiveSlotList& live, const HidCollectionListing& c) {
    if (!c.described) {
        return catalogue::kNoIndex;
    }
    const auto& tables = catalogue::kDeviceCatalogue;
    if (!catalogue::preMatch(tables, live, c.vendorId, c.productId,
                             static_cast<uint16_t>(c.collectionNumber),
                             static_cast<uint16_t>(c.interfaceNumber))) {
        return catalogue::kNoIndex;
    }
    catalogue::DeviceSlot candidate;
    candidate.vendorId = c.vendorId;
    candidate.productId = c.productId;
    candidate.interfaceNumber = static_cast<uint16_t>(c.interfaceNumber);
    candidate.collectionNumber = static_cast<uint16_t>(c.collectionNumber);
    candidate.usagePage = c.usagePage;
    candidate.usage = c.usage;
    candidate.productString = c.product;
    candidate.devicePath = c.path;
    return catalogue::claimSlot(tables, live, candidate);
}

// Claims catalogue slots in list order, as the discovery loop would on a fresh start: the
// first matching free slot is taken, so a second identical device shows "-" (rejected).
SlotResolver makeSlotResolver() {
    auto live = std::make_shared<catalogue::LiveSlotList>(
        catalogue::makeLiveSlotList(catalogue::kDeviceCatalogue));
    return [live](const HidCollectionListing& c) -> std::string {
        const int slot = claimListedSlot(*live, c);
        return slot == catalogue::kNoIndex ? std::string("-") : platform::formatText("%d", slot);
    };
}

}  // namespace vorn::cli

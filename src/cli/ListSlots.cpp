#include <algorithm>
#include <memory>

#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"
#include "cli/HidListing.h"
#include "cli/InstalledBus.h"
#include "emulator/firmware/MouseModels.h"
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

bool isCommandCollection(const HidCollectionListing& c) {
    if (!c.described) {
        return false;
    }
    const auto& slots = catalogue::kDeviceCatalogue.slots;
    return std::any_of(slots.begin(), slots.end(), [&c](const catalogue::DeviceSlotRow& row) {
        return row.role == catalogue::SlotRole::Command && row.vendorId != 0 &&
               row.vendorId == c.vendorId && row.usagePage == c.usagePage && row.usage == c.usage;
    });
}

bool isUnbindable(const HidCollectionListing& c) {
    if (!isCommandCollection(c)) {
        return false;
    }
    catalogue::LiveSlotList fresh = catalogue::makeLiveSlotList(catalogue::kDeviceCatalogue);
    return claimListedSlot(fresh, c) == catalogue::kNoIndex;
}

std::string unbindableNote(const HidCollectionListing& c) {
    return platform::formatText(
        "the catalogue has no slot for \"%s\" with product id %04x, so no "
        "command can reach it",
        c.product.c_str(), c.productId);
}

std::vector<std::string> unbindableScenarios() {
    std::vector<std::string> scenarios;
    for (const emulator::MouseModel& model : emulator::mouseModels()) {
        for (const char* link : {"", "@own"}) {
            const std::string scenario = std::string(model.token) + link;
            InstalledBus bus;
            std::string error;
            if (bus.install(scenario, error) != 0) {
                continue;
            }
            const std::vector<HidCollectionListing> list = listHidCollections();
            if (std::any_of(list.begin(), list.end(), isUnbindable)) {
                scenarios.push_back(scenario);
            }
        }
    }
    return scenarios;
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

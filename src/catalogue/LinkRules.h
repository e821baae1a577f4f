#pragma once
// How a slot relates to its device's page and to the device's other link (cable, own
// 2.4 GHz receiver, or the 8K receiver it is paired with).

#include <cstdint>
#include <optional>

#include "catalogue/CatalogueRows.h"
#include "catalogue/DeviceSlot.h"

namespace vorn::catalogue {

// The model code the 8K receiver currently reports for its paired mouse; empty while it
// reports none (no receiver, or its event collection was lost).
using ReportedModel = std::optional<std::uint16_t>;

// Whether the receiver reports the slot's model. A slot marked not reportable never is,
// whatever code the receiver sends.
bool isReportedModel(const DeviceSlot& slot, ReportedModel reported);
bool isReportedModel(const DeviceSlotRow& row, ReportedModel reported);

// First slot table row of this role whose model the receiver reports, or kNoIndex.
int findReportedModelSlot(const DeviceCatalogue& tables, ReportedModel reported, SlotRole role);

// The option (and page) row of the page that serves the slot, or kNoIndex when the model
// has no page. A mouse slot on its own receiver link with an alternate is looked up as a
// cable mouse with the ids and product string of its alternate (cable) slot.
int pageRowOf(const DeviceCatalogue& tables, const DeviceSlot& slot);

// The slot of the device's other link, or kNoIndex when there is none to switch to:
//  - a slot without an alternate has none;
//  - otherwise its alternate index, but a command slot whose model the receiver reports
//    is reached through the receiver's command slot;
//  - a receiver slot leads to the first command slot of the model it reports (none while
//    it reports no known model);
//  - an index past the slot table names no slot.
int alternateLinkOf(const DeviceCatalogue& tables, const DeviceSlot& slot, ReportedModel reported);

}  // namespace vorn::catalogue

#pragma once
// Read-only lookups in the catalogue tables and the claim of a live slot by an opened
// collection. Indexes are ints; kNoIndex (-1) stands for "no row" / "no slot".
// Nothing here allocates except building the live slot list.

#include <cstdint>
#include <string_view>
#include <vector>

#include "catalogue/CatalogueRows.h"
#include "catalogue/DeviceSlot.h"

namespace vorn::catalogue {

inline constexpr int kNoIndex = -1;

// The main window's slots: one per slot table row, in order, changed only by the device link.
using LiveSlotList = std::vector<DeviceSlot>;

DeviceSlot slotFromRow(const DeviceSlotRow& row);
// Every row copied in order, unlinked and without a path.
LiveSlotList makeLiveSlotList(const DeviceCatalogue& tables);

int slotCount(const DeviceCatalogue& tables);
int optionCount(const DeviceCatalogue& tables);
int updateTargetCount(const DeviceCatalogue& tables);

// Whether a collection seen on the bus is worth opening: some bindable row has these ids,
// interface and collection numbers, and some live slot with the same four values is free.
bool preMatch(const DeviceCatalogue& tables, const LiveSlotList& live, std::uint16_t vendorId,
              std::uint16_t productId, std::uint16_t collectionNumber,
              std::uint16_t interfaceNumber);

// Binds an opened collection. The candidate carries the collection's ids, interface and
// collection numbers, usage page and usage, product string and path; it receives the type
// and role of the first matching row. The first free live slot with the same values is
// marked linked and takes the path. Returns that slot's index, or kNoIndex when no row
// matches or every matching slot is taken (the collection may already be bound).
int claimSlot(const DeviceCatalogue& tables, LiveSlotList& live, DeviceSlot& candidate);

// First slot table row with this type, role, ids and product string (ignoring case).
int findSlotRow(const DeviceCatalogue& tables, DeviceType type, SlotRole role,
                std::uint16_t vendorId, std::uint16_t productId, std::string_view productString);

// First option row with this page identity (product string ignoring case); the index also
// selects the page table row.
int findOptionRow(const DeviceCatalogue& tables, std::uint16_t vendorId, std::uint16_t productId,
                  DeviceType type, SlotRole role, std::string_view productString);

}  // namespace vorn::catalogue

#pragma once
// Reading usages and values out of a report with the capabilities of its top-level
// collection. The report buffer is a whole report of the kind: the report id byte first and
// exactly the collection's report length of that kind.
//
// A link collection of 0 searches the whole top-level collection; any other value only the
// fields of that link collection.

#include <cstdint>

#include "platform/hid/HidStatus.h"
#include "platform/hid/ReportDescriptor.h"

namespace vorn::platform::hid {

// Most usages one getUsages call can return for a kind and usage page (0: every page).
uint32_t maxUsageListLength(HidReportKind kind, uint16_t usagePage, const HidCollection& coll);

// The buttons of usagePage that are on in the report. usageLength gives the list's capacity
// and returns the number of usages found; when they do not all fit, the list holds the first
// ones and the result is kHidpStatusBufferTooSmall.
HidStatus getUsages(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                    uint16_t* usageList, uint32_t& usageLength, const HidCollection& coll,
                    const uint8_t* report, uint32_t reportLength);

// The raw (unsigned, not sign-extended) value of one usage; for a usage with several fields,
// the first.
HidStatus getUsageValue(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                        uint16_t usage, uint32_t& value, const HidCollection& coll,
                        const uint8_t* report, uint32_t reportLength);

// The value scaled from the logical to the physical range (the logical range itself when no
// physical range is given).
HidStatus getScaledUsageValue(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                              uint16_t usage, int32_t& value, const HidCollection& coll,
                              const uint8_t* report, uint32_t reportLength);

}  // namespace vorn::platform::hid

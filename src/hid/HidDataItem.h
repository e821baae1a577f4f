#pragma once
// One unpacked piece of a report: a button capability (the usages on in the last report),
// or one usage of a value capability (its raw and scaled value).

#include <cstdint>
#include <vector>

#include "platform/hid/HidStatus.h"

namespace vorn::hid {

struct HidDataItem {
    bool isButton = false;
    uint16_t usagePage = 0;
    uint32_t status = platform::hid::kHidpStatusSuccess;  // of the last fetch for this item
    uint8_t reportId = 0;
    bool isSet = false;  // the last unpack of a report with this item's id filled it

    // Button item.
    uint16_t usageMin = 0;
    uint16_t usageMax = 0;  // equal to usageMin when the capability is not a range
    uint32_t maxUsageListLength = 0;
    // maxUsageListLength entries: the usages on, within [usageMin, usageMax], in report
    // order, followed by a 0 when fewer than maxUsageListLength.
    std::vector<uint16_t> usages;

    // Value item.
    uint16_t usage = 0;
    uint32_t value = 0;
    int32_t scaledValue = 0;
};

}  // namespace vorn::hid

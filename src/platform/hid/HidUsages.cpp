#include "platform/hid/HidUsages.h"

#include <algorithm>
#include <set>

namespace vorn::platform::hid {
namespace {

// Little-endian bit field of up to 32 bits starting at bit `position` of `data`; longer
// fields yield their low 32 bits.
uint32_t extractBits(const uint8_t* data, uint32_t position, uint32_t size) {
    const uint32_t n = std::min<uint32_t>(size, 32);
    uint32_t value = 0;
    for (uint32_t i = 0; i < n; ++i) {
        const uint32_t bit = position + i;
        if ((data[bit / 8] >> (bit % 8)) & 1U) {
            value |= 1U << i;
        }
    }
    return value;
}

int64_t signExtend(uint32_t value, uint32_t size) {
    if (size == 0 || size >= 32) {
        return static_cast<int32_t>(value);
    }
    const uint32_t sign = 1U << (size - 1);
    return static_cast<int64_t>(value ^ sign) - static_cast<int64_t>(sign);
}

// A field's value as the logical range reads it: signed when the range reaches below 0.
int64_t logicalValue(const HidFieldCaps& caps, uint32_t raw) {
    return caps.logicalMin < 0 ? signExtend(raw, caps.bitSize) : static_cast<int64_t>(raw);
}

HidStatus checkReport(HidReportKind kind, const HidCollection& coll, const uint8_t* report,
                      uint32_t reportLength) {
    if (static_cast<int>(kind) >= kHidReportKindCount) {
        return kHidpStatusInvalidReportType;
    }
    if (report == nullptr || reportLength == 0 || reportLength != coll.byteLength(kind)) {
        return kHidpStatusInvalidReportLength;
    }
    return kHidpStatusSuccess;
}

bool inLink(const HidFieldCaps& caps, uint16_t linkCollection) {
    return linkCollection == 0 || caps.linkCollection == linkCollection;
}

// The value capability holding `usage` in this report, and the field within it.
HidStatus findValueField(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                         uint16_t usage, const HidCollection& coll, const uint8_t* report,
                         const HidFieldCaps*& found, uint32_t& field) {
    bool known = false;
    for (const HidFieldCaps& caps : coll.values(kind)) {
        if (caps.usagePage != usagePage || !inLink(caps, linkCollection) || usage < caps.usageMin ||
            usage > caps.usageMax) {
            continue;
        }
        known = true;
        if (caps.reportId != report[0]) {
            continue;
        }
        field = caps.isRange ? static_cast<uint32_t>(usage - caps.usageMin) : 0;
        if (field >= caps.reportCount) {
            continue;
        }
        found = &caps;
        return kHidpStatusSuccess;
    }
    return known ? kHidpStatusIncompatibleReportId : kHidpStatusUsageNotFound;
}

}  // namespace

uint32_t maxUsageListLength(HidReportKind kind, uint16_t usagePage, const HidCollection& coll) {
    uint32_t total = 0;
    std::set<uint32_t> arraysCounted;  // the usages of one array item share its fields
    for (const HidFieldCaps& caps : coll.buttons(kind)) {
        if ((usagePage != 0 && caps.usagePage != usagePage) || caps.isAlias) {
            continue;
        }
        if (caps.isArray && !arraysCounted.insert(caps.mainItem).second) {
            continue;
        }
        total += caps.reportCount;
    }
    return total;
}

HidStatus getUsages(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                    uint16_t* usageList, uint32_t& usageLength, const HidCollection& coll,
                    const uint8_t* report, uint32_t reportLength) {
    const HidStatus check = checkReport(kind, coll, report, reportLength);
    if (check != kHidpStatusSuccess) {
        return check;
    }
    const uint32_t capacity = usageList != nullptr ? usageLength : 0;
    uint32_t found = 0;
    auto add = [&](uint32_t usage) {
        if (found < capacity) {
            usageList[found] = static_cast<uint16_t>(usage);
        }
        ++found;
    };
    bool known = false;
    bool inReport = false;
    const uint8_t* data = report + 1;
    for (const HidFieldCaps& caps : coll.buttons(kind)) {
        if (caps.usagePage != usagePage || !inLink(caps, linkCollection)) {
            continue;
        }
        known = true;
        if (caps.reportId != report[0]) {
            continue;
        }
        inReport = true;
        if (caps.isAlias) {
            continue;
        }
        const uint32_t span = static_cast<uint32_t>(caps.usageMax) - caps.usageMin + 1;
        for (uint32_t i = 0; i < caps.reportCount; ++i) {
            const uint32_t raw =
                extractBits(data, caps.bitPosition + i * caps.bitSize, caps.bitSize);
            if (!caps.isArray) {
                if (raw & 1U) {
                    add(caps.usageMin + std::min(i, span - 1));
                }
                continue;
            }
            // An array field holds the index of one usage; values outside the logical
            // range mean "none", and usage 0 is never a real one.
            const int64_t v = logicalValue(caps, raw);
            if (v < caps.logicalMin || v > caps.logicalMax) {
                continue;
            }
            const int64_t index = v - caps.logicalMin;
            if (index < caps.arrayIndexBase || index >= int64_t{caps.arrayIndexBase} + span) {
                continue;
            }
            const uint32_t usage =
                caps.usageMin + static_cast<uint32_t>(index - caps.arrayIndexBase);
            if (usage != 0) {
                add(usage);
            }
        }
    }
    if (!known) {
        return kHidpStatusUsageNotFound;
    }
    if (!inReport) {
        return kHidpStatusIncompatibleReportId;
    }
    usageLength = found;
    return found > capacity ? kHidpStatusBufferTooSmall : kHidpStatusSuccess;
}

namespace {

// Checks the report and finds the field of a value usage, with its raw bits.
HidStatus locateValue(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                      uint16_t usage, const HidCollection& coll, const uint8_t* report,
                      uint32_t reportLength, const HidFieldCaps*& caps, uint32_t& raw) {
    HidStatus status = checkReport(kind, coll, report, reportLength);
    if (status != kHidpStatusSuccess) {
        return status;
    }
    uint32_t field = 0;
    status = findValueField(kind, usagePage, linkCollection, usage, coll, report, caps, field);
    if (status != kHidpStatusSuccess) {
        return status;
    }
    if (caps->bitSize > 32) {
        return kHidpStatusBufferTooSmall;
    }
    raw = extractBits(report + 1, caps->bitPosition + field * caps->bitSize, caps->bitSize);
    return kHidpStatusSuccess;
}

}  // namespace

HidStatus getUsageValue(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                        uint16_t usage, uint32_t& value, const HidCollection& coll,
                        const uint8_t* report, uint32_t reportLength) {
    const HidFieldCaps* caps = nullptr;
    return locateValue(kind, usagePage, linkCollection, usage, coll, report, reportLength, caps,
                       value);
}

HidStatus getScaledUsageValue(HidReportKind kind, uint16_t usagePage, uint16_t linkCollection,
                              uint16_t usage, int32_t& value, const HidCollection& coll,
                              const uint8_t* report, uint32_t reportLength) {
    const HidFieldCaps* caps = nullptr;
    uint32_t raw = 0;
    HidStatus status =
        locateValue(kind, usagePage, linkCollection, usage, coll, report, reportLength, caps, raw);
    if (status != kHidpStatusSuccess) {
        return status;
    }
    const int64_t lmin = caps->logicalMin;
    const int64_t lmax = caps->logicalMax;
    int64_t pmin = caps->physicalMin;
    int64_t pmax = caps->physicalMax;
    if (pmin == 0 && pmax == 0) {
        pmin = lmin;
        pmax = lmax;
    }
    if (lmin >= lmax || pmin >= pmax) {
        return kHidpStatusBadLogPhyValues;
    }
    const int64_t v = logicalValue(*caps, raw);
    if (v < lmin || v > lmax) {
        return caps->hasNull ? kHidpStatusNull : kHidpStatusValueOutOfRange;
    }
    // The product can pass 64 bits when both ranges span 32 bits.
    __extension__ using Wide = __int128;
    value =
        static_cast<int32_t>(pmin + static_cast<Wide>(v - lmin) * (pmax - pmin) / (lmax - lmin));
    return kHidpStatusSuccess;
}

}  // namespace vorn::platform::hid

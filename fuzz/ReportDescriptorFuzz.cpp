// libFuzzer target for the report descriptor parser and the report readers built on it.
// The input's first byte splits it: that many bytes (modulo the rest) form a report, the
// remainder is the descriptor. Every parsed collection then reads that report, padded or
// cut to each of its report lengths.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/hid/HidUsages.h"
#include "platform/hid/ReportDescriptor.h"

using namespace vorn::platform::hid;

namespace {

void readReport(const HidCollection& c, HidReportKind kind, const std::vector<uint8_t>& seed) {
    const uint16_t length = c.byteLength(kind);
    if (length == 0) {
        return;
    }
    std::vector<uint8_t> report(seed);
    report.resize(length, 0);
    std::vector<uint16_t> usages(maxUsageListLength(kind, 0, c) + 1);
    for (const HidFieldCaps& b : c.buttons(kind)) {
        report[0] = b.reportId;
        uint32_t n = static_cast<uint32_t>(usages.size());
        getUsages(kind, b.usagePage, b.linkCollection, usages.data(), n, c, report.data(), length);
    }
    for (const HidFieldCaps& v : c.values(kind)) {
        report[0] = v.reportId;
        uint32_t raw = 0;
        int32_t scaled = 0;
        getUsageValue(kind, v.usagePage, 0, v.usageMax, raw, c, report.data(), length);
        getScaledUsageValue(kind, v.usagePage, v.linkCollection, v.usageMin, scaled, c,
                            report.data(), length);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    const size_t reportSize = size > 1 ? data[0] % size : 0;
    const std::vector<uint8_t> seed(data + 1, data + 1 + std::min(reportSize, size - 1));
    const size_t offset = 1 + seed.size();
    // The descriptor gets a buffer of its exact size so any read past its end is caught.
    std::vector<uint8_t> descriptor(data + offset, data + size);
    HidReportDescriptor d;
    if (!parseReportDescriptor(descriptor.data(), descriptor.size(), d).ok()) {
        return 0;
    }
    for (const HidCollection& c : d.collections) {
        readReport(c, HidReportKind::Input, seed);
        readReport(c, HidReportKind::Output, seed);
        readReport(c, HidReportKind::Feature, seed);
    }
    return 0;
}

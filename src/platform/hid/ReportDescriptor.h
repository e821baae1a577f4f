#pragma once
// The HID report descriptor, parsed into what the transport needs of it: the top-level
// collections (numbered from 1 in descriptor order, the "&col" numbers of device paths),
// their report lengths and the capabilities of every report field.
//
// Report lengths follow the usual host convention: the longest report of a kind in bytes
// plus one byte for the report id, also when the device numbers no reports (the byte is
// then 0). Bit positions count from the first bit after that id byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/hid/HidStatus.h"

namespace vorn::platform::hid {

// One button or value capability: a run of report fields produced by one main item and one
// usage (or usage range) of it.
struct HidFieldCaps {
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
    bool isAlias = false;         // one of a delimited set of usages; the set's last is not
    uint16_t bitField = 0;        // the main item's data bits (constant, variable, relative, ...)
    uint16_t linkCollection = 0;  // index into HidCollection::links
    uint16_t linkUsage = 0;
    uint16_t linkUsagePage = 0;
    bool isRange = false;
    uint16_t usageMin = 0;  // the usage when isRange is false
    uint16_t usageMax = 0;  // equal to usageMin when isRange is false
    bool isArray = false;   // array main item: each field holds an index into the usages
    bool isAbsolute = true;
    bool hasNull = false;
    uint32_t bitPosition = 0;  // first field
    uint16_t bitSize = 0;      // bits per field
    uint32_t reportCount = 0;  // fields covered
    int32_t logicalMin = 0;
    int32_t logicalMax = 0;
    int32_t physicalMin = 0;
    int32_t physicalMax = 0;
    uint32_t units = 0;
    uint32_t unitsExponent = 0;
    // Array items: index (value - logicalMin) of usageMin among all usages of the main item.
    uint32_t arrayIndexBase = 0;
    // Ordinal of the main item within the descriptor; capabilities of one array item share
    // their fields.
    uint32_t mainItem = 0;
};

struct HidLinkCollectionNode {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint16_t parent = 0;
    uint16_t numberOfChildren = 0;
    uint8_t collectionType = 0;  // 0 physical, 1 application, 2 logical, ...
};

// The summary of one top-level collection.
struct HidCaps {
    uint16_t usage = 0;
    uint16_t usagePage = 0;
    uint16_t inputReportByteLength = 0;
    uint16_t outputReportByteLength = 0;
    uint16_t featureReportByteLength = 0;
    uint16_t numberLinkCollectionNodes = 0;
    uint16_t numberInputButtonCaps = 0;
    uint16_t numberInputValueCaps = 0;
    uint16_t numberOutputButtonCaps = 0;
    uint16_t numberOutputValueCaps = 0;
    uint16_t numberFeatureButtonCaps = 0;
    uint16_t numberFeatureValueCaps = 0;
};

struct HidCollection {
    uint16_t usagePage = 0;
    uint16_t usage = 0;
    uint8_t collectionType = 0;
    std::vector<uint8_t> reportIds;  // ascending; empty when the device numbers no reports
    std::array<uint16_t, kHidReportKindCount> reportByteLength{};  // 0: no report of the kind
    std::array<std::vector<HidFieldCaps>, kHidReportKindCount> buttonCaps;
    std::array<std::vector<HidFieldCaps>, kHidReportKindCount> valueCaps;
    std::vector<HidLinkCollectionNode> links;  // [0] is the collection itself

    uint16_t byteLength(HidReportKind kind) const {
        return reportByteLength[static_cast<int>(kind)];
    }
    const std::vector<HidFieldCaps>& buttons(HidReportKind kind) const {
        return buttonCaps[static_cast<int>(kind)];
    }
    const std::vector<HidFieldCaps>& values(HidReportKind kind) const {
        return valueCaps[static_cast<int>(kind)];
    }
    HidCaps caps() const;
};

struct HidReportDescriptor {
    std::vector<HidCollection> collections;
    bool usesReportIds = false;
    // Per kind and report id: 1 + index of the top-level collection owning the report, 0
    // when no collection does.
    std::array<std::array<uint16_t, 256>, kHidReportKindCount> reportOwner{};

    // The collection a path's "&col" number names: 1-based; 0 stands for the only one.
    const HidCollection* collection(int number) const;
    // Index of the top-level collection owning a report, -1 when none does.
    int ownerOf(HidReportKind kind, uint8_t reportId) const {
        return static_cast<int>(reportOwner[static_cast<int>(kind)][reportId]) - 1;
    }
};

enum class HidParseError {
    None,
    Empty,                      // no top-level collection
    Truncated,                  // an item runs past the end
    MainItemOutsideCollection,  // input, output or feature outside any collection
    UnbalancedCollection,       // end collection without collection, or one left open
    NestingTooDeep,
    BadReportId,               // report id 0
    MixedReportIds,            // numbered and unnumbered reports in one descriptor
    ReportIdSpansCollections,  // one report in two top-level collections
    ReportTooLong,
    ReportSizeTooLarge,
    BadUsageRange,  // minimum without maximum (or the reverse), or minimum above maximum
    BadUsagePage,
    DelimiterMisuse,
    PushPopMisuse,
};

struct HidParseResult {
    HidParseError error = HidParseError::None;
    size_t offset = 0;  // of the offending item
    bool ok() const { return error == HidParseError::None; }
};

// Parses a whole descriptor. On failure `out` is left empty; the parser never reads outside
// [data, data + size).
HidParseResult parseReportDescriptor(const uint8_t* data, size_t size, HidReportDescriptor& out);

const char* describeHidParseError(HidParseError error);

}  // namespace vorn::platform::hid

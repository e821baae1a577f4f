#pragma once
// Report kinds and the status values of the report-descriptor functions. The values are the
// ones HID callers compare against (HIDP_STATUS_*), so code written against them keeps its
// meaning here.

#include <cstdint>

namespace vorn::platform::hid {

enum class HidReportKind : uint8_t { Input = 0, Output = 1, Feature = 2 };
inline constexpr int kHidReportKindCount = 3;

using HidStatus = uint32_t;

inline constexpr HidStatus kHidpStatusSuccess = 0x00110000;
inline constexpr HidStatus kHidpStatusNull = 0x80110001;
inline constexpr HidStatus kHidpStatusInvalidPreparsedData = 0xC0110001;
inline constexpr HidStatus kHidpStatusInvalidReportType = 0xC0110002;
inline constexpr HidStatus kHidpStatusInvalidReportLength = 0xC0110003;
inline constexpr HidStatus kHidpStatusUsageNotFound = 0xC0110004;
inline constexpr HidStatus kHidpStatusValueOutOfRange = 0xC0110005;
inline constexpr HidStatus kHidpStatusBadLogPhyValues = 0xC0110006;
inline constexpr HidStatus kHidpStatusBufferTooSmall = 0xC0110007;
inline constexpr HidStatus kHidpStatusInternalError = 0xC0110008;
inline constexpr HidStatus kHidpStatusIncompatibleReportId = 0xC011000A;
inline constexpr HidStatus kHidpStatusReportDoesNotExist = 0xC0110010;

}  // namespace vorn::platform::hid

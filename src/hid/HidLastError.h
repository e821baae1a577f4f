#pragma once
// The error value a failed transport call leaves behind for its caller, per thread (the
// command channel reads it right after a read or write returns false).

#include <cstdint>

namespace vorn::hid {

inline constexpr uint32_t kErrorSuccess = 0;
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorInvalidHandle = 6;
inline constexpr uint32_t kErrorBadCommand = 22;
inline constexpr uint32_t kErrorGenFailure = 31;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorFilenameTooLong = 206;
inline constexpr uint32_t kWaitTimeout = 258;
inline constexpr uint32_t kErrorOperationAborted = 995;
inline constexpr uint32_t kErrorDeviceNotConnected = 1167;

// The value left by the last failing transport call on this thread.
uint32_t hidLastError();
void setHidLastError(uint32_t error);

}  // namespace vorn::hid

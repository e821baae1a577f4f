#pragma once
// Milliseconds for notification and event time stamps.

#include <cstdint>

namespace vorn::ui {

uint64_t uiTickCount();

}  // namespace vorn::ui

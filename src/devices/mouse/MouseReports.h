#pragma once
// What the mouse's own reports of a change made on the mouse mean: 0x10 0p (profile p
// chosen) and 0x11 sp (stage s of profile p chosen).

#include <cstdint>
#include <optional>

namespace vorn::devices::mouse {

struct MouseReportChange {
    int profile = 0;  // the active profile, 0-7
    int stage = -1;   // the active DPI stage 0-5; -1 when the report leaves it
};

// The change a report value stands for; none for any other high byte, and for a profile
// number above 7 or a stage above 5, which the mouse does not have.
std::optional<MouseReportChange> decodeMouseReport(std::uint16_t value);

}  // namespace vorn::devices::mouse

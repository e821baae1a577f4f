#pragma once
// The keyboard settings a profile holds under "SystemStages": six unsigned 16-bit values,
// which also read as three 32-bit words (low half first).

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct KeyboardSystemSettings {
    std::uint16_t repeat = 0;       // "Repeat"
    std::uint16_t repeatDelay = 0;  // "RepeatDelay": 250 ms * (n + 1)
    std::uint16_t key6Flag = 0;     // "Key6Flag"
    std::uint16_t pollingRate = 0;  // "PollingRate": option 0-4
    std::uint16_t wFlag = 0;        // "WFlag"
    std::uint16_t winFlag = 0;      // "WinFlag": Win-key lock

    friend constexpr bool operator==(const KeyboardSystemSettings&,
                                     const KeyboardSystemSettings&) = default;
};
static_assert(sizeof(KeyboardSystemSettings) == 12);

}  // namespace vorn::profiles

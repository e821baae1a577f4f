#pragma once
// The colour of one key in a keyboard's custom per-key light group (4 bytes).

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct KeyColour {
    std::uint8_t red = 0;    // "Red"
    std::uint8_t green = 0;  // "Green"
    std::uint8_t blue = 0;   // "Blue"
    std::uint8_t alpha = 0;  // "Alpha": the key's brightness

    friend constexpr bool operator==(const KeyColour&, const KeyColour&) = default;
};
static_assert(sizeof(KeyColour) == 4);

}  // namespace vorn::profiles

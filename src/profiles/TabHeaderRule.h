#pragma once
// Which tab headers of the main window a device page hides or shows, by device type.

#include <span>
#include <string_view>

namespace vorn::profiles {

struct TabHeaderRule {
    std::span<const std::string_view> hidden;
    std::span<const std::string_view> shown;
};

// Type 1 hides the cursor tab; 3 and 5 the cursor, macro, system and key tabs; 4 all but
// the system tab; 7 the same four as 3 and shows the three headset tabs; others nothing.
TabHeaderRule TabHeadersFor(int deviceType);

}  // namespace vorn::profiles

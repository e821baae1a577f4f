#pragma once
// Helpers of the mouse tests: the mouse's light-mode list and the command frames a device
// of the emulated bus saw, in a compact form.

#include <cstdio>
#include <string>
#include <vector>

#include "devices/mouse/LightModeNames.h"
#include "support/FramesSeen.h"

namespace vorn::test {

// The codes of the shipped list: mode i has code i + 1, except mode 5 (off, code 0) and the
// modes after it (code i).
inline devices::mouse::LightNames mouseLightNames() {
    devices::mouse::LightNames names;
    const int codes[] = {1, 2, 3, 4, 5, 0, 6, 7, 8, 9, 10, 11};
    for (int i = 0; i < 12; ++i) {
        names.modes.push_back(
            {"mode" + std::to_string(i), i != 9, static_cast<std::uint8_t>(codes[i])});
    }
    return names;
}

using Strings = std::vector<std::string>;
using Bytes = std::vector<std::uint8_t>;

}  // namespace vorn::test

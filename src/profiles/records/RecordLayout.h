#pragma once
// Fixed-layout records go to the devices byte for byte; every multi-byte field is
// little-endian, which is the host's order on every platform the program builds for.

#include <bit>

namespace vorn::profiles {

static_assert(std::endian::native == std::endian::little,
              "device records are little-endian and are sent as they lie in memory");

}  // namespace vorn::profiles

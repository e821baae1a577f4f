#pragma once
// A 16-bit little-endian field of a device record: two bytes with no alignment needs, so
// records built from it have no padding and lie in memory as the device reads them.

#include <cstdint>

namespace vorn::devices::mouse {

struct LeU16 {
    std::uint8_t bytes[2] = {};

    constexpr std::uint16_t get() const {
        return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
    }
    constexpr void set(std::uint16_t value) {
        bytes[0] = static_cast<std::uint8_t>(value);
        bytes[1] = static_cast<std::uint8_t>(value >> 8);
    }

    friend constexpr bool operator==(const LeU16&, const LeU16&) = default;
};
static_assert(sizeof(LeU16) == 2 && alignof(LeU16) == 1);

}  // namespace vorn::devices::mouse

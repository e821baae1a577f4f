#pragma once
// Fixed-layout records go to the devices byte for byte; every multi-byte field is
// little-endian, which is the host's order on every platform the program builds for.

#include <array>
#include <bit>
#include <cstdint>

namespace vorn::profiles {

static_assert(std::endian::native == std::endian::little,
              "device records are little-endian and are sent as they lie in memory");

// A 16-bit little-endian field of a device record: two bytes with no alignment needs, so
// records built from it have no padding and lie in memory as the device reads them.
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

// A record's bytes as they lie in memory, which is how the device takes them.
template <class Record>
std::array<std::uint8_t, sizeof(Record)> recordBytes(const Record& record) {
    return std::bit_cast<std::array<std::uint8_t, sizeof(Record)>>(record);
}

}  // namespace vorn::profiles

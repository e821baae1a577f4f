#pragma once
// What a key of a mouse or keyboard does: three bytes (kind, parameter 1, parameter 2), the
// same bytes the device key tables hold. Profiles store a code as the integer
// kind * 65536 + parameter 1 * 256 + parameter 2.

#include <cstdint>

#include "profiles/records/RecordLayout.h"

namespace vorn::profiles {

struct KeyAssignment {
    std::uint8_t kind = 0;
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;

    // Bits 16-23 give the kind, 8-15 parameter 1, 0-7 parameter 2; higher bits are ignored.
    static constexpr KeyAssignment fromCode(std::int32_t code) {
        const auto bits = static_cast<std::uint32_t>(code);
        return {static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 8),
                static_cast<std::uint8_t>(bits)};
    }
    constexpr std::int32_t code() const { return kind * 65536 + param1 * 256 + param2; }

    friend constexpr bool operator==(const KeyAssignment&, const KeyAssignment&) = default;
};
static_assert(sizeof(KeyAssignment) == 3);

// One logical key: its index and its current and factory assignment. Element i of a
// profile's key list is the record of key i.
struct KeyRecord {
    std::uint16_t keyIndex = 0;
    KeyAssignment current;
    std::uint8_t reserved1 = 0;
    std::uint16_t defaultKeyIndex = 0;  // the key index again
    KeyAssignment factory;              // the key's factory function; never changes
    std::uint8_t reserved2 = 0;

    friend constexpr bool operator==(const KeyRecord&, const KeyRecord&) = default;
};
static_assert(sizeof(KeyRecord) == 12);

}  // namespace vorn::profiles

#pragma once
// The form in which macros (and the shoot sequences) are downloaded to the mouse: a 16-byte
// header, one 16-bit offset per record, then the records back to back, each an event count
// and the events as 4-byte codes. All values little-endian.
//
//   0   u16 0x55AA        2  u16 total length      4  u16 record count n
//   6   10 bytes zero     16 n x u16 record offsets from the start of the image
//   16 + 2n               records: u16 event count c, 2 bytes zero, c MacroEventCodes

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "macros/MacroEvent.h"
#include "profiles/records/RecordLayout.h"

namespace vorn::devices::mouse {

using profiles::LeU16;

inline constexpr std::uint16_t kMacroImageMagic = 0x55AA;
inline constexpr std::size_t kMacroImageMaxSize = 0xFFFF;

struct MacroEventCode {
    LeU16 delay;              // milliseconds after the event
    std::uint8_t kind = 0;    // bits 0-6 the event's type, bit 7 set for a press ("down")
    std::uint8_t button = 0;  // key, modifier bit, button bit or distance

    // The code of an event. Values the code cannot hold are brought into it: a delay above
    // 65535 ms becomes 65535, a type outside 0-127 and a button outside 0-255 take the
    // nearest end.
    static MacroEventCode from(const macros::MacroEvent& event);

    friend bool operator==(const MacroEventCode&, const MacroEventCode&) = default;
};
static_assert(sizeof(MacroEventCode) == 4);

struct MacroImageHeader {
    LeU16 magic;
    LeU16 totalLength;
    LeU16 recordCount;
    std::uint8_t reserved[10] = {};
};
static_assert(sizeof(MacroImageHeader) == 16);

struct MacroRecordHeader {
    LeU16 eventCount;
    std::uint8_t reserved[2] = {};
};
static_assert(sizeof(MacroRecordHeader) == 4);

using DeviceMacroImage = std::vector<std::uint8_t>;

// The length of an image of records with these event counts: 16 + 6 n + 4 x sum.
std::size_t macroImageSize(std::span<const std::size_t> eventCounts);

// How many events must go before an image of `size` bytes fits into `memory` bytes:
// (size - memory) / 4 + 1; 0 when it fits.
int eventsTooMany(std::size_t size, std::size_t memory);

// The image of the records in order, each event encoded in file order. Empty when it would
// exceed 65535 bytes, which its 16-bit lengths and offsets cannot describe.
DeviceMacroImage buildDeviceMacroImage(std::span<const std::vector<macros::MacroEvent>> records);

}  // namespace vorn::devices::mouse

#include "devices/mouse/DeviceMacroImage.h"

#include <algorithm>
#include <climits>

namespace vorn::devices::mouse {
namespace {

template <class Record>
void append(DeviceMacroImage& image, const Record& record) {
    const auto bytes = profiles::recordBytes(record);
    image.insert(image.end(), bytes.begin(), bytes.end());
}

}  // namespace

MacroEventCode MacroEventCode::from(const macros::MacroEvent& event) {
    MacroEventCode code;
    code.delay.set(static_cast<std::uint16_t>(std::min<std::uint32_t>(event.delay, 0xFFFF)));
    code.kind =
        static_cast<std::uint8_t>(std::clamp(event.type, 0, 0x7F) | (event.down ? 0x80 : 0));
    code.button = static_cast<std::uint8_t>(std::clamp(event.button, 0, 0xFF));
    return code;
}

std::size_t macroImageSize(std::span<const std::size_t> eventCounts) {
    std::size_t size = sizeof(MacroImageHeader);
    for (const std::size_t count : eventCounts) {
        size += sizeof(LeU16) + sizeof(MacroRecordHeader) + count * sizeof(MacroEventCode);
    }
    return size;
}

int eventsTooMany(std::size_t size, std::size_t memory) {
    if (size <= memory) {
        return 0;
    }
    const std::size_t events = (size - memory) / sizeof(MacroEventCode) + 1;
    return static_cast<int>(std::min<std::size_t>(events, INT_MAX));
}

DeviceMacroImage buildDeviceMacroImage(std::span<const std::vector<macros::MacroEvent>> records) {
    std::vector<std::size_t> counts;
    counts.reserve(records.size());
    for (const std::vector<macros::MacroEvent>& events : records) {
        counts.push_back(events.size());
    }
    const std::size_t size = macroImageSize(counts);
    if (size > kMacroImageMaxSize) {
        return {};
    }
    DeviceMacroImage image;
    image.reserve(size);
    MacroImageHeader header;
    header.magic.set(kMacroImageMagic);
    header.totalLength.set(static_cast<std::uint16_t>(size));
    header.recordCount.set(static_cast<std::uint16_t>(records.size()));
    append(image, header);
    std::size_t offset = sizeof(MacroImageHeader) + records.size() * sizeof(LeU16);
    for (const std::size_t count : counts) {
        LeU16 at;
        at.set(static_cast<std::uint16_t>(offset));
        append(image, at);
        offset += sizeof(MacroRecordHeader) + count * sizeof(MacroEventCode);
    }
    for (const std::vector<macros::MacroEvent>& events : records) {
        MacroRecordHeader record;
        record.eventCount.set(static_cast<std::uint16_t>(events.size()));
        append(image, record);
        for (const macros::MacroEvent& event : events) {
            append(image, MacroEventCode::from(event));
        }
    }
    return image;
}

}  // namespace vorn::devices::mouse

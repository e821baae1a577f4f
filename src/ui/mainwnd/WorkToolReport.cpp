#include "ui/mainwnd/WorkToolReport.h"

#include <bit>
#include <cstring>

namespace vorn::ui::mainwnd {

static_assert(std::endian::native == std::endian::little,
              "the report's integers are little-endian and are sent as they lie in memory");

std::array<std::uint8_t, kWorkToolReportBytes> workToolReport(
    std::span<const catalogue::DeviceOptionRow> models) {
    std::array<std::int32_t, kWorkToolReportBytes / 4> words{2, 3, 0, 2};  // the version
    std::size_t at = 4;
    words[at++] = static_cast<std::int32_t>(models.size());
    for (const catalogue::DeviceOptionRow& row : models) {
        if (at + 3 > words.size()) {
            break;  // a catalogue too long for the block keeps its first rows
        }
        words[at++] = row.vendorId;
        words[at++] = row.productId;
        words[at++] = static_cast<std::int32_t>(row.deviceType);
    }
    std::array<std::uint8_t, kWorkToolReportBytes> block{};
    std::memcpy(block.data(), words.data(), block.size());
    return block;
}

}  // namespace vorn::ui::mainwnd

#include "ui/mainwnd/WorkToolReport.h"

namespace vorn::ui::mainwnd {
namespace {

constexpr std::int32_t kVersion[] = {2, 3, 0, 2};

}  // namespace

std::array<std::uint8_t, kWorkToolReportBytes> workToolReport(
    std::span<const catalogue::DeviceOptionRow> models) {
    std::array<std::uint8_t, kWorkToolReportBytes> block{};
    std::size_t at = 0;
    const auto put = [&](std::int32_t value) {
        if (at + 4 > block.size()) {
            return;  // a catalogue too long for the block keeps its first rows
        }
        const auto bits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) {
            block[at++] = static_cast<std::uint8_t>(bits >> (8 * i));
        }
    };
    for (std::int32_t part : kVersion) {
        put(part);
    }
    put(static_cast<std::int32_t>(models.size()));
    for (const catalogue::DeviceOptionRow& row : models) {
        put(row.vendorId);
        put(row.productId);
        put(static_cast<std::int32_t>(row.deviceType));
    }
    return block;
}

}  // namespace vorn::ui::mainwnd

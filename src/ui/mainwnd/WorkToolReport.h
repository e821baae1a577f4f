#pragma once
// The device report the main window hands the work tool when asked: 256 little-endian
// 32-bit integers: the program version 2, 3, 0, 2; the number of catalogue models; then
// each model's vendor id, product id and device type; zero after.

#include <array>
#include <cstdint>
#include <span>

#include "catalogue/CatalogueRows.h"

namespace vorn::ui::mainwnd {

inline constexpr std::uint64_t kWorkToolReportKind = 5;  // the CopyData dwData
inline constexpr std::size_t kWorkToolReportBytes = 1024;

std::array<std::uint8_t, kWorkToolReportBytes> workToolReport(
    std::span<const catalogue::DeviceOptionRow> models);

}  // namespace vorn::ui::mainwnd

#include "devices/mouse/MouseReports.h"

#include "devices/mouse/MouseProfileBlock.h"

namespace vorn::devices::mouse {
namespace {

constexpr std::uint8_t kProfileChanged = 0x10;
constexpr std::uint8_t kStageChanged = 0x11;

}  // namespace

std::optional<MouseReportChange> decodeMouseReport(std::uint16_t value) {
    const int high = value >> 8;
    if (high != kProfileChanged && high != kStageChanged) {
        return std::nullopt;
    }
    MouseReportChange change;
    change.profile = value & 0x0F;
    if (high == kStageChanged) {
        change.stage = (value >> 4) & 0x0F;
    }
    if (change.profile >= kMouseProfileCount || change.stage >= profiles::kDpiStageCount) {
        return std::nullopt;
    }
    return change;
}

}  // namespace vorn::devices::mouse

#include "devices/mouse/PreviewModes.h"

namespace vorn::devices::mouse {
namespace {

using IntervalRow = std::array<std::uint8_t, kIntervalSpeedCount>;

constexpr IntervalRow kFourSpeeds = {8, 6, 4, 2};
constexpr IntervalRow kOffSpeeds = {7, 5, 3, 1};
constexpr IntervalRow kFiveSpeeds = {8, 6, 4, 2, 1};

}  // namespace

const std::array<IntervalRow, kIntervalRowCount> kPreviewIntervals = {
    kFourSpeeds, kFourSpeeds, kFourSpeeds, kFourSpeeds, kFourSpeeds, kOffSpeeds,
    kFiveSpeeds, kFiveSpeeds, kFiveSpeeds, kFiveSpeeds, kFiveSpeeds,
};

const PreviewModeRow* previewModeRow(std::uint8_t mode) {
    for (const PreviewModeRow& row : kPreviewModes) {
        if (row.mode == mode) {
            return &row;
        }
    }
    return nullptr;
}

std::uint8_t previewInterval(std::uint8_t row, std::uint8_t speed) {
    if (row >= kIntervalRowCount || speed >= kIntervalSpeedCount) {
        return 0;
    }
    return kPreviewIntervals[row][speed];
}

}  // namespace vorn::devices::mouse

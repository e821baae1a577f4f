#pragma once
// Which frame the light preview computes for each light mode, and how many counted ticks lie
// between two frames (by the mode's interval row and the speed level).

#include <array>
#include <cstdint>

namespace vorn::devices::mouse {

// The frame operations of the preview: the page base's shared effects and the mouse's own
// wave, reaction and marquee over its light groups.
enum class PreviewFrame : std::uint8_t {
    Static,
    Breathing,
    Blink,
    Spectrum,
    Wave,
    Off,
    Reaction,
    BreathingFourColours,
    BlinkFourColours,
    Marquee,
};

struct PreviewModeRow {
    std::uint8_t mode;         // the light mode index of the light setting
    PreviewFrame frame;        // what a frame of that mode computes
    std::uint8_t intervalRow;  // its row of the interval table
};

// Modes without a row (9, 11 and above) run the next step of the custom light programme on
// every pass instead of a counted frame.
inline constexpr std::array<PreviewModeRow, 10> kPreviewModes = {{
    {0, PreviewFrame::Static, 0},
    {1, PreviewFrame::Breathing, 1},
    {2, PreviewFrame::Blink, 2},
    {3, PreviewFrame::Spectrum, 3},
    {4, PreviewFrame::Wave, 4},
    {5, PreviewFrame::Off, 5},
    {6, PreviewFrame::Reaction, 6},
    {7, PreviewFrame::BreathingFourColours, 1},
    {8, PreviewFrame::BlinkFourColours, 2},
    {10, PreviewFrame::Marquee, 10},
}};

inline constexpr int kReactionMode = 6;

// The row of a mode; nullptr for the custom programme's modes.
const PreviewModeRow* previewModeRow(std::uint8_t mode);

inline constexpr std::size_t kIntervalRowCount = 11;
inline constexpr std::size_t kIntervalSpeedCount = 15;
// Counted ticks from one frame to the next, by row and speed level; 0 runs the frame on
// every pass.
extern const std::array<std::array<std::uint8_t, kIntervalSpeedCount>, kIntervalRowCount>
    kPreviewIntervals;

// The table entry; 0 (a frame on every pass) for a row or speed outside the table.
std::uint8_t previewInterval(std::uint8_t row, std::uint8_t speed);

}  // namespace vorn::devices::mouse

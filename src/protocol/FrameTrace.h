#pragma once
// The frame trace on the diagnostic channel: a title line ("命令" for a request, "返回" for a
// reply) followed by the frame's 64 bytes as two lines of 32, grouped by four.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "protocol/CommandFrame.h"

namespace vorn::protocol {

inline constexpr std::string_view kRequestTraceTitle = "命令";
inline constexpr std::string_view kReplyTraceTitle = "返回";

// One trace line: 32 bytes in lower-case hexadecimal, the first four groups of four apart by
// three blanks, the rest by two.
std::string traceBytesLine(std::span<const uint8_t, 32> bytes);

// Whether a diagnostic line (without its line end) is one of the frame trace: a title, or a
// line of 32 bytes as traceBytesLine writes it.
bool isFrameTraceLine(std::string_view line);

// Writes the title and the two lines through the diagnostic channel; builds nothing when
// no one listens.
void traceFrame(std::string_view title, const CommandFrame& frame);

}  // namespace vorn::protocol

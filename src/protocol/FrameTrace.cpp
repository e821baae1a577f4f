#include "protocol/FrameTrace.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "platform/debug/DebugSink.h"
#include "platform/text/Text.h"

namespace vorn::protocol {

std::string traceBytesLine(std::span<const uint8_t, 32> b) {
    return platform::formatText(
        "%02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x   %02x %02x %02x %02x  "
        "%02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x  %02x %02x %02x %02x",
        b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9], b[10], b[11], b[12], b[13],
        b[14], b[15], b[16], b[17], b[18], b[19], b[20], b[21], b[22], b[23], b[24], b[25], b[26],
        b[27], b[28], b[29], b[30], b[31]);
}

bool isFrameTraceLine(std::string_view line) {
    if (line == kRequestTraceTitle || line == kReplyTraceTitle) {
        return true;
    }
    // A bytes line is one that reads back into 32 bytes which are written as that line.
    std::array<uint8_t, 32> bytes{};
    std::size_t at = 0;
    for (uint8_t& byte : bytes) {
        while (at < line.size() && line[at] == ' ') {
            ++at;
        }
        const char* first = line.data() + at;
        const char* last = line.data() + std::min(at + 2, line.size());
        const auto [end, error] = std::from_chars(first, last, byte, 16);
        if (error != std::errc() || end != first + 2) {
            return false;
        }
        at += 2;
    }
    return traceBytesLine(bytes) == line;
}

void traceFrame(std::string_view title, const CommandFrame& frame) {
    if (!platform::debugEnabled()) {
        return;
    }
    platform::debugLine(title);
    platform::debugLine(traceBytesLine(frame.bytes().first<32>()));
    platform::debugLine(traceBytesLine(frame.bytes().last<32>()));
}

}  // namespace vorn::protocol

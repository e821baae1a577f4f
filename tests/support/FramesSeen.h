#pragma once
// The command frames a device of the emulated bus saw, in a compact form, for tests that
// check the exact exchange of an operation. Header only: the including test links the
// emulator and the protocol.

#include <cstdio>
#include <string>
#include <vector>

#include "emulator/bus/VirtualBus.h"
#include "protocol/CommandFrame.h"

namespace vorn::test {

// The command frames device saw: "01" for a frame without data, "06 56@0" for one with its
// length and offset.
inline std::vector<std::string> framesSeen(const emulator::VirtualBus& bus, int device) {
    std::vector<std::string> frames;
    for (const emulator::FrameRecord& record : bus.frameLog(device)) {
        if (record.collection != 4) {
            continue;
        }
        const protocol::CommandFrame frame = protocol::CommandFrame::fromBytes(record.bytes);
        char text[32];
        if (frame.length() == 0 && frame.offset() == 0) {
            std::snprintf(text, sizeof text, "%02X", frame.command());
        } else {
            std::snprintf(text, sizeof text, "%02X %u@%u", frame.command(), frame.length(),
                          frame.offset());
        }
        frames.emplace_back(text);
    }
    return frames;
}

}  // namespace vorn::test

#pragma once
// The frame loop and reply judgement the command routines share.

#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/CommandChannel.h"
#include "protocol/CommandFrame.h"

namespace vorn::protocol {

// The channel lock a routine holds around each of its frames.
enum class FrameLock { Command, Light, None };

struct TransferPlan {
    uint8_t command = 0;
    uint32_t baseOffset = 0;
    size_t chunkSize = kReceiverChunkSize;  // data bytes per frame (at most 56 are used)
    FrameLock lock = FrameLock::Command;
    // The light stream: exchangeCrc, and chunks dropped while the channel is busy.
    bool lightStream = false;
};

// One exchange under the lock (exchangeCrc for the light stream).
int sendFrame(CommandChannel& channel, FrameLock lock, bool lightStream,
              const CommandFrame& request, CommandFrame& reply);
// The status-checked judgement of one reply.
int judgeReply(int result, const CommandFrame& request, const CommandFrame& reply);
// Whether every frame offset of a transfer of total bytes from base fits in 16 bits.
bool offsetsFit(uint32_t base, size_t total);

// Reads out.size() bytes / writes data.size() bytes as the plan says. -202 before any I/O
// when the offsets do not fit.
int chunkedRead(CommandChannel& channel, const TransferPlan& plan, std::span<uint8_t> out);
int chunkedWrite(CommandChannel& channel, const TransferPlan& plan, std::span<const uint8_t> data);

}  // namespace vorn::protocol

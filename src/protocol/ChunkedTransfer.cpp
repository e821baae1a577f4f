#include "protocol/ChunkedTransfer.h"

#include <algorithm>
#include <mutex>

#include "platform/debug/DebugSink.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

namespace vorn::protocol {
namespace {

platform::RecursiveLock* lockOf(CommandChannel& channel, FrameLock lock) {
    switch (lock) {
        case FrameLock::Command:
            return &channel.commandLock();
        case FrameLock::Light:
            return &channel.lightLock();
        case FrameLock::None:
            break;
    }
    return nullptr;
}

size_t frameChunk(const TransferPlan& plan) {
    return std::clamp<size_t>(plan.chunkSize, 1, kFrameDataSize);
}

}  // namespace

int sendFrame(CommandChannel& channel, FrameLock lock, bool lightStream,
              const CommandFrame& request, CommandFrame& reply) {
    platform::RecursiveLock* held = lockOf(channel, lock);
    std::unique_lock<platform::RecursiveLock> guard;
    if (held != nullptr) {
        guard = std::unique_lock<platform::RecursiveLock>(*held);
    }
    return lightStream ? channel.exchangeCrc(request, reply) : channel.exchange(request, reply);
}

int judgeReply(int result, const CommandFrame& request, const CommandFrame& reply) {
    if (result != kResultOk) {
        return result;
    }
    // Two wrong replies in a row end the exchange with the second one; its data belongs to
    // another command and must not be taken for this one's.
    if (reply.command() != request.command()) {
        return kResultNoReply;
    }
    if (reply.status() == kStatusRefused) {
        return kResultRefused;
    }
    if (reply.status() == kStatusDamaged) {
        return kResultDamaged;
    }
    return kResultOk;
}

bool offsetsFit(uint32_t base, size_t total) {
    return base <= 0xFFFF && total <= size_t{0x10000} - base;
}

int chunkedRead(CommandChannel& channel, const TransferPlan& plan, std::span<uint8_t> out) {
    if (!offsetsFit(plan.baseOffset, out.size())) {
        return kResultBadArgument;
    }
    const size_t chunk = frameChunk(plan);
    for (size_t p = 0; p < out.size(); p += chunk) {
        const size_t n = std::min(chunk, out.size() - p);
        const CommandFrame request = CommandFrame::readRequest(
            plan.command, static_cast<uint8_t>(n), static_cast<uint16_t>(plan.baseOffset + p));
        CommandFrame reply;
        const int result =
            judgeReply(sendFrame(channel, plan.lock, false, request, reply), request, reply);
        if (result != kResultOk) {
            return result;
        }
        std::copy_n(reply.data().begin(), n, out.begin() + static_cast<std::ptrdiff_t>(p));
    }
    return kResultOk;
}

int chunkedWrite(CommandChannel& channel, const TransferPlan& plan, std::span<const uint8_t> data) {
    if (!offsetsFit(plan.baseOffset, data.size())) {
        return kResultBadArgument;
    }
    const size_t chunk = frameChunk(plan);
    for (size_t p = 0; p < data.size(); p += chunk) {
        if (plan.lightStream && channel.busy()) {
            // A colour frame is worth nothing once late: drop it rather than wait.
            platform::debugLine(kLightFrameDroppedLine);
            continue;
        }
        const size_t n = std::min(chunk, data.size() - p);
        const CommandFrame request = CommandFrame::request(
            plan.command, static_cast<uint16_t>(plan.baseOffset + p), data.subspan(p, n));
        CommandFrame reply;
        const int result = judgeReply(
            sendFrame(channel, plan.lock, plan.lightStream, request, reply), request, reply);
        if (result != kResultOk) {
            return result;
        }
    }
    return kResultOk;
}

}  // namespace vorn::protocol

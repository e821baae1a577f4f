#include "protocol/Commands.h"

#include <algorithm>

#include "platform/clock/Clock.h"
#include "protocol/ChunkedTransfer.h"
#include "protocol/ResultCodes.h"

namespace vorn::protocol {
namespace {

// The pause before EndSession takes its lock, so the device has finished the sequence.
constexpr uint32_t kEndSessionPauseMs = 10;
constexpr uint32_t kPageSize = 512;

// One frame without data under commandLock, status-checked.
int simpleCommand(CommandChannel& channel, uint8_t command) {
    const CommandFrame request = CommandFrame::request(command);
    CommandFrame reply;
    return judgeReply(sendFrame(channel, FrameLock::Command, false, request, reply), request,
                      reply);
}

TransferPlan plan(CommandChannel& channel, uint8_t command, uint32_t baseOffset = 0,
                  FrameLock lock = FrameLock::Command) {
    TransferPlan p;
    p.command = command;
    p.baseOffset = baseOffset;
    p.chunkSize = channel.chunkSize();
    p.lock = lock;
    return p;
}

int readPageCommand(CommandChannel& channel, uint8_t command, std::span<uint8_t> out, int page) {
    if (page != 0) {
        return kResultBadPage;
    }
    const size_t size = channel.blockSize();
    if (out.size() < size) {
        return kResultBadArgument;
    }
    return chunkedRead(channel, plan(channel, command, kPageSize * static_cast<uint32_t>(page)),
                       out.first(size));
}

int writePageCommand(CommandChannel& channel, uint8_t command, std::span<const uint8_t> data,
                     int page) {
    if (page != 0) {
        return kResultBadPage;
    }
    const size_t size = channel.blockSize();
    if (data.size() < size) {
        return kResultBadArgument;
    }
    return chunkedWrite(channel, plan(channel, command, kPageSize * static_cast<uint32_t>(page)),
                        data.first(size));
}

// index x stride as a frame offset; false when it does not fit in 16 bits.
bool indexedOffset(uint32_t index, uint32_t stride, uint32_t& offset) {
    const uint64_t product = uint64_t{index} * stride;
    if (product > 0xFFFF) {
        return false;
    }
    offset = static_cast<uint32_t>(product);
    return true;
}

}  // namespace

int BeginSession(CommandChannel& channel) {
    const CommandFrame request = CommandFrame::request(command::kBeginSession);
    CommandFrame reply;
    const int result = sendFrame(channel, FrameLock::Command, false, request, reply);
    if (result != kResultOk) {
        return result;
    }
    if (reply.command() != command::kBeginSession) {
        return kResultNoReply;
    }
    return judgeReply(result, request, reply);
}

int EndSession(CommandChannel& channel, int /*flag*/) {
    platform::sleepMs(kEndSessionPauseMs);
    return simpleCommand(channel, command::kEndSession);
}

int ReadDeviceInfo(CommandChannel& channel, DeviceInfo& info) {
    return chunkedRead(channel, plan(channel, command::kReadDeviceInfo), info.bytes());
}

int ReadSettings(CommandChannel& channel, std::span<uint8_t> out, uint16_t baseOffset) {
    return chunkedRead(channel, plan(channel, command::kReadSettings, baseOffset), out);
}

int WriteSettings(CommandChannel& channel, std::span<const uint8_t> data, uint16_t baseOffset) {
    return chunkedWrite(channel, plan(channel, command::kWriteSettings, baseOffset), data);
}

int ReadBlock(CommandChannel& channel, std::span<uint8_t> out) {
    const size_t size = channel.blockSize();
    if (out.size() < size) {
        return kResultBadArgument;
    }
    return chunkedRead(channel, plan(channel, command::kReadBlock), out.first(size));
}

int ReadPage(CommandChannel& channel, std::span<uint8_t> out, int page) {
    return readPageCommand(channel, command::kReadPage, out, page);
}

int WritePage(CommandChannel& channel, std::span<const uint8_t> data, int page) {
    return writePageCommand(channel, command::kWritePage, data, page);
}

int WriteSecondPage(CommandChannel& channel, std::span<const uint8_t> data, int page) {
    return writePageCommand(channel, command::kWriteSecondPage, data, page);
}

int ReadIndexed(CommandChannel& channel, std::span<uint8_t> out, uint32_t index, uint32_t stride) {
    uint32_t offset = 0;
    if (!indexedOffset(index, stride, offset)) {
        return kResultBadArgument;
    }
    return chunkedRead(channel, plan(channel, command::kReadIndexed, offset), out);
}

int WriteLightData(CommandChannel& channel, std::span<const uint8_t> data, uint32_t index,
                   uint32_t stride) {
    uint32_t offset = 0;
    if (!indexedOffset(index, stride, offset)) {
        return kResultBadArgument;
    }
    return chunkedWrite(channel, plan(channel, command::kWriteLightData, offset, FrameLock::Light),
                        data);
}

int StreamLightData(CommandChannel& channel, std::span<const uint8_t> data) {
    TransferPlan p = plan(channel, command::kStreamLightData, 0, FrameLock::Light);
    p.lightStream = true;
    return chunkedWrite(channel, p, data);
}

int WriteMacroData(CommandChannel& channel, std::span<const uint8_t> data) {
    return chunkedWrite(channel, plan(channel, command::kWriteMacroData), data);
}

int WriteShootData(CommandChannel& channel, std::span<const uint8_t> data) {
    TransferPlan p = plan(channel, command::kWriteShootData, 0, FrameLock::None);
    p.chunkSize = kFrameDataSize;
    return chunkedWrite(channel, p, data);
}

int ReadShort(CommandChannel& channel, std::span<uint8_t> out, uint16_t offset) {
    if (out.size() > kFrameDataSize) {
        return kResultBadArgument;
    }
    const CommandFrame request =
        CommandFrame::readRequest(command::kReadShort, static_cast<uint8_t>(out.size()), offset);
    CommandFrame reply;
    const int result = sendFrame(channel, FrameLock::Command, false, request, reply);
    if (result != kResultOk) {
        return result;
    }
    if (reply.command() != command::kReadShort) {
        return kResultNoReply;
    }
    // The status byte is not judged: the bytes are taken whatever the device says.
    std::copy_n(reply.data().begin(), out.size(), out.begin());
    return kResultOk;
}

int ReadByteMap(CommandChannel& channel, std::span<uint8_t> out) {
    const size_t size = channel.blockSize() / 3u;
    if (out.size() < size) {
        return kResultBadArgument;
    }
    return chunkedRead(channel, plan(channel, command::kReadByteMap), out.first(size));
}

int LightControlOn(CommandChannel& channel) {
    return simpleCommand(channel, command::kLightControlOn);
}

int QueryRadioLink(CommandChannel& channel) {
    if (!channel.viaReceiver()) {
        return kResultOk;
    }
    const CommandFrame request = CommandFrame::request(command::kQueryRadioLink);
    CommandFrame reply;
    const int result = sendFrame(channel, FrameLock::Command, false, request, reply);
    const bool answers = result == kResultOk && reply.command() == command::kQueryRadioLink &&
                         reply.data()[0] == 0xFF && reply.status() != kStatusRefused &&
                         reply.status() != kStatusDamaged;
    return answers ? kResultOk : kResultNoReply;
}

}  // namespace vorn::protocol

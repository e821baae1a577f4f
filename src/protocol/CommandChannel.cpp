#include "protocol/CommandChannel.h"

#include <algorithm>
#include <mutex>

#include "platform/clock/Clock.h"
#include "protocol/FrameTrace.h"

namespace vorn::protocol {
namespace {

// Counts one running exchange for busy() while it lives. A count rather than a flag, so
// that one thread ending its exchange does not clear busy while another is still running.
class BusyScope {
  public:
    explicit BusyScope(std::atomic<int>& count) : count_(count) { count_.fetch_add(1); }
    ~BusyScope() { count_.fetch_sub(1); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    std::atomic<int>& count_;
};

bool replyCrcValid(const CommandFrame& reply) {
    return reply.checkValue() == lightStreamCrc(reply.bytes());
}

}  // namespace

CommandChannel::CommandChannel() = default;

// The transports close themselves as they are destroyed.
CommandChannel::~CommandChannel() = default;

void CommandChannel::setLinkMode(int mode) {
    const bool receiver = mode == kLinkModeReceiver;
    viaReceiver_.store(receiver);
    chunkSize_.store(receiver ? kReceiverChunkSize : kCableChunkSize);
}

bool CommandChannel::setBlockSize(uint32_t size) {
    if (size > kMaxBlockSize) {
        return false;
    }
    blockSize_.store(static_cast<uint16_t>(size));
    return true;
}

int CommandChannel::exchange(std::span<const uint8_t> request, std::span<uint8_t> reply,
                             uint32_t& transferred) {
    return roundTrip(Kind::Traced, request, reply, transferred);
}

int CommandChannel::exchange(const CommandFrame& request, CommandFrame& reply) {
    uint32_t transferred = 0;
    return exchange(request.bytes(), reply.bytes(), transferred);
}

int CommandChannel::exchangeCrc(std::span<const uint8_t> request, std::span<uint8_t> reply,
                                uint32_t& transferred) {
    return roundTrip(Kind::LightStream, request, reply, transferred);
}

int CommandChannel::exchangeCrc(const CommandFrame& request, CommandFrame& reply) {
    uint32_t transferred = 0;
    return exchangeCrc(request.bytes(), reply.bytes(), transferred);
}

int CommandChannel::roundTrip(Kind kind, std::span<const uint8_t> request, std::span<uint8_t> reply,
                              uint32_t& transferred) {
    BusyScope busy(busyCount_);
    transferred = 0;
    if (!open_.load()) {
        return 0;
    }
    const bool traced = kind == Kind::Traced;
    const bool receiver = viaReceiver_.load();
    const bool crc = kind == Kind::LightStream && receiver;
    CommandFrame frame = CommandFrame::fromBytes(request);
    if (crc) {
        frame.sealCrc();
    }
    if (traced) {
        traceFrame(kRequestTraceTitle, frame);
    }

    hid::HidTransport& link = receiver ? radioLink_ : cableLink_;
    const uint32_t writeTimeout = !receiver ? kCableWriteTimeoutMs
                                  : crc     ? kLightStreamWriteTimeoutMs
                                            : kReceiverWriteTimeoutMs;
    const uint32_t readTimeout = receiver ? kReceiverReadTimeoutMs : kCableReadTimeoutMs;
    CommandFrame answer = CommandFrame::fromBytes({});
    int result = 0;
    {
        // ioLock is held from the write to the end of the reads: another thread's frame
        // written in between would have its reply skipped (lost) by this thread's echo test,
        // and over the receiver its own flush would throw away this thread's reply.
        std::lock_guard<platform::RecursiveLock> io(ioLock_);
        if (traced && receiver) {
            if (platform::hid::HidDevice* device = link.nativeHandle()) {
                device->flushInput();
            }
        }
        uint32_t written = 0;
        const bool wrote = link.write(frame.raw(), kFrameSize, written, writeTimeout);
        if (traced) {
            platform::sleepMs(kAfterWritePauseMs);
        }
        result = wrote ? readReply(link, receiver, crc, frame.command(), readTimeout, answer,
                                   transferred)
                       : -1;
    }
    if (result == -1) {
        return result;
    }
    if (traced) {
        traceFrame(kReplyTraceTitle, answer);
    }
    std::copy_n(answer.raw(), std::min(reply.size(), kFrameSize), reply.begin());
    return result;
}

int CommandChannel::readReply(hid::HidTransport& link, bool viaReceiver, bool checkCrc,
                              uint8_t command, uint32_t timeoutMs, CommandFrame& reply,
                              uint32_t& transferred) {
    int result = 0;
    for (int reads = 0; reads < 2; ++reads) {
        const bool ok = link.read(reply.raw(), kFrameSize, transferred, timeoutMs);
        result = ok ? 1 : 0;
        if (!ok) {
            continue;  // nothing new in the buffer: the echo test cannot pass
        }
        if (checkCrc && reply.command() != kUnreachableReply && !replyCrcValid(reply)) {
            result = -101;
        }
        if (reply.command() == command) {
            break;
        }
        if (viaReceiver && reply.command() == kUnreachableReply) {
            result = -101;
            break;
        }
    }
    return result;
}

}  // namespace vorn::protocol

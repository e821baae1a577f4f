#pragma once
// The command link of one device: every command frame goes out through it and every reply
// comes back through it. It knows the device's two physical links (its own cable interface
// and the 2.4 GHz receiver), serialises the exchanges of the UI thread and the device
// threads, traces every frame on the diagnostic channel, and turns transport failures into
// result codes (ResultCodes.h). The reply's status byte is judged by the command routines
// (Commands.h), not here.
//
// Locks (all recursive): a command routine holds commandLock around each single exchange,
// the two light-data routines hold lightLock instead; inside, exchange takes ioLock. The
// order is always commandLock or lightLock first, then ioLock, never the reverse.
//
// Thread-safe: any thread may call any member.

#include <atomic>
#include <cstdint>
#include <span>

#include "hid/HidTransport.h"
#include "platform/sync/RecursiveLock.h"
#include "protocol/CommandFrame.h"

namespace vorn::protocol {

// setLinkMode values.
inline constexpr int kLinkModeCable = 1;
inline constexpr int kLinkModeReceiver = 2;

inline constexpr uint16_t kMaxBlockSize = 512;
inline constexpr uint8_t kReceiverChunkSize = 24;
inline constexpr uint8_t kCableChunkSize = 56;

// Time-outs of one exchange, in milliseconds.
inline constexpr uint32_t kCableWriteTimeoutMs = 1000;
inline constexpr uint32_t kCableReadTimeoutMs = 1000;
inline constexpr uint32_t kReceiverWriteTimeoutMs = 5000;
inline constexpr uint32_t kReceiverReadTimeoutMs = 500;
inline constexpr uint32_t kLightStreamWriteTimeoutMs = 500;
// The pause after each traced exchange's write, while ioLock is held.
inline constexpr uint32_t kAfterWritePauseMs = 20;

class CommandChannel {
  public:
    // Both links closed, blockSize 512, chunkSize 24, on the cable, not open, not busy.
    CommandChannel();
    ~CommandChannel();
    CommandChannel(const CommandChannel&) = delete;
    CommandChannel& operator=(const CommandChannel&) = delete;

    // The device's own command collection, and the receiver's.
    hid::HidTransport& cableLink() { return cableLink_; }
    hid::HidTransport& radioLink() { return radioLink_; }

    platform::RecursiveLock& commandLock() { return commandLock_; }
    platform::RecursiveLock& lightLock() { return lightLock_; }
    platform::RecursiveLock& ioLock() { return ioLock_; }

    // Mode 2 sends through the receiver with 24 data bytes per frame; any other mode (the
    // cable uses 1) sends on the cable with 56. Opens and closes nothing.
    void setLinkMode(int mode);
    // Stores size when it is at most 512; otherwise keeps the old value and returns false.
    bool setBlockSize(uint32_t size);

    uint16_t blockSize() const { return blockSize_.load(); }
    uint8_t chunkSize() const { return chunkSize_.load(); }
    bool viaReceiver() const { return viaReceiver_.load(); }
    // Set by whoever opened the transport of the current mode; cleared when the device is lost.
    // While clear, every exchange returns 0 at once without sending or tracing anything.
    bool isOpen() const { return open_.load(); }
    void setOpen(bool open) { open_.store(open); }
    // Whether an exchange (of any thread) is running now; read by the light stream without
    // taking any lock.
    bool busy() const { return busyCount_.load() > 0; }

    // One traced round trip: the request (any length; padded with zeros or truncated to 64
    // bytes, sent as given: callers seal the checksum) goes out on the link of the current
    // mode; up to two reads look for the reply that echoes its command id. Over the receiver
    // the input queue is flushed before the write. The reply (64 bytes, or as much as fits)
    // is copied to reply; transferred is the byte count of the last read.
    // Result: 1, 0 (not open, or the read failed), -1 (the write failed), -101 (over the
    // receiver: it answered 0xAA).
    int exchange(std::span<const uint8_t> request, std::span<uint8_t> reply, uint32_t& transferred);
    int exchange(const CommandFrame& request, CommandFrame& reply);

    // The light stream's round trip: as exchange, but without trace, pause or flush; over the
    // receiver bytes 1-2 carry the CRC of bytes 3-31 each way (a reply whose CRC is wrong
    // gives -101) and the write time-out is 500 ms.
    int exchangeCrc(std::span<const uint8_t> request, std::span<uint8_t> reply,
                    uint32_t& transferred);
    int exchangeCrc(const CommandFrame& request, CommandFrame& reply);

  private:
    enum class Kind { Traced, LightStream };
    int roundTrip(Kind kind, std::span<const uint8_t> request, std::span<uint8_t> reply,
                  uint32_t& transferred);
    int readReply(hid::HidTransport& link, bool viaReceiver, bool checkCrc, uint8_t command,
                  uint32_t timeoutMs, CommandFrame& reply, uint32_t& transferred);

    hid::HidTransport cableLink_;
    hid::HidTransport radioLink_;
    platform::RecursiveLock commandLock_;
    platform::RecursiveLock lightLock_;
    platform::RecursiveLock ioLock_;
    std::atomic<uint16_t> blockSize_{kMaxBlockSize};
    std::atomic<uint8_t> chunkSize_{kReceiverChunkSize};
    std::atomic<bool> viaReceiver_{false};
    std::atomic<bool> open_{false};
    std::atomic<int> busyCount_{0};
};

}  // namespace vorn::protocol

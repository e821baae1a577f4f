#pragma once
// One emulated USB HID interface on the virtual bus: its identity, its four collections and
// their paths, the input queues of the handles opened on it, delayed replies, injected
// faults, and the firmware its command collection talks to.
//
// Every member function expects the bus mutex (BusCore::mutex) to be held by the caller;
// the bus and the handles take it.

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "emulator/bus/BusClock.h"
#include "emulator/bus/Faults.h"
#include "emulator/firmware/DeviceFrame.h"
#include "emulator/firmware/Firmware.h"

namespace vorn::emulator {

// What every device and handle of one bus shares: the one lock, the condition every waiting
// call sleeps on, and the clock.
struct BusCore {
    explicit BusCore(TimeMode mode) : clock(mode) {}
    std::mutex mutex;
    std::condition_variable changed;
    BusClock clock;
};

struct DeviceIdentity {
    uint16_t vendorId = 0x320F;
    uint16_t productId = 0;
    uint16_t version = 0;
    std::string productString;
};

// One output report that reached the device.
struct FrameRecord {
    int64_t timeUs = 0;
    int collection = 0;
    std::vector<uint8_t> bytes;
};

// The part of an open handle the device feeds.
struct HandleState {
    int collection = 0;
    bool wantRead = false;
    bool wantWrite = false;
    bool disconnected = false;  // the device left the bus after this handle was opened
    std::deque<std::vector<uint8_t>> queue;
    uint64_t abortCount = 0;  // raised by abort() while a call is pending
    int pendingCalls = 0;
};

class VirtualDevice {
  public:
    // Input reports a handle keeps before newer ones are dropped.
    static constexpr size_t kQueueLimit = 64;
    static constexpr size_t kFrameLogLimit = 4096;

    VirtualDevice(std::shared_ptr<BusCore> core, int serial, DeviceIdentity identity,
                  std::shared_ptr<Firmware> firmware);

    BusCore& core() { return *core_; }
    const DeviceIdentity& identity() const { return identity_; }
    const std::vector<uint8_t>& reportDescriptor() const;

    bool plugged() const { return plugged_; }
    void plug() { plugged_ = true; }
    // Leaves the bus: every open handle fails from now on (reads after their queued
    // reports), delayed replies are lost.
    void unplug();

    // The path of a collection (1-4), in the system's path form.
    std::string path(int collection) const;
    std::vector<std::string> paths() const;
    // The collection a path names on this device (case ignored), 0 when it is not ours.
    int collectionOfPath(const std::string& path) const;

    std::shared_ptr<HandleState> attach(int collection, bool wantRead, bool wantWrite);
    void detach(const HandleState* handle);

    // Queues an input report (report id first) on every reading handle of the collection
    // that owns the report id. False when unplugged or no collection owns it.
    bool queueInput(const std::vector<uint8_t>& report);
    // Queues the reports whose delay has run out.
    void deliverDue();
    std::optional<int64_t> nextDueUs() const;

    enum class OutputOutcome {
        Taken,      // the device took the report
        Stalled,    // not taken (injected stall); the caller waits
        Unplugged,  // the device is gone (or left the bus on this very frame)
        Refused,    // no output report of that id and length on the collection
    };
    OutputOutcome takeOutput(int collection, const uint8_t* data, size_t size);

    void injectFault(const Fault& fault) { faults_.push_back(fault); }
    void setReplyDelayMs(int ms) { replyDelayMs_ = ms < 0 ? 0 : ms; }
    const std::deque<FrameRecord>& frameLog() const { return frameLog_; }
    void clearFrameLog() { frameLog_.clear(); }

  private:
    struct Scheduled {
        int64_t dueUs;
        std::vector<uint8_t> report;
    };

    void handleCommandFrame(const Frame& frame, const std::vector<Fault>& strike);
    bool takeStall();
    std::vector<Fault> takeStrikingFaults();
    void sendReply(const Frame& reply, int64_t delayUs);

    std::shared_ptr<BusCore> core_;
    int serial_;
    DeviceIdentity identity_;
    std::shared_ptr<Firmware> firmware_;
    bool plugged_ = false;
    std::vector<std::shared_ptr<HandleState>> handles_;
    std::vector<Scheduled> scheduled_;  // ordered by due time
    std::vector<Fault> faults_;
    int replyDelayMs_ = 0;
    std::optional<Frame> lastReply_;
    std::deque<FrameRecord> frameLog_;
};

}  // namespace vorn::emulator

#pragma once
// The HID access layer the transport stands on. One path names one top-level collection of
// one HID interface; the real backend (hidraw) and the device emulator both implement it.
//
// Reports cross this interface whole, with the report id as their first byte (0 when the
// device uses no report ids), exactly as the transport hands them to its callers.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vorn::platform::hid {

struct HidAttributes {
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    uint16_t version = 0;
};

// Outcome of one read or write.
enum class HidIoStatus {
    Ok,            // the whole report moved
    TimedOut,      // nothing within the time-out; nothing stays outstanding
    Aborted,       // woken by abort() from another thread
    Disconnected,  // the device is gone; every later call fails at once the same way
    Failed,        // any other failure
};

// Why an open failed, so tools can tell the user (e.g. a missing udev rule).
enum class HidOpenError {
    None,
    NotFound,          // no such path (device unplugged or never there)
    PermissionDenied,  // the node exists but this user may not open it
    Failed,            // anything else
};

// One opened collection. Not internally locked: one reader and one writer at a time; abort()
// is the one call allowed from any thread while another thread waits in read() or write().
class HidDevice {
  public:
    virtual ~HidDevice() = default;

    virtual HidAttributes attributes() const = 0;
    // The whole report descriptor of the interface the collection belongs to.
    virtual const std::vector<uint8_t>& reportDescriptor() const = 0;
    // 1-based number of the top-level collection this handle stands for (the "&col" number),
    // 0 for an interface with a single collection and no number in its path.
    virtual int collectionNumber() const = 0;
    virtual std::string productString() const = 0;

    // Reads one input report of this collection into buffer (report id first). timeoutMs < 0
    // waits until a report, abort() or disconnection. A buffer shorter than the report gets
    // its first bytes and the report is used up all the same.
    virtual HidIoStatus read(uint8_t* buffer, size_t size, size_t& transferred, int timeoutMs) = 0;
    // Writes one output report (report id first).
    virtual HidIoStatus write(const uint8_t* buffer, size_t size, size_t& transferred,
                              int timeoutMs) = 0;
    // Wakes a read or write pending on another thread; it returns Aborted. An abort with
    // nothing pending is remembered by nobody (the next call waits normally).
    virtual void abort() = 0;
    // Drops input reports queued for this collection.
    virtual bool flushInput() = 0;
    // Sends an output report outside the read/write path, synchronously, without time-out.
    virtual bool setOutputReport(const uint8_t* buffer, size_t size) = 0;
};

// What a wait for the bus to change ended with.
enum class BusChange {
    Changed,      // collections came or went (or the wait cannot rule it out)
    TimedOut,     // nothing within the time-out
    Woken,        // wakeChangeWait() from another thread
    Unsupported,  // the backend cannot tell: the caller polls
};

class HidBackend {
  public:
    virtual ~HidBackend() = default;

    // Paths of every present collection.
    virtual std::vector<std::string> enumerate() = 0;
    // Opens one collection; on failure returns null and sets error.
    virtual std::unique_ptr<HidDevice> open(const std::string& path, bool wantRead, bool wantWrite,
                                            HidOpenError& error) = 0;
    // Whether the path is still present; opens nothing (the discovery loop asks this often).
    virtual bool isPresent(const std::string& path) = 0;
    // Waits at most timeoutMs (negative: without limit) until collections come or go, so the
    // discovery loop sleeps while the bus is quiet. Changed reports every change since the
    // previous call that reported one (the first call may report Changed at once). One thread
    // waits at a time.
    virtual BusChange waitForChange(int timeoutMs) {
        (void)timeoutMs;
        return BusChange::Unsupported;
    }
    // Ends a waitForChange on another thread (it answers Woken); remembered when none waits.
    virtual void wakeChangeWait() {}
};

// The backend the program uses: whatever the program installed at start (hidraw, or the
// emulator for --sim/--demo), or a bus with no devices when nothing was installed.
HidBackend& currentHidBackend();
// Installs a backend (not owned) for the whole process; null restores the empty bus.
void setHidBackend(HidBackend* backend);

}  // namespace vorn::platform::hid

#pragma once
// The lowest layer of the device link: lists the HID collections present, opens one by its
// path, learns its attributes and report layout, moves whole reports in and out bounded by
// time-outs, and unpacks input reports into usage lists. It knows nothing of any device
// protocol; it stands on whatever HID backend the program installed.
//
// Not internally locked: one thread may read and one may write at a time. close() is the one
// call allowed from another thread while a read or write waits: it wakes that call, which
// returns false with kErrorOperationAborted, and only then releases the device.
// Every failure is a false result with hidLastError() set; nothing is logged here.

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "hid/HidDataItem.h"
#include "platform/hid/HidBackend.h"
#include "platform/hid/ReportDescriptor.h"

namespace vorn::hid {

// A read or write time-out that never expires.
inline constexpr uint32_t kInfiniteTimeout = 0xFFFFFFFF;

// What the transport keeps per report kind while open.
struct HidReportBlock {
    std::vector<uint8_t> report;  // zeroed buffer of the kind's report length
    std::vector<platform::hid::HidFieldCaps> buttonCaps;
    std::vector<platform::hid::HidFieldCaps> valueCaps;
    std::vector<HidDataItem> items;  // button items first, then value items
};

class HidTransport {
  public:
    HidTransport();
    ~HidTransport();
    HidTransport(const HidTransport&) = delete;
    HidTransport& operator=(const HidTransport&) = delete;

    // Lists the paths of every present collection and rewinds the cursor.
    bool enumerate();
    // The path at the cursor, advancing it; null when the list is exhausted or empty. The
    // string stays owned by the transport until the next enumerate or freePathList.
    const std::string* nextPath();
    void freePathList();
    uint32_t pathCount() const { return static_cast<uint32_t>(pathList_.size()); }

    // Closes whatever is open, then opens and prepares the collection at path. overlapped and
    // shareReadOnly are kept for the record; every open here waits with time-outs and shares.
    bool open(const std::string& path, bool wantRead, bool wantWrite, bool overlapped,
              bool shareReadOnly);
    // Wakes a pending read or write, waits for it to leave, and releases everything of the
    // open collection. Safe when nothing is open.
    void close();
    bool isOpen() const;

    // One whole report each way; timeoutMs may be kInfiniteTimeout. On false, hidLastError()
    // is kWaitTimeout, kErrorOperationAborted, kErrorDeviceNotConnected, kErrorGenFailure or
    // kErrorInvalidHandle (nothing open).
    bool read(uint8_t* buffer, uint32_t byteCount, uint32_t& transferred, uint32_t timeoutMs);
    bool write(const uint8_t* buffer, uint32_t byteCount, uint32_t& transferred,
               uint32_t timeoutMs);

    // Fills the items whose report id is the report's first byte; false only when a value
    // could not be read (the items after it are then left alone).
    bool unpackInputReport(const uint8_t* report, uint32_t reportLength,
                           platform::hid::HidReportKind kind, HidDataItem* items,
                           uint32_t itemCount);

    // The open device itself (for output reports sent outside read and write); null when
    // closed.
    platform::hid::HidDevice* nativeHandle() const { return handle_.get(); }
    // The device's product string; none when nothing is open.
    std::optional<std::string> productString() const;

    const std::string& devicePath() const { return devicePath_; }
    const platform::hid::HidCaps& caps() const { return caps_; }
    const platform::hid::HidAttributes& attributes() const { return attributes_; }
    HidReportBlock& block(platform::hid::HidReportKind kind) {
        return blocks_[static_cast<int>(kind)];
    }
    HidReportBlock& input() { return block(platform::hid::HidReportKind::Input); }
    HidReportBlock& output() { return block(platform::hid::HidReportKind::Output); }
    HidReportBlock& feature() { return block(platform::hid::HidReportKind::Feature); }
    uint32_t interfaceNumber() const { return interfaceNumber_; }
    uint32_t collectionNumber() const { return collectionNumber_; }
    bool wantRead() const { return wantRead_; }
    bool wantWrite() const { return wantWrite_; }
    bool readPending() const;
    bool writePending() const;
    // Why the last open failed (None after a successful one).
    platform::hid::HidOpenError lastOpenError() const { return lastOpenError_; }

  private:
    enum class IoKind { Read, Write };
    bool beginIo(IoKind kind, platform::hid::HidDevice*& device);
    // One read or write: checks the buffer, marks the operation pending, runs it on the
    // device and ends it with the last-error value of its outcome.
    template <typename Transfer>
    bool transfer(IoKind kind, bool bufferMissing, uint32_t byteCount, uint32_t& transferred,
                  Transfer&& move);
    bool endIo(IoKind kind, platform::hid::HidIoStatus status);
    bool failOpen(platform::hid::HidOpenError error, uint32_t lastError);
    void buildItems(platform::hid::HidReportKind kind);
    const platform::hid::HidCollection* collection() const;

    std::vector<std::string> pathList_;
    uint32_t pathCursor_ = 0;
    bool wantRead_ = false;
    bool wantWrite_ = false;
    bool overlapped_ = false;
    bool shareReadOnly_ = false;
    std::unique_ptr<platform::hid::HidDevice> handle_;
    std::string devicePath_;
    platform::hid::HidReportDescriptor preparsedData_;
    int collectionIndex_ = -1;  // into preparsedData_.collections while open
    platform::hid::HidCaps caps_;
    platform::hid::HidAttributes attributes_;
    HidReportBlock blocks_[platform::hid::kHidReportKindCount];
    uint32_t interfaceNumber_ = 0;
    uint32_t collectionNumber_ = 0;
    platform::hid::HidOpenError lastOpenError_ = platform::hid::HidOpenError::None;

    // Hand-over between a waiting read or write and close() on another thread.
    mutable std::mutex ioMutex_;
    std::condition_variable ioIdle_;
    int activeIo_ = 0;
    bool closing_ = false;
    bool readPending_ = false;
    bool writePending_ = false;
};

}  // namespace vorn::hid

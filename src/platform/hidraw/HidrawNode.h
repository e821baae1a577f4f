#pragma once
// One opened hidraw node, shared by every open handle of its collections. A reader thread
// drains the node and queues each input report (padded to its collection's input length,
// with a 0 id byte put in front when the device numbers no reports) in the inboxes of the
// handles of the collection that owns the report's id. When the device goes, the reports
// already queued are still handed out, then every call fails at once with Disconnected.
// Writes go out through the node's writer, each bounded by its caller's time-out.

#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/hid/HidBackend.h"
#include "platform/hid/ReportDescriptor.h"
#include "platform/hidraw/HidrawFile.h"
#include "platform/hidraw/HidrawSystem.h"
#include "platform/hidraw/HidrawWriter.h"

namespace vorn::platform::hidraw {

// One handle's input queue and waiting calls; guarded by its node's lock.
struct HidrawInbox {
    int collectionIndex = 0;
    bool wantRead = false;
    std::deque<std::vector<uint8_t>> reports;
    int waiting = 0;      // calls waiting in receive() or write()
    unsigned aborts = 0;  // bumped by abort() while a call waits
};

class HidrawNode {
  public:
    // Opens the node; the descriptor comes from sysfs when given, else from the node.
    static std::shared_ptr<HidrawNode> open(std::shared_ptr<HidrawSystem> system,
                                            const std::string& devnode,
                                            std::vector<uint8_t> descriptor,
                                            hid::HidOpenError& error);
    ~HidrawNode();
    HidrawNode(const HidrawNode&) = delete;
    HidrawNode& operator=(const HidrawNode&) = delete;

    const hid::HidReportDescriptor& descriptor() const { return descriptor_; }
    const std::vector<uint8_t>& descriptorBytes() const { return descriptorBytes_; }
    bool gone() const;

    void attach(HidrawInbox* inbox);
    void detach(HidrawInbox* inbox);

    hid::HidIoStatus receive(HidrawInbox& inbox, uint8_t* buffer, size_t size, size_t& transferred,
                             int timeoutMs);
    void abort(HidrawInbox& inbox);
    void flush(HidrawInbox& inbox);
    // timeoutMs < 0 waits until the device took the report, an abort or disconnection.
    hid::HidIoStatus write(HidrawInbox& inbox, const uint8_t* buffer, size_t size,
                           size_t& transferred, int timeoutMs);
    bool sendOutputReport(const uint8_t* buffer, size_t size);

  private:
    HidrawNode(std::shared_ptr<HidrawSystem> system, int fd, int wakeRead, int wakeWrite);
    void readerLoop();
    void route(const uint8_t* data, size_t size);
    void markGone();
    // Waits, with the lock held by the caller, until ready() holds (Ok), the node goes, another
    // thread aborts the handle's calls or the time-out passes (timeoutMs < 0: never).
    template <typename Ready>
    hid::HidIoStatus waitFor(std::unique_lock<std::mutex>& lock, HidrawInbox& inbox, int timeoutMs,
                             Ready ready);
    // The outcome of a write of size bytes that returned n.
    hid::HidIoStatus writeOutcome(ssize_t n, size_t size, size_t& transferred);

    std::shared_ptr<HidrawSystem> system_;
    std::shared_ptr<HidrawLock> lock_ = std::make_shared<HidrawLock>();
    std::shared_ptr<HidrawFile> file_;
    int wakeRead_;
    int wakeWrite_;
    std::vector<uint8_t> descriptorBytes_;
    hid::HidReportDescriptor descriptor_;

    std::vector<HidrawInbox*> inboxes_;
    bool gone_ = false;
    std::thread reader_;
    HidrawWriter writer_;  // last: it lets go of the file before the node does
};

}  // namespace vorn::platform::hidraw

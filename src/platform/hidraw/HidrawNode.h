#pragma once
// One opened hidraw node, shared by every open handle of its collections. A reader thread
// drains the node and queues each input report (padded to its collection's input length,
// with a 0 id byte put in front when the device numbers no reports) in the inboxes of the
// handles of the collection that owns the report's id. When the device goes, the reports
// already queued are still handed out, then every call fails at once with Disconnected.

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/hid/HidBackend.h"
#include "platform/hid/ReportDescriptor.h"
#include "platform/hidraw/HidrawSystem.h"

namespace vorn::platform::hidraw {

// The input side of one handle; guarded by its node's mutex.
struct HidrawInbox {
    int collectionIndex = 0;
    bool wantRead = false;
    std::deque<std::vector<uint8_t>> reports;
    int waiting = 0;      // calls waiting in receive()
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
    hid::HidIoStatus write(const uint8_t* buffer, size_t size, size_t& transferred);
    bool sendOutputReport(const uint8_t* buffer, size_t size);

  private:
    HidrawNode(std::shared_ptr<HidrawSystem> system, int fd, int wakeRead, int wakeWrite);
    void readerLoop();
    void route(const uint8_t* data, size_t size);
    void markGone();

    std::shared_ptr<HidrawSystem> system_;
    int fd_;
    int wakeRead_;
    int wakeWrite_;
    std::vector<uint8_t> descriptorBytes_;
    hid::HidReportDescriptor descriptor_;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<HidrawInbox*> inboxes_;
    bool gone_ = false;
    std::thread reader_;
};

}  // namespace vorn::platform::hidraw

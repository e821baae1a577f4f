#pragma once
// Stand-ins for the kernel and udev under the hidraw backend: hidraw nodes with queued
// input reports, recorded writes, injected errors and unplugging, and pipes, all in memory.
// poll() really blocks (on a condition variable) so the backend's reader thread runs as
// it would on a real node.

#include <fcntl.h>

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hidraw/HidrawSystem.h"
#include "platform/hidraw/UdevSource.h"

namespace vorn::test {

class FakeHidrawSystem final : public platform::hidraw::HidrawSystem {
  public:
    struct Node {
        std::vector<uint8_t> descriptor;  // what HIDIOCGRDESC returns
        std::deque<std::vector<uint8_t>> input;
        std::vector<std::vector<uint8_t>> written;
        std::vector<std::vector<uint8_t>> outputReports;  // sent through the ioctl
        bool unplugged = false;
        bool hangUpOnly = false;  // poll reports POLLERR | POLLHUP, read has nothing
        int openError = 0;        // errno for open()
        bool readOnly = false;    // the user may only read it: opening for writing is refused
        int writeError = 0;       // errno for write()
        int writeStallMs = 0;     // see stallWrites()
        int heldWrites = 0;       // write() calls held by a stall right now
        int outputReportError = 0;
        int opens = 0;
        std::vector<int> openFlags;  // of every open(), refused ones too
    };

    void addNode(const std::string& devnode, std::vector<uint8_t> descriptor = {});
    void push(const std::string& devnode, std::vector<uint8_t> report);
    void unplug(const std::string& devnode);
    void hangUp(const std::string& devnode);
    // Writes to the node are held as a device that takes nothing holds them: until ms pass,
    // when they fail with ETIMEDOUT as the kernel gives up, or until a call with 0 lets them
    // (and every later write) through.
    void stallWrites(const std::string& devnode, int ms);
    // Whether a write to the node was held by a stall within ms.
    bool waitWriteHeld(const std::string& devnode, int ms);
    // Runs f on a node under the lock.
    template <typename F>
    auto with(const std::string& devnode, F f) {
        std::lock_guard<std::mutex> lock(mutex_);
        return f(nodes_.at(devnode));
    }
    int openDescriptors() const;
    // Whether no more than count descriptors were open within ms.
    bool waitOpenDescriptors(int count, int ms);
    // Blocks until nothing is left in the node's input queue (the reader took it all).
    void waitDrained(const std::string& devnode);

    int open(const std::string& path, int flags) override;
    int close(int fd) override;
    ssize_t read(int fd, void* buffer, size_t size) override;
    ssize_t write(int fd, const void* buffer, size_t size) override;
    int poll(struct pollfd* fds, size_t count, int timeoutMs) override;
    int reportDescriptor(int fd, std::vector<uint8_t>& out) override;
    int sendOutputReport(int fd, const uint8_t* data, size_t size) override;
    int makePipe(int fds[2]) override;

  private:
    struct Descriptor {
        std::string devnode;  // empty for a pipe end
        int access = O_RDWR;  // O_ACCMODE part of the open flags
        int pipe = -1;
        bool pipeReadEnd = false;
    };
    short eventsOf(const Descriptor& d) const;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::string, Node> nodes_;
    std::map<int, Descriptor> fds_;
    std::map<int, size_t> pipeBytes_;
    int nextFd_ = 100;
    int nextPipe_ = 0;
};

// A udev monitor on a pipe: announce() is an event as udev sends one for a node.
class FakeUdevMonitor final : public platform::hidraw::UdevMonitor {
  public:
    FakeUdevMonitor();
    ~FakeUdevMonitor() override;
    int descriptor() const override { return pipe_[0]; }
    bool takeEvents() override;
    // An event with the action ("add", "remove", "change").
    void announce(const std::string& action);

  private:
    int pipe_[2] = {-1, -1};
    std::mutex mutex_;
    std::vector<std::string> actions_;
};

class FakeUdev final : public platform::hidraw::UdevSource {
  public:
    std::vector<platform::hidraw::HidrawUdevRecord> records;
    // The monitor the backend gets; null: none can be made.
    std::unique_ptr<FakeUdevMonitor> nextMonitor = std::make_unique<FakeUdevMonitor>();
    FakeUdevMonitor* monitor = nextMonitor.get();

    std::vector<platform::hidraw::HidrawUdevRecord> listHidraw() override { return records; }
    std::optional<platform::hidraw::HidrawUdevRecord> findHidraw(const std::string& devnode,
                                                                 bool withDescriptor) override;
    std::unique_ptr<platform::hidraw::UdevMonitor> monitorHidraw() override {
        return std::move(nextMonitor);
    }
};

}  // namespace vorn::test

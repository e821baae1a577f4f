#pragma once
// The system calls the hidraw backend makes, behind an interface so tests can stand in for
// the kernel. Every call returns its result, or -errno on failure.

#include <poll.h>
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vorn::platform::hidraw {

class HidrawSystem {
  public:
    virtual ~HidrawSystem() = default;

    virtual int open(const std::string& path, int flags) = 0;
    virtual int close(int fd) = 0;
    virtual ssize_t read(int fd, void* buffer, size_t size) = 0;
    virtual ssize_t write(int fd, const void* buffer, size_t size) = 0;
    virtual int poll(struct pollfd* fds, size_t count, int timeoutMs) = 0;
    // The report descriptor of an open node (HIDIOCGRDESCSIZE, HIDIOCGRDESC).
    virtual int reportDescriptor(int fd, std::vector<uint8_t>& out) = 0;
    // An output report over the control pipe (HIDIOCSOUTPUT); -ENOTTY on kernels without it.
    virtual int sendOutputReport(int fd, const uint8_t* data, size_t size) = 0;
    // A non-blocking pipe; writing to fds[1] wakes a poll on fds[0].
    virtual int makePipe(int fds[2]) = 0;
};

// The real kernel interface.
std::shared_ptr<HidrawSystem> linuxHidrawSystem();

}  // namespace vorn::platform::hidraw

#pragma once
// An open hidraw descriptor, closed when the last of its users lets go of it: a write still in
// the kernel keeps the node open after the node's handles are all gone.

#include <memory>

#include "platform/hidraw/HidrawSystem.h"

namespace vorn::platform::hidraw {

class HidrawFile {
  public:
    HidrawFile(std::shared_ptr<HidrawSystem> system, int fd)
        : system_(std::move(system)), fd_(fd) {}
    ~HidrawFile() { system_->close(fd_); }
    HidrawFile(const HidrawFile&) = delete;
    HidrawFile& operator=(const HidrawFile&) = delete;

    int fd() const { return fd_; }

  private:
    std::shared_ptr<HidrawSystem> system_;
    int fd_;
};

}  // namespace vorn::platform::hidraw

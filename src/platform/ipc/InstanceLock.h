#pragma once
// The single instance where no session bus runs: an exclusive lock (flock) on a lock file,
// held while the object lives and released by the system when the process ends, however it
// ends.

#include <memory>
#include <string>

namespace vorn::platform::ipc {

class InstanceLock {
  public:
    // Takes the lock on path (the file is made when missing) without waiting. Null when
    // another process holds it or the file cannot be opened; *error then tells which
    // (EWOULDBLOCK for another holder).
    static std::unique_ptr<InstanceLock> tryTake(const std::string& path, int* error = nullptr);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

  private:
    explicit InstanceLock(int fd) : fd_(fd) {}
    int fd_;
};

// "$XDG_RUNTIME_DIR/vorn.lock"; without a runtime folder "vorn-<uid>.lock" in the
// temporary folder.
std::string DefaultInstanceLockPath();

}  // namespace vorn::platform::ipc

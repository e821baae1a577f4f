#pragma once
// A lock the owning thread may take again while holding it (each lock needs its unlock).
// Meets the Lockable requirements, so std::lock_guard and std::unique_lock work with it.

#include <mutex>

namespace vorn::platform {

class RecursiveLock {
  public:
    RecursiveLock() = default;
    RecursiveLock(const RecursiveLock&) = delete;
    RecursiveLock& operator=(const RecursiveLock&) = delete;

    void lock() { mutex_.lock(); }
    bool try_lock() { return mutex_.try_lock(); }
    void unlock() { mutex_.unlock(); }

  private:
    std::recursive_mutex mutex_;
};

}  // namespace vorn::platform

#pragma once
// A HID backend that stands in front of another (a virtual bus) and watches the traffic of
// every handle it opens: it counts reads, writes and input flushes, and can hold writes at
// the door until the test lets them through (to keep an exchange running on purpose).
// Installs itself as the current backend while it lives.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hid/HidBackend.h"

namespace vorn::test {

class ObservedBackend final : public platform::hid::HidBackend {
  public:
    explicit ObservedBackend(platform::hid::HidBackend& target);
    ~ObservedBackend() override;

    int reads() const { return reads_.load(); }
    int writes() const { return writes_.load(); }
    int flushes() const { return flushes_.load(); }
    void resetCounts();

    // From now on every write waits before it reaches the device, until releaseWrites().
    void holdWrites();
    // Blocks until a write is waiting at the door.
    void waitForHeldWrite();
    void releaseWrites();

    std::vector<std::string> enumerate() override { return target_.enumerate(); }
    std::unique_ptr<platform::hid::HidDevice> open(const std::string& path, bool wantRead,
                                                   bool wantWrite,
                                                   platform::hid::HidOpenError& error) override;
    bool isPresent(const std::string& path) override { return target_.isPresent(path); }

  private:
    friend class ObservedDevice;
    void passWriteDoor();

    platform::hid::HidBackend& target_;
    std::atomic<int> reads_{0};
    std::atomic<int> writes_{0};
    std::atomic<int> flushes_{0};
    std::mutex doorMutex_;
    std::condition_variable doorChanged_;
    bool holding_ = false;
    int waiting_ = 0;
};

}  // namespace vorn::test

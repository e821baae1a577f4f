#pragma once
// The HID backend on Linux hidraw: udev lists the nodes, each top-level collection of a
// node's report descriptor becomes one path, and the collections of one node share one
// open file and one reader.

#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/hid/HidBackend.h"
#include "platform/hidraw/HidrawSystem.h"
#include "platform/hidraw/UdevSource.h"

namespace vorn::platform::hidraw {

class HidrawNode;

class HidrawBackend final : public hid::HidBackend {
  public:
    HidrawBackend(std::shared_ptr<HidrawSystem> system, std::shared_ptr<UdevSource> udev);
    ~HidrawBackend() override;

    std::vector<std::string> enumerate() override;
    // With neither read nor write access the node itself is not opened: attributes, product
    // string and descriptor come from udev alone (enough to describe a collection the user
    // may not open).
    std::unique_ptr<hid::HidDevice> open(const std::string& path, bool wantRead, bool wantWrite,
                                         hid::HidOpenError& error) override;
    bool isPresent(const std::string& path) override;
    // Waits on a udev monitor of the hidraw nodes (made at the first call, which answers
    // Changed so that nothing before it is missed); Unsupported where none can be made.
    hid::BusChange waitForChange(int timeoutMs) override;
    void wakeChangeWait() override;

  private:
    std::shared_ptr<HidrawSystem> system_;
    std::shared_ptr<UdevSource> udev_;
    std::mutex mutex_;
    std::map<std::string, std::weak_ptr<HidrawNode>> nodes_;
    std::mutex monitorMutex_;  // the one waiting thread
    std::unique_ptr<UdevMonitor> monitor_;
    bool monitorTried_ = false;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;
};

// The backend over the running system; null with a reason when udev is unavailable.
std::unique_ptr<hid::HidBackend> createHidrawBackend(std::string& error);

}  // namespace vorn::platform::hidraw

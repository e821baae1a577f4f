#pragma once
// An in-memory HID backend for transport tests: collections with a descriptor, queued input
// reports, recorded writes, unplugging, and reads that really wait (on a condition
// variable) until a report, an abort, an unplug or their time-out.

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/hid/HidBackend.h"

namespace vorn::test {

// The state one collection's handles share.
struct FakeCollection {
    std::vector<uint8_t> descriptor;
    int collectionNumber = 0;
    platform::hid::HidAttributes attributes;
    std::string product;

    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::vector<uint8_t>> input;
    std::vector<std::vector<uint8_t>> written;
    bool unplugged = false;
    int waitingReaders = 0;
    unsigned abortCount = 0;

    void push(std::vector<uint8_t> report);
    void unplug();
    // Blocks until a reader waits in read() (for tests that abort it from another thread).
    void waitForReader();
};

class FakeHidBackend final : public platform::hid::HidBackend {
  public:
    FakeHidBackend();  // installs itself as the current backend
    ~FakeHidBackend() override;

    // A collection whose vendor and product ids are the path's.
    std::shared_ptr<FakeCollection> add(const std::string& path,
                                        const std::vector<uint8_t>& descriptor,
                                        int collectionNumber, const std::string& product = "");
    // Opens with read or write access fail with error.
    void failOpen(const std::string& path, platform::hid::HidOpenError error);

    std::vector<std::string> enumerate() override;
    std::unique_ptr<platform::hid::HidDevice> open(const std::string& path, bool wantRead,
                                                   bool wantWrite,
                                                   platform::hid::HidOpenError& error) override;
    bool isPresent(const std::string& path) override;

  private:
    std::vector<std::string> order_;
    std::map<std::string, std::shared_ptr<FakeCollection>> collections_;
    std::map<std::string, platform::hid::HidOpenError> openErrors_;
};

}  // namespace vorn::test

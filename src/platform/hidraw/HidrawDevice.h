#pragma once
// One open collection of a hidraw node (or, opened without access, a description of one).

#include <memory>
#include <string>
#include <vector>

#include "platform/hid/HidBackend.h"
#include "platform/hidraw/HidrawNode.h"

namespace vorn::platform::hidraw {

class HidrawDevice final : public hid::HidDevice {
  public:
    // An open collection on a shared node.
    HidrawDevice(std::shared_ptr<HidrawNode> node, int collectionIndex, int collectionNumber,
                 bool wantRead, bool wantWrite, hid::HidAttributes attributes, std::string product);
    // A collection described from udev only: reads and writes fail.
    HidrawDevice(std::vector<uint8_t> descriptor, int collectionNumber,
                 hid::HidAttributes attributes, std::string product);
    ~HidrawDevice() override;

    hid::HidAttributes attributes() const override { return attributes_; }
    const std::vector<uint8_t>& reportDescriptor() const override;
    int collectionNumber() const override { return collectionNumber_; }
    std::string productString() const override { return product_; }

    hid::HidIoStatus read(uint8_t* buffer, size_t size, size_t& transferred,
                          int timeoutMs) override;
    hid::HidIoStatus write(const uint8_t* buffer, size_t size, size_t& transferred,
                           int timeoutMs) override;
    void abort() override;
    bool flushInput() override;
    bool setOutputReport(const uint8_t* buffer, size_t size) override;

  private:
    std::shared_ptr<HidrawNode> node_;
    HidrawInbox inbox_;
    bool wantWrite_ = false;
    std::vector<uint8_t> descriptor_;  // only without a node
    int collectionNumber_ = 0;
    hid::HidAttributes attributes_;
    std::string product_;
};

}  // namespace vorn::platform::hidraw

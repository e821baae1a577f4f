#include "platform/hidraw/HidrawDevice.h"

namespace vorn::platform::hidraw {

using hid::HidIoStatus;

HidrawDevice::HidrawDevice(std::shared_ptr<HidrawNode> node, int collectionIndex,
                           int collectionNumber, bool wantRead, bool wantWrite,
                           hid::HidAttributes attributes, std::string product)
    : node_(std::move(node)),
      wantWrite_(wantWrite),
      collectionNumber_(collectionNumber),
      attributes_(attributes),
      product_(std::move(product)) {
    inbox_.collectionIndex = collectionIndex;
    inbox_.wantRead = wantRead;
    node_->attach(&inbox_);
}

HidrawDevice::HidrawDevice(std::vector<uint8_t> descriptor, int collectionNumber,
                           hid::HidAttributes attributes, std::string product)
    : descriptor_(std::move(descriptor)),
      collectionNumber_(collectionNumber),
      attributes_(attributes),
      product_(std::move(product)) {}

HidrawDevice::~HidrawDevice() {
    if (node_) {
        node_->detach(&inbox_);
    }
}

const std::vector<uint8_t>& HidrawDevice::reportDescriptor() const {
    return node_ ? node_->descriptorBytes() : descriptor_;
}

HidIoStatus HidrawDevice::read(uint8_t* buffer, size_t size, size_t& transferred, int timeoutMs) {
    transferred = 0;
    if (!node_ || buffer == nullptr || size == 0) {
        return HidIoStatus::Failed;
    }
    return node_->receive(inbox_, buffer, size, transferred, timeoutMs);
}

HidIoStatus HidrawDevice::write(const uint8_t* buffer, size_t size, size_t& transferred,
                                int timeoutMs) {
    transferred = 0;
    if (!node_ || !wantWrite_ || buffer == nullptr || size == 0) {
        return HidIoStatus::Failed;
    }
    return node_->write(inbox_, buffer, size, transferred, timeoutMs);
}

void HidrawDevice::abort() {
    if (node_) {
        node_->abort(inbox_);
    }
}

bool HidrawDevice::flushInput() {
    if (!node_) {
        return false;
    }
    node_->flush(inbox_);
    return true;
}

bool HidrawDevice::setOutputReport(const uint8_t* buffer, size_t size) {
    if (!node_ || !wantWrite_ || buffer == nullptr || size == 0) {
        return false;
    }
    return node_->sendOutputReport(buffer, size);
}

}  // namespace vorn::platform::hidraw

#include "ObservedBackend.h"

namespace vorn::test {

using platform::hid::HidIoStatus;

class ObservedDevice final : public platform::hid::HidDevice {
  public:
    ObservedDevice(ObservedBackend& owner, std::unique_ptr<platform::hid::HidDevice> inner)
        : owner_(owner), inner_(std::move(inner)) {}

    platform::hid::HidAttributes attributes() const override { return inner_->attributes(); }
    const std::vector<uint8_t>& reportDescriptor() const override {
        return inner_->reportDescriptor();
    }
    int collectionNumber() const override { return inner_->collectionNumber(); }
    std::string productString() const override { return inner_->productString(); }

    HidIoStatus read(uint8_t* buffer, size_t size, size_t& transferred, int timeoutMs) override {
        ++owner_.reads_;
        return inner_->read(buffer, size, transferred, timeoutMs);
    }
    HidIoStatus write(const uint8_t* buffer, size_t size, size_t& transferred,
                      int timeoutMs) override {
        owner_.passWriteDoor();
        ++owner_.writes_;
        return inner_->write(buffer, size, transferred, timeoutMs);
    }
    void abort() override { inner_->abort(); }
    bool flushInput() override {
        ++owner_.flushes_;
        return inner_->flushInput();
    }
    bool setOutputReport(const uint8_t* buffer, size_t size) override {
        return inner_->setOutputReport(buffer, size);
    }

  private:
    ObservedBackend& owner_;
    std::unique_ptr<platform::hid::HidDevice> inner_;
};

ObservedBackend::ObservedBackend(platform::hid::HidBackend& target) : target_(target) {
    platform::hid::setHidBackend(this);
}

ObservedBackend::~ObservedBackend() {
    releaseWrites();
    platform::hid::setHidBackend(nullptr);
}

void ObservedBackend::resetCounts() {
    reads_ = 0;
    writes_ = 0;
    flushes_ = 0;
}

void ObservedBackend::holdWrites() {
    std::lock_guard<std::mutex> lock(doorMutex_);
    holding_ = true;
}

void ObservedBackend::waitForHeldWrite() {
    std::unique_lock<std::mutex> lock(doorMutex_);
    doorChanged_.wait(lock, [this] { return waiting_ > 0; });
}

void ObservedBackend::releaseWrites() {
    std::lock_guard<std::mutex> lock(doorMutex_);
    holding_ = false;
    doorChanged_.notify_all();
}

void ObservedBackend::passWriteDoor() {
    std::unique_lock<std::mutex> lock(doorMutex_);
    ++waiting_;
    doorChanged_.notify_all();
    doorChanged_.wait(lock, [this] { return !holding_; });
    --waiting_;
}

std::unique_ptr<platform::hid::HidDevice> ObservedBackend::open(
    const std::string& path, bool wantRead, bool wantWrite, platform::hid::HidOpenError& error) {
    std::unique_ptr<platform::hid::HidDevice> inner =
        target_.open(path, wantRead, wantWrite, error);
    if (!inner) {
        return nullptr;
    }
    return std::make_unique<ObservedDevice>(*this, std::move(inner));
}

}  // namespace vorn::test

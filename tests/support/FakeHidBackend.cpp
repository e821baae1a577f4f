#include "support/FakeHidBackend.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "platform/hid/HidPath.h"

namespace vorn::test {

using platform::hid::HidIoStatus;

void FakeCollection::push(std::vector<uint8_t> report) {
    std::lock_guard<std::mutex> lock(mutex);
    input.push_back(std::move(report));
    changed.notify_all();
}

void FakeCollection::unplug() {
    std::lock_guard<std::mutex> lock(mutex);
    unplugged = true;
    changed.notify_all();
}

void FakeCollection::waitForReader() {
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [&] { return waitingReaders > 0; });
}

namespace {

class FakeDevice final : public platform::hid::HidDevice {
  public:
    explicit FakeDevice(std::shared_ptr<FakeCollection> c) : c_(std::move(c)) {}

    platform::hid::HidAttributes attributes() const override { return c_->attributes; }
    const std::vector<uint8_t>& reportDescriptor() const override { return c_->descriptor; }
    int collectionNumber() const override { return c_->collectionNumber; }
    std::string productString() const override { return c_->product; }

    HidIoStatus read(uint8_t* buffer, size_t size, size_t& transferred, int timeoutMs) override {
        std::unique_lock<std::mutex> lock(c_->mutex);
        transferred = 0;
        const unsigned aborts = c_->abortCount;
        const auto deadline = std::chrono::steady_clock::now() +
                              std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
        ++c_->waitingReaders;
        c_->changed.notify_all();
        HidIoStatus status = HidIoStatus::TimedOut;
        for (;;) {
            if (!c_->input.empty()) {
                const std::vector<uint8_t>& r = c_->input.front();
                transferred = std::min(size, r.size());
                std::memcpy(buffer, r.data(), transferred);
                c_->input.pop_front();
                status = HidIoStatus::Ok;
                break;
            }
            if (c_->unplugged) {
                status = HidIoStatus::Disconnected;
                break;
            }
            if (c_->abortCount != aborts) {
                status = HidIoStatus::Aborted;
                break;
            }
            if (timeoutMs < 0) {
                c_->changed.wait(lock);
            } else if (c_->changed.wait_until(lock, deadline) == std::cv_status::timeout) {
                break;
            }
        }
        --c_->waitingReaders;
        return status;
    }

    HidIoStatus write(const uint8_t* buffer, size_t size, size_t& transferred, int) override {
        std::lock_guard<std::mutex> lock(c_->mutex);
        transferred = 0;
        if (c_->unplugged) {
            return HidIoStatus::Disconnected;
        }
        c_->written.emplace_back(buffer, buffer + size);
        transferred = size;
        return HidIoStatus::Ok;
    }

    void abort() override {
        std::lock_guard<std::mutex> lock(c_->mutex);
        if (c_->waitingReaders > 0) {
            ++c_->abortCount;
            c_->changed.notify_all();
        }
    }

    bool flushInput() override {
        std::lock_guard<std::mutex> lock(c_->mutex);
        c_->input.clear();
        return true;
    }

    bool setOutputReport(const uint8_t* buffer, size_t size) override {
        size_t n = 0;
        return write(buffer, size, n, -1) == HidIoStatus::Ok;
    }

  private:
    std::shared_ptr<FakeCollection> c_;
};

}  // namespace

FakeHidBackend::FakeHidBackend() {
    platform::hid::setHidBackend(this);
}

FakeHidBackend::~FakeHidBackend() {
    platform::hid::setHidBackend(nullptr);
}

std::shared_ptr<FakeCollection> FakeHidBackend::add(const std::string& path,
                                                    const std::vector<uint8_t>& descriptor,
                                                    int collectionNumber,
                                                    const std::string& product) {
    auto c = std::make_shared<FakeCollection>();
    c->descriptor = descriptor;
    c->collectionNumber = collectionNumber;
    c->attributes = {static_cast<uint16_t>(platform::hid::hexNumberAfter(path, "vid_")),
                     static_cast<uint16_t>(platform::hid::hexNumberAfter(path, "pid_")), 0x0102};
    c->product = product;
    order_.push_back(path);
    collections_[path] = c;
    return c;
}

void FakeHidBackend::failOpen(const std::string& path, platform::hid::HidOpenError error) {
    openErrors_[path] = error;
}

std::vector<std::string> FakeHidBackend::enumerate() {
    return order_;
}

std::unique_ptr<platform::hid::HidDevice> FakeHidBackend::open(const std::string& path,
                                                               bool wantRead, bool wantWrite,
                                                               platform::hid::HidOpenError& error) {
    // Like hidraw, an open without access only describes the collection and always works.
    if (auto e = openErrors_.find(path); e != openErrors_.end() && (wantRead || wantWrite)) {
        error = e->second;
        return nullptr;
    }
    auto it = collections_.find(path);
    if (it == collections_.end()) {
        error = platform::hid::HidOpenError::NotFound;
        return nullptr;
    }
    error = platform::hid::HidOpenError::None;
    return std::make_unique<FakeDevice>(it->second);
}

bool FakeHidBackend::isPresent(const std::string& path) {
    auto it = collections_.find(path);
    return it != collections_.end() && !it->second->unplugged;
}

}  // namespace vorn::test

#include "emulator/bus/VirtualHandle.h"

#include <algorithm>
#include <cstring>

namespace vorn::emulator {

using platform::hid::HidAttributes;
using platform::hid::HidIoStatus;

namespace {

// Marks a call pending on the handle for its duration, so that abort() reaches it.
class PendingCall {
  public:
    explicit PendingCall(HandleState& state) : state_(state) { ++state_.pendingCalls; }
    ~PendingCall() { --state_.pendingCalls; }
    PendingCall(const PendingCall&) = delete;
    PendingCall& operator=(const PendingCall&) = delete;

  private:
    HandleState& state_;
};

}  // namespace

VirtualHandle::VirtualHandle(std::shared_ptr<VirtualDevice> device, int collection, bool wantRead,
                             bool wantWrite)
    : device_(std::move(device)), state_(device_->attach(collection, wantRead, wantWrite)) {}

VirtualHandle::~VirtualHandle() {
    std::lock_guard<std::mutex> lock(device_->core().mutex);
    device_->detach(state_.get());
}

HidAttributes VirtualHandle::attributes() const {
    const DeviceIdentity& id = device_->identity();
    return HidAttributes{id.vendorId, id.productId, id.version};
}

const std::vector<uint8_t>& VirtualHandle::reportDescriptor() const {
    return device_->reportDescriptor();
}

int VirtualHandle::collectionNumber() const {
    return state_->collection;
}

std::string VirtualHandle::productString() const {
    return device_->identity().productString;
}

VirtualHandle::WaitEnd VirtualHandle::wait(std::unique_lock<std::mutex>& lock, int timeoutMs,
                                           const std::function<bool()>& ready) {
    BusCore& core = device_->core();
    const uint64_t abortsAtStart = state_->abortCount;
    const int64_t deadline = timeoutMs < 0 ? -1 : core.clock.nowUs() + int64_t{timeoutMs} * 1000;
    for (;;) {
        device_->deliverDue();
        if (ready()) {
            return WaitEnd::Ready;
        }
        if (state_->disconnected) {
            return WaitEnd::Disconnected;
        }
        if (state_->abortCount != abortsAtStart) {
            return WaitEnd::Aborted;
        }
        if (deadline >= 0 && core.clock.nowUs() >= deadline) {
            return WaitEnd::TimedOut;
        }
        std::optional<int64_t> wake = device_->nextDueUs();
        if (deadline >= 0 && (!wake || *wake > deadline)) {
            wake = deadline;
        }
        if (!wake) {
            core.changed.wait(lock);
        } else if (core.clock.mode() == TimeMode::Virtual) {
            core.clock.advanceTo(*wake);
            core.changed.notify_all();
        } else {
            core.changed.wait_until(lock, core.clock.realTime(*wake));
        }
    }
}

HidIoStatus VirtualHandle::read(uint8_t* buffer, size_t size, size_t& transferred, int timeoutMs) {
    transferred = 0;
    std::unique_lock<std::mutex> lock(device_->core().mutex);
    if (!state_->wantRead || buffer == nullptr || size == 0) {
        return HidIoStatus::Failed;
    }
    PendingCall pending(*state_);
    switch (wait(lock, timeoutMs, [this] { return !state_->queue.empty(); })) {
        case WaitEnd::Ready: {
            const std::vector<uint8_t>& report = state_->queue.front();
            transferred = std::min(size, report.size());
            std::memcpy(buffer, report.data(), transferred);
            state_->queue.pop_front();
            return HidIoStatus::Ok;
        }
        case WaitEnd::Aborted:
            return HidIoStatus::Aborted;
        case WaitEnd::Disconnected:
            return HidIoStatus::Disconnected;
        case WaitEnd::TimedOut:
            return HidIoStatus::TimedOut;
    }
    return HidIoStatus::Failed;
}

HidIoStatus VirtualHandle::write(const uint8_t* buffer, size_t size, size_t& transferred,
                                 int timeoutMs) {
    transferred = 0;
    std::unique_lock<std::mutex> lock(device_->core().mutex);
    if (!state_->wantWrite || buffer == nullptr || size == 0) {
        return HidIoStatus::Failed;
    }
    if (state_->disconnected) {
        return HidIoStatus::Disconnected;
    }
    PendingCall pending(*state_);
    switch (device_->takeOutput(state_->collection, buffer, size)) {
        case VirtualDevice::OutputOutcome::Taken:
            transferred = size;
            return HidIoStatus::Ok;
        case VirtualDevice::OutputOutcome::Unplugged:
            return HidIoStatus::Disconnected;
        case VirtualDevice::OutputOutcome::Refused:
            return HidIoStatus::Failed;
        case VirtualDevice::OutputOutcome::Stalled:
            break;
    }
    switch (wait(lock, timeoutMs, [] { return false; })) {
        case WaitEnd::Aborted:
            return HidIoStatus::Aborted;
        case WaitEnd::Disconnected:
            return HidIoStatus::Disconnected;
        case WaitEnd::TimedOut:
            return HidIoStatus::TimedOut;
        case WaitEnd::Ready:
            break;
    }
    return HidIoStatus::Failed;
}

void VirtualHandle::abort() {
    std::lock_guard<std::mutex> lock(device_->core().mutex);
    if (state_->pendingCalls > 0) {
        ++state_->abortCount;
        device_->core().changed.notify_all();
    }
}

bool VirtualHandle::flushInput() {
    std::lock_guard<std::mutex> lock(device_->core().mutex);
    state_->queue.clear();
    if (state_->disconnected) {
        return false;
    }
    device_->deliverDue();  // what is due now belongs to the past as well
    state_->queue.clear();
    return true;
}

bool VirtualHandle::setOutputReport(const uint8_t* buffer, size_t size) {
    std::lock_guard<std::mutex> lock(device_->core().mutex);
    if (!state_->wantWrite || buffer == nullptr || size == 0 || state_->disconnected) {
        return false;
    }
    return device_->takeOutput(state_->collection, buffer, size) ==
           VirtualDevice::OutputOutcome::Taken;
}

}  // namespace vorn::emulator

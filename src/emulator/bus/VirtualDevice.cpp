#include "emulator/bus/VirtualDevice.h"

#include <algorithm>
#include <utility>

#include "emulator/bus/ReportDescriptors.h"
#include "platform/text/Text.h"

namespace vorn::emulator {
namespace {

bool equalsAsciiIgnoreCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'A' && x <= 'Z') {
            x = static_cast<char>(x - 'A' + 'a');
        }
        if (y >= 'A' && y <= 'Z') {
            y = static_cast<char>(y - 'A' + 'a');
        }
        if (x != y) {
            return false;
        }
    }
    return true;
}

}  // namespace

VirtualDevice::VirtualDevice(std::shared_ptr<BusCore> core, int serial, DeviceIdentity identity,
                             std::shared_ptr<Firmware> firmware)
    : core_(std::move(core)),
      serial_(serial),
      identity_(std::move(identity)),
      firmware_(std::move(firmware)) {}

const std::vector<uint8_t>& VirtualDevice::reportDescriptor() const {
    return mouseInterfaceDescriptor();
}

void VirtualDevice::unplug() {
    plugged_ = false;
    for (const std::shared_ptr<HandleState>& handle : handles_) {
        handle->disconnected = true;
    }
    handles_.clear();
    scheduled_.clear();
    core_->changed.notify_all();
}

std::string VirtualDevice::path(int collection) const {
    // The instance part differs per device, as a second identical mouse on another port
    // gets its own; the last group counts the collections from 0.
    return platform::formatText(
        "\\\\?\\hid#vid_%04x&pid_%04x&mi_%02x&col%02x#7&%08x&0&%04x#"
        "{4d1e55b2-f16f-11cf-88cb-001111000030}",
        identity_.vendorId, identity_.productId, kInterfaceNumber, collection,
        0x1e5a3000u + static_cast<unsigned>(serial_), collection - 1);
}

std::vector<std::string> VirtualDevice::paths() const {
    std::vector<std::string> result;
    for (const CollectionLayout& c : mouseInterfaceCollections()) {
        result.push_back(path(c.number));
    }
    return result;
}

int VirtualDevice::collectionOfPath(const std::string& candidate) const {
    for (const CollectionLayout& c : mouseInterfaceCollections()) {
        if (equalsAsciiIgnoreCase(candidate, path(c.number))) {
            return c.number;
        }
    }
    return 0;
}

std::shared_ptr<HandleState> VirtualDevice::attach(int collection, bool wantRead, bool wantWrite) {
    auto handle = std::make_shared<HandleState>();
    handle->collection = collection;
    handle->wantRead = wantRead;
    handle->wantWrite = wantWrite;
    handles_.push_back(handle);
    return handle;
}

void VirtualDevice::detach(const HandleState* handle) {
    handles_.erase(std::remove_if(handles_.begin(), handles_.end(),
                                  [handle](const std::shared_ptr<HandleState>& h) {
                                      return h.get() == handle;
                                  }),
                   handles_.end());
}

bool VirtualDevice::queueInput(const std::vector<uint8_t>& report) {
    if (!plugged_ || report.empty()) {
        return false;
    }
    const CollectionLayout* owner = collectionOfInputReport(report[0]);
    if (owner == nullptr) {
        return false;
    }
    for (const std::shared_ptr<HandleState>& handle : handles_) {
        if (handle->collection == owner->number && handle->wantRead &&
            handle->queue.size() < kQueueLimit) {
            handle->queue.push_back(report);
        }
    }
    core_->changed.notify_all();
    return true;
}

void VirtualDevice::deliverDue() {
    int64_t now = core_->clock.nowUs();
    size_t due = 0;
    while (due < scheduled_.size() && scheduled_[due].dueUs <= now) {
        queueInput(scheduled_[due].report);
        ++due;
    }
    scheduled_.erase(scheduled_.begin(), scheduled_.begin() + static_cast<long>(due));
}

std::optional<int64_t> VirtualDevice::nextDueUs() const {
    if (scheduled_.empty()) {
        return std::nullopt;
    }
    return scheduled_.front().dueUs;
}

bool VirtualDevice::takeStall() {
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        if (it->kind == FaultKind::StallWrite && it->skipFrames == 0) {
            faults_.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<Fault> VirtualDevice::takeStrikingFaults() {
    std::vector<Fault> strike;
    std::vector<Fault> later;
    for (Fault& fault : faults_) {
        if (fault.skipFrames == 0) {
            strike.push_back(fault);
        } else {
            --fault.skipFrames;
            later.push_back(fault);
        }
    }
    faults_ = std::move(later);
    return strike;
}

VirtualDevice::OutputOutcome VirtualDevice::takeOutput(int collection, const uint8_t* data,
                                                       size_t size) {
    if (!plugged_) {
        return OutputOutcome::Unplugged;
    }
    const CollectionLayout* layout = collectionByNumber(collection);
    if (layout == nullptr || layout->outputReportId == 0 || size != layout->outputLength ||
        data[0] != layout->outputReportId) {
        return OutputOutcome::Refused;
    }
    bool command = collection == kCommandCollection;
    if (command && takeStall()) {
        return OutputOutcome::Stalled;
    }
    if (frameLog_.size() >= kFrameLogLimit) {
        frameLog_.pop_front();
    }
    frameLog_.push_back(
        {core_->clock.nowUs(), collection, std::vector<uint8_t>(data, data + size)});
    if (!command) {
        return OutputOutcome::Taken;  // keyboard LEDs: nothing to do
    }
    std::vector<Fault> strike = takeStrikingFaults();
    for (const Fault& fault : strike) {
        if (fault.kind == FaultKind::UnplugMidTransfer) {
            unplug();
            return OutputOutcome::Unplugged;
        }
    }
    Frame frame{};
    std::copy(data, data + kFrameSize, frame.begin());
    handleCommandFrame(frame, strike);
    return OutputOutcome::Taken;
}

void VirtualDevice::handleCommandFrame(const Frame& frame, const std::vector<Fault>& strike) {
    std::optional<Frame> reply =
        firmware_ != nullptr ? firmware_->handleFrame(frame) : std::nullopt;
    if (!reply) {
        return;
    }
    int64_t delayUs = int64_t{replyDelayMs_} * 1000;
    bool drop = false;
    for (const Fault& fault : strike) {
        switch (fault.kind) {
            case FaultKind::DropReply:
                drop = true;
                break;
            case FaultKind::StaleReply: {
                // An earlier reply still in the pipe; before any reply, a reply to nothing.
                Frame stale{};
                stale[0] = kCommandReportId;
                sendReply(lastReply_.value_or(stale), 0);
                break;
            }
            case FaultKind::BadChecksum:
                (*reply)[1] ^= 0x5A;
                (*reply)[2] ^= 0xA5;
                break;
            case FaultKind::SlowReply:
                delayUs += int64_t{fault.delayMs} * 1000;
                break;
            case FaultKind::UnplugMidTransfer:
            case FaultKind::StallWrite:
                break;
        }
    }
    lastReply_ = *reply;
    if (!drop) {
        sendReply(*reply, delayUs);
    }
}

void VirtualDevice::sendReply(const Frame& reply, int64_t delayUs) {
    std::vector<uint8_t> report(reply.begin(), reply.end());
    if (delayUs <= 0 && scheduled_.empty()) {
        queueInput(report);
        return;
    }
    // Replies leave in the order they were made even when an earlier one is slow.
    int64_t due = core_->clock.nowUs() + std::max<int64_t>(delayUs, 0);
    if (!scheduled_.empty()) {
        due = std::max(due, scheduled_.back().dueUs);
    }
    scheduled_.push_back({due, std::move(report)});
    core_->changed.notify_all();
}

}  // namespace vorn::emulator

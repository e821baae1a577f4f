#include "hid/HidTransport.h"

#include <algorithm>
#include <chrono>
#include <climits>

#include "hid/HidLastError.h"
#include "hid/HidPathNumbers.h"
#include "platform/hid/HidUsages.h"

namespace vorn::hid {

using platform::hid::HidCollection;
using platform::hid::HidFieldCaps;
using platform::hid::HidIoStatus;
using platform::hid::HidOpenError;
using platform::hid::HidReportKind;

namespace {

// Longest device path kept (the length the rest of the system reserves for one).
constexpr size_t kMaxDevicePath = 259;

int backendTimeout(uint32_t timeoutMs) {
    return timeoutMs > static_cast<uint32_t>(INT_MAX) ? -1 : static_cast<int>(timeoutMs);
}

uint32_t lastErrorFor(HidOpenError error) {
    switch (error) {
        case HidOpenError::NotFound:
            return kErrorFileNotFound;
        case HidOpenError::PermissionDenied:
            return kErrorAccessDenied;
        default:
            return kErrorGenFailure;
    }
}

constexpr HidReportKind kKinds[] = {HidReportKind::Input, HidReportKind::Output,
                                    HidReportKind::Feature};

}  // namespace

HidTransport::HidTransport() = default;

HidTransport::~HidTransport() {
    close();
    freePathList();
}

bool HidTransport::enumerate() {
    pathList_ = platform::hid::currentHidBackend().enumerate();
    pathCursor_ = 0;
    return true;
}

const std::string* HidTransport::nextPath() {
    if (pathCursor_ >= pathList_.size()) {
        return nullptr;
    }
    return &pathList_[pathCursor_++];
}

void HidTransport::freePathList() {
    pathList_.clear();
    pathList_.shrink_to_fit();
    pathCursor_ = 0;
}

bool HidTransport::open(const std::string& path, bool wantRead, bool wantWrite, bool overlapped,
                        bool shareReadOnly) {
    close();
    wantRead_ = wantRead;
    wantWrite_ = wantWrite;
    overlapped_ = overlapped;
    shareReadOnly_ = shareReadOnly;
    if (path.empty()) {
        return failOpen(HidOpenError::NotFound, kErrorFileNotFound);
    }
    if (path.size() > kMaxDevicePath) {
        return failOpen(HidOpenError::NotFound, kErrorFilenameTooLong);
    }
    devicePath_ = path;

    HidOpenError error = HidOpenError::None;
    std::unique_ptr<platform::hid::HidDevice> device =
        platform::hid::currentHidBackend().open(path, wantRead, wantWrite, error);
    if (!device) {
        return failOpen(error == HidOpenError::None ? HidOpenError::Failed : error,
                        lastErrorFor(error));
    }
    const std::vector<uint8_t>& descriptor = device->reportDescriptor();
    if (!platform::hid::parseReportDescriptor(descriptor.data(), descriptor.size(), preparsedData_)
             .ok()) {
        return failOpen(HidOpenError::Failed, kErrorGenFailure);
    }
    const HidCollection* coll = preparsedData_.collection(device->collectionNumber());
    if (coll == nullptr) {
        return failOpen(HidOpenError::Failed, kErrorGenFailure);
    }
    collectionIndex_ = static_cast<int>(coll - preparsedData_.collections.data());
    attributes_ = device->attributes();
    caps_ = coll->caps();
    for (HidReportKind kind : kKinds) {
        buildItems(kind);
    }
    interfaceNumber_ = interfaceFromPath(path);
    collectionNumber_ = collectionFromPath(path);
    lastOpenError_ = HidOpenError::None;
    {
        std::lock_guard<std::mutex> lock(ioMutex_);
        handle_ = std::move(device);
    }
    return true;
}

bool HidTransport::failOpen(HidOpenError error, uint32_t lastError) {
    devicePath_.clear();
    preparsedData_ = {};
    collectionIndex_ = -1;
    lastOpenError_ = error;
    setHidLastError(lastError);
    return false;
}

void HidTransport::buildItems(HidReportKind kind) {
    const HidCollection& coll = *collection();
    HidReportBlock& b = block(kind);
    b.report.assign(coll.byteLength(kind), 0);
    b.buttonCaps = coll.buttons(kind);
    b.valueCaps = coll.values(kind);
    b.items.clear();
    for (const HidFieldCaps& caps : b.buttonCaps) {
        HidDataItem item;
        item.isButton = true;
        item.usagePage = caps.usagePage;
        item.reportId = caps.reportId;
        item.usageMin = caps.usageMin;
        item.usageMax = caps.isRange ? caps.usageMax : caps.usageMin;
        item.maxUsageListLength = platform::hid::maxUsageListLength(kind, caps.usagePage, coll);
        item.usages.assign(item.maxUsageListLength, 0);
        b.items.push_back(std::move(item));
    }
    for (const HidFieldCaps& caps : b.valueCaps) {
        const uint32_t last = caps.isRange ? caps.usageMax : caps.usageMin;
        for (uint32_t usage = caps.usageMin; usage <= last; ++usage) {
            HidDataItem item;
            item.usagePage = caps.usagePage;
            item.reportId = caps.reportId;
            item.usage = static_cast<uint16_t>(usage);
            b.items.push_back(std::move(item));
        }
    }
}

const HidCollection* HidTransport::collection() const {
    return collectionIndex_ < 0 ? nullptr : &preparsedData_.collections[collectionIndex_];
}

void HidTransport::close() {
    std::unique_lock<std::mutex> lock(ioMutex_);
    if (handle_) {
        closing_ = true;
        // The backend forgets an abort that arrives before the call starts waiting, so it is
        // repeated until the pending call has left the device.
        while (activeIo_ > 0) {
            handle_->abort();
            ioIdle_.wait_for(lock, std::chrono::milliseconds(2));
        }
        handle_.reset();
        closing_ = false;
    }
    lock.unlock();
    preparsedData_ = {};
    collectionIndex_ = -1;
    caps_ = {};
    attributes_ = {};
    for (HidReportBlock& b : blocks_) {
        b = {};
    }
    devicePath_.clear();
    interfaceNumber_ = 0;
    collectionNumber_ = 0;
}

bool HidTransport::isOpen() const {
    std::lock_guard<std::mutex> lock(ioMutex_);
    return handle_ != nullptr;
}

bool HidTransport::readPending() const {
    std::lock_guard<std::mutex> lock(ioMutex_);
    return readPending_;
}

bool HidTransport::writePending() const {
    std::lock_guard<std::mutex> lock(ioMutex_);
    return writePending_;
}

bool HidTransport::beginIo(IoKind kind, platform::hid::HidDevice*& device) {
    std::lock_guard<std::mutex> lock(ioMutex_);
    if (!handle_) {
        setHidLastError(kErrorInvalidHandle);
        return false;
    }
    if (closing_) {
        setHidLastError(kErrorOperationAborted);
        return false;
    }
    device = handle_.get();
    ++activeIo_;
    (kind == IoKind::Read ? readPending_ : writePending_) = true;
    return true;
}

bool HidTransport::endIo(IoKind kind, HidIoStatus status) {
    {
        std::lock_guard<std::mutex> lock(ioMutex_);
        (kind == IoKind::Read ? readPending_ : writePending_) = false;
        --activeIo_;
    }
    ioIdle_.notify_all();
    switch (status) {
        case HidIoStatus::Ok:
            setHidLastError(kErrorSuccess);
            return true;
        case HidIoStatus::TimedOut:
            setHidLastError(kWaitTimeout);
            return false;
        case HidIoStatus::Aborted:
            setHidLastError(kErrorOperationAborted);
            return false;
        case HidIoStatus::Disconnected:
            setHidLastError(kErrorDeviceNotConnected);
            return false;
        case HidIoStatus::Failed:
            setHidLastError(kErrorGenFailure);
            return false;
    }
    setHidLastError(kErrorBadCommand);
    return false;
}

template <typename Transfer>
bool HidTransport::transfer(IoKind kind, bool bufferMissing, uint32_t byteCount,
                            uint32_t& transferred, Transfer&& move) {
    transferred = 0;
    if (bufferMissing && byteCount != 0) {
        setHidLastError(kErrorInvalidParameter);
        return false;
    }
    platform::hid::HidDevice* device = nullptr;
    if (!beginIo(kind, device)) {
        return false;
    }
    size_t n = 0;
    const HidIoStatus status = move(*device, n);
    transferred = static_cast<uint32_t>(std::min<size_t>(n, byteCount));
    return endIo(kind, status);
}

bool HidTransport::read(uint8_t* buffer, uint32_t byteCount, uint32_t& transferred,
                        uint32_t timeoutMs) {
    return transfer(IoKind::Read, buffer == nullptr, byteCount, transferred,
                    [&](platform::hid::HidDevice& device, size_t& n) {
                        return device.read(buffer, byteCount, n, backendTimeout(timeoutMs));
                    });
}

bool HidTransport::write(const uint8_t* buffer, uint32_t byteCount, uint32_t& transferred,
                         uint32_t timeoutMs) {
    return transfer(IoKind::Write, buffer == nullptr, byteCount, transferred,
                    [&](platform::hid::HidDevice& device, size_t& n) {
                        return device.write(buffer, byteCount, n, backendTimeout(timeoutMs));
                    });
}

bool HidTransport::unpackInputReport(const uint8_t* report, uint32_t reportLength,
                                     HidReportKind kind, HidDataItem* items, uint32_t itemCount) {
    const HidCollection* coll = collection();
    if (coll == nullptr || report == nullptr || reportLength == 0 ||
        (items == nullptr && itemCount != 0)) {
        return false;
    }
    for (uint32_t i = 0; i < itemCount; ++i) {
        HidDataItem& item = items[i];
        if (item.reportId != report[0]) {
            continue;
        }
        if (item.isButton) {
            const uint32_t capacity = std::min<uint32_t>(item.maxUsageListLength,
                                                         static_cast<uint32_t>(item.usages.size()));
            uint32_t count = capacity;
            item.status = platform::hid::getUsages(kind, item.usagePage, 0, item.usages.data(),
                                                   count, *coll, report, reportLength);
            const bool listed = item.status == platform::hid::kHidpStatusSuccess ||
                                item.status == platform::hid::kHidpStatusBufferTooSmall;
            const uint32_t returned = listed ? std::min(count, capacity) : 0;
            uint32_t kept = 0;
            for (uint32_t j = 0; j < returned; ++j) {
                const uint16_t u = item.usages[j];
                if (u >= item.usageMin && u <= item.usageMax) {
                    item.usages[kept++] = u;
                }
            }
            if (kept < capacity) {
                item.usages[kept] = 0;
            }
        } else {
            uint32_t value = 0;
            item.status = platform::hid::getUsageValue(kind, item.usagePage, 0, item.usage, value,
                                                       *coll, report, reportLength);
            if (item.status != platform::hid::kHidpStatusSuccess) {
                return false;
            }
            item.value = value;
            int32_t scaled = 0;
            item.status = platform::hid::getScaledUsageValue(kind, item.usagePage, 0, item.usage,
                                                             scaled, *coll, report, reportLength);
            if (item.status == platform::hid::kHidpStatusSuccess) {
                item.scaledValue = scaled;
            }
        }
        item.isSet = true;
    }
    return true;
}

std::optional<std::string> HidTransport::productString() const {
    if (!handle_) {
        setHidLastError(kErrorInvalidHandle);
        return std::nullopt;
    }
    return handle_->productString();
}

}  // namespace vorn::hid

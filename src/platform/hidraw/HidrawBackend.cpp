#include "platform/hidraw/HidrawBackend.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/debug/DebugSink.h"
#include "platform/hid/HidPath.h"
#include "platform/hid/ReportDescriptor.h"
#include "platform/hidraw/HidrawDevice.h"
#include "platform/hidraw/HidrawIdentity.h"
#include "platform/hidraw/HidrawNode.h"
#include "platform/hidraw/HidrawProbe.h"

namespace vorn::platform::hidraw {

using hid::HidOpenError;

namespace {

// Whether a path still names this node's device (node numbers are reused after a replug).
bool pathMatches(const std::string& path, const HidrawIdentity& id) {
    const int pathInterface = static_cast<int>(hid::hexNumberAfter(path, "&mi_"));
    return (hid::hexNumberAfter(path, "vid_") & 0xFFFF) == id.vendorId &&
           (hid::hexNumberAfter(path, "pid_") & 0xFFFF) == id.productId &&
           pathInterface == (id.composite ? id.interfaceNumber : 0);
}

hid::HidAttributes attributesOf(const HidrawIdentity& id) {
    return {id.vendorId, id.productId, id.version};
}

}  // namespace

HidrawBackend::HidrawBackend(std::shared_ptr<HidrawSystem> system, std::shared_ptr<UdevSource> udev)
    : system_(std::move(system)), udev_(std::move(udev)) {
    int wake[2];
    if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead_ = wake[0];
        wakeWrite_ = wake[1];
    }
}

HidrawBackend::~HidrawBackend() {
    if (wakeRead_ >= 0) {
        ::close(wakeRead_);
        ::close(wakeWrite_);
    }
}

std::vector<std::string> HidrawBackend::enumerate() {
    std::vector<std::string> paths;
    for (HidrawUdevRecord& record : udev_->listHidraw()) {
        const std::optional<HidrawIdentity> id = identityOf(record);
        if (!id) {
            debugPrintf("hidraw: %s: no usable HID_ID (\"%s\")", record.devnode.c_str(),
                        record.hidId.c_str());
            continue;
        }
        // Without a descriptor a node is listed as one path, which cannot be opened when the
        // interface has several collections: the node is asked before giving up.
        completeReportDescriptor(*system_, record);
        size_t collections = 1;
        if (!record.reportDescriptor.empty()) {
            hid::HidReportDescriptor d;
            const hid::HidParseResult r = hid::parseReportDescriptor(
                record.reportDescriptor.data(), record.reportDescriptor.size(), d);
            if (!r.ok()) {
                debugPrintf("hidraw: %s: report descriptor rejected (%s at byte %zu)",
                            record.devnode.c_str(), hid::describeHidParseError(r.error), r.offset);
                continue;
            }
            collections = d.collections.size();
        }
        if (collections == 1) {
            paths.push_back(collectionPath(record.devnode, *id, 0));
            continue;
        }
        for (size_t c = 1; c <= collections; ++c) {
            paths.push_back(collectionPath(record.devnode, *id, static_cast<int>(c)));
        }
    }
    return paths;
}

std::unique_ptr<hid::HidDevice> HidrawBackend::open(const std::string& path, bool wantRead,
                                                    bool wantWrite, HidOpenError& error) {
    error = HidOpenError::NotFound;
    const std::string devnode = devnodeOfPath(path);
    if (devnode.empty()) {
        return nullptr;
    }
    const bool describeOnly = !wantRead && !wantWrite;
    std::optional<HidrawUdevRecord> record = udev_->findHidraw(devnode, true);
    if (!record) {
        return nullptr;
    }
    const std::optional<HidrawIdentity> id = identityOf(*record);
    if (!id || !pathMatches(path, *id)) {
        return nullptr;
    }
    const int number = static_cast<int>(hid::hexNumberAfter(path, "&col") & 0xFFFF);

    // The collection is checked against the descriptor before the node is opened for use,
    // so a path naming no collection reads as absent even where the node may not be opened.
    completeReportDescriptor(*system_, *record);
    const std::vector<uint8_t>& bytes = record->reportDescriptor;
    if (!bytes.empty()) {
        hid::HidReportDescriptor d;
        if (!hid::parseReportDescriptor(bytes.data(), bytes.size(), d).ok()) {
            error = HidOpenError::Failed;
            return nullptr;
        }
        if (d.collection(number) == nullptr) {
            return nullptr;
        }
    }
    if (describeOnly) {
        if (bytes.empty()) {
            error = HidOpenError::Failed;
            return nullptr;
        }
        error = HidOpenError::None;
        return std::make_unique<HidrawDevice>(std::move(record->reportDescriptor), number,
                                              attributesOf(*id), id->product);
    }

    std::shared_ptr<HidrawNode> node;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        node = nodes_[devnode].lock();
        if (!node || node->gone()) {
            node = HidrawNode::open(system_, devnode, std::move(record->reportDescriptor), error);
            if (!node) {
                nodes_.erase(devnode);
                return nullptr;
            }
            nodes_[devnode] = node;
        }
    }
    const hid::HidCollection* coll = node->descriptor().collection(number);
    if (coll == nullptr) {
        error = HidOpenError::NotFound;
        return nullptr;
    }
    const int index = static_cast<int>(coll - node->descriptor().collections.data());
    error = HidOpenError::None;
    return std::make_unique<HidrawDevice>(std::move(node), index, number, wantRead, wantWrite,
                                          attributesOf(*id), id->product);
}

bool HidrawBackend::isPresent(const std::string& path) {
    const std::string devnode = devnodeOfPath(path);
    if (devnode.empty()) {
        return false;
    }
    const std::optional<HidrawUdevRecord> record = udev_->findHidraw(devnode, false);
    if (!record) {
        return false;
    }
    const std::optional<HidrawIdentity> id = identityOf(*record);
    return id && pathMatches(path, *id);
}

std::unique_ptr<hid::HidBackend> createHidrawBackend(std::string& error) {
    std::shared_ptr<UdevSource> udev = createSystemUdevSource();
    if (!udev) {
        error = "udev is not available";
        return nullptr;
    }
    return std::make_unique<HidrawBackend>(linuxHidrawSystem(), std::move(udev));
}

}  // namespace vorn::platform::hidraw

#include "platform/hidraw/HidrawNode.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

#include "platform/debug/DebugSink.h"

namespace vorn::platform::hidraw {

using hid::HidIoStatus;
using hid::HidOpenError;
using hid::HidReportKind;

namespace {

// Reports kept per handle that nobody has read yet; the oldest go first.
constexpr size_t kMaxQueuedReports = 32;
// Largest report the kernel hands out, plus room for the id byte.
constexpr size_t kReadBufferSize = 16384 + 1;

HidOpenError openErrorOf(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return HidOpenError::PermissionDenied;
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return HidOpenError::NotFound;
        default:
            return HidOpenError::Failed;
    }
}

}  // namespace

std::shared_ptr<HidrawNode> HidrawNode::open(std::shared_ptr<HidrawSystem> system,
                                             const std::string& devnode,
                                             std::vector<uint8_t> descriptor, HidOpenError& error) {
    const int fd = system->open(devnode, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = openErrorOf(-fd);
        return nullptr;
    }
    if (descriptor.empty() && system->reportDescriptor(fd, descriptor) < 0) {
        system->close(fd);
        error = HidOpenError::Failed;
        return nullptr;
    }
    hid::HidReportDescriptor parsed;
    const hid::HidParseResult r =
        hid::parseReportDescriptor(descriptor.data(), descriptor.size(), parsed);
    if (!r.ok()) {
        debugPrintf("hidraw: %s: report descriptor rejected (%s at byte %zu)", devnode.c_str(),
                    hid::describeHidParseError(r.error), r.offset);
        system->close(fd);
        error = HidOpenError::Failed;
        return nullptr;
    }
    int wake[2];
    if (system->makePipe(wake) < 0) {
        system->close(fd);
        error = HidOpenError::Failed;
        return nullptr;
    }
    std::shared_ptr<HidrawNode> node(new HidrawNode(std::move(system), fd, wake[0], wake[1]));
    node->descriptorBytes_ = std::move(descriptor);
    node->descriptor_ = std::move(parsed);
    node->reader_ = std::thread([raw = node.get()] { raw->readerLoop(); });
    error = HidOpenError::None;
    return node;
}

HidrawNode::HidrawNode(std::shared_ptr<HidrawSystem> system, int fd, int wakeRead, int wakeWrite)
    : system_(std::move(system)),
      file_(std::make_shared<HidrawFile>(system_, fd)),
      wakeRead_(wakeRead),
      wakeWrite_(wakeWrite),
      writer_(system_, file_, lock_) {}

HidrawNode::~HidrawNode() {
    const uint8_t stop = 1;
    system_->write(wakeWrite_, &stop, 1);
    if (reader_.joinable()) {
        reader_.join();
    }
    system_->close(wakeRead_);
    system_->close(wakeWrite_);
}

void HidrawNode::readerLoop() {
    std::vector<uint8_t> buffer(kReadBufferSize);
    for (;;) {
        struct pollfd fds[2] = {{file_->fd(), POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int ready = system_->poll(fds, 2, -1);
        if (ready == -EINTR) {
            continue;
        }
        if (ready < 0 || fds[1].revents != 0) {
            if (ready < 0) {
                markGone();
            }
            return;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            const ssize_t n = system_->read(file_->fd(), buffer.data(), buffer.size());
            if (n > 0) {
                route(buffer.data(), static_cast<size_t>(n));
                continue;
            }
            if (n == 0 || n == -EAGAIN || n == -EINTR) {
                continue;
            }
            // After an unplug the kernel hands out what it had queued, then EIO.
            markGone();
            return;
        }
        if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            markGone();
            return;
        }
    }
}

void HidrawNode::route(const uint8_t* data, size_t size) {
    const bool numbered = descriptor_.usesReportIds;
    const uint8_t id = numbered ? data[0] : 0;
    const int owner = descriptor_.ownerOf(HidReportKind::Input, id);
    if (owner < 0) {
        return;  // no collection declares this report
    }
    std::vector<uint8_t> report(descriptor_.collections[owner].byteLength(HidReportKind::Input), 0);
    if (report.empty()) {
        return;
    }
    if (numbered) {
        std::memcpy(report.data(), data, std::min(size, report.size()));
    } else {
        std::memcpy(report.data() + 1, data, std::min(size, report.size() - 1));
    }
    std::lock_guard<std::mutex> lock(lock_->mutex);
    for (HidrawInbox* inbox : inboxes_) {
        if (inbox->collectionIndex != owner || !inbox->wantRead) {
            continue;
        }
        if (inbox->reports.size() >= kMaxQueuedReports) {
            inbox->reports.pop_front();
        }
        inbox->reports.push_back(report);
    }
    lock_->changed.notify_all();
}

void HidrawNode::markGone() {
    std::lock_guard<std::mutex> lock(lock_->mutex);
    gone_ = true;
    lock_->changed.notify_all();
}

bool HidrawNode::gone() const {
    std::lock_guard<std::mutex> lock(lock_->mutex);
    return gone_;
}

void HidrawNode::attach(HidrawInbox* inbox) {
    std::lock_guard<std::mutex> lock(lock_->mutex);
    inboxes_.push_back(inbox);
}

void HidrawNode::detach(HidrawInbox* inbox) {
    std::lock_guard<std::mutex> lock(lock_->mutex);
    inboxes_.erase(std::remove(inboxes_.begin(), inboxes_.end(), inbox), inboxes_.end());
}

template <typename Ready>
HidIoStatus HidrawNode::waitFor(std::unique_lock<std::mutex>& lock, HidrawInbox& inbox,
                                int timeoutMs, Ready ready) {
    const unsigned aborts = inbox.aborts;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    ++inbox.waiting;
    HidIoStatus status = HidIoStatus::TimedOut;
    for (bool expired = false;;) {
        if (ready()) {
            status = HidIoStatus::Ok;
            break;
        }
        if (gone_) {
            status = HidIoStatus::Disconnected;
            break;
        }
        if (inbox.aborts != aborts) {
            status = HidIoStatus::Aborted;
            break;
        }
        if (expired) {
            break;
        }
        if (timeoutMs < 0) {
            lock_->changed.wait(lock);
        } else {
            expired = lock_->changed.wait_until(lock, deadline) == std::cv_status::timeout;
        }
    }
    --inbox.waiting;
    return status;
}

HidIoStatus HidrawNode::receive(HidrawInbox& inbox, uint8_t* buffer, size_t size,
                                size_t& transferred, int timeoutMs) {
    transferred = 0;
    std::unique_lock<std::mutex> lock(lock_->mutex);
    if (!inbox.wantRead) {
        return HidIoStatus::Failed;
    }
    const HidIoStatus status =
        waitFor(lock, inbox, timeoutMs, [&] { return !inbox.reports.empty(); });
    if (status == HidIoStatus::Ok) {
        // As the kernel does, a buffer too short for the report takes its first bytes and
        // the rest of the report is dropped.
        const std::vector<uint8_t>& r = inbox.reports.front();
        transferred = std::min(size, r.size());
        std::memcpy(buffer, r.data(), transferred);
        inbox.reports.pop_front();
    }
    return status;
}

void HidrawNode::abort(HidrawInbox& inbox) {
    std::lock_guard<std::mutex> lock(lock_->mutex);
    if (inbox.waiting > 0) {
        ++inbox.aborts;
        lock_->changed.notify_all();
    }
}

void HidrawNode::flush(HidrawInbox& inbox) {
    std::lock_guard<std::mutex> lock(lock_->mutex);
    inbox.reports.clear();
}

HidIoStatus HidrawNode::write(HidrawInbox& inbox, const uint8_t* buffer, size_t size,
                              size_t& transferred, int timeoutMs) {
    transferred = 0;
    std::unique_lock<std::mutex> lock(lock_->mutex);
    if (gone_) {
        return HidIoStatus::Disconnected;
    }
    const std::shared_ptr<HidrawWrite> w = writer_.submit(buffer, size);
    const HidIoStatus status = waitFor(lock, inbox, timeoutMs, [&] { return w->done; });
    if (status != HidIoStatus::Ok) {
        writer_.withdraw(w);  // nothing stays queued; a write in the kernel cannot be called back
        return status;
    }
    lock.unlock();
    return writeOutcome(w->result, size, transferred);
}

HidIoStatus HidrawNode::writeOutcome(ssize_t n, size_t size, size_t& transferred) {
    if (n == static_cast<ssize_t>(size)) {
        transferred = size;
        return HidIoStatus::Ok;
    }
    if (n == -ENODEV) {
        markGone();
        return HidIoStatus::Disconnected;
    }
    return HidIoStatus::Failed;
}

bool HidrawNode::sendOutputReport(const uint8_t* buffer, size_t size) {
    if (gone()) {
        return false;
    }
    int n = system_->sendOutputReport(file_->fd(), buffer, size);
    if (n == -ENOTTY || n == -EINVAL) {
        // Older kernels: a plain write, made here as the call promises no time-out.
        size_t transferred = 0;
        return writeOutcome(system_->write(file_->fd(), buffer, size), size, transferred) ==
               HidIoStatus::Ok;
    }
    if (n == -ENODEV) {
        markGone();
    }
    return n >= 0;
}

}  // namespace vorn::platform::hidraw

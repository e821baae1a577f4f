#include "hid/FakeHidraw.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace vorn::test {

void FakeHidrawSystem::addNode(const std::string& devnode, std::vector<uint8_t> descriptor) {
    std::lock_guard<std::mutex> lock(mutex_);
    nodes_[devnode].descriptor = std::move(descriptor);
}

void FakeHidrawSystem::push(const std::string& devnode, std::vector<uint8_t> report) {
    std::lock_guard<std::mutex> lock(mutex_);
    nodes_.at(devnode).input.push_back(std::move(report));
    changed_.notify_all();
}

void FakeHidrawSystem::unplug(const std::string& devnode) {
    std::lock_guard<std::mutex> lock(mutex_);
    nodes_.at(devnode).unplugged = true;
    changed_.notify_all();
}

void FakeHidrawSystem::hangUp(const std::string& devnode) {
    std::lock_guard<std::mutex> lock(mutex_);
    nodes_.at(devnode).hangUpOnly = true;
    changed_.notify_all();
}

void FakeHidrawSystem::stallWrites(const std::string& devnode, int ms) {
    std::lock_guard<std::mutex> lock(mutex_);
    nodes_.at(devnode).writeStallMs = ms;
    changed_.notify_all();
}

bool FakeHidrawSystem::waitWriteHeld(const std::string& devnode, int ms) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms),
                             [&] { return nodes_.at(devnode).heldWrites > 0; });
}

int FakeHidrawSystem::openDescriptors() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(fds_.size());
}

bool FakeHidrawSystem::waitOpenDescriptors(int count, int ms) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(ms),
                             [&] { return static_cast<int>(fds_.size()) <= count; });
}

void FakeHidrawSystem::waitDrained(const std::string& devnode) {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [&] { return nodes_.at(devnode).input.empty(); });
}

int FakeHidrawSystem::open(const std::string& path, int flags) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = nodes_.find(path);
    if (it == nodes_.end()) {
        return -ENOENT;
    }
    Node& n = it->second;
    n.openFlags.push_back(flags);
    const int access = flags & O_ACCMODE;
    if (n.openError != 0) {
        return -n.openError;
    }
    if (n.readOnly && access != O_RDONLY) {
        return -EACCES;
    }
    n.opens++;
    const int fd = nextFd_++;
    fds_[fd] = Descriptor{path, access};
    return fd;
}

int FakeHidrawSystem::close(int fd) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (fds_.erase(fd) == 0) {
        return -EBADF;
    }
    changed_.notify_all();
    return 0;
}

ssize_t FakeHidrawSystem::read(int fd, void* buffer, size_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto d = fds_.find(fd);
    if (d == fds_.end()) {
        return -EBADF;
    }
    if (d->second.pipe >= 0) {
        size_t& bytes = pipeBytes_[d->second.pipe];
        if (bytes == 0) {
            return -EAGAIN;
        }
        --bytes;
        return 1;
    }
    if (d->second.access == O_WRONLY) {
        return -EBADF;
    }
    Node& n = nodes_.at(d->second.devnode);
    if (!n.input.empty()) {
        const std::vector<uint8_t> r = n.input.front();
        n.input.pop_front();
        changed_.notify_all();
        const size_t len = std::min(size, r.size());
        std::memcpy(buffer, r.data(), len);
        return static_cast<ssize_t>(len);
    }
    return n.unplugged ? -EIO : -EAGAIN;
}

ssize_t FakeHidrawSystem::write(int fd, const void* buffer, size_t size) {
    std::unique_lock<std::mutex> lock(mutex_);
    auto d = fds_.find(fd);
    if (d == fds_.end()) {
        return -EBADF;
    }
    if (d->second.pipe >= 0) {
        pipeBytes_[d->second.pipe] += size;
        changed_.notify_all();
        return static_cast<ssize_t>(size);
    }
    if (d->second.access == O_RDONLY) {
        return -EBADF;
    }
    Node& n = nodes_.at(d->second.devnode);
    if (n.writeStallMs > 0 && !n.unplugged) {
        ++n.heldWrites;
        changed_.notify_all();
        const bool released = changed_.wait_for(lock, std::chrono::milliseconds(n.writeStallMs),
                                                [&] { return n.writeStallMs == 0 || n.unplugged; });
        --n.heldWrites;
        if (!released) {
            return -ETIMEDOUT;
        }
    }
    if (n.unplugged) {
        return -ENODEV;
    }
    if (n.writeError != 0) {
        return -n.writeError;
    }
    const uint8_t* p = static_cast<const uint8_t*>(buffer);
    n.written.emplace_back(p, p + size);
    return static_cast<ssize_t>(size);
}

short FakeHidrawSystem::eventsOf(const Descriptor& d) const {
    if (d.pipe >= 0) {
        auto it = pipeBytes_.find(d.pipe);
        return d.pipeReadEnd && it != pipeBytes_.end() && it->second > 0 ? POLLIN : 0;
    }
    const Node& n = nodes_.at(d.devnode);
    short events = n.input.empty() ? 0 : POLLIN;
    if (n.unplugged || n.hangUpOnly) {
        events |= POLLERR | POLLHUP;
    }
    return events;
}

int FakeHidrawSystem::poll(struct pollfd* fds, size_t count, int timeoutMs) {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        int ready = 0;
        for (size_t i = 0; i < count; ++i) {
            auto d = fds_.find(fds[i].fd);
            fds[i].revents = d == fds_.end() ? POLLNVAL : eventsOf(d->second);
            if (fds[i].revents != 0) {
                ++ready;
            }
        }
        if (ready > 0) {
            return ready;
        }
        if (timeoutMs < 0) {
            changed_.wait(lock);
        } else if (changed_.wait_until(lock, deadline) == std::cv_status::timeout) {
            return 0;
        }
    }
}

int FakeHidrawSystem::reportDescriptor(int fd, std::vector<uint8_t>& out) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto d = fds_.find(fd);
    if (d == fds_.end()) {
        return -EBADF;
    }
    const Node& n = nodes_.at(d->second.devnode);
    if (n.unplugged) {
        return -ENODEV;
    }
    out = n.descriptor;
    return 0;
}

int FakeHidrawSystem::sendOutputReport(int fd, const uint8_t* data, size_t size) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto d = fds_.find(fd);
    if (d == fds_.end()) {
        return -EBADF;
    }
    Node& n = nodes_.at(d->second.devnode);
    if (n.unplugged) {
        return -ENODEV;
    }
    if (n.outputReportError != 0) {
        return -n.outputReportError;
    }
    n.outputReports.emplace_back(data, data + size);
    return static_cast<int>(size);
}

int FakeHidrawSystem::makePipe(int fds[2]) {
    std::lock_guard<std::mutex> lock(mutex_);
    const int pipe = nextPipe_++;
    fds[0] = nextFd_++;
    fds[1] = nextFd_++;
    fds_[fds[0]] = Descriptor{"", O_RDONLY, pipe, true};
    fds_[fds[1]] = Descriptor{"", O_WRONLY, pipe, false};
    return 0;
}

std::optional<platform::hidraw::HidrawUdevRecord> FakeUdev::findHidraw(const std::string& devnode,
                                                                       bool withDescriptor) {
    for (const platform::hidraw::HidrawUdevRecord& r : records) {
        if (r.devnode == devnode) {
            platform::hidraw::HidrawUdevRecord copy = r;
            if (!withDescriptor) {
                copy.reportDescriptor.clear();
            }
            return copy;
        }
    }
    return std::nullopt;
}

FakeUdevMonitor::FakeUdevMonitor() {
    if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
        pipe_[0] = pipe_[1] = -1;
    }
}

FakeUdevMonitor::~FakeUdevMonitor() {
    ::close(pipe_[0]);
    ::close(pipe_[1]);
}

void FakeUdevMonitor::announce(const std::string& action) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        actions_.push_back(action);
    }
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(pipe_[1], &byte, 1);
}

bool FakeUdevMonitor::takeEvents() {
    char drained[16];
    while (::read(pipe_[0], drained, sizeof drained) > 0) {
    }
    std::lock_guard<std::mutex> lock(mutex_);
    bool changed = false;
    for (const std::string& action : actions_) {
        changed = changed || action == "add" || action == "remove";
    }
    actions_.clear();
    return changed;
}

}  // namespace vorn::test

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

#include "platform/hidraw/HidrawSystem.h"

namespace vorn::platform::hidraw {
namespace {

int orErrno(int result) {
    return result < 0 ? -errno : result;
}

class LinuxHidrawSystem final : public HidrawSystem {
  public:
    int open(const std::string& path, int flags) override {
        return orErrno(::open(path.c_str(), flags));
    }
    int close(int fd) override { return orErrno(::close(fd)); }
    ssize_t read(int fd, void* buffer, size_t size) override {
        const ssize_t n = ::read(fd, buffer, size);
        return n < 0 ? -errno : n;
    }
    ssize_t write(int fd, const void* buffer, size_t size) override {
        const ssize_t n = ::write(fd, buffer, size);
        return n < 0 ? -errno : n;
    }
    int poll(struct pollfd* fds, size_t count, int timeoutMs) override {
        return orErrno(::poll(fds, count, timeoutMs));
    }
    int reportDescriptor(int fd, std::vector<uint8_t>& out) override {
        int size = 0;
        if (::ioctl(fd, HIDIOCGRDESCSIZE, &size) < 0) {
            return -errno;
        }
        struct hidraw_report_descriptor rd {};
        rd.size = static_cast<__u32>(size < 0                         ? 0
                                     : size > HID_MAX_DESCRIPTOR_SIZE ? HID_MAX_DESCRIPTOR_SIZE
                                                                      : size);
        if (::ioctl(fd, HIDIOCGRDESC, &rd) < 0) {
            return -errno;
        }
        out.assign(rd.value, rd.value + rd.size);
        return 0;
    }
    int sendOutputReport(int fd, const uint8_t* data, size_t size) override {
#ifdef HIDIOCSOUTPUT
        std::vector<uint8_t> copy(data, data + size);
        return orErrno(::ioctl(fd, HIDIOCSOUTPUT(copy.size()), copy.data()));
#else
        (void)fd;
        (void)data;
        (void)size;
        return -ENOTTY;
#endif
    }
    int makePipe(int fds[2]) override {
        return orErrno(::pipe2(fds, O_CLOEXEC | O_NONBLOCK));
    }
};

}  // namespace

std::shared_ptr<HidrawSystem> linuxHidrawSystem() {
    static const std::shared_ptr<HidrawSystem> system = std::make_shared<LinuxHidrawSystem>();
    return system;
}

}  // namespace vorn::platform::hidraw

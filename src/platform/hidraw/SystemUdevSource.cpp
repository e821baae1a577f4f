#include <fcntl.h>
#include <libudev.h>

#include <iterator>
#include <mutex>

#include "platform/files/WholeFile.h"
#include "platform/hidraw/UdevSource.h"

namespace vorn::platform::hidraw {
namespace {

std::string text(const char* s) {
    return s != nullptr ? std::string(s) : std::string();
}

// A sysfs attribute whole; empty when it cannot be read.
std::vector<uint8_t> readFile(const std::string& path) {
    std::string bytes;
    if (!platform::readWholeFile(path, bytes)) {
        return {};
    }
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

class SystemUdevMonitor final : public UdevMonitor {
  public:
    explicit SystemUdevMonitor(struct udev_monitor* monitor) : monitor_(monitor) {}
    ~SystemUdevMonitor() override { udev_monitor_unref(monitor_); }
    int descriptor() const override { return udev_monitor_get_fd(monitor_); }
    bool takeEvents() override {
        bool changed = false;
        while (struct udev_device* dev = udev_monitor_receive_device(monitor_)) {
            const std::string action = text(udev_device_get_action(dev));
            changed = changed || action == "add" || action == "remove";
            udev_device_unref(dev);
        }
        return changed;
    }

  private:
    struct udev_monitor* monitor_;
};

// libudev contexts are not thread-safe; one lock serialises every query.
class SystemUdevSource final : public UdevSource {
  public:
    explicit SystemUdevSource(struct udev* u) : udev_(u) {}
    ~SystemUdevSource() override { udev_unref(udev_); }

    std::vector<HidrawUdevRecord> listHidraw() override {
        std::lock_guard<std::mutex> lock(mutex_);
        std::vector<HidrawUdevRecord> out;
        struct udev_enumerate* e = udev_enumerate_new(udev_);
        if (e == nullptr) {
            return out;
        }
        udev_enumerate_add_match_subsystem(e, "hidraw");
        udev_enumerate_scan_devices(e);
        struct udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(e)) {
            struct udev_device* dev =
                udev_device_new_from_syspath(udev_, udev_list_entry_get_name(entry));
            if (dev != nullptr) {
                HidrawUdevRecord r = record(dev, true);
                if (!r.devnode.empty()) {
                    out.push_back(std::move(r));
                }
                udev_device_unref(dev);
            }
        }
        udev_enumerate_unref(e);
        return out;
    }

    std::optional<HidrawUdevRecord> findHidraw(const std::string& devnode,
                                               bool withDescriptor) override {
        const size_t slash = devnode.rfind('/');
        const std::string sysname =
            slash == std::string::npos ? devnode : devnode.substr(slash + 1);
        std::lock_guard<std::mutex> lock(mutex_);
        struct udev_device* dev =
            udev_device_new_from_subsystem_sysname(udev_, "hidraw", sysname.c_str());
        if (dev == nullptr) {
            return std::nullopt;
        }
        HidrawUdevRecord r = record(dev, withDescriptor);
        udev_device_unref(dev);
        if (r.devnode != devnode) {
            return std::nullopt;
        }
        return r;
    }

    std::unique_ptr<UdevMonitor> monitorHidraw() override {
        std::lock_guard<std::mutex> lock(mutex_);
        struct udev_monitor* monitor = udev_monitor_new_from_netlink(udev_, "udev");
        if (monitor == nullptr) {
            return nullptr;
        }
        if (udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
            udev_monitor_enable_receiving(monitor) < 0) {
            udev_monitor_unref(monitor);
            return nullptr;
        }
        // Receiving must never block the waiting thread.
        const int fd = udev_monitor_get_fd(monitor);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        return std::make_unique<SystemUdevMonitor>(monitor);
    }

  private:
    static HidrawUdevRecord record(struct udev_device* dev, bool withDescriptor) {
        HidrawUdevRecord r;
        r.devnode = text(udev_device_get_devnode(dev));
        // Parents belong to the child device and are not released here.
        if (struct udev_device* hid =
                udev_device_get_parent_with_subsystem_devtype(dev, "hid", nullptr)) {
            r.hidId = text(udev_device_get_property_value(hid, "HID_ID"));
            r.hidName = text(udev_device_get_property_value(hid, "HID_NAME"));
        }
        if (struct udev_device* intf =
                udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_interface")) {
            r.usbInterfaceNumber = text(udev_device_get_sysattr_value(intf, "bInterfaceNumber"));
        }
        if (struct udev_device* usb =
                udev_device_get_parent_with_subsystem_devtype(dev, "usb", "usb_device")) {
            r.usbProduct = text(udev_device_get_sysattr_value(usb, "product"));
            r.usbInterfaceCount = text(udev_device_get_sysattr_value(usb, "bNumInterfaces"));
            r.usbVersion = text(udev_device_get_sysattr_value(usb, "bcdDevice"));
        }
        if (withDescriptor) {
            r.reportDescriptor =
                readFile(text(udev_device_get_syspath(dev)) + "/device/report_descriptor");
        }
        return r;
    }

    std::mutex mutex_;
    struct udev* udev_;
};

}  // namespace

std::shared_ptr<UdevSource> createSystemUdevSource() {
    struct udev* u = udev_new();
    if (u == nullptr) {
        return nullptr;
    }
    return std::make_shared<SystemUdevSource>(u);
}

}  // namespace vorn::platform::hidraw

#include "platform/hidraw/HidrawProbe.h"

#include <fcntl.h>

#include "platform/debug/DebugSink.h"

namespace vorn::platform::hidraw {

void completeReportDescriptor(HidrawSystem& system, HidrawUdevRecord& record) {
    if (!record.reportDescriptor.empty()) {
        return;
    }
    const int fd = system.open(record.devnode, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        debugPrintf("hidraw: %s: no descriptor in sysfs and the node cannot be opened (%d)",
                    record.devnode.c_str(), -fd);
        return;
    }
    std::vector<uint8_t> descriptor;
    const int r = system.reportDescriptor(fd, descriptor);
    system.close(fd);
    if (r < 0) {
        debugPrintf("hidraw: %s: the node does not give its report descriptor (%d)",
                    record.devnode.c_str(), -r);
        return;
    }
    record.reportDescriptor = std::move(descriptor);
}

}  // namespace vorn::platform::hidraw

#include "platform/ipc/BusDispatch.h"

#include <cerrno>

namespace vorn::platform::ipc {

int dispatchAll(sd_bus* bus) {
    int handled = 0;
    for (;;) {
        const int r = sd_bus_process(bus, nullptr);
        if (r < 0) {
            return r;
        }
        if (r == 0) {
            return handled;
        }
        ++handled;
    }
}

int waitAndDispatchAll(sd_bus* bus, std::uint32_t timeoutMs) {
    const int r = sd_bus_wait(bus, std::uint64_t{timeoutMs} * 1000);
    if (r < 0 && r != -EINTR) {
        return r;
    }
    return dispatchAll(bus);
}

}  // namespace vorn::platform::ipc

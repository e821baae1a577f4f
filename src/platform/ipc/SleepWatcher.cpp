#include "platform/ipc/SleepWatcher.h"

#include <systemd/sd-bus.h>

#include "platform/ipc/BusDispatch.h"

namespace vorn::platform::ipc {

struct SleepWatcher::Connection {
    sd_bus* bus = nullptr;
    sd_bus_slot* match = nullptr;
    Handler handler;
    ~Connection() {
        sd_bus_slot_unref(match);
        sd_bus_flush_close_unref(bus);
    }
};

namespace {

constexpr char kRule[] =
    "type='signal',interface='org.freedesktop.login1.Manager',member='PrepareForSleep',"
    "path='/org/freedesktop/login1'";

int onPrepareForSleep(sd_bus_message* message, void* userdata, sd_bus_error*) {
    auto* connection = static_cast<SleepWatcher::Connection*>(userdata);
    int suspending = 0;
    if (sd_bus_message_read(message, "b", &suspending) >= 0 && connection->handler) {
        connection->handler(suspending != 0);
    }
    return 0;
}

}  // namespace

std::unique_ptr<SleepWatcher> SleepWatcher::watch(Handler handler, Bus bus, int* error) {
    auto connection = std::make_unique<Connection>();
    connection->handler = std::move(handler);
    int r = bus == Bus::System ? sd_bus_open_system(&connection->bus)
                               : sd_bus_open_user(&connection->bus);
    if (r >= 0) {
        r = sd_bus_add_match(connection->bus, &connection->match, kRule, onPrepareForSleep,
                             connection.get());
    }
    if (r < 0) {
        if (error != nullptr) {
            *error = r;
        }
        return nullptr;
    }
    return std::unique_ptr<SleepWatcher>(new SleepWatcher(std::move(connection)));
}

SleepWatcher::SleepWatcher(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

SleepWatcher::~SleepWatcher() = default;

int SleepWatcher::descriptor() const {
    return sd_bus_get_fd(connection_->bus);
}

int SleepWatcher::dispatch() {
    return dispatchAll(connection_->bus);
}

int SleepWatcher::waitAndDispatch(std::uint32_t timeoutMs) {
    return waitAndDispatchAll(connection_->bus, timeoutMs);
}

}  // namespace vorn::platform::ipc

#include "platform/ipc/SessionBus.h"

#include <systemd/sd-bus.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/debug/DebugSink.h"
#include "platform/ipc/BusDispatch.h"
#include "platform/ipc/BusNames.h"

namespace vorn::platform::ipc {

struct SessionBus::Connection {
    sd_bus* bus = nullptr;
    sd_bus_slot* match = nullptr;
    std::vector<sd_bus_slot*> objects;
    RegisteredHandler onRegistered;
    CopyDataHandler onCopyData;
    ControlHandler onControl;
    // A vtable keeps pointers to its handler; the table itself lives as long as the slot.
    ~Connection() {
        for (sd_bus_slot* slot : objects) {
            sd_bus_slot_unref(slot);
        }
        sd_bus_slot_unref(match);
        sd_bus_flush_close_unref(bus);
    }
};

namespace {

int onRegisteredSignal(sd_bus_message* message, void* userdata, sd_bus_error*) {
    auto* connection = static_cast<SessionBus::Connection*>(userdata);
    const char* name = nullptr;
    std::uint32_t wParam = 0;
    std::int64_t lParam = 0;
    if (sd_bus_message_read(message, "sux", &name, &wParam, &lParam) < 0) {
        return 0;  // a signal of another shape under our name: not ours to act on
    }
    const char* sender = sd_bus_message_get_sender(message);
    if (connection->onRegistered) {
        connection->onRegistered({name, wParam, lParam, sender != nullptr ? sender : ""});
    }
    return 0;
}

int onCopyDataCall(sd_bus_message* message, void* userdata, sd_bus_error* error) {
    auto* connection = static_cast<SessionBus::Connection*>(userdata);
    CopyDataCall call;
    const void* bytes = nullptr;
    std::size_t size = 0;
    int r = sd_bus_message_read(message, "t", &call.dwData);
    if (r >= 0) {
        r = sd_bus_message_read_array(message, 'y', &bytes, &size);
    }
    if (r < 0) {
        return sd_bus_error_set_errno(error, r);
    }
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    call.data.assign(first, first + size);
    const char* sender = sd_bus_message_get_sender(message);
    call.sender = sender != nullptr ? sender : "";
    if (connection->onCopyData) {
        connection->onCopyData(call);
    }
    return sd_bus_reply_method_return(message, "");
}

int onControlCall(sd_bus_message* message, void* userdata, sd_bus_error* error) {
    auto* connection = static_cast<SessionBus::Connection*>(userdata);
    char** words = nullptr;
    const int r = sd_bus_message_read_strv(message, &words);
    if (r < 0) {
        return sd_bus_error_set_errno(error, r);
    }
    std::vector<std::string> list;
    for (char** w = words; w != nullptr && *w != nullptr; ++w) {
        list.emplace_back(*w);
        free(*w);
    }
    free(words);
    SessionBus::ControlAnswer answer{false, "nothing answers here"};
    const char* method = sd_bus_message_get_member(message);
    if (connection->onControl) {
        answer = connection->onControl(method != nullptr ? method : "", list);
    }
    return sd_bus_reply_method_return(message, "bs", answer.ok ? 1 : 0, answer.text.c_str());
}

const sd_bus_vtable kControlTable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Sim", "as", "bs", onControlCall, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Command", "as", "bs", onControlCall, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

const sd_bus_vtable kCopyDataTable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("CopyData", "tay", "", onCopyDataCall, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_VTABLE_END,
};

}  // namespace

std::unique_ptr<SessionBus> SessionBus::connect(int* error) {
    auto connection = std::make_unique<Connection>();
    const int r = sd_bus_open_user(&connection->bus);
    if (r < 0) {
        if (error != nullptr) {
            *error = r;
        }
        return nullptr;
    }
    // The bus answers Hello before the unique name is known.
    const char* unique = nullptr;
    const int named = sd_bus_get_unique_name(connection->bus, &unique);
    if (named < 0) {
        if (error != nullptr) {
            *error = named;
        }
        return nullptr;
    }
    std::unique_ptr<SessionBus> bus(new SessionBus(std::move(connection)));
    bus->uniqueName_ = unique;
    return bus;
}

SessionBus::SessionBus(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

SessionBus::~SessionBus() = default;

NameClaim SessionBus::claimName(const std::string& name) {
    const int r = sd_bus_request_name(connection_->bus, name.c_str(), 0);
    if (r >= 0) {
        return NameClaim::Owned;
    }
    if (r == -EEXIST) {
        return NameClaim::HeldByAnother;
    }
    debugPrintf("session bus: name %s not claimed: %s", name.c_str(), std::strerror(-r));
    return NameClaim::Failed;
}

int SessionBus::broadcast(std::string_view name, std::uint32_t wParam, std::int64_t lParam) {
    const std::string text(name);
    int r = sd_bus_emit_signal(connection_->bus, kApplicationPath, kMessagesInterface,
                               kRegisteredSignal, "sux", text.c_str(), wParam, lParam);
    if (r >= 0) {
        r = sd_bus_flush(connection_->bus);
    }
    return r < 0 ? r : 0;
}

int SessionBus::signalTo(const std::string& destination, std::string_view name,
                         std::uint32_t wParam, std::int64_t lParam) {
    if (!hasOwner(destination)) {
        return -ENOENT;
    }
    const std::string text(name);
    sd_bus_message* signal = nullptr;
    int r = sd_bus_message_new_signal(connection_->bus, &signal, kApplicationPath,
                                      kMessagesInterface, kRegisteredSignal);
    if (r >= 0) {
        r = sd_bus_message_set_destination(signal, destination.c_str());
    }
    if (r >= 0) {
        r = sd_bus_message_append(signal, "sux", text.c_str(), wParam, lParam);
    }
    if (r >= 0) {
        r = sd_bus_send(connection_->bus, signal, nullptr);
    }
    if (r >= 0) {
        r = sd_bus_flush(connection_->bus);
    }
    sd_bus_message_unref(signal);
    return r < 0 ? r : 0;
}

bool SessionBus::hasOwner(const std::string& name) {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* reply = nullptr;
    int owned = 0;
    const int r = sd_bus_call_method(connection_->bus, "org.freedesktop.DBus",
                                     "/org/freedesktop/DBus", "org.freedesktop.DBus",
                                     "NameHasOwner", &error, &reply, "s", name.c_str());
    if (r >= 0 && sd_bus_message_read(reply, "b", &owned) < 0) {
        owned = 0;
    }
    sd_bus_error_free(&error);
    sd_bus_message_unref(reply);
    return owned != 0;
}

int SessionBus::listen(RegisteredHandler handler) {
    connection_->onRegistered = std::move(handler);
    if (connection_->match != nullptr) {
        return 0;
    }
    const std::string rule = std::string("type='signal',interface='") + kMessagesInterface +
                             "',member='" + kRegisteredSignal + "'";
    const int r = sd_bus_add_match(connection_->bus, &connection_->match, rule.c_str(),
                                   onRegisteredSignal, connection_.get());
    return r < 0 ? r : 0;
}

namespace {

// Offers a table of methods at objectPath; the slot lives as long as the connection.
int addObject(SessionBus::Connection& connection, const std::string& objectPath,
              const char* interface, const sd_bus_vtable* table) {
    sd_bus_slot* slot = nullptr;
    const int r = sd_bus_add_object_vtable(connection.bus, &slot, objectPath.c_str(), interface,
                                           table, &connection);
    if (r < 0) {
        return r;
    }
    connection.objects.push_back(slot);
    return 0;
}

// One method call that waits at most timeoutMs: append fills the call's arguments, read
// takes the reply's. -ENOENT when no program owns destination.
template <class Append, class Read>
int callMethod(sd_bus* bus, const std::string& destination, const std::string& objectPath,
               const char* interface, const char* member, std::uint32_t timeoutMs, Append append,
               Read read) {
    sd_bus_message* call = nullptr;
    int r = sd_bus_message_new_method_call(bus, &call, destination.c_str(), objectPath.c_str(),
                                           interface, member);
    if (r >= 0) {
        r = append(call);
    }
    sd_bus_error error = SD_BUS_ERROR_NULL;
    sd_bus_message* reply = nullptr;
    if (r >= 0) {
        r = sd_bus_call(bus, call, std::uint64_t{timeoutMs} * 1000, &error, &reply);
    }
    if (r < 0 && sd_bus_error_has_name(&error, SD_BUS_ERROR_SERVICE_UNKNOWN)) {
        r = -ENOENT;
    }
    if (r >= 0) {
        r = read(reply);
    }
    sd_bus_error_free(&error);
    sd_bus_message_unref(reply);
    sd_bus_message_unref(call);
    return r < 0 ? r : 0;
}

}  // namespace

int SessionBus::offerCopyData(const std::string& objectPath, CopyDataHandler handler) {
    connection_->onCopyData = std::move(handler);
    return addObject(*connection_, objectPath, kCopyDataInterface, kCopyDataTable);
}

int SessionBus::copyData(const std::string& destination, const std::string& objectPath,
                         std::uint64_t dwData, std::span<const std::uint8_t> data,
                         std::uint32_t timeoutMs) {
    return callMethod(
        connection_->bus, destination, objectPath, kCopyDataInterface, kCopyDataMethod, timeoutMs,
        [&](sd_bus_message* call) {
            const int r = sd_bus_message_append(call, "t", dwData);
            return r < 0 ? r : sd_bus_message_append_array(call, 'y', data.data(), data.size());
        },
        [](sd_bus_message*) { return 0; });
}

int SessionBus::offerControl(const std::string& objectPath, ControlHandler handler) {
    connection_->onControl = std::move(handler);
    return addObject(*connection_, objectPath, kControlInterface, kControlTable);
}

int SessionBus::callControl(const std::string& destination, const std::string& objectPath,
                            const std::string& method, const std::vector<std::string>& words,
                            std::uint32_t timeoutMs, ControlAnswer& answer) {
    std::vector<const char*> list;
    for (const std::string& w : words) {
        list.push_back(w.c_str());
    }
    list.push_back(nullptr);
    return callMethod(
        connection_->bus, destination, objectPath, kControlInterface, method.c_str(), timeoutMs,
        [&](sd_bus_message* call) {
            return sd_bus_message_append_strv(call, const_cast<char**>(list.data()));
        },
        [&](sd_bus_message* reply) {
            int ok = 0;
            const char* text = nullptr;
            const int r = sd_bus_message_read(reply, "bs", &ok, &text);
            if (r >= 0) {
                answer = {ok != 0, text != nullptr ? text : ""};
            }
            return r;
        });
}

int SessionBus::descriptor() const {
    return sd_bus_get_fd(connection_->bus);
}

short SessionBus::events() const {
    const int r = sd_bus_get_events(connection_->bus);
    return static_cast<short>(r < 0 ? 0 : r);
}

std::uint64_t SessionBus::timeoutUs() const {
    std::uint64_t usec = UINT64_MAX;
    return sd_bus_get_timeout(connection_->bus, &usec) < 0 ? UINT64_MAX : usec;
}

int SessionBus::dispatch() {
    return dispatchAll(connection_->bus);
}

int SessionBus::waitAndDispatch(std::uint32_t timeoutMs) {
    return waitAndDispatchAll(connection_->bus, timeoutMs);
}

}  // namespace vorn::platform::ipc

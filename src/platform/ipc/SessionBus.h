#pragma once
// The program's connection to the user's session bus: the single-instance name, the
// registered messages that programs broadcast to each other as signals, and the CopyData
// method by which one program hands another a block of bytes. Names are in BusNames.h.
//
// One connection is used by one thread at a time. Nothing arrives by itself: the owner
// watches descriptor() (readable, or timeoutUs() passed) and calls dispatch(), which runs
// the handlers on the calling thread; waitAndDispatch() does both for a worker or a test.
// Results are 0 or a negative errno value.

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorn::platform::ipc {

struct RegisteredSignal {
    std::string name;
    std::uint32_t wParam = 0;
    std::int64_t lParam = 0;
    std::string sender;  // the sender's unique bus name
};

struct CopyDataCall {
    std::uint64_t dwData = 0;
    std::vector<std::uint8_t> data;
    std::string sender;
};

enum class NameClaim {
    Owned,          // this connection owns the name now
    HeldByAnother,  // another connection owns it (another instance runs)
    Failed,         // the bus refused or did not answer
};

class SessionBus {
  public:
    using RegisteredHandler = std::function<void(const RegisteredSignal&)>;
    using CopyDataHandler = std::function<void(const CopyDataCall&)>;
    struct ControlAnswer {
        bool ok = false;
        std::string text;
    };
    // method: the Control1 method called ("Sim" or "Command").
    using ControlHandler = std::function<ControlAnswer(const std::string& method,
                                                       const std::vector<std::string>& words)>;

    // The user's session bus ($DBUS_SESSION_BUS_ADDRESS); null, with *error set, when
    // there is none.
    static std::unique_ptr<SessionBus> connect(int* error = nullptr);
    ~SessionBus();
    SessionBus(const SessionBus&) = delete;
    SessionBus& operator=(const SessionBus&) = delete;

    const std::string& uniqueName() const { return uniqueName_; }

    // Asks for a well-known name without queueing for it.
    NameClaim claimName(const std::string& name);

    // Broadcasts a registered message to every program on the bus (this one included, as
    // a broadcast to all applications reaches the sender too). Written out before return.
    int broadcast(std::string_view name, std::uint32_t wParam, std::int64_t lParam);
    // The same signal for one program only (its bus name); -ENOENT when it does not run.
    int signalTo(const std::string& destination, std::string_view name, std::uint32_t wParam,
                 std::int64_t lParam);
    // Whether some program owns the well-known name now.
    bool hasOwner(const std::string& name);
    // Calls handler for every registered message broadcast on the bus, from any sender.
    int listen(RegisteredHandler handler);

    // Offers CopyData at objectPath; handler runs for every call, the caller gets an empty
    // answer once it returns.
    int offerCopyData(const std::string& objectPath, CopyDataHandler handler);
    // Calls CopyData of the program owning destination at objectPath and waits at most
    // timeoutMs for its answer. -ENOENT (or -EHOSTUNREACH) when no such program runs.
    int copyData(const std::string& destination, const std::string& objectPath,
                 std::uint64_t dwData, std::span<const std::uint8_t> data, std::uint32_t timeoutMs);

    // Offers Control1 (Sim and Command) at objectPath; handler answers each call.
    int offerControl(const std::string& objectPath, ControlHandler handler);
    // Calls Control1.<method> of the program owning destination. -ENOENT when none runs.
    int callControl(const std::string& destination, const std::string& objectPath,
                    const std::string& method, const std::vector<std::string>& words,
                    std::uint32_t timeoutMs, ControlAnswer& answer);

    // For an event loop: the descriptor to watch, the poll events wanted, and the
    // moment (CLOCK_MONOTONIC microseconds, UINT64_MAX for none) by which dispatch() must
    // run even without traffic.
    int descriptor() const;
    short events() const;
    std::uint64_t timeoutUs() const;
    // Handles everything that has arrived. Returns how many messages were handled, or a
    // negative errno value when the connection broke.
    int dispatch();
    // Waits at most timeoutMs for traffic, then dispatches.
    int waitAndDispatch(std::uint32_t timeoutMs);

    struct Connection;

  private:
    explicit SessionBus(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> connection_;
    std::string uniqueName_;
};

}  // namespace vorn::platform::ipc

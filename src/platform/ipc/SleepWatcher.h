#pragma once
// Suspend and resume of the computer, as the login manager announces them on the system bus
// (PrepareForSleep of org.freedesktop.login1.Manager: true before sleeping, false after
// waking). Used like SessionBus: watch descriptor(), call dispatch().

#include <cstdint>
#include <functional>
#include <memory>

namespace vorn::platform::ipc {

class SleepWatcher {
  public:
    using Handler = std::function<void(bool suspending)>;
    enum class Bus {
        System,   // where the login manager speaks
        Session,  // tests, where a test plays the login manager
    };

    // Null, with *error set, when the bus cannot be reached or watched.
    static std::unique_ptr<SleepWatcher> watch(Handler handler, Bus bus = Bus::System,
                                               int* error = nullptr);
    ~SleepWatcher();
    SleepWatcher(const SleepWatcher&) = delete;
    SleepWatcher& operator=(const SleepWatcher&) = delete;

    int descriptor() const;
    int dispatch();
    int waitAndDispatch(std::uint32_t timeoutMs);

    struct Connection;

  private:
    explicit SleepWatcher(std::unique_ptr<Connection> connection);
    std::unique_ptr<Connection> connection_;
};

}  // namespace vorn::platform::ipc

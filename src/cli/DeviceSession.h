#pragma once
// What every device command of vornctl shares: its options (--sim, --slot, --path, --trace),
// the HID backend for the command's duration (the emulator or the machine's devices), the
// choice of the device, its open command channel, and the messages for failed steps.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Cli.h"
#include "cli/DeviceSelection.h"
#include "cli/InstalledBus.h"
#include "cli/TracePrinter.h"
#include "protocol/CommandChannel.h"

namespace vorn::cli {

struct DeviceOptions {
    std::optional<std::string> sim;  // scenario; none: the machine's devices
    DeviceChoice choice;
    bool trace = false;
    std::vector<std::string> positional;  // the command's own arguments
};

// Takes the device options out of args. False with a message on a malformed option.
bool parseDeviceOptions(const std::vector<std::string>& args, DeviceOptions& options,
                        std::string& error);

// The help lines of the device options (each ends with '\n').
std::string deviceOptionsHelp();

class DeviceSession {
  public:
    explicit DeviceSession(CliContext& ctx);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Installs the backend, starts the trace, selects the device and opens its channel.
    // Returns 0, or the exit status after printing why not (2 for a bad scenario, else 1).
    int start(const DeviceOptions& options);

    protocol::CommandChannel& channel() { return channel_; }
    const SelectedDevice& device() const { return device_; }
    DeviceLink link() const { return linkOfSlot(device_.record.deviceType); }

    // Prints "NAME failed: CODE (meaning)" to the error stream when result is not 1 ("no
    // answer" in place of code 0); returns whether it was 1.
    bool check(const char* name, int result);
    // Prints a failed step as check does, with the step's own meaning of the result.
    void reportFailure(const char* name, int result, std::string_view meaning);
    // Runs body between BeginSession and EndSession. body returns an exit status (0 for
    // success, after printing its own failure otherwise); EndSession is sent whenever
    // BeginSession succeeded. Returns 0 only when all three succeeded.
    template <typename Body>
    int inSession(Body body);
    bool beginSession();
    bool endSession();

  private:
    CliContext& ctx_;
    InstalledBus bus_;
    std::optional<TracePrinter> trace_;
    SelectedDevice device_;
    protocol::CommandChannel channel_;
};

template <typename Body>
int DeviceSession::inSession(Body body) {
    if (!beginSession()) {
        return 1;
    }
    const int status = body();
    const bool ended = endSession();
    return status != 0 ? status : (ended ? 0 : 1);
}

}  // namespace vorn::cli

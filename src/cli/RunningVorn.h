#pragma once
// Asking the running vorn on the session bus (io.vorn.Control1): the commands it serves
// itself go there, so that one program talks to the devices.

#include <optional>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "platform/ipc/SessionBus.h"

namespace vorn::cli {

// Calls Control1.<method> with the words. On failure says why on ctx.err, prefixed with
// "vornctl <command>: " (no bus, no vorn running, no answer), and answers none; the caller
// then exits with 1.
std::optional<platform::ipc::SessionBus::ControlAnswer> askRunningVorn(
    CliContext& ctx, const std::string& command, const std::string& method,
    const std::vector<std::string>& words, const std::string& notRunningHint);

// How a call to the running vorn went.
enum class VornReach {
    Answered,    // the answer is filled in
    NotRunning,  // no session bus, or no vorn on it: nothing is printed
    Failed,      // vorn runs but did not answer; why is printed as askRunningVorn prints it
};
// As askRunningVorn, for commands that do the work themselves when no vorn runs.
VornReach callRunningVorn(CliContext& ctx, const std::string& command, const std::string& method,
                          const std::vector<std::string>& words,
                          platform::ipc::SessionBus::ControlAnswer& answer);

// Prints the answer (to ctx.out when it went well, else to ctx.err after the command's
// prefix) and gives the exit status: 0 or 1.
int printAnswer(CliContext& ctx, const std::string& command,
                const platform::ipc::SessionBus::ControlAnswer& answer);

}  // namespace vorn::cli

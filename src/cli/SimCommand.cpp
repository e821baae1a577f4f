// vornctl sim: drives the emulated devices of a running vorn --demo.

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "cli/Cli.h"
#include "emulator/BusScript.h"
#include "platform/ipc/BusNames.h"
#include "platform/ipc/SessionBus.h"

namespace vorn::cli {
namespace {

constexpr std::uint32_t kAnswerTimeoutMs = 5000;

}  // namespace

int runSimCommand(CliContext& ctx) {
    const std::vector<std::string> words(ctx.args.begin(), ctx.args.end());
    emulator::BusScriptCommand command;
    std::string error;
    if (!emulator::parseBusScript(words, command, error)) {
        ctx.err << "vornctl sim: " << error << "\n"
                << "Usage: vornctl sim COMMAND (the devices of a running vorn --demo)\n"
                << emulator::busScriptUsage();
        return 2;
    }
    int connectError = 0;
    auto bus = platform::ipc::SessionBus::connect(&connectError);
    if (!bus) {
        ctx.err << "vornctl sim: no session bus (" << std::strerror(-connectError)
                << "), so no running vorn can be reached\n";
        return 1;
    }
    platform::ipc::SessionBus::ControlAnswer answer;
    const int r = bus->callControl(platform::ipc::kApplicationName, platform::ipc::kApplicationPath,
                                   words, kAnswerTimeoutMs, answer);
    if (r == -ENOENT) {
        ctx.err << "vornctl sim: vorn is not running (start it with vorn --demo)\n";
        return 1;
    }
    if (r < 0) {
        ctx.err << "vornctl sim: no answer from vorn (" << std::strerror(-r) << ")\n";
        return 1;
    }
    (answer.ok ? ctx.out : ctx.err) << (answer.ok ? "" : "vornctl sim: ") << answer.text << "\n";
    return answer.ok ? 0 : 1;
}

}  // namespace vorn::cli

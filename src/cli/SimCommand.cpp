// vornctl sim: drives the emulated devices of a running vorn --demo.

#include <string>
#include <vector>

#include "cli/Cli.h"
#include "cli/RunningVorn.h"
#include "emulator/BusScript.h"
#include "platform/ipc/BusNames.h"

namespace vorn::cli {

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
    const auto answer = askRunningVorn(ctx, "sim", platform::ipc::kSimMethod, words,
                                       " (start it with vorn --demo)");
    return answer ? printAnswer(ctx, "sim", *answer) : 1;
}

}  // namespace vorn::cli

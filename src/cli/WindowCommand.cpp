// vornctl window show|hide: brings the running vorn's window up or puts it into the tray.

#include <string>

#include "cli/Cli.h"
#include "cli/RunningVorn.h"
#include "platform/ipc/BusNames.h"

namespace vorn::cli {

int runWindowCommand(CliContext& ctx) {
    if (ctx.args.size() != 1 || (ctx.args[0] != "show" && ctx.args[0] != "hide")) {
        ctx.err << "vornctl window: say show or hide\nUsage: vornctl window show|hide\n";
        return 2;
    }
    const auto answer =
        askRunningVorn(ctx, "window", platform::ipc::kCommandMethod, {"window", ctx.args[0]}, "");
    return answer ? printAnswer(ctx, "window", *answer) : 1;
}

}  // namespace vorn::cli

#include <optional>
#include <string>

#include "cli/Cli.h"
#include "cli/HidListing.h"
#include "cli/InstalledBus.h"

namespace vorn::cli {

int runListCommand(CliContext& ctx) {
    std::optional<std::string> scenario;
    std::string error;
    for (size_t i = 0; i < ctx.args.size(); ++i) {
        if (!takeSimOption(ctx.args, i, scenario, error) || !error.empty()) {
            ctx.err << (error.empty() ? std::string("usage: vornctl list [--sim SCENARIO]")
                                      : "vornctl list: " + error)
                    << "\n";
            return 2;
        }
    }
    InstalledBus bus;
    if (!bus.install(scenario, error)) {
        ctx.err << "vornctl list: " << error << "\n";
        return 1;
    }
    printHidCollections(ctx.out, listHidCollections(), makeSlotResolver());
    return 0;
}

}  // namespace vorn::cli

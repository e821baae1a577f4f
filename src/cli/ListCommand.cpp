#include <memory>

#include "cli/Cli.h"
#include "cli/HidListing.h"
#include "platform/hid/HidBackend.h"
#include "platform/hidraw/HidrawBackend.h"

namespace vorn::cli {

int runListCommand(CliContext& ctx) {
    std::string scenario;
    bool simulated = false;
    for (size_t i = 0; i < ctx.args.size(); ++i) {
        const std::string& a = ctx.args[i];
        if (a == "--sim" && i + 1 < ctx.args.size()) {
            scenario = ctx.args[++i];
            simulated = true;
        } else if (a.rfind("--sim=", 0) == 0) {
            scenario = a.substr(6);
            simulated = true;
        } else {
            ctx.err << "usage: vornctl list [--sim SCENARIO]\n";
            return 2;
        }
    }

    std::unique_ptr<platform::hid::HidBackend> hidraw;
    std::string error;
    if (simulated) {
        if (!installSimulatedBus(scenario, error)) {
            ctx.err << "vornctl list: " << error << "\n";
            return 1;
        }
    } else {
        hidraw = platform::hidraw::createHidrawBackend(error);
        if (!hidraw) {
            ctx.err << "vornctl list: " << error << "\n";
            return 1;
        }
        platform::hid::setHidBackend(hidraw.get());
    }
    printHidCollections(ctx.out, listHidCollections(), makeSlotResolver());
    if (hidraw) {
        platform::hid::setHidBackend(nullptr);
    }
    return 0;
}

}  // namespace vorn::cli

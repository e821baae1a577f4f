#include "cli/InstalledBus.h"

#include "emulator/Scenario.h"
#include "platform/hidraw/HidrawBackend.h"

namespace vorn::cli {

InstalledBus::~InstalledBus() {
    if (backend_) {
        platform::hid::setHidBackend(nullptr);
    }
}

int InstalledBus::install(const std::optional<std::string>& scenario, std::string& error) {
    if (scenario) {
        std::unique_ptr<emulator::VirtualBus> bus =
            emulator::buildBusFromScenario(*scenario, error);
        if (!bus) {
            return 2;
        }
        simulated_ = bus.get();
        backend_ = std::move(bus);
    } else {
        backend_ = platform::hidraw::createHidrawBackend(error);
        if (!backend_) {
            return 1;
        }
    }
    platform::hid::setHidBackend(backend_.get());
    return 0;
}

bool takeSimOption(const std::vector<std::string>& args, size_t& i,
                   std::optional<std::string>& scenario, std::string& error) {
    const std::string& a = args[i];
    if (a == "--sim") {
        if (i + 1 >= args.size()) {
            error = "--sim needs a scenario (see vornctl --help)";
            return true;
        }
        scenario = args[++i];
        return true;
    }
    if (a.rfind("--sim=", 0) == 0) {
        scenario = a.substr(6);
        return true;
    }
    return false;
}

}  // namespace vorn::cli

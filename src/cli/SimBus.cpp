#include "cli/Cli.h"

namespace vorn::cli {

bool installSimulatedBus(const std::string& scenario, std::string& error) {
    (void)scenario;
    error = "emulator not available yet";
    return false;
}

}  // namespace vorn::cli

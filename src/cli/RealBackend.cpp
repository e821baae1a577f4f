#include "cli/RealBackend.h"

namespace vorn::cli {

bool installRealBackend(std::string& error) {
    error =
        "this vornctl cannot reach real devices yet (no hidraw backend); "
        "use --sim SCENARIO (see vornctl --help)";
    return false;
}

}  // namespace vorn::cli

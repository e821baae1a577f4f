#include "cli/Cli.h"

namespace vorn::cli {

int runCatalogueCommand(CliContext& ctx) {
    ctx.err << "vornctl catalogue: not built yet\n";
    return 1;
}

}  // namespace vorn::cli

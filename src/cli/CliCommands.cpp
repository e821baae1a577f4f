#include "cli/Cli.h"

namespace vorn::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> table = {
        {"catalogue", "", "print the device catalogue: slots, options, pages, update targets",
         runCatalogueCommand},
    };
    return table;
}

}  // namespace vorn::cli

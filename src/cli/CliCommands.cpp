#include "cli/Cli.h"

namespace vorn::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> table = {
        {"catalogue", "", "print the device catalogue: slots, options, pages, update targets",
         runCatalogueCommand},
        {"list", "[--sim SCENARIO]",
         "every HID collection: path, ids, numbers, usage, report lengths, product, slot",
         runListCommand},
    };
    return table;
}

}  // namespace vorn::cli

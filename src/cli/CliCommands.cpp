#include "cli/Cli.h"

namespace vorn::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> table = {
        {"catalogue", "", "print the device catalogue: slots, options, pages, update targets",
         runCatalogueCommand},
        {"list", "[--sim SCENARIO]",
         "every HID collection: path, ids, numbers, usage, report lengths, product, slot",
         runListCommand},
        {"profile", "list|select|new|copy|rename|delete|export|import|reset --model MODEL",
         "manage a model's profiles in the user's data folder (vornctl profile help)",
         runProfileCommand},
    };
    return table;
}

}  // namespace vorn::cli

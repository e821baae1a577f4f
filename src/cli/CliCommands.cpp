#include "cli/Cli.h"

namespace vorn::cli {

const std::vector<CliCommand>& cliCommands() {
    static const std::vector<CliCommand> table = {
        {"catalogue", "", "print the device catalogue: slots, options, pages, update targets",
         runCatalogueCommand},
        {"list", "[--sim SCENARIO]",
         "every HID collection: path, ids, numbers, usage, report lengths, product, slot",
         runListCommand},
        {"info", "[DEVICE]", "identify a device and print its DeviceInfo block", runInfoCommand},
        {"read-settings", "OFFSET LENGTH [DEVICE]", "read bytes of a device's settings area",
         runReadSettingsCommand},
        {"write-settings", "OFFSET HEXBYTES [DEVICE]", "write bytes into a device's settings area",
         runWriteSettingsCommand},
        {"read-keys", "[DEVICE]",
         "read the factory key block and the byte map (keyboards) or current key page (mice)",
         runReadKeysCommand},
        {"power", "[DEVICE]", "read the 6-byte power block (battery, charging, link)",
         runPowerCommand},
    };
    return table;
}

}  // namespace vorn::cli

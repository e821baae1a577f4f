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
        {"profile", "list|select|new|copy|rename|delete|export|import|reset --model MODEL",
         "manage a model's profiles in the user's data folder (vornctl profile help)",
         runProfileCommand},
        {"mouse",
         "show|dpi|stage|enable|rate|liftoff|motion-sync|calibration|silent|debounce|sleep|key|"
         "light ...",
         "show or change the settings of a mouse as its page does (vornctl mouse help)",
         runMouseCommand},
        {"devices", "", "the devices a running vorn shows: model, link, battery, profile",
         runDevicesCommand},
        {"window", "show|hide", "bring a running vorn's window up or put it into the tray",
         runWindowCommand},
        {"sim", "plug SCENARIO|unplug MODEL|power MODEL on|off|cable MODEL in|out",
         "drive the emulated devices of a running vorn --demo", runSimCommand},
    };
    return table;
}

}  // namespace vorn::cli

// vornctl devices: the device pages a running vorn shows.

#include <string>

#include "cli/Cli.h"
#include "cli/RunningVorn.h"
#include "cli/TextTable.h"
#include "platform/ipc/BusNames.h"
#include "platform/ipc/DeviceLines.h"

namespace vorn::cli {
namespace {

std::string batteryText(const platform::ipc::DeviceLine& line) {
    if (line.battery < 0) {
        return "-";
    }
    return std::to_string(line.battery) + "%" + (line.charging ? ", charging" : "");
}

}  // namespace

int runDevicesCommand(CliContext& ctx) {
    if (!ctx.args.empty()) {
        ctx.err << "vornctl devices: unexpected argument '" << ctx.args.front() << "'\n"
                << "Usage: vornctl devices\n";
        return 2;
    }
    const auto answer =
        askRunningVorn(ctx, "devices", platform::ipc::kCommandMethod, {"devices"}, "");
    if (!answer) {
        return 1;
    }
    if (!answer->ok) {
        ctx.err << "vornctl devices: " << answer->text << "\n";
        return 1;
    }
    const auto lines = platform::ipc::decodeDeviceLines(answer->text);
    if (!lines) {
        ctx.err << "vornctl devices: vorn answered in a form this vornctl does not read\n";
        return 1;
    }
    if (lines->empty()) {
        ctx.out << "No device connected.\n";
        return 0;
    }
    TextTable table({"", "MODEL", "LINK", "BATTERY", "PROFILE"});
    for (const platform::ipc::DeviceLine& line : *lines) {
        table.addRow({line.selected ? "*" : "", line.model, line.link, batteryText(line),
                      line.profile.empty() ? "-" : line.profile});
    }
    table.print(ctx.out);
    ctx.out << "* the device the window shows\n";
    return 0;
}

}  // namespace vorn::cli

#include <string>
#include <string_view>

#include "catalogue/StandardCatalogue.h"
#include "cli/Cli.h"
#include "cli/TextTable.h"
#include "platform/text/Text.h"

namespace vorn::cli {
namespace {

using namespace vorn::catalogue;
using platform::formatText;

std::string hex4(unsigned value) {
    return formatText("0x%04X", value);
}
std::string num(long value) {
    return std::to_string(value);
}
std::string quoted(std::string_view text) {
    return formatText("\"%.*s\"", static_cast<int>(text.size()), text.data());
}

// "2 mouse, cable", "255 event": the code and what it means.
std::string codeCell(int code, std::string_view name) {
    return formatText("%d %.*s", code, static_cast<int>(name.size()), name.data());
}
std::string typeCell(DeviceType type) {
    return codeCell(static_cast<int>(type), deviceTypeName(type));
}
std::string roleCell(SlotRole role) {
    return codeCell(static_cast<int>(role), slotRoleName(role));
}

void printTitle(std::ostream& out, std::string_view title, size_t rows) {
    out << title << " (" << rows << ")\n";
}

void printSlots(std::ostream& out, const DeviceCatalogue& tables) {
    printTitle(out, "Device slots", tables.slots.size());
    TextTable table({"Slot", "VID", "PID", "MI", "COL", "Type", "Role", "Usage page", "Usage",
                     "Alternate", "Product string", "Paired code"});
    for (size_t i = 0; i < tables.slots.size(); ++i) {
        const DeviceSlotRow& r = tables.slots[i];
        table.addRow({num(static_cast<long>(i)), hex4(r.vendorId), hex4(r.productId),
                      num(r.interfaceNumber), num(r.collectionNumber), typeCell(r.deviceType),
                      roleCell(r.role), hex4(r.usagePage), hex4(r.usage),
                      r.alternateSlotFlag == 1 ? num(r.alternateSlotIndex) : "none",
                      quoted(r.productString),
                      r.pairedModelCode == kModelNotReportable
                          ? codeCell(r.pairedModelCode, "(not reportable)")
                          : num(r.pairedModelCode)});
    }
    table.print(out);
}

void printOptions(std::ostream& out, const DeviceCatalogue& tables) {
    printTitle(out, "Device options", tables.options.size());
    TextTable table({"Row", "Display name", "VID", "PID", "Type", "Role", "Product string",
                     "Light names", "Option layout", "Tab header", "Power switch"});
    for (size_t i = 0; i < tables.options.size(); ++i) {
        const DeviceOptionRow& r = tables.options[i];
        table.addRow({num(static_cast<long>(i)), quoted(r.displayName),
                      hex4(static_cast<unsigned>(r.vendorId)),
                      hex4(static_cast<unsigned>(r.productId)), typeCell(r.deviceType),
                      roleCell(r.role), quoted(r.productString), num(r.lightNameSet),
                      quoted(r.optionLayout), quoted(r.tabHeaderName), quoted(r.powerSwitchName)});
    }
    table.print(out);
}

void printPages(std::ostream& out, const DeviceCatalogue& tables) {
    printTitle(out, "Device pages", tables.pages.size());
    TextTable table(
        {"Row", "Lights", "Keys", "Power page", "Logo light", "Page layout", "Light config"});
    for (size_t i = 0; i < tables.pages.size(); ++i) {
        const DevicePageRow& r = tables.pages[i];
        table.addRow({num(static_cast<long>(i)), num(r.lightCount), num(r.keyCount),
                      num(r.hasPowerPage), r.logoLight < 0 ? "none" : num(r.logoLight),
                      quoted(r.pageLayout), quoted(r.lightConfigName)});
    }
    table.print(out);
}

void printUpdateTargets(std::ostream& out, const DeviceCatalogue& tables) {
    printTitle(out, "Update targets", tables.updateTargets.size());
    TextTable table({"Row", "Kind", "Flag A", "Flag B", "Platform", "Family", "Model", "Model name",
                     "Version"});
    for (size_t i = 0; i < tables.updateTargets.size(); ++i) {
        const UpdateTargetRow& r = tables.updateTargets[i];
        table.addRow({num(static_cast<long>(i)), num(r.kind), num(r.flagA), num(r.flagB),
                      quoted(r.platform), quoted(r.family), quoted(r.model), quoted(r.modelName),
                      quoted(r.versionText)});
    }
    table.print(out);
}

}  // namespace

int runCatalogueCommand(CliContext& ctx) {
    if (!ctx.args.empty()) {
        ctx.err << "vornctl catalogue: takes no arguments\n";
        return 2;
    }
    const DeviceCatalogue& tables = kDeviceCatalogue;
    printSlots(ctx.out, tables);
    ctx.out << '\n';
    printOptions(ctx.out, tables);
    ctx.out << '\n';
    printPages(ctx.out, tables);
    ctx.out << '\n';
    printUpdateTargets(ctx.out, tables);
    return 0;
}

}  // namespace vorn::cli

#include <algorithm>
#include <optional>
#include <string>

#include "cli/Cli.h"
#include "cli/CliWords.h"
#include "cli/HidListing.h"
#include "cli/InstalledBus.h"
#include "emulator/firmware/MouseModels.h"
#include "platform/text/Text.h"

namespace vorn::cli {
namespace {

// "paired with VORN-T4Ultra (model code 2), switched off": what the emulator knows of the
// mouse behind a receiver.
std::string pairingNote(const emulator::VirtualBus& bus, int device) {
    const int mouse = bus.mouseOfDevice(device);
    if (mouse < 0) {
        return "paired with no mouse";
    }
    const emulator::MouseStatus status = bus.mouseStatus(mouse);
    const emulator::MouseModel* model = emulator::findMouseModel(status.model);
    if (model == nullptr) {
        return "paired with a mouse of an unknown model";
    }
    std::string name(pairedModelName(model->modelCode));
    if (name.empty()) {
        name = model->productString;
    }
    std::string note =
        platform::formatText("paired with %s (model code %u)", name.c_str(), model->modelCode);
    if (!status.poweredOn) {
        note += ", switched off";
    } else if (!status.inReach) {
        note += ", out of reach";
    }
    return note;
}

void addNotes(std::vector<HidCollectionListing>& list, const emulator::VirtualBus* simulated) {
    for (HidCollectionListing& listing : list) {
        if (!isCommandCollection(listing)) {
            continue;
        }
        if (simulated != nullptr) {
            for (int device = 0; device < simulated->deviceCount(); ++device) {
                const std::vector<std::string> paths = simulated->paths(device);
                if (simulated->deviceKind(device) != emulator::DeviceKind::CableMouse &&
                    std::find(paths.begin(), paths.end(), listing.path) != paths.end()) {
                    listing.notes.push_back(pairingNote(*simulated, device));
                }
            }
        }
        if (isUnbindable(listing)) {
            listing.notes.push_back("never bound: " + unbindableNote(listing));
        }
    }
}

}  // namespace

int runListCommand(CliContext& ctx) {
    std::optional<std::string> scenario;
    std::string error;
    for (size_t i = 0; i < ctx.args.size(); ++i) {
        if (!takeSimOption(ctx.args, i, scenario, error) || !error.empty()) {
            ctx.err << (error.empty() ? std::string("usage: vornctl list [--sim SCENARIO]")
                                      : "vornctl list: " + error)
                    << "\n";
            return 2;
        }
    }
    InstalledBus bus;
    if (const int status = bus.install(scenario, error); status != 0) {
        ctx.err << "vornctl list: " << error << "\n";
        return status;
    }
    std::vector<HidCollectionListing> list = listHidCollections();
    addNotes(list, bus.simulated());
    printHidCollections(ctx.out, list, makeSlotResolver());
    return 0;
}

}  // namespace vorn::cli

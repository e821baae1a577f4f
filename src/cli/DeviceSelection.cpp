#include "cli/DeviceSelection.h"

#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"
#include "hid/HidPathNumbers.h"
#include "hid/HidTransport.h"
#include "platform/text/Text.h"

namespace vorn::cli {
namespace {

using catalogue::DeviceType;
using platform::hid::HidOpenError;

std::string openFailure(const std::string& path, HidOpenError error) {
    switch (error) {
        case HidOpenError::NotFound:
            return "cannot open " + path + ": the device is not present";
        case HidOpenError::PermissionDenied:
            return "cannot open " + path +
                   ": permission denied (is the udev rule for VORN devices installed?)";
        default:
            return "cannot open " + path + ": the device is busy or failing";
    }
}

// Opens the collection at path and claims a live slot for it; kNoIndex when none claims it.
// openError receives the reason when the collection could not be opened.
int claimCollection(const std::string& path, catalogue::LiveSlotList& live,
                    catalogue::DeviceSlot& claimed, std::string& openError) {
    const auto& tables = catalogue::kDeviceCatalogue;
    const uint16_t vendorId = hid::vendorIdFromPath(path);
    const uint16_t productId = hid::productIdFromPath(path);
    const uint16_t interfaceNumber = hid::interfaceFromPath(path);
    const uint16_t collectionNumber = hid::collectionFromPath(path);
    if (!catalogue::preMatch(tables, live, vendorId, productId, collectionNumber,
                             interfaceNumber)) {
        return catalogue::kNoIndex;
    }
    hid::HidTransport probe;
    if (!probe.open(path, true, true, true, true)) {
        openError = openFailure(path, probe.lastOpenError());
        return catalogue::kNoIndex;
    }
    catalogue::DeviceSlot candidate;
    candidate.vendorId = probe.attributes().vendorId;
    candidate.productId = probe.attributes().productId;
    candidate.interfaceNumber = interfaceNumber;
    candidate.collectionNumber = collectionNumber;
    candidate.usagePage = probe.caps().usagePage;
    candidate.usage = probe.caps().usage;
    candidate.productString = probe.productString().value_or("");
    candidate.devicePath = path;
    const int slot = catalogue::claimSlot(tables, live, candidate);
    if (slot != catalogue::kNoIndex) {
        claimed = live[static_cast<size_t>(slot)];
    }
    return slot;
}

}  // namespace

DeviceLink linkOfSlot(DeviceType type) {
    switch (type) {
        case DeviceType::MouseOwnReceiver:
        case DeviceType::KeyboardOtherLink:
        case DeviceType::Receiver:
            return DeviceLink::Receiver;
        case DeviceType::MousePad:
        case DeviceType::Headset:
            return DeviceLink::PlainCable;
        default:
            return DeviceLink::Cable;
    }
}

const char* linkName(DeviceLink link) {
    return link == DeviceLink::Receiver ? "receiver" : "cable";
}

bool selectDevice(const DeviceChoice& choice, SelectedDevice& selected, std::string& error) {
    const auto& tables = catalogue::kDeviceCatalogue;
    catalogue::LiveSlotList live = catalogue::makeLiveSlotList(tables);
    if (choice.slot) {
        const int slot = *choice.slot;
        if (slot < 0 || slot >= catalogue::slotCount(tables)) {
            error = platform::formatText("there is no slot %d (slots 0-%d; see vornctl catalogue)",
                                         slot, catalogue::slotCount(tables) - 1);
            return false;
        }
        if (live[static_cast<size_t>(slot)].role != catalogue::SlotRole::Command) {
            error = platform::formatText(
                "slot %d is an event collection; commands go to a command slot", slot);
            return false;
        }
    }

    hid::HidTransport lister;
    lister.enumerate();
    bool pathSeen = false;
    std::string openError;
    while (const std::string* path = lister.nextPath()) {
        const bool wanted = choice.path.empty() || platform::equalsIgnoreCase(*path, choice.path);
        if (!choice.path.empty() && !wanted) {
            continue;
        }
        pathSeen = true;
        catalogue::DeviceSlot claimed;
        const int slot = claimCollection(*path, live, claimed, openError);
        if (slot == catalogue::kNoIndex || claimed.role != catalogue::SlotRole::Command) {
            continue;
        }
        if (choice.slot && slot != *choice.slot) {
            continue;
        }
        selected.slot = slot;
        selected.record = claimed;
        return true;
    }

    if (!openError.empty()) {
        error = openError;
    } else if (!choice.path.empty()) {
        error = pathSeen ? "no catalogue slot takes " + choice.path +
                               " as a command collection (see vornctl catalogue)"
                         : "no device at " + choice.path;
    } else if (choice.slot) {
        error = platform::formatText("no device present for slot %d", *choice.slot);
    } else {
        error = "no device found: no command collection on the bus matches a catalogue slot";
    }
    return false;
}

bool openChannel(const SelectedDevice& device, protocol::CommandChannel& channel,
                 std::string& error) {
    const DeviceLink link = linkOfSlot(device.record.deviceType);
    hid::HidTransport& transport =
        link == DeviceLink::Receiver ? channel.radioLink() : channel.cableLink();
    if (!transport.open(device.record.devicePath, true, true, true, true)) {
        error = openFailure(device.record.devicePath, transport.lastOpenError());
        return false;
    }
    if (link == DeviceLink::Receiver) {
        channel.setLinkMode(protocol::kLinkModeReceiver);
    } else if (link == DeviceLink::Cable) {
        channel.setLinkMode(protocol::kLinkModeCable);
    }
    channel.setOpen(true);
    return true;
}

}  // namespace vorn::cli

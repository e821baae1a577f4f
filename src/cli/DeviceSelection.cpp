#include "cli/DeviceSelection.h"

#include "catalogue/SlotLookup.h"
#include "catalogue/StandardCatalogue.h"
#include "cli/HidListing.h"
#include "platform/text/Text.h"

namespace vorn::cli {
namespace {

using catalogue::DeviceType;
using platform::hid::HidOpenError;

std::string openFailure(const std::string& path, const char* reason) {
    return "cannot open " + path + ": " + reason;
}

const char* reasonFor(HidOpenError error) {
    switch (error) {
        case HidOpenError::NotFound:
            return "the device is gone";
        case HidOpenError::PermissionDenied:
            return "permission denied (install the udev rule, see README)";
        default:
            return "the device is busy or failing";
    }
}

// Whether the slot choice (if any) is a command slot of the table; false with a message.
bool checkSlotChoice(const DeviceChoice& choice, const catalogue::LiveSlotList& live,
                     std::string& error) {
    if (!choice.slot) {
        return true;
    }
    const int slot = *choice.slot;
    if (slot < 0 || static_cast<size_t>(slot) >= live.size()) {
        error = platform::formatText("there is no slot %d (slots 0-%zu; see vornctl catalogue)",
                                     slot, live.size() - 1);
        return false;
    }
    if (live[static_cast<size_t>(slot)].role != catalogue::SlotRole::Command) {
        error = platform::formatText(
            "slot %d is an event collection; commands go to a command slot", slot);
        return false;
    }
    return true;
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
    catalogue::LiveSlotList live = catalogue::makeLiveSlotList(catalogue::kDeviceCatalogue);
    if (!checkSlotChoice(choice, live, error)) {
        return false;
    }
    bool pathSeen = false;
    std::string neverBound;  // why a command collection on the bus is never bound
    for (const HidCollectionListing& listing : listHidCollections()) {
        if (neverBound.empty() && isUnbindable(listing)) {
            neverBound = unbindableNote(listing);
        }
        // Every collection claims in bus order, so a second identical device gets the
        // slot it would get in the program.
        const int slot = claimListedSlot(live, listing);
        if (!choice.path.empty() && !platform::equalsIgnoreCase(listing.path, choice.path)) {
            continue;
        }
        pathSeen = true;
        if (slot == catalogue::kNoIndex ||
            live[static_cast<size_t>(slot)].role != catalogue::SlotRole::Command ||
            (choice.slot && slot != *choice.slot)) {
            continue;
        }
        if (listing.openError != HidOpenError::None) {
            error = openFailure(listing.path, openErrorReason(listing));
            return false;
        }
        selected.slot = slot;
        selected.record = live[static_cast<size_t>(slot)];
        return true;
    }

    if (!choice.path.empty()) {
        error = pathSeen ? "no catalogue slot takes " + choice.path +
                               " as a command collection (see vornctl list)"
                         : "no device at " + choice.path;
    } else if (choice.slot) {
        error = platform::formatText("no device present for slot %d", *choice.slot);
    } else if (!neverBound.empty()) {
        error = "no device found: " + neverBound;
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
        error = openFailure(device.record.devicePath, reasonFor(transport.lastOpenError()));
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

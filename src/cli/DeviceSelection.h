#pragma once
// Finding the command collection a device command talks to, on whatever HID backend is
// installed: the collections on the bus are matched against the catalogue's slot table in
// bus order, the way discovery claims them (the same claims `vornctl list` shows).

#include <optional>
#include <string>

#include "catalogue/DeviceSlot.h"
#include "protocol/CommandChannel.h"

namespace vorn::cli {

// What the user asked for: a catalogue slot, a path, or neither (the first command
// collection that claims a slot).
struct DeviceChoice {
    std::optional<int> slot;
    std::string path;
};

struct SelectedDevice {
    int slot = -1;
    catalogue::DeviceSlot record;  // the claimed slot's values, with the collection's path
};

// How a slot's device is reached: through a receiver (radio link, mode 2), on its cable
// (cable link, mode 1), or on the cable with the channel's initial chunking (mouse pads and
// headsets, which never switch links).
enum class DeviceLink { Receiver, Cable, PlainCable };
DeviceLink linkOfSlot(catalogue::DeviceType type);
const char* linkName(DeviceLink link);

// False with a message when nothing fits the choice.
bool selectDevice(const DeviceChoice& choice, SelectedDevice& selected, std::string& error);

// Opens the selected collection on the channel's link for its slot type, sets the link mode
// and marks the channel open. False with a message when the collection cannot be opened.
bool openChannel(const SelectedDevice& device, protocol::CommandChannel& channel,
                 std::string& error);

}  // namespace vorn::cli

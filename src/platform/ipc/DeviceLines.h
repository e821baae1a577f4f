#pragma once
// The answer of Control1.Command("devices"): one line per device page the running program
// shows, its fields separated by tabs, so that vornctl can lay them out for a person.

#include <optional>
#include <string>
#include <vector>

namespace vorn::platform::ipc {

struct DeviceLine {
    std::string model;  // the model's display name
    std::string link;   // "cable", "receiver" or "not linked"
    int battery = -1;   // percent; -1 while unknown
    bool charging = false;
    std::string profile;    // the selected profile's name; empty while unknown
    bool selected = false;  // the page the window shows
};

std::string encodeDeviceLines(const std::vector<DeviceLine>& lines);
// None when the text is not a list of device lines.
std::optional<std::vector<DeviceLine>> decodeDeviceLines(const std::string& text);

}  // namespace vorn::platform::ipc

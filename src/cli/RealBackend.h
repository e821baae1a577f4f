#pragma once
// The machine's own HID devices for vornctl's device commands.

#include <string>

namespace vorn::cli {

// Installs the backend that reaches the machine's HID devices (hidraw) as the current HID
// backend. False, with a message for the user in error, when this build has none.
bool installRealBackend(std::string& error);

}  // namespace vorn::cli

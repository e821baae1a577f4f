#pragma once
// The answer of a running program to "vornctl sim ...": the words drive its emulated bus, when
// it runs on one.

#include <string>
#include <vector>

#include "emulator/bus/VirtualBus.h"
#include "platform/ipc/SessionBus.h"

namespace vorn::shell {

// bus: the emulated bus of --demo; null when the program watches the real devices.
platform::ipc::SessionBus::ControlAnswer answerSim(emulator::VirtualBus* bus,
                                                   const std::vector<std::string>& words);

}  // namespace vorn::shell

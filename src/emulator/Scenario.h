#pragma once
// Scenario strings: one line that describes a virtual bus, shared by vornctl --sim and
// vorn --demo. See scenarioHelpText() for the syntax.

#include <memory>
#include <string>

#include "emulator/bus/VirtualBus.h"

namespace vorn::emulator {

// Builds the bus a scenario describes. On a syntax error returns null and sets error to a
// message that names the faulty part. Mice are numbered in the order they appear; devices
// too, a receiver before the cable of the mouse paired with it.
std::unique_ptr<VirtualBus> buildBusFromScenario(const std::string& scenario, std::string& error,
                                                 TimeMode mode = TimeMode::Real);

// Plugs the devices of a scenario into a bus that runs already (nothing when any part of the
// scenario cannot be read; error then names it).
bool plugScenario(VirtualBus& bus, const std::string& scenario, std::string& error);
// The syntax, for --help texts (lines end with '\n').
std::string scenarioHelpText();

}  // namespace vorn::emulator

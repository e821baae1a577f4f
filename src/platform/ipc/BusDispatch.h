#pragma once
// Handling what arrived on an sd-bus connection, shared by the connections of this folder.

#include <systemd/sd-bus.h>

#include <cstdint>

namespace vorn::platform::ipc {

// Handles every message that has arrived. Returns how many, or a negative errno value.
int dispatchAll(sd_bus* bus);
// Waits at most timeoutMs for traffic, then dispatches.
int waitAndDispatchAll(sd_bus* bus, std::uint32_t timeoutMs);

}  // namespace vorn::platform::ipc

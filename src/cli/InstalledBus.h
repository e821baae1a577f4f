#pragma once
// The HID bus a vornctl command runs on: the device emulator when --sim names a scenario,
// the machine's hidraw devices otherwise. Installed for the command's duration.

#include <memory>
#include <optional>
#include <string>

#include "emulator/bus/VirtualBus.h"
#include "platform/hid/HidBackend.h"

namespace vorn::cli {

class InstalledBus {
  public:
    InstalledBus() = default;
    ~InstalledBus();
    InstalledBus(const InstalledBus&) = delete;
    InstalledBus& operator=(const InstalledBus&) = delete;

    // Builds and installs the bus: the emulator for a scenario (e.g. "t4",
    // "dongle8k+t4ultra", "t4,dongle8k+t4max:off"), else hidraw. Returns 0, or the exit
    // status with a reason: 2 for a malformed scenario (a usage error), 1 when hidraw is
    // unavailable.
    int install(const std::optional<std::string>& scenario, std::string& error);

    // The emulated bus, or null on real hardware.
    emulator::VirtualBus* simulated() const { return simulated_; }

  private:
    std::unique_ptr<platform::hid::HidBackend> backend_;
    emulator::VirtualBus* simulated_ = nullptr;
};

// Takes "--sim SCENARIO" or "--sim=SCENARIO" at args[i] (advancing i past its value).
// Returns false when args[i] is not a --sim option; sets error when its value is missing.
bool takeSimOption(const std::vector<std::string>& args, size_t& i,
                   std::optional<std::string>& scenario, std::string& error);

}  // namespace vorn::cli

#pragma once
// A bus for the commands the emulated mice do not answer (the keyboard's byte map, its
// second page, light control): one device whose firmware keeps a plain memory per command
// family, reachable on its own cable and through a receiver. It runs on the emulator's own
// bus parts (devices, handles, receiver firmware, virtual time).

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "emulator/bus/VirtualDevice.h"
#include "emulator/firmware/Firmware.h"
#include "platform/hid/HidBackend.h"

namespace vorn::test {

// Reads answer from memory (filled with a known pattern), writes store into it. The read and
// write commands of one family share their memory (0x07/0x08 with 0x09 and 0x27, 0x0A with
// 0x0B). Every reply carries status 0 unless the test forces another for the next reply.
class StandInFirmware final : public emulator::Firmware {
  public:
    static constexpr size_t kMemorySize = 2048;

    emulator::CommandResult execute(const emulator::CommandRequest& request) override;
    bool radioReachable() const override { return true; }

    // The byte a fresh memory holds at offset for a command's family.
    static uint8_t pattern(uint8_t command, size_t offset);
    std::vector<uint8_t> memory(uint8_t command, size_t offset, size_t length);
    void forceNextStatus(uint8_t status) { forcedStatus_ = status; }

  private:
    std::vector<uint8_t>& area(uint8_t command);

    std::map<uint8_t, std::vector<uint8_t>> areas_;
    std::optional<uint8_t> forcedStatus_;
};

class StandInBus final : public platform::hid::HidBackend {
  public:
    static constexpr int kReceiver = 0;
    static constexpr int kCable = 1;

    StandInBus();
    ~StandInBus() override;

    StandInFirmware& firmware() { return *firmware_; }
    std::string commandPath(int device) const;
    std::vector<emulator::FrameRecord> frameLog(int device) const;

    std::vector<std::string> enumerate() override;
    std::unique_ptr<platform::hid::HidDevice> open(const std::string& path, bool wantRead,
                                                   bool wantWrite,
                                                   platform::hid::HidOpenError& error) override;
    bool isPresent(const std::string& path) override;

  private:
    std::shared_ptr<emulator::BusCore> core_;
    std::shared_ptr<StandInFirmware> firmware_;
    std::vector<std::shared_ptr<emulator::VirtualDevice>> devices_;
};

}  // namespace vorn::test

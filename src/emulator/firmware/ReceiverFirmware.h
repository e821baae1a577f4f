#pragma once
// The firmware of a 2.4 GHz receiver: the 8K receiver or a mouse's own receiver. It checks
// each frame from the host, answers the radio query itself and hands every other command
// over the radio to the paired device.
//
// - The light stream (command 0x12) is checked with the CRC-16/MODBUS of bytes 3-31 and its
//   reply carries that CRC; every other frame uses the additive checksum. A frame that fails
//   its check is answered with status 0xFE and goes no further.
// - QueryRadioLink (0xAA): data byte 0 (frame byte 8) is 0xFF while the paired device
//   answers, 0x00 otherwise.
// - While nothing is paired, or the paired device is switched off or out of reach, every
//   other command is answered with command id 0xAA.
// - DeviceInfo (0x03) read through the receiver carries the paired model's code in byte 7.

#include <memory>
#include <utility>

#include "emulator/firmware/Firmware.h"

namespace vorn::emulator {

class ReceiverFirmware final : public Firmware {
  public:
    ReceiverFirmware() = default;

    void pair(std::shared_ptr<Firmware> peer) { peer_ = std::move(peer); }
    const std::shared_ptr<Firmware>& peer() const { return peer_; }
    bool peerReachable() const { return peer_ != nullptr && peer_->radioReachable(); }

    std::optional<Frame> handleFrame(const Frame& frame) override;
    // Commands the receiver answers itself: only the radio query.
    CommandResult execute(const CommandRequest& request) override;

  private:
    std::shared_ptr<Firmware> peer_;
};

}  // namespace vorn::emulator

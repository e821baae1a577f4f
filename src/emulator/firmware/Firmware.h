#pragma once
// The firmware of one emulated device, seen from the device's side: a state machine that
// takes one command frame, changes its state, and gives back the reply frame (or none).
// The hardware parts (memory areas, battery, lights) sit beside the state machine in each
// family's subclass.
//
// Two levels: handleFrame() is what arrives on the device's own command collection (checks
// the frame, decodes it, encodes the reply); execute() is the command itself, which a
// receiver also calls for the device it has paired over the radio. Families: the T4 mice
// (MouseFirmware) and the receivers (ReceiverFirmware); keyboards, mouse pads and headsets
// join as further subclasses.

#include <optional>

#include "emulator/firmware/DeviceFrame.h"

namespace vorn::emulator {

class Firmware {
  public:
    virtual ~Firmware() = default;

    // One output report of the command collection. The default checks the additive
    // checksum (status 0xFE when wrong) and the length field, runs execute() and seals the
    // reply with the additive checksum.
    virtual std::optional<Frame> handleFrame(const Frame& frame);

    // One decoded command with a length of at most 56.
    virtual CommandResult execute(const CommandRequest& request) = 0;

    // For a device that can be paired with a receiver: whether it answers over the radio now
    // (switched on and within reach), and the code by which the receiver names its model.
    virtual bool radioReachable() const { return false; }
    virtual uint8_t radioModelCode() const { return 100; }

  protected:
    static CommandResult refused() {
        CommandResult result;
        result.status = kStatusRefused;
        return result;
    }
    static CommandResult damaged() {
        CommandResult result;
        result.status = kStatusDamaged;
        return result;
    }
};

}  // namespace vorn::emulator

#pragma once
// A command channel on an emulated bus, opened the way the device link opens it, on virtual
// time: the channel's pauses advance a VirtualClock, and the bus's time-outs and slow
// replies jump its own virtual clock, so nothing here waits for real.

#include <memory>
#include <string>
#include <vector>

#include "ObservedBackend.h"
#include "StandInDevice.h"
#include "emulator/bus/VirtualBus.h"
#include "platform/clock/Clock.h"
#include "protocol/CommandChannel.h"
#include "protocol/CommandFrame.h"

namespace vorn::test {

class ChannelRig {
  public:
    // A virtual bus built from a scenario ("t4ultra", "dongle8k+t4ultra:off", ...).
    explicit ChannelRig(const std::string& scenario);
    // The stand-in device (StandInBus::kReceiver / kCable).
    struct StandIn {};
    explicit ChannelRig(StandIn);
    ~ChannelRig();

    emulator::VirtualBus& bus() { return *bus_; }
    StandInBus& standIn() { return *standIn_; }
    ObservedBackend& io() { return *io_; }
    platform::VirtualClock& clock() { return clock_; }
    protocol::CommandChannel& channel() { return *channel_; }

    // Opens the device's command collection on the cable link (mode 1) or on the radio link
    // (mode 2) and marks the channel open.
    void openCable(int device);
    void openReceiver(int device);
    // The command frames that reached the device, oldest first.
    std::vector<protocol::CommandFrame> frames(int device) const;
    void clearFrames(int device);

  private:
    std::string commandPath(int device) const;

    platform::VirtualClock clock_;
    platform::ClockOverride clockOverride_{clock_};
    std::unique_ptr<emulator::VirtualBus> bus_;
    std::unique_ptr<StandInBus> standIn_;
    std::unique_ptr<ObservedBackend> io_;
    std::unique_ptr<protocol::CommandChannel> channel_;
};

// The data a frame carries (its length byte's worth of bytes 8 onward).
std::vector<uint8_t> frameData(const protocol::CommandFrame& frame);

}  // namespace vorn::test

#pragma once
// Faults a test can inject into an emulated device's command collection. Each fault is
// armed for one command frame: the next one (skipFrames 0) or a later one; several faults
// may hit the same frame.

#include <cstdint>

namespace vorn::emulator {

enum class FaultKind {
    UnplugMidTransfer,  // the device is pulled as the frame arrives: it is not executed, the
                        // write fails with Disconnected, and the device leaves the bus
    DropReply,          // the frame is executed but no reply is sent
    StaleReply,         // an extra earlier reply (the previous one) comes before the reply
    BadChecksum,        // the reply's check bytes (1-2) are wrong
    SlowReply,          // the reply comes delayMs later
    StallWrite,         // the write is not taken: it waits until its time-out, an abort or
                        // an unplug, and the frame never reaches the firmware
};

struct Fault {
    FaultKind kind = FaultKind::DropReply;
    int skipFrames = 0;  // command frames to let pass before this one strikes
    int delayMs = 0;     // SlowReply only
};

}  // namespace vorn::emulator

#pragma once
// The receiver poll's talk with the receiver: whether its paired mouse answers, and when it
// answers for the first time, which model it is. The main window runs it every 500 ms while a
// receiver is present (timer 1068), on a channel it has opened on the receiver, and binds the
// model's page when the mouse was bound.

#include "link/LinkedSlots.h"
#include "protocol/CommandChannel.h"

namespace vorn::link {

struct ReceiverPollResult {
    bool answered = false;  // QueryRadioLink said the mouse is reachable
    bool bound = false;     // this poll read the mouse's identity and linked the receiver slot
    int modelCode = -1;     // the model the receiver reported (valid when bound)
};

inline constexpr int kBeginSessionTries = 5;

// One poll: QueryRadioLink; when the mouse answers, the receiver's mouse is not yet linked and
// the receiver slot is not linked: up to five BeginSession tries, ReadDeviceInfo and
// EndSession, and for a block marked 0x55AA the receiver state takes the model code and the
// receiver slot becomes linked. A mouse that does not answer clears the link state.
ReceiverPollResult pollReceiverLink(protocol::CommandChannel& channel, LinkedSlots& slots);

}  // namespace vorn::link

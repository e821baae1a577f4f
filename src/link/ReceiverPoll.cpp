#include "link/ReceiverPoll.h"

#include "protocol/Commands.h"
#include "protocol/DeviceInfo.h"

namespace vorn::link {

ReceiverPollResult pollReceiverLink(protocol::CommandChannel& channel, LinkedSlots& slots) {
    ReceiverPollResult result;
    const int answer = protocol::QueryRadioLink(channel);
    result.answered = answer == 1;
    int receiverSlot = -1;
    bool needsBinding = false;
    {
        std::lock_guard<std::mutex> lock(slots.mutex());
        ReceiverState& state = slots.receiver();
        if (answer == 0) {
            state.commandDeviceLink = 0;
            return result;
        }
        receiverSlot = state.receiverSlot;
        const int count = static_cast<int>(slots.slots().size());
        needsBinding = answer == 1 && state.commandDeviceLink == 0 && receiverSlot >= 0 &&
                       receiverSlot < count &&
                       slots.slots()[static_cast<std::size_t>(receiverSlot)].linked == 0;
    }
    if (!needsBinding) {
        return result;
    }
    bool session = false;
    for (int i = 0; i < kBeginSessionTries && !session; ++i) {
        session = protocol::BeginSession(channel) == 1;
    }
    protocol::DeviceInfo info;
    protocol::ReadDeviceInfo(channel, info);
    protocol::EndSession(channel);
    std::lock_guard<std::mutex> lock(slots.mutex());
    ReceiverState& state = slots.receiver();
    if (!session) {
        state.commandDeviceLink = 0;
    }
    if (info.isValid()) {
        state.commandDeviceLink = 1;
        state.reportedModelCode = info.pairedModelCode();
        slots.slots()[static_cast<std::size_t>(receiverSlot)].linked = 1;
        result.bound = true;
        result.modelCode = state.reportedModelCode;
    }
    return result;
}

}  // namespace vorn::link

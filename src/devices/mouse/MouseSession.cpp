#include "devices/mouse/MouseSession.h"

#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

namespace vorn::devices::mouse {

using protocol::kResultOk;

bool linkRuleHolds(protocol::CommandChannel& channel) {
    return protocol::QueryRadioLink(channel) == kResultOk;
}

bool readInfoFirst(protocol::CommandChannel& channel, protocol::DeviceInfo& info) {
    return channel.isOpen() && linkRuleHolds(channel) &&
           protocol::ReadDeviceInfo(channel, info) == kResultOk;
}

bool readInSession(protocol::CommandChannel& channel, const std::function<bool()>& read) {
    if (!channel.isOpen() || !linkRuleHolds(channel)) {
        return false;
    }
    protocol::BeginSession(channel);
    const bool done = read();
    protocol::EndSession(channel);
    return done;
}

bool writeInSession(protocol::CommandChannel& channel, const std::function<int()>& transfer) {
    if (!channel.isOpen() || !linkRuleHolds(channel) ||
        protocol::BeginSession(channel) != kResultOk || !linkRuleHolds(channel)) {
        return false;
    }
    const bool sent = transfer() == kResultOk;
    if (!linkRuleHolds(channel)) {
        return false;
    }
    const bool ended = protocol::EndSession(channel) == kResultOk;
    return sent && ended;
}

}  // namespace vorn::devices::mouse

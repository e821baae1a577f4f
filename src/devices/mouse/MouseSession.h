#pragma once
// How the mouse's writes reach it. Every step of a write sequence is preceded by the link
// rule (QueryRadioLink must answer: on the cable it does at once, through a receiver the
// mouse must answer), and sequences that change the mouse's memory run between BeginSession
// and EndSession. A failed link rule ends the sequence there, with nothing more sent.

#include <functional>

#include "protocol/CommandChannel.h"
#include "protocol/DeviceInfo.h"

namespace vorn::devices::mouse {

// Whether the mouse can be reached now.
bool linkRuleHolds(protocol::CommandChannel& channel);

// The link rule, then ReadDeviceInfo. False on a closed channel or when either fails.
bool readInfoFirst(protocol::CommandChannel& channel, protocol::DeviceInfo& info);

// The link rule and BeginSession, then read, then EndSession whether the read went well or
// not (a session is never left open). False on a closed channel, a failed link rule or when
// read answers false.
bool readInSession(protocol::CommandChannel& channel, const std::function<bool()>& read);

// The link rule and BeginSession, the link rule and transfer, the link rule and EndSession.
// True only when the channel is open and every step succeeded; a failed transfer still ends
// the session when the mouse can be reached.
bool writeInSession(protocol::CommandChannel& channel, const std::function<int()>& transfer);

}  // namespace vorn::devices::mouse

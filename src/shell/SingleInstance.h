#pragma once
// One running program per user. The first start owns the bus name io.vorn.Vorn; a later
// start tells it to come to the front (AppMessage with wParam 0, lParam 1) and ends. Where
// no session bus runs, a lock file in the runtime folder keeps the rule (and nobody can be
// told: the later start just ends).

#include <memory>
#include <string>

#include "platform/ipc/BusNames.h"
#include "platform/ipc/InstanceLock.h"
#include "platform/ipc/SessionBus.h"

namespace vorn::shell {

enum class InstanceRole {
    First,   // go on: this is the running program
    Second,  // the running one was asked to show itself; end with 0
};

struct SingleInstance {
    InstanceRole role = InstanceRole::First;
    std::unique_ptr<platform::ipc::SessionBus> bus;     // null without a session bus
    std::unique_ptr<platform::ipc::InstanceLock> lock;  // held without a session bus
};

// Connects to the session bus and asks for busName (or takes the lock file at lockPath), and
// decides. Tests give names of their own, so that several can run at once.
SingleInstance claimSingleInstance(const std::string& lockPath,
                                   const std::string& busName = platform::ipc::kApplicationName);

}  // namespace vorn::shell

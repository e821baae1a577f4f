#include "shell/SingleInstance.h"

#include <cerrno>
#include <cstring>

#include "platform/debug/DebugSink.h"
#include "platform/ipc/BusNames.h"
#include "ui/mainwnd/AppMessages.h"

namespace vorn::shell {

SingleInstance claimSingleInstance(const std::string& lockPath, const std::string& busName) {
    namespace ipc = platform::ipc;
    SingleInstance instance;
    int error = 0;
    instance.bus = ipc::SessionBus::connect(&error);
    if (instance.bus) {
        switch (instance.bus->claimName(busName)) {
            case ipc::NameClaim::Owned:
                return instance;
            case ipc::NameClaim::HeldByAnother:
                instance.bus->broadcast(ui::mainwnd::kAppIdentity, 0, 1);
                instance.role = InstanceRole::Second;
                return instance;
            case ipc::NameClaim::Failed:
                break;  // a bus that refuses the name: the lock file decides
        }
    } else {
        platform::debugPrintf("no session bus (%s): companion messages are off",
                              std::strerror(-error));
    }
    int lockError = 0;
    instance.lock = ipc::InstanceLock::tryTake(lockPath, &lockError);
    if (!instance.lock && lockError == EWOULDBLOCK) {
        instance.role = InstanceRole::Second;
    }
    return instance;
}

}  // namespace vorn::shell

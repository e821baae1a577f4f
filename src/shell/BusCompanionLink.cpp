#include "shell/BusCompanionLink.h"

#include <cstring>

#include "platform/debug/DebugSink.h"
#include "platform/ipc/BusNames.h"

namespace vorn::shell {
namespace {

using ui::mainwnd::Companion;

// A companion answers a block at once; a hung one must not freeze the window for long.
constexpr std::uint32_t kCopyDataTimeoutMs = 1000;

struct CompanionAddress {
    const char* name;
    const char* path;
};

CompanionAddress addressOf(Companion who) {
    namespace ipc = platform::ipc;
    return who == Companion::WorkTool
               ? CompanionAddress{ipc::kWorkToolName, ipc::kWorkToolPath}
               : CompanionAddress{ipc::kAudioRecordName, ipc::kAudioRecordPath};
}

}  // namespace

void BusCompanionLink::broadcast(std::string_view name, std::uint32_t wParam, std::int64_t lParam) {
    if (const int r = bus_.broadcast(name, wParam, lParam); r < 0) {
        platform::debugPrintf("session bus: %.*s not broadcast: %s", static_cast<int>(name.size()),
                              name.data(), std::strerror(-r));
    }
}

bool BusCompanionLink::isRunning(Companion who) {
    return bus_.hasOwner(addressOf(who).name);
}

bool BusCompanionLink::send(Companion who, std::string_view name, std::uint32_t wParam,
                            std::int64_t lParam) {
    return bus_.signalTo(addressOf(who).name, name, wParam, lParam) == 0;
}

bool BusCompanionLink::copyData(Companion who, std::uint64_t dwData,
                                std::span<const std::uint8_t> data) {
    const CompanionAddress address = addressOf(who);
    const int r = bus_.copyData(address.name, address.path, dwData, data, kCopyDataTimeoutMs);
    if (r < 0) {
        platform::debugPrintf("session bus: no block for %s: %s", address.name, std::strerror(-r));
    }
    return r == 0;
}

}  // namespace vorn::shell

#include "shell/MessageBridge.h"

#include <cstring>

#include "platform/debug/DebugSink.h"
#include "platform/ipc/BusNames.h"
#include "platform/loop/RegisteredMessages.h"
#include "ui/mainwnd/MainWnd.h"

namespace vorn::shell {

MessageBridge::MessageBridge(platform::ipc::SessionBus& bus, ui::CWindowWnd& window)
    : window_(window) {
    const int listened = bus.listen([this](const platform::ipc::RegisteredSignal& signal) {
        const std::uint32_t id = platform::FindRegisteredMessage(signal.name);
        if (id != 0) {
            window_.PostMessage(id, signal.wParam, static_cast<std::intptr_t>(signal.lParam));
        }
    });
    const int offered = bus.offerCopyData(
        platform::ipc::kApplicationPath, [this](const platform::ipc::CopyDataCall& call) {
            const ui::mainwnd::CopyDataBlock block{call.dwData, &call.data};
            window_.SendMessage(ui::WM_COPYDATA, 0, reinterpret_cast<std::intptr_t>(&block));
        });
    listening_ = listened == 0 && offered == 0;
    if (!listening_) {
        platform::debugPrintf("session bus: companion messages are off: %s",
                              std::strerror(-(listened < 0 ? listened : offered)));
    }
}

}  // namespace vorn::shell

#pragma once
// Brings what other programs send on the session bus to the main window: a registered
// message broadcast by any program arrives as that message's id in this process, with its
// parameters; a CopyData call arrives as WM_COPYDATA. Names this process never registered
// mean nothing to it and are left alone.

#include "platform/ipc/SessionBus.h"
#include "ui/framework/windows/Window.h"

namespace vorn::shell {

class MessageBridge {
  public:
    // Starts listening on bus for window (both outlive the bridge's use).
    MessageBridge(platform::ipc::SessionBus& bus, ui::CWindowWnd& window);
    bool listening() const { return listening_; }

  private:
    ui::CWindowWnd& window_;
    bool listening_ = false;
};

}  // namespace vorn::shell

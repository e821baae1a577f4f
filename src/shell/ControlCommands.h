#pragma once
// The answer of a running program to the vornctl commands it serves itself
// (Control1.Command): "devices" lists the device pages its window shows; "window show" and
// "window hide" bring the window up or put it into the tray, as the tray icon does; "mouse
// ..." works the mouse page as vornctl mouse does (MouseCommand.h).

#include <string>
#include <vector>

#include "platform/ipc/DeviceLines.h"
#include "platform/ipc/SessionBus.h"
#include "ui/mainwnd/MainWnd.h"
#include "ui/selector/DeviceSelector.h"

namespace vorn::shell {

// The name of the profile the page's profile list has selected; empty when it has none.
std::string selectedProfileName(devices::CTessarinUSBDevice& page);

// The shown tiles of the selector, in selector order.
std::vector<platform::ipc::DeviceLine> deviceLines(const ui::selector::DeviceSelector& selector);

platform::ipc::SessionBus::ControlAnswer answerCommand(ui::mainwnd::CMainWnd& window,
                                                       const std::vector<std::string>& words);

}  // namespace vorn::shell

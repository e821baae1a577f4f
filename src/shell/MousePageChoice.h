#pragma once
// Which mouse page the mouse command works on: the mouse the window shows, or the one
// --model or --slot names, whose tile is then selected as a click on it selects it.

#include <string>

#include "devices/mouse/TessarinMouseDevice.h"
#include "shell/MouseWords.h"
#include "ui/mainwnd/MainWnd.h"

namespace vorn::shell {

// The connected mouse the request names (its tile selected), or without a name the current
// mouse (the first connected one when the window shows another kind of device). Null with a
// sentence when there is none.
devices::CTessarinMouseDevice* chooseMouse(ui::mainwnd::CMainWnd& window,
                                           const MouseRequest& request, std::string& error);

}  // namespace vorn::shell

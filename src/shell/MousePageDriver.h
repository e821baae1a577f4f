#pragma once
// Working a mouse page as its user does, for the mouse command: a control takes a value,
// then its event goes through the window's dispatch to the page. What the window would tell
// the user meanwhile is kept, and after a change the answer says whether the mouse took it.

#include <string>
#include <string_view>

#include "devices/mouse/TessarinMouseDevice.h"
#include "platform/ipc/SessionBus.h"
#include "ui/mainwnd/MainWnd.h"

namespace vorn::shell {

using MouseAnswer = platform::ipc::SessionBus::ControlAnswer;

class MousePageDriver {
  public:
    // Catches the window's notices for the driver's life.
    MousePageDriver(ui::mainwnd::CMainWnd& window, devices::CTessarinMouseDevice& mouse);
    ~MousePageDriver();
    MousePageDriver(const MousePageDriver&) = delete;
    MousePageDriver& operator=(const MousePageDriver&) = delete;

    devices::CTessarinMouseDevice& mouse() { return mouse_; }
    // A control of the page; null when its layout has none.
    ui::CControlUI* control(std::string_view name);
    template <typename T>
    T* control(std::string_view name, std::string_view interfaceName) {
        return ui::interfaceOf<T>(control(name), interfaceName);
    }
    // A control of the window outside the page (the section tabs of the title bar).
    ui::CControlUI* windowControl(std::string_view name);
    // The event as the window's Notify receives it from a user's action on the control.
    void raise(std::string_view type, ui::CControlUI* sender);

    // What the window told the user since the driver began (one line each).
    const std::string& notices() const { return notices_; }
    // The answer after the page wrote its settings block: ok with the text when the mouse
    // took the block, else not ok with the text and why.
    MouseAnswer afterBlockWrite(std::string text);

  private:
    ui::mainwnd::CMainWnd& window_;
    devices::CTessarinMouseDevice& mouse_;
    std::string notices_;
};

// The event as the window's Notify receives it from a user's action on the control; nothing
// for a control the layout does not have (null).
void raiseOnWindow(ui::mainwnd::CMainWnd& window, std::string_view type, ui::CControlUI* sender);

// The answer when the page has no control for a setting.
MouseAnswer noSuchSetting(std::string_view what);

// The key and light commands (MouseKeyCommand.cpp).
struct MouseRequest;
MouseAnswer setMouseKey(MousePageDriver& page, const MouseRequest& request);
MouseAnswer setMouseLight(MousePageDriver& page, const MouseRequest& request);

}  // namespace vorn::shell

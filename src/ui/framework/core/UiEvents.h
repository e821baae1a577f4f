#pragma once
// Input events delivered to controls (TEventUI), notifications raised by controls
// (TNotifyUI) and the receiver interface of notifications (INotifyUI).

#include <cstdint>
#include <string>

#include "ui/framework/core/UiTypes.h"

namespace vorn::ui {

class CControlUI;

// Input events a control receives in DoEvent, whether from a real window or from a test
// acting on the tree.
enum UiEventType {
    UIEVENT_UNKNOWN = 0,
    UIEVENT_MOUSEMOVE,
    UIEVENT_MOUSELEAVE,
    UIEVENT_MOUSEENTER,
    UIEVENT_MOUSEHOVER,
    UIEVENT_BUTTONDOWN,
    UIEVENT_BUTTONUP,
    UIEVENT_RBUTTONDOWN,
    UIEVENT_RBUTTONUP,
    UIEVENT_DBLCLICK,
    UIEVENT_CONTEXTMENU,
    UIEVENT_SCROLLWHEEL,
    UIEVENT_KEYDOWN,
    UIEVENT_KEYUP,
    UIEVENT_CHAR,
    UIEVENT_SETFOCUS,
    UIEVENT_KILLFOCUS,
    UIEVENT_TIMER,
    UIEVENT_SETCURSOR,
};

// Whether an event comes from the mouse (those a control with the mouse off passes on).
inline bool isMouseEvent(UiEventType type) {
    return type >= UIEVENT_MOUSEMOVE && type <= UIEVENT_SCROLLWHEEL;
}

// Modifier bits of TEventUI::wKeyState.
inline constexpr uint32_t MK_LBUTTON_STATE = 0x0001;
inline constexpr uint32_t MK_RBUTTON_STATE = 0x0002;
inline constexpr uint32_t MK_SHIFT_STATE = 0x0004;
inline constexpr uint32_t MK_CONTROL_STATE = 0x0008;
inline constexpr uint32_t MK_ALT_STATE = 0x0020;

// Key codes used by the controls' key handling (the window-message numbering).
inline constexpr uint32_t VK_RETURN_KEY = 0x0D;
inline constexpr uint32_t VK_ESCAPE_KEY = 0x1B;
inline constexpr uint32_t VK_UP_KEY = 0x26;
inline constexpr uint32_t VK_DOWN_KEY = 0x28;

struct TEventUI {
    UiEventType Type = UIEVENT_UNKNOWN;
    CControlUI* pSender = nullptr;
    uint64_t dwTimestamp = 0;
    UiPoint ptMouse;
    uint32_t chKey = 0;
    uint32_t wKeyState = 0;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

// Visual state bits of buttons and options.
inline constexpr uint32_t UISTATE_FOCUSED = 0x0001;
inline constexpr uint32_t UISTATE_SELECTED = 0x0002;
inline constexpr uint32_t UISTATE_DISABLED = 0x0004;
inline constexpr uint32_t UISTATE_HOT = 0x0008;
inline constexpr uint32_t UISTATE_PUSHED = 0x0010;
inline constexpr uint32_t UISTATE_READONLY = 0x0020;
inline constexpr uint32_t UISTATE_CAPTURED = 0x0040;

// A notification: what happened to which control.
struct TNotifyUI {
    std::string sType;
    std::string sVirtualWnd;
    CControlUI* pSender = nullptr;
    uint64_t dwTimestamp = 0;
    UiPoint ptMouse;
    uintptr_t wParam = 0;
    intptr_t lParam = 0;
};

class INotifyUI {
  public:
    virtual ~INotifyUI() = default;
    virtual void Notify(TNotifyUI& msg) = 0;
};

// Notification types raised by the framework's controls and windows.
inline constexpr const char* DUI_MSGTYPE_CLICK = "click";
inline constexpr const char* DUI_MSGTYPE_DBCLICK = "dbclick";
inline constexpr const char* DUI_MSGTYPE_SELECTCHANGED = "selectchanged";
inline constexpr const char* DUI_MSGTYPE_VALUECHANGED = "valuechanged";
inline constexpr const char* DUI_MSGTYPE_MOVEVALUECHANGED = "movevaluechanged";
inline constexpr const char* DUI_MSGTYPE_ITEMSELECT = "itemselect";
inline constexpr const char* DUI_MSGTYPE_ITEMCLICK = "itemclick";
inline constexpr const char* DUI_MSGTYPE_ITEMACTIVATE = "itemactivate";
inline constexpr const char* DUI_MSGTYPE_KILLFOCUS = "killfocus";
inline constexpr const char* DUI_MSGTYPE_SETFOCUS = "setfocus";
inline constexpr const char* DUI_MSGTYPE_TEXTCHANGED = "textchanged";
inline constexpr const char* DUI_MSGTYPE_RETURN = "return";
inline constexpr const char* DUI_MSGTYPE_COLORCHANGED = "colorchanged";
inline constexpr const char* DUI_MSGTYPE_TIMER = "timer";
inline constexpr const char* DUI_MSGTYPE_WINDOWINIT = "windowinit";
inline constexpr const char* DUI_MSGTYPE_WINDOWSIZE = "windowsize";
inline constexpr const char* DUI_MSGTYPE_MENU = "menu";
inline constexpr const char* DUI_MSGTYPE_MOUSEENTER = "msenter";
inline constexpr const char* DUI_MSGTYPE_MOUSELEAVE = "msleave";
inline constexpr const char* DUI_MSGTYPE_DROPDOWN = "dropdown";
inline constexpr const char* DUI_MSGTYPE_TABSELECT = "tabselect";
inline constexpr const char* DUI_MSGTYPE_SCROLL = "scroll";

}  // namespace vorn::ui

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
inline constexpr uint32_t VK_BACK_KEY = 0x08;
inline constexpr uint32_t VK_TAB_KEY = 0x09;
inline constexpr uint32_t VK_RETURN_KEY = 0x0D;
inline constexpr uint32_t VK_SHIFT_KEY = 0x10;
inline constexpr uint32_t VK_CONTROL_KEY = 0x11;
inline constexpr uint32_t VK_MENU_KEY = 0x12;  // Alt
inline constexpr uint32_t VK_PAUSE_KEY = 0x13;
inline constexpr uint32_t VK_CAPITAL_KEY = 0x14;
inline constexpr uint32_t VK_ESCAPE_KEY = 0x1B;
inline constexpr uint32_t VK_SPACE_KEY = 0x20;
inline constexpr uint32_t VK_PRIOR_KEY = 0x21;  // Page Up
inline constexpr uint32_t VK_NEXT_KEY = 0x22;   // Page Down
inline constexpr uint32_t VK_END_KEY = 0x23;
inline constexpr uint32_t VK_HOME_KEY = 0x24;
inline constexpr uint32_t VK_LEFT_KEY = 0x25;
inline constexpr uint32_t VK_UP_KEY = 0x26;
inline constexpr uint32_t VK_RIGHT_KEY = 0x27;
inline constexpr uint32_t VK_DOWN_KEY = 0x28;
inline constexpr uint32_t VK_SNAPSHOT_KEY = 0x2C;  // Print Screen
inline constexpr uint32_t VK_INSERT_KEY = 0x2D;
inline constexpr uint32_t VK_DELETE_KEY = 0x2E;
// '0'..'9' are 0x30..0x39 and 'A'..'Z' 0x41..0x5A, as their characters.
inline constexpr uint32_t VK_LWIN_KEY = 0x5B;
inline constexpr uint32_t VK_APPS_KEY = 0x5D;  // the context-menu key
inline constexpr uint32_t VK_F1_KEY = 0x70;    // F1..F24: 0x70..0x87
inline constexpr uint32_t VK_NUMLOCK_KEY = 0x90;
inline constexpr uint32_t VK_SCROLL_KEY = 0x91;
inline constexpr uint32_t VK_OEM_1_KEY = 0xBA;       // ;:
inline constexpr uint32_t VK_OEM_PLUS_KEY = 0xBB;    // =+
inline constexpr uint32_t VK_OEM_COMMA_KEY = 0xBC;   // ,<
inline constexpr uint32_t VK_OEM_MINUS_KEY = 0xBD;   // -_
inline constexpr uint32_t VK_OEM_PERIOD_KEY = 0xBE;  // .>
inline constexpr uint32_t VK_OEM_2_KEY = 0xBF;       // /?
inline constexpr uint32_t VK_OEM_3_KEY = 0xC0;       // `~
inline constexpr uint32_t VK_OEM_4_KEY = 0xDB;       // [{
inline constexpr uint32_t VK_OEM_5_KEY = 0xDC;       // \|
inline constexpr uint32_t VK_OEM_6_KEY = 0xDD;       // ]}
inline constexpr uint32_t VK_OEM_7_KEY = 0xDE;       // '"

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

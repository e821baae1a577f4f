#include "ui/framework/windows/WindowImplBase.h"

#include "platform/debug/DebugSink.h"
#include "ui/framework/controls/Control.h"
#include "ui/framework/windows/dialogs/ScaleRule.h"

namespace vorn::ui {

WindowImplBase::~WindowImplBase() {
    m_pm.RemoveNotifier(this);
}

void WindowImplBase::Notify(TNotifyUI& msg) {
    bool handled = NotifyPump(msg);
    if (!handled && msg.sType == DUI_MSGTYPE_CLICK && msg.pSender != nullptr) {
        OnClick(msg);
    }
}

void WindowImplBase::OnClick(TNotifyUI& msg) {
    std::string name = msg.pSender->GetName();
    if (name == "closebtn") {
        Close(0);
    } else if (name == "minbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (name == "maxbtn") {
        SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    } else if (name == "restorebtn") {
        SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    }
}

intptr_t WindowImplBase::HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                             bool& handled) {
    (void)message;
    (void)wParam;
    (void)lParam;
    handled = false;
    return 0;
}

intptr_t WindowImplBase::ResponseDefaultKeyEvent(uintptr_t key) {
    if (key == VK_RETURN_KEY) {
        return 0;
    }
    if (key == VK_ESCAPE_KEY) {
        return 1;
    }
    return 0;
}

intptr_t WindowImplBase::OnCreate(bool& handled) {
    handled = true;
    m_pm.Init(this, GetWindowClassName());
    std::string skin = GetSkinFolder() + GetSkinFile();
    CDialogBuilder builder;
    builder.SetReportLoadErrors(false);  // the one line below names the window too
    CControlUI* root = builder.Create(skin, {}, this, &m_pm);
    if (root == nullptr) {
        platform::debugPrintf("window %s: skin %s could not be built: %s",
                              GetWindowClassName().c_str(), skin.c_str(),
                              builder.GetLastErrorMessage().c_str());
    } else {
        m_pm.AttachDialog(root);
    }
    m_pm.AddNotifier(this);
    UiRect rect = GetWindowRect();
    UiSize init = m_pm.GetInitSize();
    if (rect.width() == 0 && rect.height() == 0 && (init.cx > 0 || init.cy > 0)) {
        ResizeClient(init.cx, init.cy);
    }
    m_pm.SetClientSize(GetClientSize());
    InitWindow();
    return 0;
}

intptr_t WindowImplBase::OnClose(uintptr_t wParam, bool& handled) {
    (void)wParam;
    handled = false;  // the default destroys the window
    return 0;
}

intptr_t WindowImplBase::OnDestroy(bool& handled) {
    handled = false;
    return 0;
}

intptr_t WindowImplBase::OnSize(uintptr_t wParam, intptr_t lParam, bool& handled) {
    (void)wParam;
    handled = false;
    m_pm.SetClientSize(
        {loWord(static_cast<uintptr_t>(lParam)), hiWord(static_cast<uintptr_t>(lParam))});
    if (initSent_ && m_pm.GetRoot() != nullptr) {
        m_pm.SendNotify(m_pm.GetRoot(), DUI_MSGTYPE_WINDOWSIZE);
    }
    return 0;
}

void WindowImplBase::UpdateZoomButtons() {
    CControlUI* maxbtn = m_pm.FindControl("maxbtn");
    CControlUI* restorebtn = m_pm.FindControl("restorebtn");
    if (maxbtn != nullptr) {
        maxbtn->SetVisible(!IsZoomed());
    }
    if (restorebtn != nullptr) {
        restorebtn->SetVisible(IsZoomed());
    }
}

intptr_t WindowImplBase::OnSysCommand(uintptr_t wParam, bool& handled) {
    handled = true;
    if ((wParam & 0xFFF0) == SC_CLOSE) {
        SendMessage(WM_CLOSE, 0, 0);
        return 0;
    }
    bool wasZoomed = IsZoomed();
    intptr_t result = CWindowWnd::HandleMessage(WM_SYSCOMMAND, wParam, 0);
    if (IsWindow() && wasZoomed != IsZoomed()) {
        UpdateZoomButtons();
    }
    return result;
}

intptr_t WindowImplBase::OnKeyDown(uintptr_t wParam, bool& handled) {
    handled = ResponseDefaultKeyEvent(wParam) != 0;
    if (!handled && m_pm.GetFocus() != nullptr) {
        m_pm.DispatchKey(UIEVENT_KEYDOWN, static_cast<uint32_t>(wParam));
        handled = true;
    }
    return 0;
}

intptr_t WindowImplBase::HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    intptr_t result = 0;
    bool handled = false;
    switch (message) {
        case WM_CREATE:
            result = OnCreate(handled);
            break;
        case WM_CLOSE:
            result = OnClose(wParam, handled);
            break;
        case WM_DESTROY:
            result = OnDestroy(handled);
            break;
        case WM_SIZE:
            result = OnSize(wParam, lParam, handled);
            break;
        case WM_SYSCOMMAND:
            result = OnSysCommand(wParam, handled);
            break;
        case WM_KEYDOWN:
            result = OnKeyDown(wParam, handled);
            break;
        default:
            break;
    }
    if (handled) {
        return result;
    }
    result = HandleCustomMessage(message, wParam, lParam, handled);
    if (handled) {
        return result;
    }
    if (m_pm.MessageHandler(message, wParam, lParam, result)) {
        return result;
    }
    return CWindowWnd::HandleMessage(message, wParam, lParam);
}

void WindowImplBase::OnFirstShow() {
    initSent_ = true;
    if (m_pm.GetRoot() != nullptr) {
        m_pm.SendNotify(m_pm.GetRoot(), DUI_MSGTYPE_WINDOWINIT);
    }
}

void WindowImplBase::HandleDpiChanged(uintptr_t wParam, intptr_t lParam) {
    m_pm.SetDPI(checkedScale(loWord(wParam), ScaleErrorText()));
    m_pm.ResetDPIAssets();
    if (const auto* proposed = reinterpret_cast<const UiRect*>(lParam)) {
        MoveWindow(*proposed);
    }
    if (m_pm.GetRoot() != nullptr) {
        m_pm.GetRoot()->NeedUpdate();
    }
}

}  // namespace vorn::ui

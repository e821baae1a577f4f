#include "ui/framework/dialogs/AboutWnd.h"

#include "ui/framework/Control.h"

namespace vorn::ui {

void CAboutWnd::InitWindow() {
    closeBtn_ = m_pm.FindControl("closebtn");
    maxBtn_ = m_pm.FindControl("maxbtn");
    restoreBtn_ = m_pm.FindControl("restorebtn");
    minBtn_ = m_pm.FindControl("minbtn");
    menuBtn_ = m_pm.FindControl("menubtn");
    UpdateRevisionText();
}

void CAboutWnd::UpdateRevisionText() {
    CControlUI* probe = m_pm.FindControl("text_test");
    CControlUI* label = m_pm.FindControl("software_ver_label");
    if (probe == nullptr || label == nullptr) {
        return;
    }
    probe->SetResourceText(true);
    probe->SetText("software_rev_text");
    label->SetText(probe->GetText());
}

void CAboutWnd::Notify(TNotifyUI& msg) {
    if (msg.sType == DUI_MSGTYPE_CLICK && msg.pSender != nullptr) {
        if (msg.pSender == closeBtn_) {
            Close(0);
            return;
        }
        std::string name = msg.pSender->GetName();
        if (name == "homepage_btn" || msg.pSender == menuBtn_) {
            return;
        }
    }
    WindowImplBase::Notify(msg);
}

intptr_t CAboutWnd::HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                        bool& handled) {
    switch (message) {
        case WM_TIMER:
            if (wParam == 1) {
                KillTimer(1);
            }
            handled = true;
            return 0;
        case kLanguageChangedMessage:
            UpdateRevisionText();
            if (m_pm.GetRoot() != nullptr) {
                m_pm.GetRoot()->NeedUpdate();
                m_pm.GetRoot()->Invalidate();
            }
            m_pm.UpdateLayout();
            handled = true;
            return 0;
        case WM_DPICHANGED:
            HandleDpiChanged(wParam, lParam);
            handled = true;
            return 0;
        default:
            return WindowImplBase::HandleCustomMessage(message, wParam, lParam, handled);
    }
}

void CAboutWnd::OnFinalMessage(UiWindowHandle handle) {
    (void)handle;
    delete this;
}

bool ShowAboutWindow(CWindowWnd* mainWindow, UiWindowHandle& openHandle) {
    if (openHandle != 0 && CWindowWnd::FromHandle(openHandle) != nullptr) {
        return false;
    }
    auto* about = new CAboutWnd;
    if (!about->Create(mainWindow, "aboutwnd", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW,
                       {0, 0, 800, 572})) {
        delete about;
        return false;
    }
    about->UpdateRevisionText();
    openHandle = about->GetHWND();
    about->CenterWindow();
    about->ShowModal();
    openHandle = 0;
    return true;
}

}  // namespace vorn::ui

#include "ui/framework/windows/dialogs/AboutWnd.h"

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

void CAboutWnd::InitWindow() {
    CFrameButtonWnd::InitWindow();
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

bool CAboutWnd::OnDialogClick(TNotifyUI& msg) {
    // The home page button has no page to open here.
    return msg.pSender->GetName() == "homepage_btn";
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
        default:
            return CFrameButtonWnd::HandleCustomMessage(message, wParam, lParam, handled);
    }
}

bool ShowAboutWindow(CWindowWnd* mainWindow, UiWindowHandle& openHandle, int scale) {
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
    if (scale == 0) {
        auto* owner = dynamic_cast<WindowImplBase*>(mainWindow);
        scale = owner != nullptr ? owner->GetPaintManager().GetDPIObj()->GetDPI() : 96;
    }
    about->SetDPI(scale);
    openHandle = about->GetHWND();
    about->CenterWindow();
    about->ShowModal();
    openHandle = 0;
    return true;
}

}  // namespace vorn::ui

#include "ui/framework/windows/dialogs/FrameButtonWnd.h"

#include "ui/framework/controls/Control.h"
#include "ui/framework/windows/dialogs/ScaleRule.h"

namespace vorn::ui {

void CFrameButtonWnd::InitWindow() {
    closeBtn_ = m_pm.FindControl("closebtn");
    menuBtn_ = m_pm.FindControl("menubtn");
}

void CFrameButtonWnd::Notify(TNotifyUI& msg) {
    if (msg.sType == DUI_MSGTYPE_CLICK && msg.pSender != nullptr) {
        if (msg.pSender == closeBtn_) {
            Close(0);
            return;
        }
        if (msg.pSender == menuBtn_ || OnDialogClick(msg)) {
            return;
        }
    }
    WindowImplBase::Notify(msg);
}

intptr_t CFrameButtonWnd::HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                              bool& handled) {
    if (message == WM_DPICHANGED) {
        HandleDpiChanged(wParam, lParam);
        handled = true;
        return 0;
    }
    return WindowImplBase::HandleCustomMessage(message, wParam, lParam, handled);
}

void CFrameButtonWnd::SetDPI(int dpi) {
    int current = GetDPI();
    applyWindowScale(dpi, current, ScaleErrorText());
}

int CFrameButtonWnd::GetDPI() const {
    return m_pm.GetDPIObj()->GetDPI();
}

void CFrameButtonWnd::OnFinalMessage(UiWindowHandle handle) {
    (void)handle;
    delete this;
}

}  // namespace vorn::ui

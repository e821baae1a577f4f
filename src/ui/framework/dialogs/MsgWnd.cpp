#include "ui/framework/dialogs/MsgWnd.h"

#include "ui/framework/Control.h"
#include "ui/framework/dialogs/ScaleRule.h"

namespace vorn::ui {

void CMsgWnd::InitWindow() {
    closeBtn_ = m_pm.FindControl("closebtn");
    maxBtn_ = m_pm.FindControl("maxbtn");
    restoreBtn_ = m_pm.FindControl("restorebtn");
    minBtn_ = m_pm.FindControl("minbtn");
    menuBtn_ = m_pm.FindControl("menubtn");
}

void CMsgWnd::Notify(TNotifyUI& msg) {
    if (msg.sType == DUI_MSGTYPE_CLICK && msg.pSender != nullptr) {
        if (msg.pSender == closeBtn_) {
            Close(0);
            return;
        }
        std::string name = msg.pSender->GetName();
        if (name == "confirm_btn") {
            Close(1);
            return;
        }
        if (name == "cancel_btn") {
            Close(0);
            return;
        }
        if (msg.pSender == menuBtn_) {
            return;
        }
    }
    WindowImplBase::Notify(msg);
}

void CMsgWnd::SetDPI(int dpi) {
    applyWindowScale(dpi, dpi_, "MSG_WND DPI SET ERROR");
}

intptr_t CMsgWnd::HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                      bool& handled) {
    if (message == WM_DPICHANGED) {
        HandleDpiChanged(wParam, lParam);
        handled = true;
        return 0;
    }
    return WindowImplBase::HandleCustomMessage(message, wParam, lParam, handled);
}

void CMsgWnd::OnFinalMessage(UiWindowHandle handle) {
    (void)handle;
    delete this;
}

int ShowMessageBox(CWindowWnd* parent, std::string_view title, std::string_view text, int scale,
                   bool textIsKey, int buttons) {
    auto* box = new CMsgWnd;
    if (!box->Create(parent, "msgwnd", WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW)) {
        delete box;
        return -1;
    }
    CPaintManagerUI& pm = box->GetPaintManager();
    if (!title.empty()) {
        if (CControlUI* label = pm.FindControl("MessageTitle")) {
            label->SetText(title);
        }
    }
    if (!text.empty()) {
        if (CControlUI* label = pm.FindControl("MessageText")) {
            label->SetResourceText(textIsKey);
            label->SetText(text);
        }
    }
    box->SetDPI(scale);
    CControlUI* cancel = pm.FindControl("cancel_btn");
    CControlUI* confirm = pm.FindControl("confirm_btn");
    if (confirm != nullptr) {
        confirm->SetVisible(true);
    }
    if (cancel != nullptr) {
        cancel->SetVisible(buttons != 0);
    }
    box->CenterWindow();
    return box->ShowModal();  // the box deletes itself when it closes
}

}  // namespace vorn::ui

#include "ui/framework/windows/dialogs/MsgWnd.h"

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

bool CMsgWnd::OnDialogClick(TNotifyUI& msg) {
    std::string name = msg.pSender->GetName();
    if (name == "confirm_btn" || name == "cancel_btn") {
        Close(name == "confirm_btn" ? 1 : 0);
        return true;
    }
    return false;
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

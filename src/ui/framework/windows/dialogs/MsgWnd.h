#pragma once
// The one modal message box of the system (CMsgWnd, skin "XML_MSG") and the routine that
// shows it. The skin names the controls "MessageTitle", "MessageText", "confirm_btn",
// "cancel_btn" and the frame buttons.

#include <string_view>

#include "ui/framework/windows/dialogs/FrameButtonWnd.h"

namespace vorn::ui {

class CMsgWnd : public CFrameButtonWnd {
  public:
    std::string GetWindowClassName() const override { return "MsgWnd"; }

  protected:
    std::string ScaleErrorText() const override { return "MSG_WND DPI SET ERROR"; }
    std::string GetSkinFile() const override { return "XML_MSG"; }
    // "confirm_btn" closes the box with 1, "cancel_btn" with 0.
    bool OnDialogClick(TNotifyUI& msg) override;
};

// Shows the message box modally over `parent` (or none): an empty title or text keeps the
// skin's; `textIsKey` makes the text a language key; `buttons` 0 shows only "confirm_btn",
// 1 also "cancel_btn". Answers 1 when "confirm_btn" was pressed, 0 for "cancel_btn" or
// "closebtn", and 0 at once when the skin did not build (-1 when the box could not run: no
// UI loop).
int ShowMessageBox(CWindowWnd* parent, std::string_view title, std::string_view text, int scale,
                   bool textIsKey, int buttons);

}  // namespace vorn::ui

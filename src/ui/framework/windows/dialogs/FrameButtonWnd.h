#pragma once
// CFrameButtonWnd: the base of the small dialog windows that carry the frame buttons of their
// skin. "closebtn" closes the window with 0, "menubtn" does nothing, a DPI change rescales the
// window, and the window object deletes itself once its window is gone.

#include "ui/framework/windows/WindowImplBase.h"

namespace vorn::ui {

class CFrameButtonWnd : public WindowImplBase {
  public:
    // Finds the frame buttons of the skin.
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;

    // The window scale rule with this window's error text (ScaleErrorText); an accepted scale
    // other than the window's own reaches every paint manager.
    void SetDPI(int dpi);
    int GetDPI() const;

  protected:
    // A click on a control other than the close and menu buttons; true when the dialog
    // handled it (otherwise the base window's frame button handling follows).
    virtual bool OnDialogClick(TNotifyUI& msg) {
        (void)msg;
        return false;
    }
    intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 bool& handled) override;
    void OnFinalMessage(UiWindowHandle handle) override;

  private:
    CControlUI* closeBtn_ = nullptr;
    CControlUI* menuBtn_ = nullptr;
};

}  // namespace vorn::ui

#pragma once
// WindowImplBase: a window whose content is a layout file. It builds its skin into its paint
// manager when created, receives the notifications of its controls (Notify, through its
// notify pump), raises "windowinit" on first display and "windowsize" on resizes, handles
// the frame buttons ("closebtn", "minbtn", "maxbtn", "restorebtn") and passes other
// window messages to HandleCustomMessage.

#include <string>
#include <string_view>

#include "ui/framework/core/NotifyPump.h"
#include "ui/framework/layouts/DialogBuilder.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"
#include "ui/framework/windows/Window.h"

namespace vorn::ui {

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText {
  public:
    WindowImplBase() = default;
    ~WindowImplBase() override;

    CPaintManagerUI& GetPaintManager() { return m_pm; }
    // False when the skin did not build: the window is not run modally.
    bool HasContent() const override { return m_pm.GetRoot() != nullptr; }

    // Called once the skin is built (during Create).
    virtual void InitWindow() {}
    // Notifications of the window's controls: the notify pump first, then the frame
    // buttons (OnClick) for clicks nobody handled.
    void Notify(TNotifyUI& msg) override;
    CControlUI* CreateControl(std::string_view className) override {
        (void)className;
        return nullptr;
    }
    std::string QueryControlText(std::string_view key, std::string_view type) override {
        (void)key;
        (void)type;
        return {};
    }

  protected:
    virtual std::string GetSkinFolder() const { return {}; }
    virtual std::string GetSkinFile() const = 0;
    // Messages the base does not handle; set handled to stop further processing.
    virtual intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                         bool& handled);
    // Return and Esc: Return is left to the controls, Esc is swallowed. Non-zero: handled.
    virtual intptr_t ResponseDefaultKeyEvent(uintptr_t key);
    // Frame buttons: "closebtn" closes with 0; "minbtn", "maxbtn", "restorebtn" send the
    // minimise, maximise and restore system commands.
    virtual void OnClick(TNotifyUI& msg);

    virtual intptr_t OnCreate(bool& handled);
    virtual intptr_t OnClose(uintptr_t wParam, bool& handled);
    virtual intptr_t OnDestroy(bool& handled);
    virtual intptr_t OnSize(uintptr_t wParam, intptr_t lParam, bool& handled);
    virtual intptr_t OnSysCommand(uintptr_t wParam, bool& handled);
    virtual intptr_t OnKeyDown(uintptr_t wParam, bool& handled);

    intptr_t HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;
    void OnFirstShow() override;

    // The scale change of a DPI-changed message (wParam: the DPI in its low word) under the
    // scale rule (windows/dialogs/ScaleRule.h): an accepted DPI goes on the manager, any other
    // writes ScaleErrorText and uses 96; DPI assets are reset, the window moved to the
    // proposed rectangle (lParam: const UiRect*) and the layout updated.
    void HandleDpiChanged(uintptr_t wParam, intptr_t lParam);
    // The diagnostic line of a refused scale.
    virtual std::string ScaleErrorText() const { return "WND DPI SET ERROR"; }
    // Shows "restorebtn" and hides "maxbtn" while zoomed, the reverse otherwise.
    void UpdateZoomButtons();

    CPaintManagerUI m_pm;

  private:
    bool defaultSize_ = false;
    bool initSent_ = false;
};

}  // namespace vorn::ui

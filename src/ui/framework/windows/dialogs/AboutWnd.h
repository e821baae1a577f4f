#pragma once
// The about window (CAboutWnd, skin "AboutWnd.xml"): the program's revision text, the frame
// buttons and a home page button. Return and Esc get the default key response; closing it
// from the system menu closes this window only.

#include "ui/framework/windows/dialogs/FrameButtonWnd.h"

namespace vorn::ui {

// Message the main window sends its secondary windows after a language change.
inline constexpr uint32_t kLanguageChangedMessage = 0x0C11;

class CAboutWnd : public CFrameButtonWnd {
  public:
    std::string GetWindowClassName() const override { return "AboutWnd"; }
    void InitWindow() override;

    // Resolves the language key "software_rev_text" through the hidden label "text_test"
    // and shows the result in "software_ver_label".
    void UpdateRevisionText();

  protected:
    std::string GetSkinFile() const override { return "AboutWnd.xml"; }
    std::string ScaleErrorText() const override { return "ABOUT_WND DPI SET ERROR"; }
    bool OnDialogClick(TNotifyUI& msg) override;
    intptr_t HandleCustomMessage(uint32_t message, uintptr_t wParam, intptr_t lParam,
                                 bool& handled) override;
};

// Opens the about window over the main window, 800 x 572 at 100 %, centred and modal, unless
// one is open already (`openHandle` remembers it while it is). `scale` is the DPI under the
// scale rule; 0 takes the main window's (96 without one). False when it was already open.
bool ShowAboutWindow(CWindowWnd* mainWindow, UiWindowHandle& openHandle, int scale = 0);

}  // namespace vorn::ui

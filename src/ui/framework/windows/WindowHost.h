#pragma once
// What shows windows: the Qt layer in the program, a headless stand-in otherwise. Windows
// report their life to the host; the host answers screen geometry and the cursor.

#include "ui/framework/core/UiTypes.h"

namespace vorn::ui {

class CWindowWnd;

class IWindowHost {
  public:
    virtual ~IWindowHost() = default;
    virtual void windowCreated(CWindowWnd* window) = 0;
    // Called before the window object goes away.
    virtual void windowDestroyed(CWindowWnd* window) = 0;
    // Shown or hidden; a shown window may be minimised or maximised (IsIconic, IsZoomed), which
    // the host shows as such.
    virtual void windowShown(CWindowWnd* window, bool shown) = 0;
    virtual void windowMoved(CWindowWnd* window, const UiRect& rect) = 0;
    virtual void windowEnabled(CWindowWnd* window, bool enabled) = 0;
    // The window starts (true) or stops running modally over its owner.
    virtual void windowModal(CWindowWnd* window, bool modal) = 0;
    virtual void windowTitleChanged(CWindowWnd* window) = 0;
    // The usable area of the screen that holds (or would hold) the window.
    virtual UiRect workArea(const CWindowWnd* window) const = 0;
    virtual UiRect screenRect(const CWindowWnd* window) const = 0;
    virtual UiPoint cursorPos() const = 0;
};

// The host used when none is installed: windows only exist as data. Screen and cursor can
// be set (tests of placement rules).
class HeadlessWindowHost final : public IWindowHost {
  public:
    void windowCreated(CWindowWnd*) override {}
    void windowDestroyed(CWindowWnd*) override {}
    void windowShown(CWindowWnd*, bool) override {}
    void windowMoved(CWindowWnd*, const UiRect&) override {}
    void windowEnabled(CWindowWnd*, bool) override {}
    void windowModal(CWindowWnd*, bool) override {}
    void windowTitleChanged(CWindowWnd*) override {}
    UiRect workArea(const CWindowWnd*) const override { return workArea_; }
    UiRect screenRect(const CWindowWnd*) const override { return screen_; }
    UiPoint cursorPos() const override { return cursor_; }

    void setScreen(UiRect screen, UiRect workArea) {
        screen_ = screen;
        workArea_ = workArea;
    }
    void setCursor(UiPoint p) { cursor_ = p; }

  private:
    UiRect screen_{0, 0, 1920, 1080};
    UiRect workArea_{0, 0, 1920, 1040};
    UiPoint cursor_{960, 540};
};

// The installed host (the headless one when none is).
IWindowHost& windowHost();
HeadlessWindowHost& headlessWindowHost();
void setWindowHost(IWindowHost* host);

}  // namespace vorn::ui

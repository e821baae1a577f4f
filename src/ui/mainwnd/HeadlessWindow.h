#pragma once
// The main window without a display, for a program that works the device pages exactly as
// the window does (vornctl): its own manual message loop, the pages built from the skin,
// the devices found by discovery passes the caller asks for, the first reads run at once,
// and control events raised on the page's controls as a user's clicks raise them.

#include <memory>
#include <string>
#include <string_view>

#include "link/DeviceDiscovery.h"
#include "platform/loop/ManualLoop.h"
#include "ui/framework/core/UiLoop.h"
#include "ui/mainwnd/MainWnd.h"

namespace vorn::ui::mainwnd {

class HeadlessWindow final : private link::IDiscoverySink {
  public:
    // The skin, the custom controls and the UI loop are set up here; env.scanDevices is
    // ignored (discovery runs only in scan()).
    explicit HeadlessWindow(MainWndEnvironment env);
    ~HeadlessWindow() override;
    HeadlessWindow(const HeadlessWindow&) = delete;
    HeadlessWindow& operator=(const HeadlessWindow&) = delete;

    // False when the window's skin did not build.
    bool ready() const { return ready_; }
    CMainWnd& window() { return *window_; }

    // One discovery pass with its reports handled, then the window's timers are run until
    // the devices found are linked and read (a receiver's mouse takes a poll of 500 ms and
    // its first read). False when the bus cannot be listed.
    bool scan();
    // Lets the window's timers due within ms run (the manual loop's time moves on).
    void runFor(unsigned ms);
    // Waits at most realMs (real time) for a message another thread posts (a device's
    // report), and handles what came.
    void waitForPosted(unsigned realMs);

    // Raises an event of type on the control (as the window's Notify receives it).
    void raise(std::string_view type, CControlUI* sender);

  private:
    void slotBound(int index) override;
    void slotLost(int index) override;
    void firstPassDone() override {}

    ScopedManualUiLoop ui_;
    std::unique_ptr<CMainWnd> window_;
    std::unique_ptr<link::DeviceDiscovery> discovery_;
    bool ready_ = false;
};

}  // namespace vorn::ui::mainwnd

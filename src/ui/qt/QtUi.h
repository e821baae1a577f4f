#pragma once
// The Qt environment of the UI layer: installs the Qt message loop, window host and tray
// host for the framework while it lives, and adds the program's fonts.

#include <QImage>

#include <memory>
#include <string>

#include "ui/framework/windows/Window.h"
#include "ui/qt/QtMessageLoop.h"
#include "ui/qt/QtTrayHost.h"
#include "ui/qt/QtWindowHost.h"

namespace vorn::ui::qt {

class QtUi {
  public:
    // Needs the QApplication. fontFolder: the program's Font folder (missing is fine).
    explicit QtUi(const std::string& fontFolder);
    ~QtUi();
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;

    QtMessageLoop& loop() { return loop_; }
    QtWindowHost& windows() { return windows_; }
    int fontsAdded() const { return fontsAdded_; }

    // Renders a window's current content (showing it is not needed) into an image with
    // transparency outside rounded corners.
    QImage grab(CWindowWnd* window);

  private:
    QtMessageLoop loop_;
    QtWindowHost windows_;
    QtTrayHost tray_;
    int fontsAdded_ = 0;
};

}  // namespace vorn::ui::qt

#pragma once
// Tray icons as QSystemTrayIcon. Clicks on the icon reach the icon's window as its
// callback message (left button up, double click, right button up).

#include <QSystemTrayIcon>

#include <map>

#include "ui/framework/windows/TrayIcon.h"

namespace vorn::ui::qt {

class QtTrayHost final : public ITrayHost {
  public:
    ~QtTrayHost() override;
    bool isAvailable() const override;
    bool showIcon(CTrayIcon* icon) override;
    void updateIcon(CTrayIcon* icon) override;
    void hideIcon(CTrayIcon* icon) override;

  private:
    std::map<CTrayIcon*, QSystemTrayIcon*> icons_;
};

}  // namespace vorn::ui::qt

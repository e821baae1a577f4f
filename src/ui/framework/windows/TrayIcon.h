#pragma once
// CTrayIcon: the program's icon in the desktop's notification area. Mouse input on the
// icon reaches the receiver window as its callback message (wParam: the icon's resource
// number, lParam: WM_LBUTTONUP, WM_RBUTTONUP, ...). Where the desktop has no tray,
// CreateTrayIcon answers false so the caller can keep its window reachable.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/framework/windows/Window.h"

namespace vorn::ui {

class CTrayIcon;

// What shows tray icons (QSystemTrayIcon in the program).
class ITrayHost {
  public:
    virtual ~ITrayHost() = default;
    virtual bool isAvailable() const = 0;
    virtual bool showIcon(CTrayIcon* icon) = 0;
    virtual void updateIcon(CTrayIcon* icon) = 0;
    virtual void hideIcon(CTrayIcon* icon) = 0;
};

// Without a desktop: icons exist as data; availability can be set for tests.
class HeadlessTrayHost final : public ITrayHost {
  public:
    bool isAvailable() const override { return available_; }
    bool showIcon(CTrayIcon*) override { return available_; }
    void updateIcon(CTrayIcon*) override {}
    void hideIcon(CTrayIcon*) override {}
    void setAvailable(bool available) { available_ = available; }

  private:
    bool available_ = true;
};

ITrayHost& trayHost();
HeadlessTrayHost& headlessTrayHost();
void setTrayHost(ITrayHost* host);

class CTrayIcon {
  public:
    CTrayIcon() = default;
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // Shows the icon; false (nothing shown) when no tray is available.
    bool CreateTrayIcon(CWindowWnd* receiver, unsigned iconResourceId, std::string_view tip,
                        uint32_t callbackMessage = UIMSG_TRAYICON);
    void DeleteTrayIcon();
    bool IsVisible() const { return visible_; }
    bool SetTooltipText(std::string_view tip);
    std::string GetTooltipText() const { return tip_; }
    bool SetIcon(unsigned iconResourceId);
    unsigned GetIconId() const { return iconId_; }
    // The icon's image file.
    std::string GetIconFile() const;
    uint32_t GetCallbackMessage() const { return message_; }

    // Mouse input on the icon (from the tray host, or a test): posted to the receiver.
    void OnTrayMouse(uint32_t mouseMessage);

  private:
    UiWindowHandle receiver_ = 0;
    unsigned iconId_ = 0;
    std::string tip_;
    uint32_t message_ = UIMSG_TRAYICON;
    bool visible_ = false;
};

}  // namespace vorn::ui

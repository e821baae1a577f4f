#include "ui/framework/windows/TrayIcon.h"

#include "ui/framework/resources/Icons.h"

namespace vorn::ui {
namespace {

ITrayHost* gTrayHost = nullptr;

}  // namespace

HeadlessTrayHost& headlessTrayHost() {
    static HeadlessTrayHost host;
    return host;
}

ITrayHost& trayHost() {
    return gTrayHost != nullptr ? *gTrayHost : headlessTrayHost();
}

void setTrayHost(ITrayHost* host) {
    gTrayHost = host;
}

CTrayIcon::~CTrayIcon() {
    DeleteTrayIcon();
}

bool CTrayIcon::CreateTrayIcon(CWindowWnd* receiver, unsigned iconResourceId, std::string_view tip,
                               uint32_t callbackMessage) {
    if (visible_) {
        DeleteTrayIcon();
    }
    receiver_ = receiver != nullptr ? receiver->GetHWND() : 0;
    iconId_ = iconResourceId;
    tip_ = std::string(tip);
    message_ = callbackMessage;
    if (!trayHost().isAvailable()) {
        return false;
    }
    visible_ = trayHost().showIcon(this);
    return visible_;
}

void CTrayIcon::DeleteTrayIcon() {
    if (visible_) {
        trayHost().hideIcon(this);
        visible_ = false;
    }
}

bool CTrayIcon::SetTooltipText(std::string_view tip) {
    tip_ = std::string(tip);
    if (visible_) {
        trayHost().updateIcon(this);
    }
    return visible_;
}

bool CTrayIcon::SetIcon(unsigned iconResourceId) {
    iconId_ = iconResourceId;
    if (visible_) {
        trayHost().updateIcon(this);
    }
    return visible_;
}

std::string CTrayIcon::GetIconFile() const {
    return iconFile(iconId_);
}

void CTrayIcon::OnTrayMouse(uint32_t mouseMessage) {
    if (visible_ && receiver_ != 0) {
        CWindowWnd::PostMessageTo(receiver_, message_, iconId_,
                                  static_cast<intptr_t>(mouseMessage));
    }
}

}  // namespace vorn::ui

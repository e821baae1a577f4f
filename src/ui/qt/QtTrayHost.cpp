#include "ui/qt/QtTrayHost.h"

#include "ui/qt/QtPainter.h"

namespace vorn::ui::qt {
namespace {

QIcon iconOf(CTrayIcon* icon) {
    QImage image = loadImage(icon->GetIconFile(), QSize(64, 64));
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace

QtTrayHost::~QtTrayHost() {
    for (auto& [icon, tray] : icons_) {
        delete tray;
    }
}

bool QtTrayHost::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool QtTrayHost::showIcon(CTrayIcon* icon) {
    if (!isAvailable()) {
        return false;
    }
    QSystemTrayIcon*& tray = icons_[icon];
    if (tray == nullptr) {
        tray = new QSystemTrayIcon;
        QObject::connect(tray, &QSystemTrayIcon::activated, tray,
                         [icon](QSystemTrayIcon::ActivationReason reason) {
                             switch (reason) {
                                 case QSystemTrayIcon::Trigger:
                                     icon->OnTrayMouse(WM_LBUTTONUP);
                                     break;
                                 case QSystemTrayIcon::DoubleClick:
                                     icon->OnTrayMouse(WM_LBUTTONDBLCLK);
                                     break;
                                 case QSystemTrayIcon::Context:
                                     icon->OnTrayMouse(WM_RBUTTONUP);
                                     break;
                                 default:
                                     break;
                             }
                         });
    }
    updateIcon(icon);
    tray->show();
    return true;
}

void QtTrayHost::updateIcon(CTrayIcon* icon) {
    auto it = icons_.find(icon);
    if (it == icons_.end()) {
        return;
    }
    it->second->setIcon(iconOf(icon));
    it->second->setToolTip(QString::fromStdString(icon->GetTooltipText()));
}

void QtTrayHost::hideIcon(CTrayIcon* icon) {
    auto it = icons_.find(icon);
    if (it == icons_.end()) {
        return;
    }
    it->second->hide();
    it->second->deleteLater();
    icons_.erase(it);
}

}  // namespace vorn::ui::qt

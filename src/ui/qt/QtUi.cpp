#include "ui/qt/QtUi.h"

#include <QCoreApplication>
#include <QPainter>

#include "ui/framework/core/UiLoop.h"
#include "ui/framework/windows/TrayIcon.h"
#include "ui/framework/windows/WindowHost.h"
#include "ui/qt/QtFonts.h"
#include "ui/qt/TreeRealiser.h"

namespace vorn::ui::qt {

QtUi::QtUi(const std::string& fontFolder) {
    fontsAdded_ = addFontFolder(fontFolder);
    setUiLoop(&loop_, &loop_);
    setWindowHost(&windows_);
    setTrayHost(&tray_);
}

QtUi::~QtUi() {
    setTrayHost(nullptr);
    setWindowHost(nullptr);
    retireUiLoop(&loop_);
}

QImage QtUi::grab(CWindowWnd* window) {
    RealisedWindow* widget = windows_.realise(window);
    if (widget == nullptr) {
        return {};
    }
    if (TreeRealiser* r = widget->realiser()) {
        r->syncAll();
    }
    QCoreApplication::processEvents();
    UiRect rc = window->GetWindowRect();
    widget->applyGeometry(rc);
    QImage image(rc.width(), rc.height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        widget->render(&p, QPoint(), QRegion(), QWidget::DrawChildren);
    }
    return image;
}

}  // namespace vorn::ui::qt

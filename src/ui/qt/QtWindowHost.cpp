#include "ui/qt/QtWindowHost.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QScreen>

#include "ui/framework/resources/Icons.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/qt/QtPainter.h"
#include "ui/qt/TreeRealiser.h"

namespace vorn::ui::qt {
namespace {

UiRect fromQRect(const QRect& r) {
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

uint32_t virtualKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN_KEY;
        case Qt::Key_Escape:
            return VK_ESCAPE_KEY;
        case Qt::Key_Up:
            return VK_UP_KEY;
        case Qt::Key_Down:
            return VK_DOWN_KEY;
        default:
            return static_cast<uint32_t>(qtKey & 0xFFFF);
    }
}

}  // namespace

RealisedWindow::RealisedWindow(CWindowWnd* window, WindowImplBase* content)
    : QWidget(nullptr), window_(window), surface_(std::make_unique<QWidget>(this)) {
    Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
    if (window->GetWindowClassName() == "MenuWnd") {
        flags = Qt::Popup | Qt::FramelessWindowHint;
    } else if ((window->GetExStyle() & WS_EX_TOOLWINDOW) != 0) {
        flags |= Qt::Tool;
    }
    if (window->IsTopmost()) {
        flags |= Qt::WindowStaysOnTopHint;
    }
    setWindowFlags(flags);
    setAttribute(Qt::WA_TranslucentBackground);
    // The window itself holds the keyboard focus until a control takes it, as the tree
    // starts without a focused control.
    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    setWindowTitle(QString::fromStdString(window->GetWindowText()));
    if (content != nullptr) {
        CPaintManagerUI& pm = content->GetPaintManager();
        pm.UpdateLayout();
        realiser_ = std::make_unique<TreeRealiser>(pm, surface_.get());
    }
    applyGeometry(window->GetWindowRect());
}

RealisedWindow::~RealisedWindow() {
    realiser_.reset();
    surface_.reset();
}

void RealisedWindow::detach() {
    window_ = nullptr;
    realiser_.reset();
}

void RealisedWindow::applyGeometry(const UiRect& rect) {
    applying_ = true;
    setGeometry(rect.left, rect.top, rect.width(), rect.height());
    surface_->setGeometry(0, 0, rect.width(), rect.height());
    applying_ = false;
}

void RealisedWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    surface_->setGeometry(rect());
    if (!applying_ && window_ != nullptr) {
        window_->MoveWindow(fromQRect(geometry()));
    }
}

void RealisedWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!applying_ && window_ != nullptr && isVisible()) {
        UiRect now = fromQRect(geometry());
        if (!(now == window_->GetWindowRect())) {
            window_->MoveWindow(now);
        }
    }
}

void RealisedWindow::closeEvent(QCloseEvent* event) {
    // The window decides whether it closes.
    event->ignore();
    if (window_ != nullptr) {
        window_->PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void RealisedWindow::keyPressEvent(QKeyEvent* event) {
    if (window_ != nullptr) {
        window_->SendMessage(WM_KEYDOWN, virtualKey(event->key()), 0);
    }
}

void RealisedWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && window_ != nullptr) {
        window_->PostMessage(WM_ACTIVATE, isActiveWindow() ? 1 : 0, 0);
    }
}

void RealisedWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // A pop-up closed by the desktop (a click elsewhere) tells its window.
    if ((windowFlags() & Qt::Popup) == Qt::Popup && window_ != nullptr &&
        window_->IsWindowVisible()) {
        window_->PostMessage(WM_ACTIVATE, 0, 0);
    }
}

QtWindowHost::~QtWindowHost() {
    for (auto& [window, widget] : windows_) {
        widget->detach();
        delete widget;
    }
}

void QtWindowHost::windowCreated(CWindowWnd* window) {
    (void)window;
}

RealisedWindow* QtWindowHost::realise(CWindowWnd* window) {
    auto it = windows_.find(window);
    if (it != windows_.end()) {
        return it->second;
    }
    auto* widget = new RealisedWindow(window, dynamic_cast<WindowImplBase*>(window));
    windows_[window] = widget;
    windowTitleChanged(window);
    return widget;
}

void QtWindowHost::windowDestroyed(CWindowWnd* window) {
    auto it = windows_.find(window);
    if (it == windows_.end()) {
        return;
    }
    RealisedWindow* widget = it->second;
    windows_.erase(it);
    widget->detach();
    widget->hide();
    widget->deleteLater();
}

void QtWindowHost::windowShown(CWindowWnd* window, bool shown) {
    if (!shown && windows_.count(window) == 0) {
        return;
    }
    RealisedWindow* widget = realise(window);
    if (shown && !window->IsIconic()) {
        widget->applyGeometry(window->GetWindowRect());
        widget->show();
        widget->raise();
        widget->activateWindow();
    } else if (shown) {
        widget->showMinimized();
    } else {
        widget->hide();
    }
}

void QtWindowHost::windowMoved(CWindowWnd* window, const UiRect& rect) {
    if (RealisedWindow* widget = widgetOf(window)) {
        widget->applyGeometry(rect);
    }
}

void QtWindowHost::windowEnabled(CWindowWnd* window, bool enabled) {
    if (RealisedWindow* widget = widgetOf(window)) {
        widget->setEnabled(enabled);
    }
}

void QtWindowHost::windowTitleChanged(CWindowWnd* window) {
    if (RealisedWindow* widget = widgetOf(window)) {
        widget->setWindowTitle(QString::fromStdString(window->GetWindowText()));
        if (window->GetIcon() != 0) {
            QImage icon = loadImage(iconFile(window->GetIcon()), QSize(64, 64));
            if (!icon.isNull()) {
                widget->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
            }
        }
    }
}

UiRect QtWindowHost::workArea(const CWindowWnd* window) const {
    QScreen* screen = nullptr;
    if (RealisedWindow* widget = widgetOf(window)) {
        screen = widget->screen();
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? fromQRect(screen->availableGeometry()) : UiRect{0, 0, 1920, 1040};
}

UiRect QtWindowHost::screenRect(const CWindowWnd* window) const {
    QScreen* screen = nullptr;
    if (RealisedWindow* widget = widgetOf(window)) {
        screen = widget->screen();
    }
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? fromQRect(screen->geometry()) : UiRect{0, 0, 1920, 1080};
}

UiPoint QtWindowHost::cursorPos() const {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

RealisedWindow* QtWindowHost::widgetOf(const CWindowWnd* window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second;
}

}  // namespace vorn::ui::qt

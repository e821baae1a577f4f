#include "ui/qt/QtWindowHost.h"

#include <QCloseEvent>
#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainterPath>
#include <QScreen>
#include <QWindow>

#include "ui/framework/resources/Icons.h"
#include "ui/framework/windows/WindowImplBase.h"
#include "ui/qt/KeyMap.h"
#include "ui/qt/QtPainter.h"
#include "ui/qt/TreeRealiser.h"

namespace vorn::ui::qt {
namespace {

UiRect fromQRect(const QRect& r) {
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
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

void RealisedWindow::setInputBlocked(bool blocked) {
    surface_->setAttribute(Qt::WA_TransparentForMouseEvents, blocked);
}

void RealisedWindow::detach() {
    window_ = nullptr;
    realiser_.reset();
}

void RealisedWindow::applyGeometry(const UiRect& rect) {
    applying_ = true;
    setGeometry(rect.left, rect.top, rect.width(), rect.height());
    surface_->setGeometry(0, 0, rect.width(), rect.height());
    updateShape();
    applying_ = false;
}

void RealisedWindow::updateShape() {
    UiSize corner = realiser_ != nullptr ? realiser_->manager().GetRoundCorner() : UiSize{};
    if (corner.cx <= 0 || corner.cy <= 0 || (window_ != nullptr && window_->IsZoomed())) {
        if (!mask().isEmpty()) {
            clearMask();
        }
        return;
    }
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), corner.cx, corner.cy);
    setMask(QRegion(outline.toFillPolygon().toPolygon()));
}

void RealisedWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    surface_->setGeometry(rect());
    updateShape();
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
    // The key's virtual-key code, and the desktop's own code of the key (the window's key
    // capture tells left from right modifiers by it).
    uint32_t key = virtualKeyOf(event->key());
    const quint32 native = event->nativeScanCode();
    if (window_ != nullptr && (key != 0 || native != 0) && window_->IsWindowEnabled()) {
        window_->SendMessage(WM_KEYDOWN, key, static_cast<intptr_t>(native));
    }
}

void RealisedWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && window_ != nullptr) {
        window_->PostMessage(WM_ACTIVATE, isActiveWindow() ? 1 : 0, 0);
    } else if (event->type() == QEvent::WindowStateChange && !applying_ && window_ != nullptr) {
        windowStateChangedByDesktop();
    }
}

void RealisedWindow::windowStateChangedByDesktop() {
    Qt::WindowStates now = windowState();
    if ((now & Qt::WindowMinimized) != 0) {
        if (!window_->IsIconic()) {
            window_->SendMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0);
        }
    } else if ((now & Qt::WindowMaximized) != 0) {
        if (!window_->IsZoomed() || window_->IsIconic()) {
            window_->SendMessage(WM_SYSCOMMAND, SC_MAXIMIZE, 0);
        }
    } else if (window_->IsIconic() || window_->IsZoomed()) {
        window_->SendMessage(WM_SYSCOMMAND, SC_RESTORE, 0);
    }
    if (window_ != nullptr && window_->IsWindow()) {
        QtWindowHost::showState(window_, this);  // e.g. a modal window refuses to minimise
    }
}

void RealisedWindow::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (window_ != nullptr) {
        QPoint p = event->position().toPoint();
        window_->PostMessage(WM_MOUSEHOVER, 0, makeLParam(p.x(), p.y()));
    }
}

void RealisedWindow::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (window_ != nullptr) {
        window_->PostMessage(WM_MOUSELEAVE, 0, 0);
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

QtWindowHost::QtWindowHost() {
    for (QScreen* screen : QGuiApplication::screens()) {
        watchScreen(screen);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::screenAdded, &screens_, [this](QScreen* screen) {
            watchScreen(screen);
            displayChanged();
        });
        QObject::connect(app, &QGuiApplication::screenRemoved, &screens_,
                         [this](QScreen*) { displayChanged(); });
        QObject::connect(app, &QGuiApplication::primaryScreenChanged, &screens_,
                         [this](QScreen*) { displayChanged(); });
    }
}

void QtWindowHost::watchScreen(QScreen* screen) {
    QObject::connect(screen, &QScreen::geometryChanged, &screens_,
                     [this](const QRect&) { displayChanged(); });
}

void QtWindowHost::displayChanged() {
    // WM_DISPLAYCHANGE: wParam the colour depth, lParam the primary screen's size.
    QScreen* primary = QGuiApplication::primaryScreen();
    QSize size = primary != nullptr ? primary->geometry().size() : QSize();
    uintptr_t depth = primary != nullptr ? static_cast<uintptr_t>(primary->depth()) : 0;
    CWindowWnd::PostToAllWindows(WM_DISPLAYCHANGE, depth, makeLParam(size.width(), size.height()));
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
    // Window managers keep an owned window above its owner and move them together.
    if (RealisedWindow* owner = widgetOf(window->GetOwner())) {
        widget->winId();
        owner->winId();
        widget->windowHandle()->setTransientParent(owner->windowHandle());
    }
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
    showState(window, realise(window));
}

void QtWindowHost::showState(CWindowWnd* window, RealisedWindow* widget) {
    if (!window->IsWindowVisible()) {
        widget->hide();
    } else if (window->IsIconic()) {
        widget->showMinimized();
    } else {
        bool wasShown = widget->isVisible() && !widget->isMinimized();
        widget->applyGeometry(window->GetWindowRect());
        if (!wasShown) {
            widget->showNormal();
            widget->raise();
            widget->activateWindow();
        }
    }
}

void QtWindowHost::windowModal(CWindowWnd* window, bool modal) {
    RealisedWindow* widget = modal ? realise(window) : widgetOf(window);
    if (widget == nullptr) {
        return;
    }
    Qt::WindowModality wanted = modal ? Qt::WindowModal : Qt::NonModal;
    if (widget->windowModality() == wanted) {
        return;
    }
    // Qt takes a new modality when the window is shown again.
    bool visible = widget->isVisible();
    if (visible) {
        widget->hide();
    }
    widget->setWindowModality(wanted);
    if (visible) {
        widget->show();
    }
}

void QtWindowHost::windowMoved(CWindowWnd* window, const UiRect& rect) {
    if (RealisedWindow* widget = widgetOf(window)) {
        widget->applyGeometry(rect);
    }
}

void QtWindowHost::windowEnabled(CWindowWnd* window, bool enabled) {
    // A disabled window takes no input but keeps its look (its controls keep their own
    // enabled state); a modal window over it is blocked by Qt's window modality as well.
    if (RealisedWindow* widget = widgetOf(window)) {
        widget->setInputBlocked(!enabled);
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

#pragma once
// Shows the framework's windows as Qt top-level widgets: a frameless window per
// CWindowWnd whose content is its realised control tree. Geometry, visibility, the
// minimised and maximised state follow the window object; an owned window has its owner's
// window as transient parent, and a modal one blocks its owner with Qt's window modality
// (the owner keeps its look). Moves, resizes, activation, keys, minimise and maximise by the
// window manager, pointer entry and exit, close requests and display changes of the
// desktop go back to the windows as window messages.

#include <QObject>
#include <QWidget>

#include <map>
#include <memory>

#include "ui/framework/windows/WindowHost.h"

namespace vorn::ui {
class WindowImplBase;
}

namespace vorn::ui::qt {

class TreeRealiser;

class RealisedWindow final : public QWidget {
  public:
    RealisedWindow(CWindowWnd* window, WindowImplBase* content);
    ~RealisedWindow() override;
    CWindowWnd* window() const { return window_; }
    TreeRealiser* realiser() const { return realiser_.get(); }
    // A disabled window lets no mouse input reach its controls.
    void setInputBlocked(bool blocked);
    // Applies geometry without reporting it back.
    void applyGeometry(const UiRect& rect);
    // The window object goes away: the tree's widgets are let go at once, while the tree
    // still exists.
    void detach();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // The window's outline: its skin's "roundcorner" (scaled), square while maximised.
    void updateShape();
    // The desktop changed the window state: the window decides, the widget then shows what
    // it decided.
    void windowStateChangedByDesktop();
    CWindowWnd* window_;
    std::unique_ptr<QWidget> surface_;
    std::unique_ptr<TreeRealiser> realiser_;
    bool applying_ = false;
};

class QtWindowHost final : public IWindowHost {
  public:
    QtWindowHost();
    ~QtWindowHost() override;
    void windowCreated(CWindowWnd* window) override;
    void windowDestroyed(CWindowWnd* window) override;
    void windowShown(CWindowWnd* window, bool shown) override;
    void windowMoved(CWindowWnd* window, const UiRect& rect) override;
    void windowEnabled(CWindowWnd* window, bool enabled) override;
    void windowModal(CWindowWnd* window, bool modal) override;
    void windowTitleChanged(CWindowWnd* window) override;
    UiRect workArea(const CWindowWnd* window) const override;
    UiRect screenRect(const CWindowWnd* window) const override;
    UiPoint cursorPos() const override;

    // The Qt window of a framework window (made on first display), or nullptr.
    RealisedWindow* widgetOf(const CWindowWnd* window) const;
    // Makes the Qt window now (a window rendered without being shown).
    RealisedWindow* realise(CWindowWnd* window);
    // Shows the window's state (hidden, normal, minimised) on its widget.
    static void showState(CWindowWnd* window, RealisedWindow* widget);

  private:
    void watchScreen(class QScreen* screen);
    void displayChanged();

    std::map<const CWindowWnd*, RealisedWindow*> windows_;
    QObject screens_;  // the context of the screen connections
};

}  // namespace vorn::ui::qt

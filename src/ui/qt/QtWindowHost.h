#pragma once
// Shows the framework's windows as Qt top-level widgets: a frameless window per
// CWindowWnd whose content is its realised control tree. Geometry, visibility and
// enabled state follow the window object; moves, resizes, activation, keys and close
// requests of the desktop go back to it as window messages.

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

  private:
    CWindowWnd* window_;
    std::unique_ptr<QWidget> surface_;
    std::unique_ptr<TreeRealiser> realiser_;
    bool applying_ = false;
};

class QtWindowHost final : public IWindowHost {
  public:
    ~QtWindowHost() override;
    void windowCreated(CWindowWnd* window) override;
    void windowDestroyed(CWindowWnd* window) override;
    void windowShown(CWindowWnd* window, bool shown) override;
    void windowMoved(CWindowWnd* window, const UiRect& rect) override;
    void windowEnabled(CWindowWnd* window, bool enabled) override;
    void windowTitleChanged(CWindowWnd* window) override;
    UiRect workArea(const CWindowWnd* window) const override;
    UiRect screenRect(const CWindowWnd* window) const override;
    UiPoint cursorPos() const override;

    // The Qt window of a framework window (made on first display), or nullptr.
    RealisedWindow* widgetOf(const CWindowWnd* window) const;
    // Makes the Qt window now (a window rendered without being shown).
    RealisedWindow* realise(CWindowWnd* window);

  private:
    std::map<const CWindowWnd*, RealisedWindow*> windows_;
};

}  // namespace vorn::ui::qt

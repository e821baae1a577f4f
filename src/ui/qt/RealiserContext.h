#pragma once
// What a realised widget needs of the realiser that made it (inside the Qt layer only): the
// tree's paint manager, the host widget, the sync state and the way user input goes back into
// the tree. The widgets know only this interface; TreeRealiser implements it and creates them.

#include <QPoint>
#include <QWidget>

#include "ui/framework/core/UiEvents.h"

namespace vorn::ui {
class CControlUI;
class CPaintManagerUI;
}  // namespace vorn::ui

namespace vorn::ui::qt {

class RealiserContext {
  public:
    virtual ~RealiserContext() = default;
    virtual CPaintManagerUI& manager() = 0;
    virtual QWidget* host() const = 0;
    // True while the realiser writes tree state into widgets (their signals are not input).
    virtual bool syncing() const = 0;
    // Mouse input on a widget reaching the tree (pos: in the widget's coordinates).
    virtual void forwardMouse(QWidget* from, UiEventType type, QPoint pos,
                              Qt::KeyboardModifiers mods, int wheelDelta = 0) = 0;
    virtual void focusGained(CControlUI* control) = 0;
    virtual void focusLost(CControlUI* control) = 0;
};

}  // namespace vorn::ui::qt

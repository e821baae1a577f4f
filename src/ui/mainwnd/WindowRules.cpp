#include "ui/mainwnd/WindowRules.h"

namespace vorn::ui::mainwnd {

int fitScaleForMonitor(const UiRect& monitor) {
    return monitor.width() > 1500 && monitor.height() > 960 ? 144 : 96;
}

UiRect taskbarRect(const UiRect& screen, const UiRect& workArea) {
    if (workArea.top > screen.top) {
        return {screen.left, screen.top, screen.right, workArea.top};
    }
    if (workArea.bottom < screen.bottom) {
        return {screen.left, workArea.bottom, screen.right, screen.bottom};
    }
    if (workArea.left > screen.left) {
        return {screen.left, screen.top, workArea.left, screen.bottom};
    }
    if (workArea.right < screen.right) {
        return {workArea.right, screen.top, screen.right, screen.bottom};
    }
    return {};
}

MenuAnchor trayMenuAnchor(const UiRect& taskbar, UiPoint cursor) {
    const int width = taskbar.width();
    const int height = taskbar.height();
    if (width > 0 && height > 0) {
        if (taskbar.left == 0 && taskbar.top == 0 && height < width) {
            return {{cursor.x, height + 1}, 12};  // at the top
        }
        if (taskbar.left == 0 && taskbar.top == 0 && height > width) {
            return {{width + 1, cursor.y}, 18};  // at the left
        }
        if (taskbar.left == 0 && taskbar.top > 0) {
            return {{cursor.x, taskbar.top - 20}, 24};  // at the bottom
        }
        if (taskbar.left > 0 && taskbar.top == 0) {
            return {{taskbar.left - 1, cursor.y}, 24};  // at the right
        }
    }
    return {cursor, 6};
}

}  // namespace vorn::ui::mainwnd

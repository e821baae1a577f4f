#pragma once
// Rules of the main window that depend on the desktop only: its scale for a monitor and
// where the tray menu opens.

#include "ui/framework/core/UiTypes.h"

namespace vorn::ui::mainwnd {

// The window's size at 96 DPI; the scale enlarges it.
inline constexpr int kMainWindowWidth = 1000;
inline constexpr int kMainWindowHeight = 640;

// 144 DPI on a monitor wider than 1500 and taller than 960 pixels, 96 on any other.
int fitScaleForMonitor(const UiRect& monitor);

// The desktop panel that holds the tray: the strip of the screen outside its work area
// (empty when the work area is the whole screen). Coordinates are the screen's.
UiRect taskbarRect(const UiRect& screen, const UiRect& workArea);

struct MenuAnchor {
    UiPoint point;
    unsigned alignment = 0;  // eMenuAlignment_* flags
};

// Where the tray menu opens for a taskbar (relative to the screen's origin) and the cursor:
// beside a panel at the top, left, bottom or right, else at the cursor.
MenuAnchor trayMenuAnchor(const UiRect& taskbar, UiPoint cursor);

}  // namespace vorn::ui::mainwnd

#pragma once
// skinview: builds a window or layout of the skin offscreen and writes it as a PNG, for
// visual review and tests.
//
//   skinview --msgbox [--lang en|zh] [--scale DPI] --out box.png
//   skinview --about [--lang en|zh] --out about.png
//   skinview LAYOUT.xml [--lang ..] [--size WxH] [--scale DPI] [--select NAME]... --out page.png
//
// A layout that is not a window (a device page, a tile, a panel) is shown as the main window
// holds it: built without the window's class defaults into a window of the skin's look, on
// the window's background. --select shows the named item of its tab layout or selects the
// named option (repeatable, applied in order).

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace vorn::ui {
class CControlUI;
class CPaintManagerUI;
}  // namespace vorn::ui

namespace vorn::ui::qt {

// What the program adds to a layout that is not a window. `layout` is the file as given.
struct LayoutHooks {
    // The element (a control class) the layout is built into; "" for a plain layout.
    std::function<std::string(const std::string& layout)> hostElement;
    // What the program does to the built layout before it is shown (before --select); `host`
    // is the control the layout was built into.
    std::function<void(CPaintManagerUI& pm, CControlUI* host, const std::string& layout)> prepare;
    // The control for a class name the framework does not know, as the main window's builder
    // callback makes it (`pm` is the window's manager); none: only the control factory.
    std::function<CControlUI*(std::string_view className, CPaintManagerUI& pm)> createControl;
};

// Runs the tool (makes its own QApplication). Answers the exit code: 0 written, 1 the
// window could not be built or written, 2 bad arguments.
int runSkinView(int argc, char** argv, std::ostream& out, std::ostream& err,
                const LayoutHooks& hooks = {});

}  // namespace vorn::ui::qt

#pragma once
// skinview: builds a window or layout of the skin offscreen and writes it as a PNG, for
// visual review and tests.
//
//   skinview --msgbox [--lang en|zh] [--scale DPI] --out box.png
//   skinview --about [--lang en|zh] --out about.png
//   skinview LAYOUT.xml [--lang ..] [--size WxH] [--scale DPI] --out page.png

#include <iosfwd>

namespace vorn::ui::qt {

// Runs the tool (makes its own QApplication). Answers the exit code: 0 written, 1 the
// window could not be built or written, 2 bad arguments.
int runSkinView(int argc, char** argv, std::ostream& out, std::ostream& err);

}  // namespace vorn::ui::qt

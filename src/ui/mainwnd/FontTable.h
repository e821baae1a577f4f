#pragma once
// The main window's fonts by number, installed for every language in the skin's face. The
// device pages, tiles and panels built into the main window name these numbers.

namespace vorn::ui {
class CPaintManagerUI;
}

namespace vorn::ui::mainwnd {

// Replaces the manager's fonts by the table, in the face of its current default font.
void installMainFontTable(CPaintManagerUI& pm);

}  // namespace vorn::ui::mainwnd

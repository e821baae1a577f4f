#pragma once
// "vornctl mouse" on a main window: the words choose a mouse page and one of its settings;
// the setting is changed as the window's user changes it (the control takes the value, then
// the page's own control event is raised through the window's dispatch), so the page's rules
// apply and it stores, saves and writes exactly as after a click. The running program answers
// with its window (Control1.Command "mouse ..."); vornctl, when no program runs, with a window
// of its own without a display.

#include <string>
#include <vector>

#include "platform/ipc/SessionBus.h"
#include "shell/MouseWords.h"
#include "ui/mainwnd/MainWnd.h"

namespace vorn::shell {

// Runs the words after "mouse" (MouseWords.h) on the window. The answer is one or more
// lines in words; ok is false when nothing was done (words that cannot be read, no such
// mouse, a setting the page keeps or the link does not offer), or when the mouse did not
// take what the page wrote (the profile holds it all the same, as after a click). What the
// window would tell the user in a message box meanwhile becomes part of the answer; the
// window's notice sink is cleared afterwards.
platform::ipc::SessionBus::ControlAnswer answerMouse(ui::mainwnd::CMainWnd& window,
                                                     const std::vector<std::string>& words);

}  // namespace vorn::shell

#pragma once
// Helpers of the custom control tests: a builder callback that resolves class names as the
// main window does, and a tree of such a layout.

#include <string>
#include <string_view>

#include "ui/controls/LayoutClassTable.h"
#include "ui_framework/UiTestSupport.h"

namespace vorn::test {

// Resolves layout class names through the table, then this library's own classes (as the
// factory registrations do for layouts built without a callback).
class CustomControlCallback : public ui::IDialogBuilderCallback {
  public:
    ui::CControlUI* CreateControl(std::string_view className) override;
};

// Counts the repaint requests (CHANGE_PAINT) of one control.
class RepaintCounter : public ui::IControlObserver {
  public:
    RepaintCounter(ui::CPaintManagerUI& pm, ui::CControlUI* control) : pm_(pm), control_(control) {
        pm_.AddObserver(this);
    }
    ~RepaintCounter() override { pm_.RemoveObserver(this); }
    void OnControlChanged(ui::CControlUI* c, unsigned what) override {
        if (c == control_ && (what & ui::CHANGE_PAINT) != 0) {
            ++count;
        }
    }
    void OnControlAdded(ui::CControlUI*) override {}
    void OnControlRemoved(ui::CControlUI*) override {}
    void OnLayoutUpdated() override {}
    void OnTreeRestyled() override {}
    int count = 0;

  private:
    ui::CPaintManagerUI& pm_;
    ui::CControlUI* control_;
};

// A layout text built with the callback into a paint manager of its own.
struct CustomTree : CustomControlCallback, BuiltTree {
    explicit CustomTree(const std::string& xml) : BuiltTree(xml, this) {}
};

}  // namespace vorn::test

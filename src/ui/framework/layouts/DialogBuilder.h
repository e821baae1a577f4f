#pragma once
// CDialogBuilder: builds a control tree from a layout file (format: resources/skin/README.md).
// Class names the framework does not know go to the builder callback, then to the control
// factory; names compare without regard to case. A <Window> root sets the window size,
// fonts, default attributes and styles on the paint manager when the tree is built as a
// window (with a manager and no parent).

#include <memory>
#include <string>
#include <string_view>

namespace vorn::ui {

class CControlUI;
class CPaintManagerUI;

class IDialogBuilderCallback {
  public:
    virtual ~IDialogBuilderCallback() = default;
    // A new control for a class name, or nullptr when the callback does not know it.
    virtual CControlUI* CreateControl(std::string_view className) = 0;
};

class CDialogBuilder {
  public:
    CDialogBuilder();
    ~CDialogBuilder();
    CDialogBuilder(const CDialogBuilder&) = delete;
    CDialogBuilder& operator=(const CDialogBuilder&) = delete;

    // `xml` is a file name below the resource folder ('\' or '/' separators), an absolute
    // path, or layout text starting with '<'. With a parent, the built controls are added
    // to it (a container) and the first one is answered. nullptr when the layout cannot be
    // read or yields no control.
    CControlUI* Create(std::string_view xml, std::string_view type = {},
                       IDialogBuilderCallback* callback = nullptr,
                       CPaintManagerUI* manager = nullptr, CControlUI* parent = nullptr);
    // Builds again from the layout loaded by the last Create.
    CControlUI* Create(IDialogBuilderCallback* callback = nullptr,
                       CPaintManagerUI* manager = nullptr, CControlUI* parent = nullptr);

    // Why the last build failed ("" after a success).
    std::string GetLastErrorMessage() const { return error_; }
    // A layout that cannot be loaded is written to the debug output unless the caller
    // reports it itself (with what the layout was for).
    void SetReportLoadErrors(bool report) { reportLoadErrors_ = report; }

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::string error_;
    bool reportLoadErrors_ = true;
};

}  // namespace vorn::ui

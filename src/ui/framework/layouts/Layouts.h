#pragma once
// The arranging containers: children side by side (CHorizontalLayoutUI), one below the
// other (CVerticalLayoutUI), or one at a time (CTabLayoutUI).
//
// Linear layouts give children with a width (height) their size and share the rest equally
// among children without one; padding surrounds each child, childpadding separates them,
// inset keeps space inside the container; min/max sizes bound every child.

#include "ui/framework/layouts/Container.h"

namespace vorn::ui {

class CHorizontalLayoutUI : public CContainerUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    void SetPos(UiRect rect, bool needInvalidate = true) override;
};

class CVerticalLayoutUI : public CContainerUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    void SetPos(UiRect rect, bool needInvalidate = true) override;
};

// Shows one child at a time; the others are hidden. The first visible child added becomes
// the current one.
class CTabLayoutUI : public CContainerUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;

    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool Remove(CControlUI* control, bool doNotDestroy = false) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;
    int GetCurSel() const { return curSel_; }
    CControlUI* GetCurItem() const { return GetItemAt(curSel_); }
    // Shows the item; raises "tabselect" (wParam new index, lParam old) when asked.
    // False for an index out of range.
    virtual bool SelectItem(int index, bool triggerEvent = true);
    bool SelectItem(CControlUI* control, bool triggerEvent = true);
    void SetPos(UiRect rect, bool needInvalidate = true) override;
    void SetAttribute(std::string_view name, std::string_view value) override;

  private:
    int curSel_ = -1;
    int initialSel_ = -1;
};

}  // namespace vorn::ui

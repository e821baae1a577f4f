#pragma once
// CComboUI: a drop-down choice. Its items are list rows (usually CListLabelElementUI) shown
// in a drop-down box; the combo shows the text of the current row.

#include "ui/framework/controls/ListItem.h"
#include "ui/framework/layouts/Container.h"

namespace vorn::ui {

class CComboUI : public CContainerUI, public IListOwnerUI {
  public:
    CComboUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    unsigned GetControlFlags() const override;
    bool IsSelfDrawn() const override { return false; }
    bool IsActiveControl() const override { return true; }
    // The look of a native combo: its arrow image, its frame under the pointer and the
    // frame of its drop-down list.
    std::string GetArrowImage() const { return arrowImage_; }
    UiColor GetHotBorderColor() const { return hotBorderColor_; }
    UiColor GetDropBorderColor() const { return dropBorderColor_; }

    bool Add(CControlUI* control) override;
    bool AddAt(CControlUI* control, int index) override;
    bool RemoveAt(int index, bool doNotDestroy = false) override;
    void RemoveAll() override;

    // The text of the current row ("" when none is selected).
    std::string GetText() const override;
    TListInfoUI* GetListInfo() override { return &info_; }
    int GetCurSel() const override { return curSel_; }
    bool SelectItem(int index, bool takeFocus = false, bool triggerEvent = true) override;
    CControlUI* GetOwnerControl() override { return this; }

    // Opening the drop-down box raises "dropdown"; the realisation shows the rows.
    bool Activate() override;
    bool IsDropped() const { return dropped_; }
    void SetDropped(bool dropped) { dropped_ = dropped; }
    UiSize GetDropBoxSize() const;  // scaled
    void SetDropBoxSize(UiSize size) { dropBox_ = size; }
    bool IsShowText() const { return showText_; }
    std::string GetNormalImage() const { return normalImage_; }
    std::string GetHotImage() const { return hotImage_; }

    void SetPos(UiRect rect, bool needInvalidate = true) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintStatusImage(IPainter& painter) override;
    void PaintText(IPainter& painter) override;

  private:
    TListInfoUI info_;
    int curSel_ = -1;
    bool dropped_ = false;
    bool showText_ = true;
    UiSize dropBox_{0, 150};
    std::string normalImage_, hotImage_, pushedImage_, disabledImage_;
    std::string arrowImage_;
    UiColor hotBorderColor_ = 0;
    UiColor dropBorderColor_ = 0;
};

}  // namespace vorn::ui

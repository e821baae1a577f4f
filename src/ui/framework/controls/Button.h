#pragma once
// Clickable controls: CButtonUI (raises "click"), COptionUI (a selectable button; options
// sharing a group keep one selected) and CCheckBoxUI (an option that toggles).

#include <span>

#include "ui/framework/controls/Label.h"

namespace vorn::ui {

class CButtonUI : public CLabelUI {
  public:
    CButtonUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    unsigned GetControlFlags() const override;
    // A button of status images paints itself; a plain one is a native button.
    bool IsSelfDrawn() const override { return HasStatusImages(); }
    bool IsActiveControl() const override { return true; }

    // Raises "click" and switches a bound tab layout; false when hidden or disabled.
    bool Activate() override;
    void SetEnabled(bool enabled = true) override;
    void DoEvent(TEventUI& event) override;

    // Status images and colours (image strings; colours 0 = not set).
    std::string GetNormalImage() const { return normalImage_; }
    void SetNormalImage(std::string_view image);
    std::string GetHotImage() const { return hotImage_; }
    void SetHotImage(std::string_view image);
    std::string GetPushedImage() const { return pushedImage_; }
    void SetPushedImage(std::string_view image);
    std::string GetFocusedImage() const { return focusedImage_; }
    void SetFocusedImage(std::string_view image);
    std::string GetDisabledImage() const { return disabledImage_; }
    void SetDisabledImage(std::string_view image);
    std::string GetHotForeImage() const { return hotForeImage_; }
    void SetHotForeImage(std::string_view image);
    UiColor GetHotBkColor() const { return hotBkColor_; }
    void SetHotBkColor(UiColor color);
    UiColor GetPushedBkColor() const { return pushedBkColor_; }
    void SetPushedBkColor(UiColor color);
    UiColor GetDisabledBkColor() const { return disabledBkColor_; }
    void SetDisabledBkColor(UiColor color);
    UiColor GetHotTextColor() const { return hotTextColor_; }
    void SetHotTextColor(UiColor color);
    UiColor GetPushedTextColor() const { return pushedTextColor_; }
    void SetPushedTextColor(UiColor color);
    UiColor GetHotBorderColor() const { return hotBorderColor_; }
    void SetHotBorderColor(UiColor color);
    // Whether any status image is set (the realisation then paints the button itself).
    virtual bool HasStatusImages() const;

    // Tab binding: activating the button selects item `index` of the tab layout `name`.
    void BindTabIndex(int index) { bindTabIndex_ = index; }
    void BindTabLayoutName(std::string_view name) { bindTabLayout_ = std::string(name); }
    int GetBindTabLayoutIndex() const { return bindTabIndex_; }
    std::string GetBindTabLayoutName() const { return bindTabLayout_; }
    void BindTriggerTabSel(int index = -1);

    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintBkColor(IPainter& painter) override;
    void PaintStatusImage(IPainter& painter) override;

  protected:
    UiCursor DefaultCursor() const override { return UiCursor::Hand; }
    // An attribute that sets one status image or one colour field of the control.
    struct StyleAttribute {
        std::string_view name;
        std::string* image = nullptr;
        UiColor* color = nullptr;
    };

    UiColor currentTextColor() const override;
    bool setImage(std::string& field, std::string_view image);
    bool setColor(UiColor& field, UiColor color);
    // Applies the attribute when `table` names it; false otherwise.
    bool applyStyleAttribute(std::string_view name, std::string_view value,
                             std::span<const StyleAttribute> table);

  private:
    std::string normalImage_, hotImage_, pushedImage_, focusedImage_, disabledImage_;
    std::string hotForeImage_, pushedForeImage_;
    UiColor hotBkColor_ = 0, pushedBkColor_ = 0, disabledBkColor_ = 0;
    UiColor hotTextColor_ = 0, pushedTextColor_ = 0, focusedTextColor_ = 0;
    UiColor hotBorderColor_ = 0;
    int bindTabIndex_ = -1;
    std::string bindTabLayout_;
};

class COptionUI : public CButtonUI {
  public:
    ~COptionUI() override;
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;

    // Activating selects the option (in a group) or toggles it (alone), after "click".
    bool Activate() override;

    std::string GetGroup() const { return group_; }
    void SetGroup(std::string_view group);
    bool IsSelected() const { return selected_; }
    // Selecting an option of a group unselects the others of the group. With triggerEvent
    // every option that changes raises "selectchanged" (wParam: selected or not).
    virtual void Selected(bool selected, bool triggerEvent = true);

    std::string GetSelectedImage() const { return selectedImage_; }
    void SetSelectedImage(std::string_view image);
    std::string GetSelectedHotImage() const { return selectedHotImage_; }
    void SetSelectedHotImage(std::string_view image);
    std::string GetSelectedForeImage() const { return selectedForeImage_; }
    void SetSelectedForeImage(std::string_view image);
    UiColor GetSelectedBkColor() const { return selectedBkColor_; }
    void SetSelectedBkColor(UiColor color);
    UiColor GetSelectedTextColor() const { return selectedTextColor_; }
    void SetSelectedTextColor(UiColor color);
    bool HasStatusImages() const override;

    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintBkColor(IPainter& painter) override;
    void PaintStatusImage(IPainter& painter) override;

  protected:
    UiColor currentTextColor() const override;

  private:
    void joinGroup();

    std::string group_;
    bool selected_ = false;
    std::string selectedImage_, selectedHotImage_, selectedForeImage_;
    UiColor selectedBkColor_ = 0, selectedTextColor_ = 0;
};

class CCheckBoxUI : public COptionUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    void SetCheck(bool check, bool triggerEvent = true) { Selected(check, triggerEvent); }
    bool GetCheck() const { return IsSelected(); }

    // The box of a native check box: fill, frame and the mark shown when checked (the
    // selected background colour fills a checked box).
    UiColor GetIndicatorBkColor() const { return indicatorBkColor_; }
    UiColor GetIndicatorBorderColor() const { return indicatorBorderColor_; }
    std::string GetCheckImage() const { return checkImage_; }
    void SetAttribute(std::string_view name, std::string_view value) override;

  private:
    UiColor indicatorBkColor_ = 0;
    UiColor indicatorBorderColor_ = 0;
    std::string checkImage_;
};

}  // namespace vorn::ui

#pragma once
// CScrollBarUI: the scroll state of a container (range, position, line size). The owner
// container moves its children when the position changes.

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

class CContainerUI;

class CScrollBarUI : public CControlUI {
  public:
    CScrollBarUI(CContainerUI* owner, bool horizontal);

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool IsSelfDrawn() const override { return false; }
    bool IsActiveControl() const override { return true; }

    CContainerUI* GetOwner() const { return owner_; }
    bool IsHorizontal() const { return horizontal_; }
    int GetScrollRange() const { return range_; }
    void SetScrollRange(int range);
    int GetScrollPos() const { return pos_; }
    // Moves the owner's content; clamped to 0..range.
    void SetScrollPos(int pos);
    int GetLineSize() const;  // scaled
    void SetLineSize(int size) { lineSize_ = size; }
    // The thumb's colour, and under the pointer.
    UiColor GetThumbColor() const { return thumbColor_; }
    UiColor GetThumbHotColor() const { return thumbHotColor_; }
    void SetAttribute(std::string_view name, std::string_view value) override;
    // The first manager gives the bar its look: the window's ScrollBar defaults.
    void SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init = true) override;

  private:
    friend class CContainerUI;
    void setPosSilently(int pos) { pos_ = pos; }

    CContainerUI* owner_;
    bool horizontal_;
    int range_ = 0;
    int pos_ = 0;
    int lineSize_ = 20;
    UiColor thumbColor_ = 0;
    UiColor thumbHotColor_ = 0;
    bool styled_ = false;
};

}  // namespace vorn::ui

#pragma once
// CProgressUI (a value between a minimum and a maximum, shown as a filled bar) and
// CSliderUI (a progress bar the user drags: "movevaluechanged" while moving,
// "valuechanged" when released).

#include "ui/framework/controls/Label.h"

namespace vorn::ui {

class CProgressUI : public CLabelUI {
  public:
    CProgressUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;

    bool IsHorizontal() const { return horizontal_; }
    void SetHorizontal(bool horizontal = true);
    int GetMinValue() const { return min_; }
    void SetMinValue(int min);
    int GetMaxValue() const { return max_; }
    void SetMaxValue(int max);
    int GetValue() const { return value_; }
    // Clamped to the range; no notification.
    virtual void SetValue(int value);
    // The filled part of the control for the current value.
    UiRect GetFillRect() const;

    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintForeColor(IPainter& painter) override;
    void PaintForeImage(IPainter& painter) override;
    // A bar of images paints itself; a plain one is a native bar.
    bool IsSelfDrawn() const override { return !GetForeImage().empty() || !GetBkImage().empty(); }

  private:
    bool horizontal_ = true;
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

class CSliderUI : public CProgressUI {
  public:
    CSliderUI();
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    unsigned GetControlFlags() const override;

    int GetChangeStep() const { return step_; }
    // The step of a page key or a click on the groove: a tenth of the range, at least one
    // change step.
    int GetPageStep() const;
    bool IsSelfDrawn() const override { return CProgressUI::IsSelfDrawn() || !thumbImage_.empty(); }
    bool IsActiveControl() const override { return true; }
    void SetChangeStep(int step) { step_ = step > 0 ? step : 1; }
    UiSize GetThumbSize() const;  // scaled
    void SetThumbSize(UiSize size);
    UiRect GetThumbRect() const;
    std::string GetThumbImage() const { return thumbImage_; }
    void SetThumbImage(std::string_view image);
    std::string GetThumbHotImage() const { return thumbHotImage_; }
    void SetThumbHotImage(std::string_view image);
    std::string GetThumbPushedImage() const { return thumbPushedImage_; }
    void SetThumbPushedImage(std::string_view image);
    bool IsSendMove() const { return sendMove_; }
    // Colours of a native slider's thumb (normal, under the pointer) and of its filled part
    // while disabled.
    UiColor GetThumbColor() const { return thumbColor_; }
    UiColor GetThumbHotColor() const { return thumbHotColor_; }
    UiColor GetDisabledForeColor() const { return disabledForeColor_; }
    void SetCanSendMove(bool send) { sendMove_ = send; }

    // A value chosen by the user: while `moving` (dragging) raises "movevaluechanged" when
    // move notifications are on, otherwise "valuechanged" (also when the value stays).
    void UserChange(int value, bool moving);
    // The value under a window point, by the slider's geometry.
    int ValueAtPoint(UiPoint point) const;

    void DoEvent(TEventUI& event) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    // The filled part (faded while disabled), then the thumb over it.
    void PaintForeImage(IPainter& painter) override;

  protected:
    UiCursor DefaultCursor() const override { return UiCursor::Hand; }

  private:
    int step_ = 1;
    UiSize thumb_{10, 10};
    std::string thumbImage_, thumbHotImage_, thumbPushedImage_;
    bool sendMove_ = true;
    UiColor thumbColor_ = 0;
    UiColor thumbHotColor_ = 0;
    UiColor disabledForeColor_ = 0;
};

}  // namespace vorn::ui

#pragma once
// CLabelUI: a control that shows one text (or language key) in its font and colours.

#include "ui/framework/controls/Control.h"

namespace vorn::ui {

class CLabelUI : public CControlUI {
  public:
    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool IsSelfDrawn() const override { return false; }

    bool IsShowHtml() const { return showHtml_; }
    void SetShowHtml(bool show = true);
    bool IsAutoCalcWidth() const { return autoCalcWidth_; }
    void SetAutoCalcWidth(bool autoCalc);
    void SetText(std::string_view text) override;

    UiSize EstimateSize(UiSize available) override;
    void SetAttribute(std::string_view name, std::string_view value) override;
    void PaintText(IPainter& painter) override;

  protected:
    // The text colour for the current state (disabled text colour when disabled).
    virtual UiColor currentTextColor() const;

  private:
    bool showHtml_ = false;
    bool autoCalcWidth_ = false;
};

}  // namespace vorn::ui

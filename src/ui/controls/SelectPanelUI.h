#pragma once
// CSelectPanelUI: the panel of a device picture that picks keys by dragging a rectangle
// over them. When a drag ends, every key button directly inside the panel is picked when it
// meets the rectangle and unpicked otherwise, and "click_select_end" is raised. The
// rectangle itself is not drawn.

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/framework/layouts/Layouts.h"

namespace vorn::ui {

class CSelectPanelUI : public CVerticalLayoutUI {
  public:
    static constexpr std::string_view kClassName = "SelectPanel";
    static constexpr const char* kSelectEnd = "click_select_end";

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    void DoEvent(TEventUI& event) override;

    // The last selection rectangle (window client pixels), normalised.
    const UiRect& selection() const { return selection_; }
    bool isDragging() const { return dragging_ != 0; }

  private:
    void pickKeys();

    int buttonDown_ = 0;
    uint8_t dragging_ = 0;
    UiPoint start_;
    UiPoint current_;
    UiRect selection_;
};

}  // namespace vorn::ui

#pragma once
// CCircleProgressUI: a progress indicator drawn as a ring. The background colour fills the
// disc inscribed in the control; the foreground colour fills the part of the disc that
// stands for the value, starting straight down and running clockwise; a white disc inset by
// the ring width leaves the ring. The label text is drawn over it as for any label.

#include <string>
#include <string_view>

#include "ui/framework/controls/Progress.h"

namespace vorn::ui {

class CCircleProgressUI : public CProgressUI {
  public:
    static constexpr std::string_view kClassName = "CircleProgress";
    static constexpr int kRingWidth = 10;  // pixels at 100 %
    static constexpr int kStartDegrees = 90;
    static constexpr UiColor kInnerColor = 0xFFFFFFFF;

    std::string GetClass() const override;
    void* GetInterface(std::string_view name) override;
    bool IsSelfDrawn() const override { return true; }

    // The sweep of the value arc in whole degrees, 0 to 360 (0 for an empty range).
    int sweepDegrees() const;

    void PaintBkColor(IPainter& painter) override;
    void PaintForeColor(IPainter& painter) override;
    void PaintForeImage(IPainter& painter) override;
};

}  // namespace vorn::ui

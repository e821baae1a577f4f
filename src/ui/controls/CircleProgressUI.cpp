#include "ui/controls/CircleProgressUI.h"

#include <algorithm>

namespace vorn::ui {

std::string CCircleProgressUI::GetClass() const {
    return std::string(kClassName);
}

void* CCircleProgressUI::GetInterface(std::string_view name) {
    return name == kClassName ? this : CProgressUI::GetInterface(name);
}

int CCircleProgressUI::sweepDegrees() const {
    int range = GetMaxValue() - GetMinValue();
    if (range <= 0) {
        return 0;
    }
    auto sweep = static_cast<int>(static_cast<double>(GetValue()) / range * 360.0);
    // A range that does not start at 0 could otherwise ask for more than a full turn.
    return std::clamp(sweep, 0, 360);
}

void CCircleProgressUI::PaintBkColor(IPainter& painter) {
    UiColor color = GetBkColor();
    if ((color >> 24) != 0) {
        painter.fillPie(rcItem_, 0, 360, GetAdjustColor(color));
    }
}

void CCircleProgressUI::PaintForeColor(IPainter& painter) {
    int sweep = sweepDegrees();
    UiColor color = GetForeColor();
    if (sweep > 0 && (color >> 24) != 0) {
        painter.fillPie(rcItem_, kStartDegrees, sweep, GetAdjustColor(color));
    }
    int inset = Scale(kRingWidth);
    UiRect inner{rcItem_.left + inset, rcItem_.top + inset, rcItem_.right - inset,
                 rcItem_.bottom - inset};
    if (!inner.isEmpty()) {
        painter.fillEllipse(inner, kInnerColor);
    }
}

void CCircleProgressUI::PaintForeImage(IPainter& painter) {
    (void)painter;
}

}  // namespace vorn::ui

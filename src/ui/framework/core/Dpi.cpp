#include "ui/framework/core/Dpi.h"

#include <cstdint>

namespace vorn::ui {
namespace {

// Rounded value * num / den, as the window system's MulDiv.
int mulDiv(int value, int num, int den) {
    int64_t v = int64_t(value) * num;
    int64_t half = den / 2;
    return static_cast<int>(v >= 0 ? (v + half) / den : (v - half) / den);
}

}  // namespace

void CDPI::SetScale(int dpi) {
    if (dpi <= 0) {
        return;
    }
    dpi_ = dpi;
    scale_ = mulDiv(dpi, 100, 96);
}

int CDPI::Scale(int value) const {
    return scale_ == 100 ? value : mulDiv(value, scale_, 100);
}

int CDPI::ScaleBack(int value) const {
    return scale_ == 100 ? value : mulDiv(value, 100, scale_);
}

UiRect CDPI::Scale(UiRect r) const {
    return {Scale(r.left), Scale(r.top), Scale(r.right), Scale(r.bottom)};
}

UiSize CDPI::Scale(UiSize s) const {
    return {Scale(s.cx), Scale(s.cy)};
}

UiPoint CDPI::Scale(UiPoint p) const {
    return {Scale(p.x), Scale(p.y)};
}

}  // namespace vorn::ui

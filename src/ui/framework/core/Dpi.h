#pragma once
// The scale of one paint manager: a DPI value (96 = 100 %) and the integer scaling of
// layout sizes by it.

#include "ui/framework/core/UiTypes.h"

namespace vorn::ui {

class CDPI {
  public:
    int GetDPI() const { return dpi_; }
    // Scale in percent (96 DPI = 100, 144 DPI = 150).
    int GetScale() const { return scale_; }
    // Accepts any positive DPI; 0 or less leaves the scale unchanged.
    void SetScale(int dpi);
    int Scale(int value) const;
    UiRect Scale(UiRect rect) const;
    UiSize Scale(UiSize size) const;
    UiPoint Scale(UiPoint point) const;
    // Inverse of Scale (pixels back to 96-DPI units).
    int ScaleBack(int value) const;

  private:
    int dpi_ = 96;
    int scale_ = 100;
};

}  // namespace vorn::ui

#pragma once
// Fonts for the Qt realisation: the program's Font folder added to the application fonts,
// and text measured with real font metrics.

#include <string>

#include "ui/framework/controls/ControlObserver.h"

namespace vorn::ui::qt {

// Adds every .ttf/.otf/.ttc file of the folder to the application fonts. Files that are
// missing or cannot be loaded are skipped (with a diagnostic line). Answers how many were
// added. An empty folder name adds nothing.
int addFontFolder(const std::string& folder);

class QtTextMeasurer final : public ITextMeasurer {
  public:
    UiSize MeasureText(std::string_view text, const TFontInfo& font, int maxWidth) override;
};

QtTextMeasurer& textMeasurer();

}  // namespace vorn::ui::qt

#pragma once
// Receiver of tree changes, for a realisation that mirrors a paint manager's controls
// (the Qt widgets of a shown window).

#include <string_view>

#include "ui/framework/core/UiTypes.h"
#include "ui/framework/drawing/Painter.h"

namespace vorn::ui {

class CControlUI;

class IControlObserver {
  public:
    virtual ~IControlObserver() = default;
    // A property of the control changed (ControlChange bits).
    virtual void OnControlChanged(CControlUI* control, unsigned what) = 0;
    // The control (with its subtree) was added to a container of the tree.
    virtual void OnControlAdded(CControlUI* control) = 0;
    // The control (with its subtree) is about to leave the tree; it may be destroyed next.
    virtual void OnControlRemoved(CControlUI* control) = 0;
    // Positions of the tree were recomputed.
    virtual void OnLayoutUpdated() = 0;
    // Fonts or scale changed: every control's look needs refreshing.
    virtual void OnTreeRestyled() = 0;
    // Positions are out of date (UpdateLayout will recompute them).
    virtual void OnLayoutNeeded() {}
};

// Measures text for controls that size themselves by their text (autocalcwidth). The
// realisation installs one backed by real fonts; without it a rough estimate is used.
class ITextMeasurer {
  public:
    virtual ~ITextMeasurer() = default;
    virtual UiSize MeasureText(std::string_view text, const TFontInfo& font, int maxWidth) = 0;
};

}  // namespace vorn::ui

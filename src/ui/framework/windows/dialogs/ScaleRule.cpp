#include "ui/framework/windows/dialogs/ScaleRule.h"

#include "platform/debug/DebugSink.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

bool isAcceptedScale(int dpi) {
    return dpi >= 48 && dpi <= 192 && dpi % 24 == 0;
}

int checkedScale(int requested, std::string_view errorText) {
    if (isAcceptedScale(requested)) {
        return requested;
    }
    platform::debugLine(errorText);
    return 96;
}

bool applyWindowScale(int requested, int& current, std::string_view errorText) {
    int scale = checkedScale(requested, errorText);
    if (scale == current) {
        return false;
    }
    current = scale;
    CPaintManagerUI::SetAllDPI(scale);
    return true;
}

}  // namespace vorn::ui

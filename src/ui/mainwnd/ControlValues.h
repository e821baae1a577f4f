#pragma once
// What the sender of an event holds, for the window's rows: a slider's value, a list's
// selection, whether an option is selected.

#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Progress.h"

namespace vorn::ui::mainwnd {

// 0 for a control that is no slider.
inline int sliderValue(CControlUI* control) {
    auto* slider = interfaceOf<CSliderUI>(control, "Slider");
    return slider != nullptr ? slider->GetValue() : 0;
}

// -1 for a control that is no list.
inline int comboIndex(CControlUI* control) {
    auto* combo = interfaceOf<CComboUI>(control, "Combo");
    return combo != nullptr ? combo->GetCurSel() : -1;
}

// True for a selected option and for a control that is no option.
inline bool isSelected(CControlUI* control) {
    auto* option = interfaceOf<COptionUI>(control, "Option");
    return option == nullptr || option->IsSelected();
}

}  // namespace vorn::ui::mainwnd

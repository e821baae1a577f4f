#pragma once
// The program's own control classes, which layouts name by class: registered with the
// control factory at start, in this order. Classes that are not part of this build yet are
// left out; a layout naming one builds without it.

#include <array>
#include <string_view>

namespace vorn::shell {

inline constexpr std::array<std::string_view, 25> kControlClassNames = {
    "CCircleProgressUI",
    "CChartViewUI",
    "CWndUI",
    "CSelectPanelUI",
    "CDeviceKeyButtonUI",
    "CCloudShareListItemUI",
    "CUpdateInfoListItemUI",
    "CDeviceOptionUI",
    "CMpDevicePowerUI",
    "CComboEditContainerElementUI",
    "CHandImgButtonUI",
    "CHandImgSelectButtonUI",
    "CRedioMacroButtonUI",
    "CAudioRecordUI",
    "CLightControlUI",
    "CMacroControlUI",
    "CKeySetControlUI",
    "CDeviceProfileUI",
    "CShootControlUI",
    "CMagicControlUI",
    "CVoice6533ControlUI",
    "CDPIEditUI",
    "CTessarinUSBDevice",
    "CTessarinMousePadDevice",
    "CTessarinDU6533Device",
};

// Registers every class of the table that this build has. Answers how many.
int registerControlClasses();

}  // namespace vorn::shell

#pragma once
// How the main window, as the builder callback of its layouts, turns a class name found in
// a layout into a control: the rows are compared in order without regard to case and the
// first match decides. A row names either a control class or a layout file whose built
// tree is the result.

#include <array>
#include <string_view>

namespace vorn::ui {

class CControlUI;
class CPaintManagerUI;

struct LayoutClassRow {
    std::string_view tagName;     // the class name in the layout
    std::string_view className;   // the class made, "" for a layout row
    std::string_view layoutFile;  // the layout built, "" for a class row
};

inline constexpr std::array<LayoutClassRow, 26> kLayoutClassRows = {{
    {"CircleProgress", "CCircleProgressUI", ""},
    {"SelectPanel", "CSelectPanelUI", ""},
    {"DeviceKeyButton", "CDeviceKeyButtonUI", ""},
    {"HandImgButton", "CHandImgButtonUI", ""},
    {"AudioRecord", "CAudioRecordUI", ""},
    {"HandImgSelectButton", "CHandImgSelectButtonUI", ""},
    {"RedioMacroButton", "CRedioMacroButtonUI", ""},
    {"ComboEditContainerElement", "CComboEditContainerElementUI", ""},
    {"TessarinMousePadDevice", "CTessarinMousePadDevice", ""},
    {"TessarinDU6533Device", "CTessarinDU6533Device", ""},
    {"TessarinMouseDevice", "CTessarinMouseDevice", ""},
    {"TessarinKeyboardDevice", "CTessarinKeyboardDevice", ""},
    {"DeviceProfile", "CDeviceProfileUI", ""},
    {"LightControl", "CLightControlUI", ""},
    {"MagicControl", "CMagicControlUI", ""},
    {"Voice6533Control", "CVoice6533ControlUI", ""},
    {"KeySetControl", "CKeySetControlUI", ""},
    {"ShootControl", "CShootControlUI", ""},
    {"DeviceProfileUI", "", "XML/CustomControlXML/DeviceProfile.xml"},
    {"LightSetControlUI", "", "XML/CustomControlXML/LightControl.xml"},
    {"Voice6533SetControlUI", "", "XML/CustomControlXML/Voice6533Control.xml"},
    {"MagicSetControlUI", "", "XML/CustomControlXML/MagicControl.xml"},
    {"KeySetControlUI", "", "XML/CustomControlXML/KeySetControl.xml"},
    {"MacroSetControlUI", "", "XML/CustomControlXML/MacroControl.xml"},
    {"ShootKeySetControlUI", "", "XML/CustomControlXML/ShootControl.xml"},
    {"VirtualSetControlUI", "", "XML/CustomControlXML/VirtualSet.xml"},
}};

// The first row for a layout class name, nullptr when none matches.
const LayoutClassRow* findLayoutClassRow(std::string_view tagName);

// The control for a layout class name, or nullptr when no row matches, the row's class is
// not part of the program (neither in this library nor registered with the control
// factory) or its layout cannot be built. Layout rows are built into `manager` without a
// callback and without a parent.
CControlUI* createCustomControl(std::string_view className, CPaintManagerUI* manager);
CControlUI* createCustomControl(std::string_view className);

}  // namespace vorn::ui

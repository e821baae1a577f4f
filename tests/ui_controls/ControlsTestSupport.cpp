#include "ui_controls/ControlsTestSupport.h"

#include "ui/controls/CustomControlClasses.h"

namespace vorn::test {

ui::CControlUI* CustomControlCallback::CreateControl(std::string_view className) {
    if (ui::CControlUI* control = ui::createCustomControl(className)) {
        return control;
    }
    if (const ui::CustomControlClass* c = ui::findCustomControlClass(className)) {
        return c->create();
    }
    return nullptr;
}

}  // namespace vorn::test

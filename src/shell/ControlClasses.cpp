#include "shell/ControlClasses.h"

#include "devices/PageFactory.h"
#include "devices/keys/KeySetControlUI.h"
#include "ui/controls/CustomControlClasses.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/profiles/DeviceProfileUI.h"

namespace vorn::shell {
namespace {

// The factory of a class of the table; empty for one this build does not have yet.
ui::CreateControlFn factoryOf(std::string_view name) {
    if (ui::CreateControlFn create = ui::customControlFactory(name)) {
        return create;
    }
    if (name == "CDeviceProfileUI") {
        return []() -> ui::CControlUI* { return new ui::CDeviceProfileUI; };
    }
    if (name == "CKeySetControlUI") {
        return []() -> ui::CControlUI* { return new devices::CKeySetControlUI; };
    }
    return {};
}

}  // namespace

int registerControlClasses() {
    int registered = 0;
    for (std::string_view name : kControlClassNames) {
        if (ui::CreateControlFn create = factoryOf(name)) {
            ui::CControlFactory::GetInstance().RegistControl(name, std::move(create));
            ++registered;
        }
    }
    // Layouts also name the controls by their elements.
    devices::registerPageControls();
    return registered;
}

}  // namespace vorn::shell

#include "ui/controls/CustomControlClasses.h"

#include "platform/text/Text.h"
#include "ui/controls/CircleProgressUI.h"
#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui/controls/DeviceOptionUI.h"
#include "ui/controls/MpDevicePowerUI.h"
#include "ui/controls/SelectPanelUI.h"

namespace vorn::ui {

namespace {

template <typename T>
CControlUI* make() {
    return new T;
}

}  // namespace

const std::array<CustomControlClass, 5> kCustomControlClasses = {{
    {"CCircleProgressUI", CCircleProgressUI::kClassName, &make<CCircleProgressUI>},
    {"CSelectPanelUI", CSelectPanelUI::kClassName, &make<CSelectPanelUI>},
    {"CDeviceKeyButtonUI", CDeviceKeyButtonUI::kClassName, &make<CDeviceKeyButtonUI>},
    {"CDeviceOptionUI", CDeviceOptionUI::kClassName, &make<CDeviceOptionUI>},
    {"CMpDevicePowerUI", CMpDevicePowerUI::kClassName, &make<CMpDevicePowerUI>},
}};

const CustomControlClass* findCustomControlClass(std::string_view name) {
    for (const CustomControlClass& c : kCustomControlClasses) {
        if (platform::equalsIgnoreCase(c.className, name) ||
            platform::equalsIgnoreCase(c.tagName, name)) {
            return &c;
        }
    }
    return nullptr;
}

CreateControlFn customControlFactory(std::string_view className) {
    for (const CustomControlClass& c : kCustomControlClasses) {
        if (platform::equalsIgnoreCase(c.className, className)) {
            return c.create;
        }
    }
    return {};
}

void registerCustomControlElements() {
    CControlFactory& factory = CControlFactory::GetInstance();
    for (const CustomControlClass& c : kCustomControlClasses) {
        factory.RegistControl(c.tagName, c.create);
    }
}

int registerCustomControlClasses() {
    CControlFactory& factory = CControlFactory::GetInstance();
    for (const CustomControlClass& c : kCustomControlClasses) {
        factory.RegistControl(c.className, c.create);
    }
    registerCustomControlElements();
    return static_cast<int>(kCustomControlClasses.size());
}

}  // namespace vorn::ui

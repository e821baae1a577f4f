#include "ui/controls/LayoutClassTable.h"

#include "platform/text/Text.h"
#include "ui/controls/CustomControlClasses.h"
#include "ui/framework/controls/ControlFactory.h"
#include "ui/framework/layouts/DialogBuilder.h"

namespace vorn::ui {

const LayoutClassRow* findLayoutClassRow(std::string_view tagName) {
    for (const LayoutClassRow& row : kLayoutClassRows) {
        if (platform::equalsIgnoreCase(row.tagName, tagName)) {
            return &row;
        }
    }
    return nullptr;
}

CControlUI* createCustomControl(std::string_view className, CPaintManagerUI* manager) {
    const LayoutClassRow* row = findLayoutClassRow(className);
    if (row == nullptr) {
        return nullptr;
    }
    if (!row->layoutFile.empty()) {
        CDialogBuilder builder;
        return builder.Create(row->layoutFile, {}, nullptr, manager, nullptr);
    }
    if (CreateControlFn create = customControlFactory(row->className)) {
        return create();
    }
    // Classes kept in other parts of the program are known to the factory by class name.
    return CControlFactory::GetInstance().CreateControl(row->className);
}

CControlUI* createCustomControl(std::string_view className) {
    return createCustomControl(className, nullptr);
}

}  // namespace vorn::ui

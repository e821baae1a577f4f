#include "ui/controls/SelectPanelUI.h"

#include <algorithm>

#include "ui/controls/DeviceKeyButtonUI.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

std::string CSelectPanelUI::GetClass() const {
    return std::string(kClassName);
}

void* CSelectPanelUI::GetInterface(std::string_view name) {
    return name == kClassName ? this : CVerticalLayoutUI::GetInterface(name);
}

void CSelectPanelUI::DoEvent(TEventUI& event) {
    CVerticalLayoutUI::DoEvent(event);
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
            if (IsEnabled()) {
                buttonDown_ = 1;
                start_ = event.ptMouse;
            }
            break;
        case UIEVENT_MOUSEMOVE:
            if (buttonDown_ == 1) {
                dragging_ = 1;
            }
            if (dragging_ != 0) {
                current_ = event.ptMouse;
                selection_ = {std::min(start_.x, current_.x), std::min(start_.y, current_.y),
                              std::max(start_.x, current_.x), std::max(start_.y, current_.y)};
                NeedUpdate();
            }
            break;
        case UIEVENT_BUTTONUP:
            buttonDown_ = 0;
            if (dragging_ != 0) {
                dragging_ = 0;
                start_ = current_;
                pickKeys();
                NeedUpdate();
                if (manager_ != nullptr) {
                    manager_->SendNotify(this, kSelectEnd);
                }
            }
            break;
        default:
            break;
    }
}

void CSelectPanelUI::pickKeys() {
    // Only the panel's own items count; keys nested in further containers are left alone.
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* item = GetItemAt(i);
        if (item == nullptr || item->GetClass() != CDeviceKeyButtonUI::kClassName) {
            continue;
        }
        auto* key = interfaceOf<CDeviceKeyButtonUI>(item, CDeviceKeyButtonUI::kClassName);
        if (key == nullptr) {
            continue;
        }
        key->setPicked(key->GetPos().intersects(selection_) ? 1 : 0);
    }
}

}  // namespace vorn::ui

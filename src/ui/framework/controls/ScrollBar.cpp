#include "ui/framework/controls/ScrollBar.h"

#include <algorithm>

#include "ui/framework/layouts/Container.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

CScrollBarUI::CScrollBarUI(CContainerUI* owner, bool horizontal)
    : owner_(owner), horizontal_(horizontal) {}

std::string CScrollBarUI::GetClass() const {
    return "ScrollBarUI";
}

void* CScrollBarUI::GetInterface(std::string_view name) {
    return name == "ScrollBar" ? this : CControlUI::GetInterface(name);
}

void CScrollBarUI::SetScrollRange(int range) {
    range_ = std::max(0, range);
    pos_ = std::min(pos_, range_);
}

void CScrollBarUI::SetScrollPos(int pos) {
    if (owner_ == nullptr) {
        pos_ = std::clamp(pos, 0, range_);
        return;
    }
    UiSize p = owner_->GetScrollPos();
    (horizontal_ ? p.cx : p.cy) = pos;
    owner_->SetScrollPos(p);
}

int CScrollBarUI::GetLineSize() const {
    return Scale(lineSize_);
}

void CScrollBarUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CControlUI::SetManager(manager, parent, init);
    if (manager != nullptr && !styled_) {
        styled_ = true;
        ApplyAttributeList(manager->GetDefaultAttributeList("ScrollBar"));
    }
}

void CScrollBarUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "thumbcolor" || name == "thumbhotcolor") {
        (name == "thumbcolor" ? thumbColor_ : thumbHotColor_) = parseColor(value);
        return;
    }
    if (name == "linesize") {
        lineSize_ = parseInt(value, 20);
    }
    CControlUI::SetAttribute(name, value);
}

}  // namespace vorn::ui

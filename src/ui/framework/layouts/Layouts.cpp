#include "ui/framework/layouts/Layouts.h"

#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

std::string CHorizontalLayoutUI::GetClass() const {
    return "HorizontalLayoutUI";
}

void* CHorizontalLayoutUI::GetInterface(std::string_view name) {
    return name == "HorizontalLayout" ? this : CContainerUI::GetInterface(name);
}

void CHorizontalLayoutUI::SetPos(UiRect rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayoutLinear(true);
}

std::string CVerticalLayoutUI::GetClass() const {
    return "VerticalLayoutUI";
}

void* CVerticalLayoutUI::GetInterface(std::string_view name) {
    return name == "VerticalLayout" ? this : CContainerUI::GetInterface(name);
}

void CVerticalLayoutUI::SetPos(UiRect rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayoutLinear(false);
}

std::string CTabLayoutUI::GetClass() const {
    return "TabLayoutUI";
}

void* CTabLayoutUI::GetInterface(std::string_view name) {
    return name == "TabLayout" ? this : CContainerUI::GetInterface(name);
}

bool CTabLayoutUI::Add(CControlUI* control) {
    return AddAt(control, GetCount());
}

bool CTabLayoutUI::AddAt(CControlUI* control, int index) {
    if (!CContainerUI::AddAt(control, index)) {
        return false;
    }
    if (curSel_ >= index) {
        ++curSel_;  // the current item moved one place on
    }
    // The item named by "selectedid" wins over the first visible one; until it arrives the
    // first visible item stands in.
    bool wanted = initialSel_ == index;
    if (wanted) {
        initialSel_ = -1;
    }
    if (curSel_ < 0 && control->IsVisibleSelf()) {
        curSel_ = index;
    } else if (wanted) {
        if (CControlUI* old = GetItemAt(curSel_)) {
            old->SetVisible(false);
        }
        curSel_ = index;
        control->SetVisible(true);
    } else {
        control->SetVisible(false);
    }
    NotifyChanged(CHANGE_ITEMS | CHANGE_SELECTION);
    return true;
}

bool CTabLayoutUI::Remove(CControlUI* control, bool doNotDestroy) {
    int index = GetItemIndex(control);
    return index >= 0 && RemoveAt(index, doNotDestroy);
}

bool CTabLayoutUI::RemoveAt(int index, bool doNotDestroy) {
    if (!CContainerUI::RemoveAt(index, doNotDestroy)) {
        return false;
    }
    if (curSel_ == index) {
        curSel_ = -1;
        if (GetCount() > 0) {
            SelectItem(index < GetCount() ? index : GetCount() - 1, false);
        }
    } else if (curSel_ > index) {
        --curSel_;
    }
    NotifyChanged(CHANGE_ITEMS | CHANGE_SELECTION);
    return true;
}

void CTabLayoutUI::RemoveAll() {
    curSel_ = -1;
    CContainerUI::RemoveAll();
    NotifyChanged(CHANGE_ITEMS | CHANGE_SELECTION);
}

bool CTabLayoutUI::SelectItem(int index, bool triggerEvent) {
    if (index < 0 || index >= GetCount()) {
        return false;
    }
    if (index == curSel_) {
        return true;
    }
    int old = curSel_;
    curSel_ = index;
    for (int i = 0; i < GetCount(); ++i) {
        GetItemAt(i)->SetVisible(i == index);
    }
    NeedUpdate();
    NotifyChanged(CHANGE_SELECTION);
    if (triggerEvent && manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_TABSELECT, static_cast<uintptr_t>(curSel_), old);
    }
    return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* control, bool triggerEvent) {
    int index = GetItemIndex(control);
    return index >= 0 && SelectItem(index, triggerEvent);
}

void CTabLayoutUI::SetPos(UiRect rect, bool needInvalidate) {
    CControlUI::SetPos(rect, needInvalidate);
    LayoutStacked();
}

void CTabLayoutUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "selectedid") {
        int index = parseInt(value, -1);
        if (index >= 0 && index < GetCount()) {
            SelectItem(index, false);
            initialSel_ = -1;
        } else {
            initialSel_ = index;
        }
    }
    CContainerUI::SetAttribute(name, value);
}

}  // namespace vorn::ui

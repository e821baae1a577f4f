#include "ui/framework/controls/Combo.h"

#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

CComboUI::CComboUI() {
    SetTextPadding({8, 0, 24, 0});
    SetTextStyle(DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

std::string CComboUI::GetClass() const {
    return "ComboUI";
}

void* CComboUI::GetInterface(std::string_view name) {
    if (name == "Combo") {
        return this;
    }
    if (name == "IListOwner") {
        return static_cast<IListOwnerUI*>(this);
    }
    return CContainerUI::GetInterface(name);
}

unsigned CComboUI::GetControlFlags() const {
    return IsEnabled() ? UIFLAG_TABSTOP : 0;
}

bool CComboUI::Add(CControlUI* control) {
    return AddAt(control, GetCount());
}

bool CComboUI::AddAt(CControlUI* control, int index) {
    if (!CContainerUI::AddAt(control, index)) {
        return false;
    }
    IListItemUI* item = listItemOf(control);
    if (item != nullptr) {
        item->SetOwner(this);
    }
    curSel_ = selectionAfterInsert(curSel_, index);
    renumberRows(*this, index);
    if (item != nullptr && item->IsSelected()) {
        SelectItem(index, false, false);  // arrives selected (layout attribute)
    }
    NotifyChanged(CHANGE_ITEMS);
    return true;
}

bool CComboUI::RemoveAt(int index, bool doNotDestroy) {
    if (!CContainerUI::RemoveAt(index, doNotDestroy)) {
        return false;
    }
    curSel_ = selectionAfterRemove(curSel_, index);
    renumberRows(*this, index);
    NotifyChanged(CHANGE_ITEMS | CHANGE_TEXT);
    return true;
}

void CComboUI::RemoveAll() {
    curSel_ = -1;
    CContainerUI::RemoveAll();
    NotifyChanged(CHANGE_ITEMS | CHANGE_TEXT);
}

std::string CComboUI::GetText() const {
    CControlUI* row = GetItemAt(curSel_);
    return row != nullptr ? row->GetText() : std::string();
}

bool CComboUI::SelectItem(int index, bool takeFocus, bool triggerEvent) {
    if (index == curSel_) {
        return true;
    }
    int old = curSel_;
    if (curSel_ >= 0) {
        if (IListItemUI* item = listItemOf(GetItemAt(curSel_))) {
            item->Select(false, triggerEvent);
        }
        curSel_ = -1;
    }
    if (index < 0) {
        NotifyChanged(CHANGE_SELECTION | CHANGE_TEXT);
        return false;
    }
    IListItemUI* item = selectableRowOf(GetItemAt(index));
    if (item == nullptr) {
        NotifyChanged(CHANGE_SELECTION | CHANGE_TEXT);
        return false;
    }
    curSel_ = index;
    item->Select(true, triggerEvent);
    if (takeFocus) {
        SetFocus();
    }
    NotifyChanged(CHANGE_SELECTION | CHANGE_TEXT);
    if (triggerEvent && manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_ITEMSELECT, static_cast<uintptr_t>(curSel_), old);
    }
    return true;
}

bool CComboUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    dropped_ = true;
    if (manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_DROPDOWN);
    }
    return true;
}

UiSize CComboUI::GetDropBoxSize() const {
    return {Scale(dropBox_.cx), Scale(dropBox_.cy)};
}

void CComboUI::SetPos(UiRect rect, bool needInvalidate) {
    // The rows live in the drop-down box, not inside the combo.
    CControlUI::SetPos(rect, needInvalidate);
}

void CComboUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
            if (IsEnabled() && rcItem_.contains(event.ptMouse)) {
                Activate();
                SetButtonState(buttonState_ | UISTATE_PUSHED | UISTATE_CAPTURED);
            }
            return;
        case UIEVENT_BUTTONUP:
            SetButtonState(buttonState_ & ~(UISTATE_PUSHED | UISTATE_CAPTURED));
            return;
        case UIEVENT_KEYDOWN:
            if (event.chKey == VK_UP_KEY && curSel_ > 0) {
                SelectItem(curSel_ - 1);
            } else if (event.chKey == VK_DOWN_KEY && curSel_ + 1 < GetCount()) {
                SelectItem(curSel_ + 1);
            }
            return;
        case UIEVENT_SCROLLWHEEL: {
            bool up = static_cast<intptr_t>(event.wParam) > 0;
            int next = curSel_ + (up ? -1 : 1);
            if (next >= 0 && next < GetCount()) {
                SelectItem(next);
            }
            return;
        }
        default:
            if (TrackHotState(event)) {
                return;
            }
            break;
    }
    CControlUI::DoEvent(event);
}

void CComboUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "arrowimage") {
        arrowImage_ = std::string(value);
        NotifyChanged(CHANGE_STYLE);
        return;
    }
    if (name == "hotbordercolor" || name == "dropbordercolor") {
        (name == "hotbordercolor" ? hotBorderColor_ : dropBorderColor_) = parseColor(value);
        NotifyChanged(CHANGE_STYLE);
        return;
    }
    if (info_.ApplyAttribute(name, value)) {
        NotifyChanged(CHANGE_STYLE);
    } else if (name == "dropboxsize") {
        SetDropBoxSize(parseSize(value));
    } else if (name == "showtext") {
        showText_ = parseBool(value);
    } else if (name == "normalimage") {
        normalImage_ = std::string(value);
    } else if (name == "hotimage") {
        hotImage_ = std::string(value);
    } else if (name == "pushedimage") {
        pushedImage_ = std::string(value);
    } else if (name == "disabledimage") {
        disabledImage_ = std::string(value);
    }
    CContainerUI::SetAttribute(name, value);
}

void CComboUI::PaintStatusImage(IPainter& painter) {
    std::string_view image = PickStatusImage({.normal = normalImage_,
                                              .hot = hotImage_,
                                              .pushed = pushedImage_,
                                              .disabled = disabledImage_});
    if (!image.empty()) {
        DrawImage(painter, image);
    }
}

void CComboUI::PaintText(IPainter& painter) {
    if (!showText_) {
        return;
    }
    UiColor color =
        IsEnabled() || GetDisabledTextColor() == 0 ? GetTextColor() : GetDisabledTextColor();
    CRenderEngine::DrawText(painter, manager_, rcItem_.deflated(GetTextPadding()), GetText(),
                            GetAdjustColor(color), GetFont(), GetTextStyle());
}

}  // namespace vorn::ui

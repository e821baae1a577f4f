#include "ui/framework/controls/ListItem.h"

#include <algorithm>

#include "ui/framework/layouts/Container.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

bool TListInfoUI::ApplyAttribute(std::string_view name, std::string_view value) {
    if (name == "itemfont") {
        nFont = parseInt(value, -1);
    } else if (name == "itemalign") {
        uTextStyle &= ~unsigned(DT_LEFT | DT_CENTER | DT_RIGHT);
        uTextStyle |= value == "center" ? DT_CENTER : (value == "right" ? DT_RIGHT : DT_LEFT);
    } else if (name == "itemtextpadding") {
        rcTextPadding = parseRect(value);
    } else if (name == "itemtextcolor") {
        dwTextColor = parseColor(value);
    } else if (name == "itembkcolor") {
        dwBkColor = parseColor(value);
    } else if (name == "itemselectedtextcolor") {
        dwSelectedTextColor = parseColor(value);
    } else if (name == "itemselectedbkcolor") {
        dwSelectedBkColor = parseColor(value);
    } else if (name == "itemhottextcolor") {
        dwHotTextColor = parseColor(value);
    } else if (name == "itemhotbkcolor") {
        dwHotBkColor = parseColor(value);
    } else if (name == "itemdisabledtextcolor") {
        dwDisabledTextColor = parseColor(value);
    } else if (name == "itemlinecolor") {
        dwLineColor = parseColor(value);
    } else if (name == "itembkimage") {
        sBkImage = std::string(value);
    } else if (name == "itemselectedimage") {
        sSelectedImage = std::string(value);
    } else if (name == "itemhotimage") {
        sHotImage = std::string(value);
    } else if (name == "itemshowhtml") {
        bShowHtml = parseBool(value);
    } else if (name == "itemheight") {
        nItemHeight = parseInt(value);
    } else {
        return false;
    }
    return true;
}

bool CListItemState::selectRow(bool select, bool triggerEvent) {
    if (!self_->IsEnabled()) {
        return false;
    }
    if (select == selected_) {
        return true;
    }
    selected_ = select;
    if (select && owner_ != nullptr) {
        owner_->SelectItem(index_, false, triggerEvent);
    }
    self_->NotifyChanged(CHANGE_SELECTION);
    return true;
}

IListItemUI* selectableRowOf(CControlUI* control) {
    IListItemUI* item = listItemOf(control);
    // A row hidden only because its list is (a list on a page not shown) can still be chosen.
    if (item == nullptr || !control->IsVisibleSelf() || !control->IsEnabled()) {
        return nullptr;
    }
    return item;
}

void renumberRows(const CContainerUI& rows, int from) {
    for (int i = std::max(0, from); i < rows.GetCount(); ++i) {
        if (IListItemUI* item = listItemOf(rows.GetItemAt(i))) {
            item->SetIndex(i);
        }
    }
}

bool CListItemState::selectRowMulti(bool select) {
    if (!self_->IsEnabled()) {
        return false;
    }
    if (select != selected_) {
        selected_ = select;
        self_->NotifyChanged(CHANGE_SELECTION);
    }
    return true;
}

bool CListItemState::activateRow() {
    if (!self_->IsVisible() || !self_->IsEnabled()) {
        return false;
    }
    if (CPaintManagerUI* pm = self_->GetManager()) {
        pm->SendNotify(self_, DUI_MSGTYPE_ITEMACTIVATE);
    }
    return true;
}

bool CListItemState::handleRowEvent(TEventUI& event) {
    CPaintManagerUI* pm = self_->GetManager();
    bool enabled = self_->IsEnabled();
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_RBUTTONDOWN:
            if (enabled && owner_ != nullptr) {
                if (owner_->IsMultiSelect() && (event.wKeyState & MK_CONTROL_STATE) != 0) {
                    if (selected_) {
                        owner_->UnSelectItem(index_);
                    } else {
                        owner_->SelectMultiItem(index_, true);
                    }
                } else {
                    owner_->SelectItem(index_, true);
                }
                self_->Invalidate();
            }
            return true;
        case UIEVENT_BUTTONUP:
            if (enabled && pm != nullptr) {
                pm->SendNotify(self_, DUI_MSGTYPE_ITEMCLICK);
            }
            return true;
        case UIEVENT_DBLCLICK:
            if (enabled) {
                activateRow();
                self_->Invalidate();
            }
            return true;
        case UIEVENT_KEYDOWN:
            if (enabled && self_->IsKeyboardEnabled() && event.chKey == VK_RETURN_KEY) {
                activateRow();
                self_->Invalidate();
                return true;
            }
            return false;
        case UIEVENT_MOUSEMOVE:
            return true;
        default:
            return self_->TrackHotState(event);
    }
}

void CListItemState::paintRowBackground(IPainter& painter) {
    const TListInfoUI* info = owner_ != nullptr ? owner_->GetListInfo() : nullptr;
    UiRect rc = self_->GetPosNoLayout();
    UiColor color = self_->GetBkColor();
    std::string image;
    if (info != nullptr) {
        if (selected_) {
            color = info->dwSelectedBkColor != 0 ? info->dwSelectedBkColor : color;
            image = info->sSelectedImage;
        } else if ((self_->GetButtonState() & UISTATE_HOT) != 0 && info->dwHotBkColor != 0) {
            color = info->dwHotBkColor;
            image = info->sHotImage;
        } else if (color == 0) {
            color = info->dwBkColor;
            image = info->sBkImage;
        }
    }
    if ((color >> 24) != 0) {
        painter.fillRect(rc, self_->GetAdjustColor(color));
    }
    if (!image.empty()) {
        self_->DrawImage(painter, image);
    }
    if (info != nullptr && (info->dwLineColor >> 24) != 0) {
        painter.fillRect({rc.left, rc.bottom - 1, rc.right, rc.bottom}, info->dwLineColor);
    }
}

UiColor CListItemState::rowTextColor() const {
    const TListInfoUI* info = owner_ != nullptr ? owner_->GetListInfo() : nullptr;
    if (info == nullptr) {
        return self_->GetTextColor();
    }
    if (!self_->IsEnabled() && info->dwDisabledTextColor != 0) {
        return info->dwDisabledTextColor;
    }
    if (selected_ && info->dwSelectedTextColor != 0) {
        return info->dwSelectedTextColor;
    }
    if ((self_->GetButtonState() & UISTATE_HOT) != 0 && info->dwHotTextColor != 0) {
        return info->dwHotTextColor;
    }
    return self_->GetTextColor() != 0 ? self_->GetTextColor() : info->dwTextColor;
}

}  // namespace vorn::ui

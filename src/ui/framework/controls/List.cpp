#include "ui/framework/controls/List.h"

#include <algorithm>
#include <cctype>
#include <type_traits>

#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

// --- header ---

CListHeaderItemUI::CListHeaderItemUI() {
    SetTextStyle(DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

std::string CListHeaderItemUI::GetClass() const {
    return "ListHeaderItemUI";
}

void* CListHeaderItemUI::GetInterface(std::string_view name) {
    return name == "ListHeaderItem" ? this : CLabelUI::GetInterface(name);
}

std::string CListHeaderUI::GetClass() const {
    return "ListHeaderUI";
}

void* CListHeaderUI::GetInterface(std::string_view name) {
    return name == "ListHeader" ? this : CHorizontalLayoutUI::GetInterface(name);
}

std::string CListBodyUI::GetClass() const {
    return "ListBodyUI";
}

void CListBodyUI::DoEvent(TEventUI& event) {
    // Keys and the wheel over the body are the list's.
    if (owner_ != nullptr && (event.Type == UIEVENT_KEYDOWN)) {
        owner_->DoEvent(event);
        return;
    }
    CVerticalLayoutUI::DoEvent(event);
}

// --- rows ---

template <class Base>
void* CListRowUI<Base>::GetInterface(std::string_view name) {
    if (name == "ListItem") {
        return static_cast<IListItemUI*>(this);
    }
    return Base::GetInterface(name);
}

template <class Base>
void CListRowUI<Base>::DoEvent(TEventUI& event) {
    if (isMouseEvent(event.Type) && !this->IsMouseEnabled()) {
        if (owner_ != nullptr) {
            owner_->GetOwnerControl()->DoEvent(event);
        } else {
            Base::DoEvent(event);
        }
        return;
    }
    if (handleRowEvent(event)) {
        return;
    }
    bool own = event.Type == UIEVENT_TIMER || event.Type == UIEVENT_SETFOCUS ||
               event.Type == UIEVENT_KILLFOCUS;
    if constexpr (std::is_base_of_v<CContainerUI, Base>) {
        // A row holding controls opens its own context menu.
        own = own || event.Type == UIEVENT_CONTEXTMENU;
    }
    if (owner_ != nullptr && !own) {
        owner_->GetOwnerControl()->DoEvent(event);
        return;
    }
    Base::DoEvent(event);
}

template <class Base>
UiSize CListRowUI<Base>::EstimateSize(UiSize available) {
    UiSize size = Base::EstimateSize(available);
    if (size.cy == 0 && owner_ != nullptr && owner_->GetListInfo()->nItemHeight > 0) {
        size.cy = this->Scale(owner_->GetListInfo()->nItemHeight);
    }
    return size;
}

template <class Base>
void CListRowUI<Base>::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "selected") {
        Select(parseBool(value), false);
    }
    Base::SetAttribute(name, value);
}

template class CListRowUI<CControlUI>;
template class CListRowUI<CContainerUI>;

// --- text rows ---

std::string CListElementUI::GetClass() const {
    return "ListElementUI";
}

void* CListElementUI::GetInterface(std::string_view name) {
    return name == "ListElement" ? this : CListRowUI::GetInterface(name);
}

UiSize CListElementUI::EstimateSize(UiSize available) {
    UiSize size = CListRowUI::EstimateSize(available);
    if (size.cy == 0 && manager_ != nullptr) {
        size.cy = manager_->MeasureText("Ag", GetFont(), 0).cy + Scale(8);
    }
    return size;
}

std::string CListLabelElementUI::GetClass() const {
    return "ListLabelElementUI";
}

void* CListLabelElementUI::GetInterface(std::string_view name) {
    return name == "ListLabelElement" ? this : CListElementUI::GetInterface(name);
}

void CListLabelElementUI::PaintText(IPainter& painter) {
    std::string text = GetText();
    if (text.empty()) {
        return;
    }
    const TListInfoUI* info = owner_ != nullptr ? owner_->GetListInfo() : nullptr;
    UiRect pad = info != nullptr ? Scale(info->rcTextPadding) : GetTextPadding();
    int font = GetFont() >= 0 || info == nullptr ? GetFont() : info->nFont;
    unsigned style = info != nullptr ? info->uTextStyle : GetTextStyle();
    UiRect rc = rcItem_.deflated(pad);
    if (info != nullptr && info->bShowHtml) {
        CRenderEngine::DrawHtmlText(painter, manager_, rc, text, rowTextColor(), style);
    } else {
        CRenderEngine::DrawText(painter, manager_, rc, text, rowTextColor(), font, style);
    }
}

std::string CListTextElementUI::GetClass() const {
    return "ListTextElementUI";
}

void* CListTextElementUI::GetInterface(std::string_view name) {
    return name == "ListTextElement" ? this : CListLabelElementUI::GetInterface(name);
}

std::string CListTextElementUI::GetText(int column) const {
    if (column == 0 && texts_.empty()) {
        return CListLabelElementUI::GetText();
    }
    if (column < 0 || column >= static_cast<int>(texts_.size())) {
        return {};
    }
    return texts_[static_cast<size_t>(column)];
}

void CListTextElementUI::SetText(int column, std::string_view text) {
    if (column < 0) {
        return;
    }
    if (texts_.empty()) {
        texts_.push_back(CListLabelElementUI::GetText());
    }
    if (column >= static_cast<int>(texts_.size())) {
        texts_.resize(static_cast<size_t>(column) + 1);
    }
    texts_[static_cast<size_t>(column)] = std::string(text);
    if (column == 0) {
        CListLabelElementUI::SetText(text);
    } else {
        NotifyChanged(CHANGE_TEXT);
    }
}

void CListTextElementUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name.size() > 4 && name.substr(0, 4) == "text" &&
        std::isdigit(static_cast<unsigned char>(name[4]))) {
        int column = parseInt(name.substr(4), -1);
        if (column > 0) {
            SetText(column, value);
        }
    }
    CListLabelElementUI::SetAttribute(name, value);
}

void CListTextElementUI::PaintText(IPainter& painter) {
    const TListInfoUI* info = owner_ != nullptr ? owner_->GetListInfo() : nullptr;
    if (info == nullptr || info->columns.empty()) {
        CListLabelElementUI::PaintText(painter);
        return;
    }
    UiRect pad = Scale(info->rcTextPadding);
    int font = GetFont() >= 0 ? GetFont() : info->nFont;
    for (size_t i = 0; i < info->columns.size(); ++i) {
        UiRect rc{info->columns[i].left, rcItem_.top, info->columns[i].right, rcItem_.bottom};
        CRenderEngine::DrawText(painter, manager_, rc.deflated(pad), GetText(static_cast<int>(i)),
                                rowTextColor(), font, info->uTextStyle);
    }
}

// --- container rows ---

std::string CListContainerElementUI::GetClass() const {
    return "ListContainerElementUI";
}

void* CListContainerElementUI::GetInterface(std::string_view name) {
    return name == "ListContainerElement" ? this : CListRowUI::GetInterface(name);
}

// --- list ---

CListUI::CListUI() : header_(new CListHeaderUI), body_(new CListBodyUI(this)) {
    header_->SetVisible(false);
    body_->EnableScrollBar(true, false);
    CVerticalLayoutUI::AddAt(header_, 0);
    CVerticalLayoutUI::AddAt(body_, 1);
}

std::string CListUI::GetClass() const {
    return "ListUI";
}

void* CListUI::GetInterface(std::string_view name) {
    if (name == "List") {
        return this;
    }
    if (name == "IListOwner") {
        return static_cast<IListOwnerUI*>(this);
    }
    return CVerticalLayoutUI::GetInterface(name);
}

CControlUI* CListUI::GetItemAt(int index) const {
    return body_->GetItemAt(index);
}

int CListUI::GetItemIndex(CControlUI* control) const {
    return body_->GetItemIndex(control);
}

bool CListUI::SetItemIndex(CControlUI* control, int index) {
    int from = body_->GetItemIndex(control);
    if (from < 0 || !body_->SetItemIndex(control, index)) {
        return false;
    }
    renumberRows(*this, std::min(from, index));
    return true;
}

int CListUI::GetCount() const {
    return body_->GetCount();
}

bool CListUI::Add(CControlUI* control) {
    return AddAt(control, GetCount());
}

bool CListUI::AddAt(CControlUI* control, int index) {
    if (control == nullptr) {
        return false;
    }
    if (auto* header = interfaceOf<CListHeaderUI>(control, "ListHeader")) {
        if (header != header_) {
            // A header from the layout replaces the built-in empty one.
            int at = CVerticalLayoutUI::GetItemIndex(header_);
            CVerticalLayoutUI::RemoveAt(at);
            header_ = header;
            return CVerticalLayoutUI::AddAt(header, at);
        }
        return false;
    }
    if (control->GetInterface("ListHeaderItem") != nullptr) {
        header_->SetVisible(true);
        return header_->Add(control);
    }
    if (!body_->AddAt(control, index)) {
        return false;
    }
    IListItemUI* item = listItemOf(control);
    if (item != nullptr) {
        item->SetOwner(this);
    }
    curSel_ = selectionAfterInsert(curSel_, index);
    for (int& s : multiSelected_) {
        s = selectionAfterInsert(s, index);
    }
    renumberRows(*this, index);
    if (item != nullptr && item->IsSelected()) {
        // A row that comes selected (layout attribute) becomes the selection, silently.
        SelectItem(index, false, false);
    }
    NotifyChanged(CHANGE_ITEMS);
    return true;
}

bool CListUI::Remove(CControlUI* control, bool doNotDestroy) {
    int index = GetItemIndex(control);
    if (index < 0) {
        if (header_->GetItemIndex(control) >= 0) {
            return header_->Remove(control, doNotDestroy);
        }
        return false;
    }
    return RemoveAt(index, doNotDestroy);
}

bool CListUI::RemoveAt(int index, bool doNotDestroy) {
    if (!body_->RemoveAt(index, doNotDestroy)) {
        return false;
    }
    curSel_ = selectionAfterRemove(curSel_, index);
    std::erase(multiSelected_, index);
    for (int& s : multiSelected_) {
        s = selectionAfterRemove(s, index);
    }
    renumberRows(*this, index);
    NotifyChanged(CHANGE_ITEMS);
    return true;
}

void CListUI::RemoveAll() {
    curSel_ = -1;
    multiSelected_.clear();
    body_->RemoveAll();
    NotifyChanged(CHANGE_ITEMS);
}

TListInfoUI* CListUI::GetListInfo() {
    info_.columns.clear();
    for (int i = 0; header_->IsVisible() && i < header_->GetCount(); ++i) {
        info_.columns.push_back(header_->GetItemAt(i)->GetPos());
    }
    return &info_;
}

bool CListUI::SelectItem(int index, bool takeFocus, bool triggerEvent) {
    if (index == curSel_ && multiSelected_.size() <= 1) {
        return true;
    }
    int old = curSel_;
    for (int s : std::vector<int>(multiSelected_)) {
        if (s != index) {
            if (IListItemUI* item = listItemOf(GetItemAt(s))) {
                item->SelectMulti(false);
            }
        }
    }
    multiSelected_.clear();
    if (curSel_ >= 0 && curSel_ != index) {
        if (IListItemUI* item = listItemOf(GetItemAt(curSel_))) {
            item->Select(false, triggerEvent);
        }
        curSel_ = -1;
    }
    if (index < 0) {
        return false;
    }
    CControlUI* control = GetItemAt(index);
    IListItemUI* item = selectableRowOf(control);
    if (item == nullptr) {
        return false;
    }
    curSel_ = index;
    if (!item->Select(true, triggerEvent)) {
        curSel_ = -1;
        return false;
    }
    multiSelected_.push_back(index);
    EnsureVisible(index);
    if (takeFocus) {
        control->SetFocus();
    }
    NotifyChanged(CHANGE_SELECTION);
    if (triggerEvent && manager_ != nullptr && old != curSel_) {
        manager_->SendNotify(this, DUI_MSGTYPE_ITEMSELECT, static_cast<uintptr_t>(curSel_), old);
    }
    return true;
}

bool CListUI::SelectItemActivate(int index) {
    if (!SelectItem(index, true)) {
        return false;
    }
    CControlUI* control = GetItemAt(index);
    return control != nullptr && control->Activate();
}

void CListUI::SetMultiSelect(bool multi) {
    multiSelect_ = multi;
    if (!multi && multiSelected_.size() > 1) {
        SelectItem(curSel_, false, false);
    }
}

bool CListUI::SelectMultiItem(int index, bool takeFocus) {
    if (!multiSelect_) {
        return SelectItem(index, takeFocus);
    }
    CControlUI* control = GetItemAt(index);
    IListItemUI* item = selectableRowOf(control);
    if (item == nullptr) {
        return false;
    }
    if (std::find(multiSelected_.begin(), multiSelected_.end(), index) != multiSelected_.end()) {
        return true;
    }
    if (!item->SelectMulti(true)) {
        return false;
    }
    int old = curSel_;
    multiSelected_.push_back(index);
    curSel_ = index;
    if (takeFocus) {
        control->SetFocus();
    }
    NotifyChanged(CHANGE_SELECTION);
    if (manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_ITEMSELECT, static_cast<uintptr_t>(index), old);
    }
    return true;
}

bool CListUI::UnSelectItem(int index, bool others) {
    std::vector<int> targets;
    for (int s : multiSelected_) {
        if (others ? s != index : s == index) {
            targets.push_back(s);
        }
    }
    if (targets.empty()) {
        return false;
    }
    for (int s : targets) {
        if (IListItemUI* item = listItemOf(GetItemAt(s))) {
            item->SelectMulti(false);
        }
        std::erase(multiSelected_, s);
    }
    if (std::find(targets.begin(), targets.end(), curSel_) != targets.end()) {
        curSel_ = multiSelected_.empty() ? -1 : multiSelected_.back();
    }
    NotifyChanged(CHANGE_SELECTION);
    return true;
}

std::vector<int> CListUI::GetSelectedItems() const {
    std::vector<int> out = multiSelected_;
    std::sort(out.begin(), out.end());
    return out;
}

void CListUI::EnsureVisible(int index) {
    body_->EnsureVisible(GetItemAt(index));
}

int CListUI::findSelectable(int index, bool forward) const {
    for (int i = index; i >= 0 && i < GetCount(); i += forward ? 1 : -1) {
        if (selectableRowOf(GetItemAt(i)) != nullptr) {
            return i;
        }
    }
    return -1;
}

void CListUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_KEYDOWN) {
        int target = -1;
        if (event.chKey == VK_UP_KEY) {
            target = findSelectable(curSel_ - 1, false);
        } else if (event.chKey == VK_DOWN_KEY) {
            target = findSelectable(curSel_ + 1, true);
        } else if (event.chKey == VK_RETURN_KEY && curSel_ >= 0) {
            GetItemAt(curSel_)->Activate();
            return;
        }
        if (target >= 0) {
            SelectItem(target, true);
        }
        return;
    }
    if (event.Type == UIEVENT_SCROLLWHEEL) {
        body_->DoEvent(event);
        return;
    }
    CVerticalLayoutUI::DoEvent(event);
}

void CListUI::SetAttribute(std::string_view name, std::string_view value) {
    if (info_.ApplyAttribute(name, value)) {
        NotifyChanged(CHANGE_STYLE);
    } else if (name == "header") {
        header_->SetVisible(value != "hidden" && header_->GetCount() > 0);
    } else if (name == "multiselect") {
        SetMultiSelect(parseBool(value));
    } else if (name == "vscrollbar") {
        body_->EnableScrollBar(parseBool(value), body_->GetHorizontalScrollBar() != nullptr);
        CControlUI::SetAttribute(name, value);
        return;
    }
    CVerticalLayoutUI::SetAttribute(name, value);
}

}  // namespace vorn::ui

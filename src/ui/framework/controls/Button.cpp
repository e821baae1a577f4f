#include "ui/framework/controls/Button.h"

#include "ui/framework/layouts/Layouts.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

CButtonUI::CButtonUI() {
    SetTextStyle(DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

std::string CButtonUI::GetClass() const {
    return "ButtonUI";
}

void* CButtonUI::GetInterface(std::string_view name) {
    return name == "Button" ? this : CLabelUI::GetInterface(name);
}

unsigned CButtonUI::GetControlFlags() const {
    return (IsKeyboardEnabled() ? UIFLAG_TABSTOP : 0) | (IsEnabled() ? UIFLAG_SETCURSOR : 0);
}

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) {
        return false;
    }
    if (manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_CLICK);
        BindTriggerTabSel();
    }
    return true;
}

void CButtonUI::SetEnabled(bool enabled) {
    CControlUI::SetEnabled(enabled);
    if (!enabled) {
        buttonState_ = UISTATE_DISABLED;
    }
}

void CButtonUI::DoEvent(TEventUI& event) {
    if (isMouseEvent(event.Type) && !IsMouseEnabled()) {
        CLabelUI::DoEvent(event);
        return;
    }
    switch (event.Type) {
        case UIEVENT_KEYDOWN:
            if (IsKeyboardEnabled() && (event.chKey == ' ' || event.chKey == VK_RETURN_KEY)) {
                Activate();
                return;
            }
            break;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (rcItem_.contains(event.ptMouse) && IsEnabled()) {
                SetButtonState(buttonState_ | UISTATE_PUSHED | UISTATE_CAPTURED);
            }
            return;
        case UIEVENT_MOUSEMOVE:
            if ((buttonState_ & UISTATE_CAPTURED) != 0) {
                SetButtonState(rcItem_.contains(event.ptMouse) ? (buttonState_ | UISTATE_PUSHED)
                                                               : (buttonState_ & ~UISTATE_PUSHED));
            }
            return;
        case UIEVENT_BUTTONUP:
            if ((buttonState_ & UISTATE_CAPTURED) != 0) {
                SetButtonState(buttonState_ & ~(UISTATE_PUSHED | UISTATE_CAPTURED));
                if (rcItem_.contains(event.ptMouse)) {
                    Activate();
                }
            }
            return;
        default:
            if (TrackHotState(event)) {
                return;
            }
            break;
    }
    CLabelUI::DoEvent(event);
}

bool CButtonUI::setImage(std::string& field, std::string_view image) {
    if (field == image) {
        return false;
    }
    field = std::string(image);
    NotifyChanged(CHANGE_STYLE);
    return true;
}

bool CButtonUI::setColor(UiColor& field, UiColor color) {
    if (field == color) {
        return false;
    }
    field = color;
    NotifyChanged(CHANGE_STYLE);
    return true;
}

bool CButtonUI::applyStyleAttribute(std::string_view name, std::string_view value,
                                    std::span<const StyleAttribute> table) {
    for (const StyleAttribute& attribute : table) {
        if (attribute.name != name) {
            continue;
        }
        if (attribute.image != nullptr) {
            setImage(*attribute.image, value);
        } else if (attribute.color != nullptr) {
            setColor(*attribute.color, parseColor(value));
        }
        return true;
    }
    return false;
}

void CButtonUI::SetNormalImage(std::string_view image) {
    setImage(normalImage_, image);
}
void CButtonUI::SetHotImage(std::string_view image) {
    setImage(hotImage_, image);
}
void CButtonUI::SetPushedImage(std::string_view image) {
    setImage(pushedImage_, image);
}
void CButtonUI::SetFocusedImage(std::string_view image) {
    setImage(focusedImage_, image);
}
void CButtonUI::SetDisabledImage(std::string_view image) {
    setImage(disabledImage_, image);
}
void CButtonUI::SetHotForeImage(std::string_view image) {
    setImage(hotForeImage_, image);
}
void CButtonUI::SetHotBkColor(UiColor color) {
    setColor(hotBkColor_, color);
}
void CButtonUI::SetPushedBkColor(UiColor color) {
    setColor(pushedBkColor_, color);
}
void CButtonUI::SetDisabledBkColor(UiColor color) {
    setColor(disabledBkColor_, color);
}
void CButtonUI::SetHotTextColor(UiColor color) {
    setColor(hotTextColor_, color);
}
void CButtonUI::SetPushedTextColor(UiColor color) {
    setColor(pushedTextColor_, color);
}
void CButtonUI::SetHotBorderColor(UiColor color) {
    setColor(hotBorderColor_, color);
}

bool CButtonUI::HasStatusImages() const {
    return !normalImage_.empty() || !hotImage_.empty() || !pushedImage_.empty() ||
           !focusedImage_.empty() || !disabledImage_.empty() || !hotForeImage_.empty() ||
           !pushedForeImage_.empty();
}

void CButtonUI::BindTriggerTabSel(int index) {
    if (bindTabLayout_.empty() || manager_ == nullptr) {
        return;
    }
    if (index < 0) {
        index = bindTabIndex_;
    }
    auto* tab = interfaceOf<CTabLayoutUI>(manager_->FindControl(bindTabLayout_), "TabLayout");
    if (tab != nullptr && index >= 0) {
        tab->SelectItem(index);
    }
}

void CButtonUI::SetAttribute(std::string_view name, std::string_view value) {
    const StyleAttribute styles[] = {
        {"normalimage", &normalImage_},
        {"hotimage", &hotImage_},
        {"pushedimage", &pushedImage_},
        {"focusedimage", &focusedImage_},
        {"disabledimage", &disabledImage_},
        {"hotforeimage", &hotForeImage_},
        {"pushedforeimage", &pushedForeImage_},
        {"hotbkcolor", nullptr, &hotBkColor_},
        {"pushedbkcolor", nullptr, &pushedBkColor_},
        {"disabledbkcolor", nullptr, &disabledBkColor_},
        {"hottextcolor", nullptr, &hotTextColor_},
        {"pushedtextcolor", nullptr, &pushedTextColor_},
        {"focusedtextcolor", nullptr, &focusedTextColor_},
        {"hotbordercolor", nullptr, &hotBorderColor_},
    };
    if (applyStyleAttribute(name, value, styles)) {
        CLabelUI::SetAttribute(name, value);
        return;
    }
    if (name == "bindtabindex") {
        BindTabIndex(parseInt(value, -1));
    } else if (name == "bindtablayoutname") {
        BindTabLayoutName(value);
    }
    CLabelUI::SetAttribute(name, value);
}

UiColor CButtonUI::currentTextColor() const {
    if (!IsEnabled()) {
        return CLabelUI::currentTextColor();
    }
    if ((buttonState_ & UISTATE_PUSHED) != 0 && pushedTextColor_ != 0) {
        return pushedTextColor_;
    }
    if ((buttonState_ & UISTATE_HOT) != 0 && hotTextColor_ != 0) {
        return hotTextColor_;
    }
    if (IsFocused() && focusedTextColor_ != 0) {
        return focusedTextColor_;
    }
    return GetTextColor();
}

void CButtonUI::PaintBkColor(IPainter& painter) {
    UiColor c = GetBkColor();
    if (!IsEnabled() && disabledBkColor_ != 0) {
        c = disabledBkColor_;
    } else if ((buttonState_ & UISTATE_PUSHED) != 0 && pushedBkColor_ != 0) {
        c = pushedBkColor_;
    } else if ((buttonState_ & UISTATE_HOT) != 0 && hotBkColor_ != 0) {
        c = hotBkColor_;
    }
    FillShape(painter, rcItem_, c);
}

void CButtonUI::PaintStatusImage(IPainter& painter) {
    std::string_view image = PickStatusImage({.normal = normalImage_,
                                              .hot = hotImage_,
                                              .pushed = pushedImage_,
                                              .focused = focusedImage_,
                                              .disabled = disabledImage_});
    if (!image.empty()) {
        DrawImage(painter, image);
    }
    if ((buttonState_ & UISTATE_PUSHED) != 0 && !pushedForeImage_.empty()) {
        DrawImage(painter, pushedForeImage_);
    } else if ((buttonState_ & UISTATE_HOT) != 0 && !hotForeImage_.empty()) {
        DrawImage(painter, hotForeImage_);
    }
}

// --- COptionUI ---

COptionUI::~COptionUI() {
    if (!group_.empty() && manager_ != nullptr) {
        manager_->RemoveOptionGroup(group_, this);
    }
}

std::string COptionUI::GetClass() const {
    return "OptionUI";
}

void* COptionUI::GetInterface(std::string_view name) {
    return name == "Option" ? this : CButtonUI::GetInterface(name);
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) {
        return false;
    }
    Selected(group_.empty() ? !selected_ : true);
    return true;
}

void COptionUI::joinGroup() {
    if (group_.empty() || manager_ == nullptr) {
        return;
    }
    manager_->AddOptionGroup(group_, this);
    if (!selected_) {
        return;
    }
    // A selected option joining its group takes the selection from the others.
    if (const auto* members = manager_->GetOptionGroup(group_)) {
        for (CControlUI* c : std::vector<CControlUI*>(*members)) {
            if (c != this) {
                static_cast<COptionUI*>(c)->Selected(false, false);
            }
        }
    }
}

void COptionUI::SetGroup(std::string_view group) {
    if (group_ == group) {
        return;
    }
    if (!group_.empty() && manager_ != nullptr) {
        manager_->RemoveOptionGroup(group_, this);
    }
    group_ = std::string(group);
    joinGroup();
}

void COptionUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CPaintManagerUI* old = manager_;
    if (old != nullptr && old != manager && !group_.empty()) {
        old->RemoveOptionGroup(group_, this);
    }
    CButtonUI::SetManager(manager, parent, init);
    if (manager != nullptr && init) {
        joinGroup();
    }
}

void COptionUI::Selected(bool selected, bool triggerEvent) {
    if (selected_ == selected) {
        return;
    }
    selected_ = selected;
    if (selected) {
        buttonState_ |= UISTATE_SELECTED;
    } else {
        buttonState_ &= ~UISTATE_SELECTED;
    }
    NotifyChanged(CHANGE_SELECTION);
    if (manager_ == nullptr) {
        return;
    }
    if (!group_.empty() && selected) {
        if (const auto* members = manager_->GetOptionGroup(group_)) {
            for (CControlUI* c : std::vector<CControlUI*>(*members)) {
                if (c != this) {
                    static_cast<COptionUI*>(c)->Selected(false, triggerEvent);
                }
            }
        }
    }
    if (triggerEvent) {
        manager_->SendNotify(this, DUI_MSGTYPE_SELECTCHANGED, selected_ ? 1 : 0, 0);
    }
}

void COptionUI::SetSelectedImage(std::string_view image) {
    setImage(selectedImage_, image);
}
void COptionUI::SetSelectedHotImage(std::string_view image) {
    setImage(selectedHotImage_, image);
}
void COptionUI::SetSelectedForeImage(std::string_view image) {
    setImage(selectedForeImage_, image);
}
void COptionUI::SetSelectedBkColor(UiColor color) {
    setColor(selectedBkColor_, color);
}
void COptionUI::SetSelectedTextColor(UiColor color) {
    setColor(selectedTextColor_, color);
}

bool COptionUI::HasStatusImages() const {
    return CButtonUI::HasStatusImages() || !selectedImage_.empty() || !selectedHotImage_.empty() ||
           !selectedForeImage_.empty();
}

void COptionUI::SetAttribute(std::string_view name, std::string_view value) {
    const StyleAttribute styles[] = {
        {"selectedimage", &selectedImage_},
        {"selectedhotimage", &selectedHotImage_},
        {"selectedforeimage", &selectedForeImage_},
        {"selectedbkcolor", nullptr, &selectedBkColor_},
        {"selectedtextcolor", nullptr, &selectedTextColor_},
    };
    if (applyStyleAttribute(name, value, styles)) {
        CButtonUI::SetAttribute(name, value);
        return;
    }
    if (name == "group") {
        SetGroup(value);
    } else if (name == "selected") {
        Selected(parseBool(value), false);
    }
    CButtonUI::SetAttribute(name, value);
}

UiColor COptionUI::currentTextColor() const {
    if (selected_ && IsEnabled() && selectedTextColor_ != 0) {
        return selectedTextColor_;
    }
    return CButtonUI::currentTextColor();
}

void COptionUI::PaintBkColor(IPainter& painter) {
    if (selected_ && (selectedBkColor_ >> 24) != 0) {
        FillShape(painter, rcItem_, selectedBkColor_);
        return;
    }
    CButtonUI::PaintBkColor(painter);
}

void COptionUI::PaintStatusImage(IPainter& painter) {
    if (selected_) {
        const std::string& image = ((buttonState_ & UISTATE_HOT) != 0 && !selectedHotImage_.empty())
                                       ? selectedHotImage_
                                       : selectedImage_;
        if (!image.empty()) {
            DrawImage(painter, image);
            if (!selectedForeImage_.empty()) {
                DrawImage(painter, selectedForeImage_);
            }
            return;
        }
    }
    CButtonUI::PaintStatusImage(painter);
}

// --- CCheckBoxUI ---

std::string CCheckBoxUI::GetClass() const {
    return "CheckBoxUI";
}

void CCheckBoxUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "indicatorbkcolor") {
        indicatorBkColor_ = parseColor(value);
    } else if (name == "indicatorbordercolor") {
        indicatorBorderColor_ = parseColor(value);
    } else if (name == "checkimage") {
        checkImage_ = std::string(value);
    } else {
        COptionUI::SetAttribute(name, value);
        return;
    }
    NotifyChanged(CHANGE_STYLE);
}

void* CCheckBoxUI::GetInterface(std::string_view name) {
    return name == "CheckBox" ? this : COptionUI::GetInterface(name);
}

}  // namespace vorn::ui

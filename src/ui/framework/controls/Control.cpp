#include "ui/framework/controls/Control.h"

#include "platform/text/Text.h"
#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (manager_ != nullptr) {
        manager_->ReapObjects(this);
    }
}

void CControlUI::SetName(std::string_view name) {
    if (name_ == name) {
        return;
    }
    std::string old = name_;
    name_ = std::string(name);
    if (manager_ != nullptr) {
        manager_->RenameControl(this, old);
    }
}

std::string CControlUI::GetClass() const {
    return "ControlUI";
}

void* CControlUI::GetInterface(std::string_view name) {
    return name == "Control" ? this : nullptr;
}

bool CControlUI::Activate() {
    return IsVisible() && IsEnabled();
}

std::string CControlUI::GetVirtualWnd() const {
    for (const CControlUI* c = this; c != nullptr; c = c->parent_) {
        if (!c->virtualWnd_.empty()) {
            return c->virtualWnd_;
        }
    }
    return {};
}

void CControlUI::SetManager(CPaintManagerUI* manager, CControlUI* parent, bool init) {
    CPaintManagerUI* old = manager_;
    manager_ = manager;
    parent_ = parent;
    if (old != manager) {
        OnManagerChanged(old);
    }
    if (init && parent_ != nullptr) {
        Init();
    }
}

void CControlUI::Init() {
    if (!inited_) {
        inited_ = true;
        DoInit();
    }
}

void CControlUI::resolveText() {
    shownText_ = resourceText_ ? CResourceManager::GetInstance().GetText(text_) : text_;
}

void CControlUI::SetText(std::string_view text) {
    if (text_ == text && !resourceText_) {
        return;
    }
    text_ = std::string(text);
    resolveText();
    NotifyChanged(CHANGE_TEXT);
}

void CControlUI::SetResourceText(bool resource) {
    if (resourceText_ == resource) {
        return;
    }
    resourceText_ = resource;
    resolveText();
    NotifyChanged(CHANGE_TEXT | CHANGE_STYLE);
}

void CControlUI::ReloadText() {
    if (!resourceText_) {
        return;
    }
    resolveText();
    NotifyChanged(CHANGE_TEXT | CHANGE_STYLE);
}

std::string CControlUI::GetToolTip() const {
    return resourceText_ ? CResourceManager::GetInstance().GetText(toolTip_) : toolTip_;
}

void CControlUI::SetToolTip(std::string_view text) {
    toolTip_ = std::string(text);
    NotifyChanged(CHANGE_STYLE);
}

#define VORN_SETTER(Name, field)                   \
    void CControlUI::Name(decltype(field) value) { \
        if (field == value) {                      \
            return;                                \
        }                                          \
        field = value;                             \
        NotifyChanged(CHANGE_STYLE);               \
    }

VORN_SETTER(SetBkColor, bkColor_)
VORN_SETTER(SetBkColor2, bkColor2_)
VORN_SETTER(SetForeColor, foreColor_)
VORN_SETTER(SetBorderColor, borderColor_)
VORN_SETTER(SetFocusBorderColor, focusBorderColor_)
VORN_SETTER(SetBorderSize, borderSize_)
VORN_SETTER(SetBorderRound, borderRound_)
VORN_SETTER(SetTextColor, textColor_)
VORN_SETTER(SetDisabledTextColor, disabledTextColor_)
VORN_SETTER(SetFont, font_)
VORN_SETTER(SetTextStyle, textStyle_)
VORN_SETTER(SetTextPadding, textPadding_)
#undef VORN_SETTER

void CControlUI::SetBkImage(std::string_view image) {
    if (bkImage_ == image) {
        return;
    }
    bkImage_ = std::string(image);
    NotifyChanged(CHANGE_STYLE);
}

void CControlUI::SetForeImage(std::string_view image) {
    if (foreImage_ == image) {
        return;
    }
    foreImage_ = std::string(image);
    NotifyChanged(CHANGE_STYLE);
}

int CControlUI::GetBorderSize() const {
    return Scale(borderSize_);
}
int CControlUI::GetBorderRound() const {
    return Scale(borderRound_);
}
UiRect CControlUI::GetTextPadding() const {
    return Scale(textPadding_);
}

void CControlUI::SetVisible(bool visible) {
    if (visible_ == visible) {
        return;
    }
    bool wasVisible = IsVisible();
    visible_ = visible;
    if (!IsVisible() && focused_ && manager_ != nullptr) {
        manager_->SetFocus(nullptr);
    }
    if (wasVisible != IsVisible()) {
        NeedParentUpdate();
    }
    NotifyChanged(CHANGE_VISIBLE);
}

void CControlUI::SetInternVisible(bool visible) {
    if (internVisible_ == visible) {
        return;
    }
    internVisible_ = visible;
    if (!visible && focused_ && manager_ != nullptr) {
        manager_->SetFocus(nullptr);
    }
    NotifyChanged(CHANGE_VISIBLE);
}

void CControlUI::SetEnabled(bool enabled) {
    if (enabled_ == enabled) {
        return;
    }
    enabled_ = enabled;
    if (enabled) {
        buttonState_ &= ~UISTATE_DISABLED;
    } else {
        buttonState_ = UISTATE_DISABLED;
        if (focused_ && manager_ != nullptr) {
            manager_->SetFocus(nullptr);
        }
    }
    NotifyChanged(CHANGE_ENABLED);
}

void CControlUI::SetFocus() {
    if (manager_ != nullptr) {
        manager_->SetFocus(this);
    }
}

void CControlUI::SetButtonState(unsigned state) {
    if (buttonState_ == state) {
        return;
    }
    buttonState_ = state;
    NotifyChanged(CHANGE_PAINT);
}

bool CControlUI::TrackHotState(const TEventUI& event) {
    if (event.Type == UIEVENT_MOUSEENTER) {
        if (IsEnabled()) {
            SetButtonState(buttonState_ | UISTATE_HOT);
        }
        return true;
    }
    if (event.Type == UIEVENT_MOUSELEAVE) {
        SetButtonState(buttonState_ & ~UISTATE_HOT);
        return true;
    }
    return false;
}

const UiRect& CControlUI::GetPos() const {
    if (manager_ != nullptr && manager_->IsUpdateNeeded()) {
        manager_->UpdateLayout();
    }
    return rcItem_;
}

void CControlUI::SetPos(UiRect rect, bool needInvalidate) {
    if (rect.right < rect.left) {
        rect.right = rect.left;
    }
    if (rect.bottom < rect.top) {
        rect.bottom = rect.top;
    }
    rcItem_ = rect;
    updateNeeded_ = false;
    if (needInvalidate) {
        NotifyChanged(CHANGE_LAYOUT);
    }
}

int CControlUI::Scale(int value) const {
    return manager_ != nullptr ? manager_->GetDPIObj()->Scale(value) : value;
}

UiRect CControlUI::Scale(UiRect rect) const {
    return manager_ != nullptr ? manager_->GetDPIObj()->Scale(rect) : rect;
}

UiRect CControlUI::GetPadding() const {
    return Scale(padding_);
}

void CControlUI::SetPadding(UiRect padding) {
    padding_ = padding;
    NeedParentUpdate();
}

UiSize CControlUI::GetFixedXY() const {
    return {Scale(fixedXY_.cx), Scale(fixedXY_.cy)};
}

void CControlUI::SetFixedXY(UiSize xy) {
    fixedXY_ = xy;
    NeedParentUpdate();
}

#define VORN_SIZE_ACCESSORS(Getter, Setter, field) \
    int CControlUI::Getter() const {               \
        return Scale(field);                       \
    }                                              \
    void CControlUI::Setter(int value) {           \
        if (value < 0 || field == value) {         \
            return;                                \
        }                                          \
        field = value;                             \
        NeedParentUpdate();                        \
    }

VORN_SIZE_ACCESSORS(GetFixedWidth, SetFixedWidth, fixed_.cx)
VORN_SIZE_ACCESSORS(GetFixedHeight, SetFixedHeight, fixed_.cy)
VORN_SIZE_ACCESSORS(GetMinWidth, SetMinWidth, min_.cx)
VORN_SIZE_ACCESSORS(GetMaxWidth, SetMaxWidth, max_.cx)
VORN_SIZE_ACCESSORS(GetMinHeight, SetMinHeight, min_.cy)
VORN_SIZE_ACCESSORS(GetMaxHeight, SetMaxHeight, max_.cy)
#undef VORN_SIZE_ACCESSORS

void CControlUI::SetFloat(bool isFloat) {
    if (float_ == isFloat) {
        return;
    }
    float_ = isFloat;
    NeedParentUpdate();
}

UiSize CControlUI::EstimateSize(UiSize available) {
    (void)available;
    return {GetFixedWidth(), GetFixedHeight()};
}

namespace {

unsigned alignBits(std::string_view value, bool horizontal) {
    if (horizontal) {
        if (value == "center") {
            return DT_CENTER;
        }
        if (value == "right") {
            return DT_RIGHT;
        }
        return DT_LEFT;
    }
    if (value == "top") {
        return 0;
    }
    if (value == "bottom") {
        return DT_BOTTOM;
    }
    return DT_VCENTER;
}

}  // namespace

bool parseCursor(std::string_view value, UiCursor& cursor) {
    static constexpr std::pair<std::string_view, UiCursor> kNames[] = {
        {"arrow", UiCursor::Arrow}, {"hand", UiCursor::Hand},     {"ibeam", UiCursor::IBeam},
        {"cross", UiCursor::Cross}, {"sizewe", UiCursor::SizeWE}, {"sizens", UiCursor::SizeNS},
        {"wait", UiCursor::Wait},   {"no", UiCursor::No},
    };
    for (const auto& [n, c] : kNames) {
        if (n == value) {
            cursor = c;
            return true;
        }
    }
    return false;
}

void CControlUI::SetCursor(UiCursor cursor) {
    cursor_ = cursor;
    hasCursor_ = true;
    NotifyChanged(CHANGE_STYLE);
}

void CControlUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "pos") {
        UiRect r = parseRect(value);
        SetFixedXY({r.left >= 0 ? r.left : r.right, r.top >= 0 ? r.top : r.bottom});
        SetFixedWidth(r.right - r.left);
        SetFixedHeight(r.bottom - r.top);
    } else if (name == "padding") {
        SetPadding(parseRect(value));
    } else if (name == "bkcolor" || name == "bkcolor1") {
        SetBkColor(parseColor(value));
    } else if (name == "bkcolor2") {
        SetBkColor2(parseColor(value));
    } else if (name == "forecolor") {
        SetForeColor(parseColor(value));
    } else if (name == "bordercolor") {
        SetBorderColor(parseColor(value));
    } else if (name == "focusbordercolor") {
        SetFocusBorderColor(parseColor(value));
    } else if (name == "bordersize") {
        SetBorderSize(parseInt(value));
    } else if (name == "borderround") {
        SetBorderRound(parseSize(value).cx);
    } else if (name == "bkimage") {
        SetBkImage(value);
    } else if (name == "foreimage") {
        SetForeImage(value);
    } else if (name == "width") {
        SetFixedWidth(parseInt(value));
    } else if (name == "height") {
        SetFixedHeight(parseInt(value));
    } else if (name == "minwidth") {
        SetMinWidth(parseInt(value));
    } else if (name == "minheight") {
        SetMinHeight(parseInt(value));
    } else if (name == "maxwidth") {
        SetMaxWidth(parseInt(value));
    } else if (name == "maxheight") {
        SetMaxHeight(parseInt(value));
    } else if (name == "name") {
        SetName(value);
    } else if (name == "text") {
        SetText(value);
    } else if (name == "resourcetext") {
        SetResourceText(parseBool(value));
    } else if (name == "tooltip") {
        SetToolTip(value);
    } else if (name == "cursor") {
        UiCursor cursor{};
        if (parseCursor(value, cursor)) {
            SetCursor(cursor);
        }
    } else if (name == "tooltipwidth") {
        toolTipWidth_ = parseInt(value, 300);
    } else if (name == "userdata") {
        SetUserData(value);
    } else if (name == "tag") {
        SetTag(static_cast<uintptr_t>(parseInt(value)));
    } else if (name == "enabled") {
        SetEnabled(parseBool(value));
    } else if (name == "mouse") {
        SetMouseEnabled(parseBool(value));
    } else if (name == "keyboard") {
        SetKeyboardEnabled(parseBool(value));
    } else if (name == "visible") {
        SetVisible(parseBool(value));
    } else if (name == "float") {
        SetFloat(parseBool(value));
    } else if (name == "menu") {
        SetContextMenuUsed(parseBool(value));
    } else if (name == "virtualwnd") {
        SetVirtualWnd(value);
    } else if (name == "textcolor") {
        SetTextColor(parseColor(value));
    } else if (name == "disabledtextcolor") {
        SetDisabledTextColor(parseColor(value));
    } else if (name == "font") {
        SetFont(parseInt(value, -1));
    } else if (name == "align") {
        SetTextStyle((textStyle_ & ~unsigned(DT_CENTER | DT_RIGHT)) | alignBits(value, true));
    } else if (name == "valign") {
        SetTextStyle((textStyle_ & ~unsigned(DT_VCENTER | DT_BOTTOM)) | alignBits(value, false));
    } else if (name == "textpadding") {
        SetTextPadding(parseRect(value));
    } else if (name == "endellipsis") {
        SetTextStyle(parseBool(value) ? (textStyle_ | DT_END_ELLIPSIS)
                                      : (textStyle_ & ~unsigned(DT_END_ELLIPSIS)));
    } else if (name == "wordbreak" || name == "multiline") {
        SetTextStyle(parseBool(value) ? ((textStyle_ | DT_WORDBREAK) & ~unsigned(DT_SINGLELINE))
                                      : ((textStyle_ & ~unsigned(DT_WORDBREAK)) | DT_SINGLELINE));
    } else if (name == "style") {
        if (manager_ != nullptr) {
            ApplyAttributeList(manager_->GetStyle(value));
        }
    }
    // Every attribute is kept as written, known or not (subclasses read their own).
    for (auto& [k, v] : attributes_) {
        if (k == name) {
            v = std::string(value);
            return;
        }
    }
    attributes_.emplace_back(std::string(name), std::string(value));
}

void CControlUI::ApplyAttributeList(std::string_view list) {
    for (const auto& [name, value] : parseAttributeList(list)) {
        SetAttribute(name, value);
    }
}

std::string CControlUI::GetAttribute(std::string_view name) const {
    for (const auto& [k, v] : attributes_) {
        if (k == name) {
            return v;
        }
    }
    return {};
}

void CControlUI::Event(TEventUI& event) {
    for (auto& handler : OnEvent) {
        if (!handler(event)) {
            return;
        }
    }
    DoEvent(event);
}

void CControlUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_SETFOCUS:
            focused_ = true;
            NotifyChanged(CHANGE_PAINT);
            return;
        case UIEVENT_KILLFOCUS:
            focused_ = false;
            NotifyChanged(CHANGE_PAINT);
            return;
        case UIEVENT_TIMER:
            if (manager_ != nullptr) {
                manager_->SendNotify(this, DUI_MSGTYPE_TIMER, event.wParam, event.lParam);
            }
            return;
        case UIEVENT_CONTEXTMENU:
            if (IsContextMenuUsed() && manager_ != nullptr) {
                manager_->SendNotify(this, DUI_MSGTYPE_MENU, event.wParam, event.lParam, true);
                return;
            }
            break;
        default:
            break;
    }
    if (parent_ != nullptr) {
        parent_->DoEvent(event);
    }
}

CControlUI* CControlUI::FindControl(FindControlProc proc, const void* data, unsigned flags) {
    if ((flags & UIFIND_VISIBLE) != 0 && !IsVisible()) {
        return nullptr;
    }
    if ((flags & UIFIND_ENABLED) != 0 && !IsEnabled()) {
        return nullptr;
    }
    if ((flags & UIFIND_HITTEST) != 0 &&
        (!mouseEnabled_ || !rcItem_.contains(*static_cast<const UiPoint*>(data)))) {
        return nullptr;
    }
    return proc(this, data);
}

void CControlUI::DoPaint(IPainter& painter, const UiRect& paint) {
    if (!rcItem_.intersects(paint)) {
        return;
    }
    PaintBkColor(painter);
    PaintBkImage(painter);
    PaintStatusImage(painter);
    PaintForeColor(painter);
    PaintForeImage(painter);
    PaintText(painter);
    PaintBorder(painter);
}

void CControlUI::PaintBkColor(IPainter& painter) {
    if ((bkColor_ >> 24) == 0) {
        return;
    }
    if (bkColor2_ != 0) {
        painter.fillGradient(rcItem_, GetAdjustColor(bkColor_), GetAdjustColor(bkColor2_), true);
    } else {
        FillShape(painter, rcItem_, bkColor_);
    }
}

void CControlUI::FillShape(IPainter& painter, const UiRect& rect, UiColor color) {
    if ((color >> 24) == 0) {
        return;
    }
    if (GetBorderRound() > 0) {
        painter.fillRoundRect(rect, GetBorderRound(), GetAdjustColor(color));
    } else {
        painter.fillRect(rect, GetAdjustColor(color));
    }
}

std::string_view CControlUI::PickStatusImage(const StatusImages& images) const {
    auto pick = [&](bool state, std::string_view image) { return state && !image.empty(); };
    if (!IsEnabled()) {
        return images.disabled.empty() ? images.normal : images.disabled;
    }
    if (pick((buttonState_ & UISTATE_PUSHED) != 0, images.pushed)) {
        return images.pushed;
    }
    if (pick((buttonState_ & UISTATE_HOT) != 0, images.hot)) {
        return images.hot;
    }
    if (pick(IsFocused(), images.focused)) {
        return images.focused;
    }
    return images.normal;
}

void CControlUI::PaintBkImage(IPainter& painter) {
    if (!bkImage_.empty()) {
        DrawImage(painter, bkImage_);
    }
}

void CControlUI::PaintStatusImage(IPainter& painter) {
    (void)painter;
}

void CControlUI::PaintForeColor(IPainter& painter) {
    (void)painter;
}

void CControlUI::PaintForeImage(IPainter& painter) {
    if (!foreImage_.empty()) {
        DrawImage(painter, foreImage_);
    }
}

void CControlUI::PaintText(IPainter& painter) {
    (void)painter;
}

void CControlUI::PaintBorder(IPainter& painter) {
    int size = GetBorderSize();
    if (size <= 0) {
        return;
    }
    UiColor c = (focused_ && focusBorderColor_ != 0) ? focusBorderColor_ : borderColor_;
    if ((c >> 24) == 0) {
        return;
    }
    painter.drawRect(rcItem_, size, GetAdjustColor(c), GetBorderRound());
}

bool CControlUI::DrawImage(IPainter& painter, std::string_view image, std::string_view modify) {
    return CRenderEngine::DrawImageString(painter, manager_, rcItem_, rcItem_, image, modify);
}

bool CControlUI::DrawImageInRect(IPainter& painter, std::string_view image, const UiRect& rect) {
    return CRenderEngine::DrawImageString(painter, manager_, rect, rcItem_, image);
}

void CControlUI::Invalidate() {
    NotifyChanged(CHANGE_PAINT);
}

void CControlUI::NeedUpdate() {
    updateNeeded_ = true;
    if (manager_ != nullptr) {
        manager_->NeedUpdate();
    }
}

void CControlUI::NeedParentUpdate() {
    if (parent_ != nullptr) {
        parent_->NeedUpdate();
    } else {
        NeedUpdate();
    }
}

void CControlUI::NotifyChanged(unsigned what) {
    if (manager_ != nullptr) {
        manager_->OnControlChanged(this, what);
    }
}

}  // namespace vorn::ui

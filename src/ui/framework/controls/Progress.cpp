#include "ui/framework/controls/Progress.h"

#include <algorithm>

#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {
namespace {

// How a disabled slider shows its filled part.
constexpr std::string_view kDisabledFillFade = "fade='80'";

}  // namespace

CProgressUI::CProgressUI() {
    SetTextStyle(DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

std::string CProgressUI::GetClass() const {
    return "ProgressUI";
}

void* CProgressUI::GetInterface(std::string_view name) {
    return name == "Progress" ? this : CLabelUI::GetInterface(name);
}

void CProgressUI::SetHorizontal(bool horizontal) {
    horizontal_ = horizontal;
    NotifyChanged(CHANGE_STYLE);
}

void CProgressUI::SetMinValue(int min) {
    min_ = min;
    value_ = std::max(value_, min_);
    NotifyChanged(CHANGE_VALUE);
}

void CProgressUI::SetMaxValue(int max) {
    max_ = max;
    value_ = std::min(value_, std::max(min_, max_));
    NotifyChanged(CHANGE_VALUE);
}

void CProgressUI::SetValue(int value) {
    value = std::clamp(value, min_, std::max(min_, max_));
    if (value == value_) {
        return;
    }
    value_ = value;
    NotifyChanged(CHANGE_VALUE);
}

UiRect CProgressUI::GetFillRect() const {
    UiRect rc = GetPos();
    int span = max_ - min_;
    if (span <= 0) {
        return {rc.left, rc.top, rc.left, rc.bottom};
    }
    long done = value_ - min_;
    if (horizontal_) {
        rc.right = rc.left + static_cast<int>(done * rc.width() / span);
    } else {
        rc.top = rc.bottom - static_cast<int>(done * rc.height() / span);
    }
    return rc;
}

void CProgressUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "hor") {
        SetHorizontal(parseBool(value));
    } else if (name == "min") {
        SetMinValue(parseInt(value));
    } else if (name == "max") {
        SetMaxValue(parseInt(value, 100));
    } else if (name == "value") {
        SetValue(parseInt(value));
    }
    CLabelUI::SetAttribute(name, value);
}

void CProgressUI::PaintForeColor(IPainter& painter) {
    UiRect fill = GetFillRect();
    if (!fill.isEmpty()) {
        FillShape(painter, fill, GetForeColor());
    }
}

void CProgressUI::PaintForeImage(IPainter& painter) {
    if (GetForeImage().empty()) {
        return;
    }
    DrawImageInRect(painter, GetForeImage(), GetFillRect());
}

// --- CSliderUI ---

CSliderUI::CSliderUI() {
    SetTextStyle(DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

std::string CSliderUI::GetClass() const {
    return "SliderUI";
}

void* CSliderUI::GetInterface(std::string_view name) {
    return name == "Slider" ? this : CProgressUI::GetInterface(name);
}

int CSliderUI::GetPageStep() const {
    return std::max(step_, (GetMaxValue() - GetMinValue()) / 10);
}

unsigned CSliderUI::GetControlFlags() const {
    return IsEnabled() ? UIFLAG_SETCURSOR : 0;
}

UiSize CSliderUI::GetThumbSize() const {
    return {Scale(thumb_.cx), Scale(thumb_.cy)};
}

void CSliderUI::SetThumbSize(UiSize size) {
    thumb_ = size;
    NotifyChanged(CHANGE_STYLE);
}

UiRect CSliderUI::GetThumbRect() const {
    UiRect rc = GetPos();
    UiSize t = GetThumbSize();
    int span = GetMaxValue() - GetMinValue();
    long done = GetValue() - GetMinValue();
    if (IsHorizontal()) {
        int travel = std::max(0, rc.width() - t.cx);
        int left = rc.left + (span > 0 ? static_cast<int>(done * travel / span) : 0);
        int top = rc.top + (rc.height() - t.cy) / 2;
        return {left, top, left + t.cx, top + t.cy};
    }
    int travel = std::max(0, rc.height() - t.cy);
    int top = rc.bottom - t.cy - (span > 0 ? static_cast<int>(done * travel / span) : 0);
    int left = rc.left + (rc.width() - t.cx) / 2;
    return {left, top, left + t.cx, top + t.cy};
}

void CSliderUI::SetThumbImage(std::string_view image) {
    thumbImage_ = std::string(image);
    NotifyChanged(CHANGE_STYLE);
}

void CSliderUI::SetThumbHotImage(std::string_view image) {
    thumbHotImage_ = std::string(image);
    NotifyChanged(CHANGE_STYLE);
}

void CSliderUI::SetThumbPushedImage(std::string_view image) {
    thumbPushedImage_ = std::string(image);
    NotifyChanged(CHANGE_STYLE);
}

int CSliderUI::ValueAtPoint(UiPoint point) const {
    UiRect rc = GetPos();
    UiSize t = GetThumbSize();
    int span = GetMaxValue() - GetMinValue();
    if (span <= 0) {
        return GetMinValue();
    }
    long offset;
    long travel;
    if (IsHorizontal()) {
        travel = std::max(1, rc.width() - t.cx);
        offset = point.x - rc.left - t.cx / 2;
    } else {
        travel = std::max(1, rc.height() - t.cy);
        offset = rc.bottom - t.cy / 2 - point.y;
    }
    offset = std::clamp(offset, 0L, travel);
    // Rounded to the nearest value, then to the change step.
    long v = GetMinValue() + (offset * span + travel / 2) / travel;
    if (step_ > 1) {
        v = GetMinValue() + ((v - GetMinValue() + step_ / 2) / step_) * step_;
    }
    return static_cast<int>(std::clamp(v, long(GetMinValue()), long(GetMaxValue())));
}

void CSliderUI::UserChange(int value, bool moving) {
    if (!IsEnabled()) {
        return;
    }
    int before = GetValue();
    SetValue(value);
    if (manager_ == nullptr) {
        return;
    }
    if (moving) {
        if (sendMove_ && GetValue() != before) {
            manager_->SendNotify(this, DUI_MSGTYPE_MOVEVALUECHANGED);
        }
    } else {
        manager_->SendNotify(this, DUI_MSGTYPE_VALUECHANGED);
    }
}

void CSliderUI::DoEvent(TEventUI& event) {
    if (!IsMouseEnabled() && isMouseEvent(event.Type)) {
        CProgressUI::DoEvent(event);
        return;
    }
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (IsEnabled() && GetPos().contains(event.ptMouse)) {
                SetButtonState(buttonState_ | UISTATE_CAPTURED | UISTATE_PUSHED);
                UserChange(ValueAtPoint(event.ptMouse), true);
            }
            return;
        case UIEVENT_MOUSEMOVE:
            if ((buttonState_ & UISTATE_CAPTURED) != 0) {
                UserChange(ValueAtPoint(event.ptMouse), true);
            }
            return;
        case UIEVENT_BUTTONUP:
            if ((buttonState_ & UISTATE_CAPTURED) != 0) {
                SetButtonState(buttonState_ & ~(UISTATE_CAPTURED | UISTATE_PUSHED));
                UserChange(ValueAtPoint(event.ptMouse), false);
            }
            return;
        case UIEVENT_SCROLLWHEEL:
            if (IsEnabled()) {
                bool up = static_cast<intptr_t>(event.wParam) > 0;
                UserChange(GetValue() + (up ? step_ : -step_), false);
            }
            return;
        default:
            if (TrackHotState(event)) {
                return;
            }
            break;
    }
    CProgressUI::DoEvent(event);
}

void CSliderUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "thumbcolor" || name == "thumbhotcolor" || name == "disabledforecolor") {
        UiColor& field = name == "thumbcolor"      ? thumbColor_
                         : name == "thumbhotcolor" ? thumbHotColor_
                                                   : disabledForeColor_;
        field = parseColor(value);
        NotifyChanged(CHANGE_STYLE);
        return;
    }
    if (name == "thumbimage") {
        SetThumbImage(value);
    } else if (name == "thumbhotimage") {
        SetThumbHotImage(value);
    } else if (name == "thumbpushedimage") {
        SetThumbPushedImage(value);
    } else if (name == "thumbsize") {
        SetThumbSize(parseSize(value));
    } else if (name == "step") {
        SetChangeStep(parseInt(value, 1));
    } else if (name == "sendmove") {
        SetCanSendMove(parseBool(value));
    }
    CProgressUI::SetAttribute(name, value);
}

void CSliderUI::PaintForeImage(IPainter& painter) {
    if (!GetForeImage().empty()) {
        CRenderEngine::DrawImageString(painter, GetManager(), GetFillRect(), GetPosNoLayout(),
                                       GetForeImage(), IsEnabled() ? "" : kDisabledFillFade);
    }
    // Dragging holds the thumb pushed (captured and pushed are set and cleared together).
    std::string_view image = PickStatusImage(
        {.normal = thumbImage_, .hot = thumbHotImage_, .pushed = thumbPushedImage_});
    if (!image.empty()) {
        DrawImageInRect(painter, image, GetThumbRect());
    }
}

}  // namespace vorn::ui

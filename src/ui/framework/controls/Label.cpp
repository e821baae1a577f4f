#include "ui/framework/controls/Label.h"

#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

std::string CLabelUI::GetClass() const {
    return "LabelUI";
}

void* CLabelUI::GetInterface(std::string_view name) {
    return name == "Label" ? this : CControlUI::GetInterface(name);
}

void CLabelUI::SetShowHtml(bool show) {
    if (showHtml_ == show) {
        return;
    }
    showHtml_ = show;
    NotifyChanged(CHANGE_TEXT);
}

void CLabelUI::SetAutoCalcWidth(bool autoCalc) {
    autoCalcWidth_ = autoCalc;
    NeedParentUpdate();
}

void CLabelUI::SetText(std::string_view text) {
    CControlUI::SetText(text);
    if (autoCalcWidth_) {
        NeedParentUpdate();
    }
}

UiSize CLabelUI::EstimateSize(UiSize available) {
    UiSize size = CControlUI::EstimateSize(available);
    if (autoCalcWidth_ && manager_ != nullptr) {
        std::string text = showHtml_ ? CRenderEngine::StripHtml(GetText()) : GetText();
        UiRect pad = GetTextPadding();
        size.cx = manager_->MeasureText(text, GetFont(), 0).cx + pad.left + pad.right;
    }
    return size;
}

void CLabelUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "showhtml") {
        SetShowHtml(parseBool(value));
    } else if (name == "autocalcwidth") {
        SetAutoCalcWidth(parseBool(value));
    }
    CControlUI::SetAttribute(name, value);
}

UiColor CLabelUI::currentTextColor() const {
    if (!IsEnabled() && GetDisabledTextColor() != 0) {
        return GetDisabledTextColor();
    }
    return GetTextColor();
}

void CLabelUI::PaintText(IPainter& painter) {
    std::string text = GetText();
    if (text.empty()) {
        return;
    }
    UiRect rc = rcItem_.deflated(GetTextPadding());
    UiColor color = GetAdjustColor(currentTextColor());
    if (showHtml_) {
        CRenderEngine::DrawHtmlText(painter, manager_, rc, text, color, GetTextStyle());
    } else {
        CRenderEngine::DrawText(painter, manager_, rc, text, color, GetFont(), GetTextStyle());
    }
}

}  // namespace vorn::ui

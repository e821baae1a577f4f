#include "ui/framework/controls/Edit.h"

#include <cctype>
#include <cstdlib>

#include "platform/text/Text.h"
#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

CEditUI::CEditUI() {
    SetTextPadding({4, 3, 4, 3});
}

std::string CEditUI::GetClass() const {
    return "EditUI";
}

void* CEditUI::GetInterface(std::string_view name) {
    return name == "Edit" ? this : CLabelUI::GetInterface(name);
}

unsigned CEditUI::GetControlFlags() const {
    return IsEnabled() ? (UIFLAG_TABSTOP | UIFLAG_SETCURSOR) : 0;
}

void CEditUI::SetMaxChar(int maxChar) {
    maxChar_ = maxChar;
    std::string limited = Filter(GetText());
    if (limited != GetText()) {
        SetText(limited);
    }
    NotifyChanged(CHANGE_STYLE);
}

void CEditUI::SetNumberOnly(bool numberOnly) {
    numberOnly_ = numberOnly;
    NotifyChanged(CHANGE_STYLE);
}

void CEditUI::SetPasswordMode(bool password) {
    password_ = password;
    NotifyChanged(CHANGE_STYLE);
}

void CEditUI::SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    NotifyChanged(CHANGE_STYLE);
}

void CEditUI::SetMinValue(int value) {
    minValue_ = value;
    NotifyChanged(CHANGE_STYLE);
}

void CEditUI::SetMaxValue(int value) {
    maxValue_ = value;
    NotifyChanged(CHANGE_STYLE);
}

void CEditUI::SetTipValue(std::string_view text) {
    tipValue_ = std::string(text);
    NotifyChanged(CHANGE_STYLE);
}

std::string CEditUI::Filter(std::string_view text) const {
    std::wstring w = platform::utf8ToWide(text);
    std::wstring out;
    for (wchar_t c : w) {
        if (numberOnly_ && !(c >= L'0' && c <= L'9')) {
            continue;
        }
        if (!multiLine_ && (c == L'\n' || c == L'\r')) {
            continue;
        }
        out.push_back(c);
    }
    if (maxChar_ > 0 && out.size() > static_cast<size_t>(maxChar_)) {
        out.resize(static_cast<size_t>(maxChar_));
    }
    return platform::wideToUtf8(out);
}

std::string CEditUI::InputText(std::string_view text) {
    if (readOnly_ || !IsEnabled()) {
        return GetText();
    }
    std::string accepted = Filter(text);
    if (accepted != GetText() || IsResourceText()) {
        SetResourceText(false);
        SetText(accepted);
        if (manager_ != nullptr) {
            manager_->SendNotify(this, DUI_MSGTYPE_TEXTCHANGED);
        }
    }
    return accepted;
}

void CEditUI::applyRange() {
    if (!numberOnly_ || minValue_ > maxValue_ || GetText().empty()) {
        return;
    }
    long v = std::strtol(GetText().c_str(), nullptr, 10);
    long clamped = v < minValue_ ? minValue_ : (v > maxValue_ ? maxValue_ : v);
    if (clamped != v) {
        SetText(std::to_string(clamped));
    }
}

void CEditUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_KILLFOCUS:
            // The manager raises "killfocus" after this event; the range applies first so
            // handlers read the limited value.
            CLabelUI::DoEvent(event);
            if (IsEnabled()) {
                applyRange();
            }
            return;
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (IsEnabled() && rcItem_.contains(event.ptMouse)) {
                SetFocus();
            }
            return;
        case UIEVENT_KEYDOWN:
            if (event.chKey == VK_RETURN_KEY && !multiLine_) {
                if (manager_ != nullptr) {
                    manager_->SendNotify(this, DUI_MSGTYPE_RETURN);
                }
                return;
            }
            break;
        case UIEVENT_CHAR:
            if (event.chKey >= 0x20 && event.chKey != 0x7F) {
                std::wstring one(1, static_cast<wchar_t>(event.chKey));
                InputText(GetText() + platform::wideToUtf8(one));
            } else if (event.chKey == 0x08) {  // backspace
                std::wstring w = platform::utf8ToWide(GetText());
                if (!w.empty()) {
                    w.pop_back();
                    InputText(platform::wideToUtf8(w));
                }
            }
            return;
        case UIEVENT_MOUSEENTER:
        case UIEVENT_MOUSELEAVE:
        case UIEVENT_MOUSEMOVE:
        case UIEVENT_BUTTONUP:
            return;
        default:
            break;
    }
    CLabelUI::DoEvent(event);
}

void CEditUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "maxchar") {
        SetMaxChar(parseInt(value, 255));
    } else if (name == "numberonly") {
        SetNumberOnly(parseBool(value));
    } else if (name == "password") {
        SetPasswordMode(parseBool(value));
    } else if (name == "readonly") {
        SetReadOnly(parseBool(value));
    } else if (name == "minvalue" || name == "min") {
        SetMinValue(parseInt(value));
    } else if (name == "maxvalue" || name == "max") {
        SetMaxValue(parseInt(value, -1));
    } else if (name == "tipvalue" || name == "prompt") {
        SetTipValue(value);
    }
    CLabelUI::SetAttribute(name, value);
}

void CEditUI::PaintText(IPainter& painter) {
    std::string text = GetText();
    UiColor color = GetAdjustColor(currentTextColor());
    if (text.empty()) {
        if (tipValue_.empty()) {
            return;
        }
        text = tipValue_;
        color = (color & 0x00FFFFFFu) | 0x80000000u;
    } else if (password_) {
        text.assign(platform::utf8ToWide(text).size(), '*');
    }
    CRenderEngine::DrawText(painter, manager_, rcItem_.deflated(GetTextPadding()), text, color,
                            GetFont(), GetTextStyle());
}

CRichEditUI::CRichEditUI() {
    setMultiLine(true);
    SetMaxChar(0);
    SetTextStyle(DT_WORDBREAK);
}

std::string CRichEditUI::GetClass() const {
    return "RichEditUI";
}

void* CRichEditUI::GetInterface(std::string_view name) {
    return name == "RichEdit" ? this : CEditUI::GetInterface(name);
}

void CRichEditUI::SetAttribute(std::string_view name, std::string_view value) {
    if (name == "wantreturn") {
        wantReturn_ = parseBool(value);
    } else if (name == "multiline") {
        setMultiLine(parseBool(value));
    }
    CEditUI::SetAttribute(name, value);
}

void CRichEditUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_KEYDOWN && event.chKey == VK_RETURN_KEY) {
        if (wantReturn_ && IsMultiLine()) {
            InputText(GetText() + "\n");
        } else if (manager_ != nullptr) {
            manager_->SendNotify(this, DUI_MSGTYPE_RETURN);
        }
        return;
    }
    CEditUI::DoEvent(event);
}

}  // namespace vorn::ui

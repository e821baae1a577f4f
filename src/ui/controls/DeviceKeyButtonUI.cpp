#include "ui/controls/DeviceKeyButtonUI.h"

#include "ui/framework/drawing/RenderEngine.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

std::string CDeviceKeyButtonUI::GetClass() const {
    return std::string(kClassName);
}

void* CDeviceKeyButtonUI::GetInterface(std::string_view name) {
    if (name == kKeyLightInterface) {
        return static_cast<IKeyLightTarget*>(this);
    }
    return name == kClassName ? this : CButtonUI::GetInterface(name);
}

void CDeviceKeyButtonUI::setLightState(uint32_t colourWord, std::uint8_t brightness, bool lit) {
    lightColour_ = colourWord;
    brightness_ = brightness;
    lit_ = lit;
}

void CDeviceKeyButtonUI::setKeyColour(uint32_t colourWord, std::uint8_t brightness) {
    keyColour_ = colourWord;
    keyBrightness_ = brightness;
}

bool CDeviceKeyButtonUI::setFlag(int& field, int flag) {
    if (field == flag) {
        return false;
    }
    field = flag;
    Invalidate();
    return true;
}

void CDeviceKeyButtonUI::setKeySetHidden(int flag) {
    setFlag(keySetHidden_, flag);
}

void CDeviceKeyButtonUI::setKeyUnsetHidden(int flag) {
    setFlag(keyUnsetHidden_, flag);
}

void CDeviceKeyButtonUI::setKeyMark(int flag) {
    setFlag(keyMark_, flag);
}

UiColor CDeviceKeyButtonUI::tintOf(uint32_t colourWord) {
    uint32_t red = colourWord & 0xFF;
    uint32_t green = (colourWord >> 8) & 0xFF;
    uint32_t blue = (colourWord >> 16) & 0xFF;
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

void CDeviceKeyButtonUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_DBLCLICK && IsEnabled() && rcItem_.contains(event.ptMouse)) {
        SetButtonState(GetButtonState() | UISTATE_PUSHED | UISTATE_CAPTURED);
        if (manager_ != nullptr) {
            manager_->SendNotify(this, DUI_MSGTYPE_DBCLICK);
        }
        Invalidate();
        return;
    }
    CButtonUI::DoEvent(event);
}

void CDeviceKeyButtonUI::SetAttribute(std::string_view name, std::string_view value) {
    std::string* image = name == "lightimage"      ? &lightImage_
                         : name == "keysetimage"   ? &keySetImage_
                         : name == "keyunsetimage" ? &keyUnsetImage_
                                                   : nullptr;
    if (image == nullptr) {
        CButtonUI::SetAttribute(name, value);
        return;
    }
    *image = std::string(value);
    Invalidate();
}

void CDeviceKeyButtonUI::PaintStatusImage(IPainter& painter) {
    CButtonUI::PaintStatusImage(painter);
    if (lit_ && !lightImage_.empty()) {
        CRenderEngine::DrawImageString(painter, manager_, rcItem_, rcItem_, lightImage_, {},
                                       tintOf(lightColour_), brightness_, true);
    }
    if (keyUnsetHidden_ == 0 && !keyUnsetImage_.empty()) {
        DrawImage(painter, keyUnsetImage_);
    }
    if (keySetHidden_ == 0 && !keySetImage_.empty()) {
        DrawImage(painter, keySetImage_);
    }
}

}  // namespace vorn::ui

#include "ui/controls/DeviceOptionUI.h"

#include "ui/controls/DeviceTileLook.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/windows/PaintManager.h"

namespace vorn::ui {

namespace {

constexpr int kReceiverMouseKind = 10;
constexpr int kMouseKind = 2;

}  // namespace

std::string CDeviceOptionUI::GetClass() const {
    return std::string(kClassName);
}

void* CDeviceOptionUI::GetInterface(std::string_view name) {
    return name == kClassName ? this : CHorizontalLayoutUI::GetInterface(name);
}

bool CDeviceOptionUI::Activate() {
    if (!CHorizontalLayoutUI::Activate()) {
        return false;
    }
    if (manager_ != nullptr) {
        manager_->SendNotify(this, DUI_MSGTYPE_SELECTCHANGED);
    }
    return true;
}

void CDeviceOptionUI::DoInit() {
    CCheckBoxUI* box = synchroBox();
    if (box == nullptr || synchroHooked_) {
        return;
    }
    synchroHooked_ = true;
    // The user checking or clearing the box swaps the pictures; the window still gets the
    // notification.
    box->OnNotify.push_back([this](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_SELECTCHANGED) {
            applyImages();
        }
    });
}

COptionUI* CDeviceOptionUI::option() const {
    auto* self = const_cast<CDeviceOptionUI*>(this);
    return interfaceOf<COptionUI>(self->FindSubControl(kOptionName), "Option");
}

CCheckBoxUI* CDeviceOptionUI::synchroBox() const {
    auto* self = const_cast<CDeviceOptionUI*>(this);
    return interfaceOf<CCheckBoxUI>(self->FindSubControl(kSynchroBoxName), "CheckBox");
}

void CDeviceOptionUI::setDeviceKind(int kind, int variant) {
    std::optional<DeviceTileLook> look = deviceTileLookOf(kind, variant);
    if (!look) {
        return;
    }
    kind_ = kind == kReceiverMouseKind ? kMouseKind : kind;
    variant_ = variant;
    imagePath_ = std::string(look->imageBase);
    tooltipKey_ = std::string(look->tooltipKey);
    if (COptionUI* o = option()) {
        o->SetToolTip(tooltipKey_);
    }
    applyImages();
}

void CDeviceOptionUI::applyImages() {
    COptionUI* o = option();
    if (o == nullptr || imagePath_.empty()) {
        return;
    }
    DeviceTileImages images = deviceTileImagesOf(imagePath_);
    bool synchro = isSynchronised();
    const std::string& normal = synchro ? images.synchroNormal : images.normal;
    o->SetNormalImage(normal);
    o->SetDisabledImage(normal);
    o->SetSelectedImage(synchro ? images.synchroSelected : images.selected);
}

void CDeviceOptionUI::setPageSwitch(std::string_view name, int index) {
    pageSwitchName_ = std::string(name);
    pageIndex_ = index;
}

void CDeviceOptionUI::setPowerSwitch(std::string_view name, int index) {
    powerSwitchName_ = std::string(name);
    powerIndex_ = index;
}

void CDeviceOptionUI::setTileVisible(bool visible) {
    visible_ = visible;
    SetVisible(visible);
}

bool CDeviceOptionUI::isSynchronised() const {
    CCheckBoxUI* box = synchroBox();
    return box != nullptr && box->GetCheck();
}

void CDeviceOptionUI::setSynchronised(bool synchronised) {
    if (CCheckBoxUI* box = synchroBox()) {
        box->SetCheck(synchronised, false);
        applyImages();
    }
}

void CDeviceOptionUI::showSynchroBox(bool shown) {
    if (CCheckBoxUI* box = synchroBox()) {
        box->SetVisible(shown);
    }
}

bool CDeviceOptionUI::startTimer(unsigned timerId, unsigned elapseMs) {
    return manager_ != nullptr && manager_->SetTimer(this, timerId, elapseMs);
}

void CDeviceOptionUI::stopTimer(unsigned timerId) {
    if (manager_ != nullptr) {
        manager_->KillTimer(this, timerId);
    }
}

bool CDeviceOptionUI::isTimerRunning(unsigned timerId) const {
    return manager_ != nullptr && manager_->HasTimer(const_cast<CDeviceOptionUI*>(this), timerId);
}

void CDeviceOptionUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_TIMER) {
        auto timerId = static_cast<unsigned>(event.wParam);
        stopTimer(timerId);
        if (timerHandler_) {
            timerHandler_(timerId);
            return;
        }
    }
    CHorizontalLayoutUI::DoEvent(event);
}

}  // namespace vorn::ui

// Identity, set-up by the main window, the fields kept for the families and the operations
// whose base behaviour is to keep or answer a value.

#include "devices/TessarinUSBDevice.h"

#include "protocol/Commands.h"
#include "ui/framework/core/UiLoop.h"

namespace vorn::devices {

CTessarinUSBDevice::CTessarinUSBDevice() = default;

CTessarinUSBDevice::~CTessarinUSBDevice() {
    // Listeners and transports go first so that no listener or command is left waiting on a
    // closed page, and no report reaches it afterwards.
    closeEventLinks();
    if (eventLoop_ != nullptr && ui::isUiLoopAlive(eventLoop_)) {
        eventLoop_->removeTarget(&eventReceiver_);
    }
    {
        std::lock_guard<platform::RecursiveLock> io(channel_.ioLock());
        channel_.setOpen(false);
        channel_.cableLink().close();
        channel_.radioLink().close();
    }
    keyControls_.clear();
    lightControls_.clear();
    lightColours_.clear();
    lightStates_.clear();
    keyNameMap_.clear();
}

std::string CTessarinUSBDevice::GetClass() const {
    return "TessarinUSBDevice";
}

void* CTessarinUSBDevice::GetInterface(std::string_view name) {
    if (name == "TessarinUSBDevice") {
        return this;
    }
    return CHorizontalLayoutUI::GetInterface(name);
}

void CTessarinUSBDevice::setKeyCount(int count) {
    const auto size = static_cast<std::size_t>(count < 0 ? 0 : count);
    if (size != keyControls_.size()) {
        keyControls_.assign(size, nullptr);
    }
}

void CTessarinUSBDevice::setLightCount(int count) {
    const auto size = static_cast<std::size_t>(count < 0 ? 0 : count);
    if (size != lightColours_.size()) {
        lightControls_.assign(size, nullptr);
        shownWords_.assign(size, std::nullopt);
        lightColours_ = std::vector<std::atomic<std::uint32_t>>(size);
        lightStates_.assign(size, profiles::LightSlotRecord{});
    }
    for (auto& word : lightColours_) {
        word.store(0);
    }
    for (auto& state : lightStates_) {
        state = profiles::LightSlotRecord{};
    }
}

void CTessarinUSBDevice::setHasPowerPage(int hasPowerPage) {
    hasPowerPage_.store(hasPowerPage);
    if (powerControl_ != nullptr) {
        powerControl_->showPowerLayout(hasPowerPage != 0);
    }
}

void CTessarinUSBDevice::setPowerControl(IPowerView* control) {
    powerControl_ = control;
    if (powerControl_ != nullptr) {
        powerControl_->showPowerLayout(hasPowerPage_.load() != 0);
    }
}

void CTessarinUSBDevice::bindSlot(const catalogue::DeviceSlot& slot) {
    slotIdentity_ = slot;
    deviceKind_ = slot.deviceType == catalogue::DeviceType::Receiver
                      ? kDeviceKindMouse
                      : static_cast<int>(slot.deviceType);
    slotRole_ = static_cast<int>(slot.role);
}

void CTessarinUSBDevice::setLightControl(int flag) {
    lightControl_.store(flag);
    if (flag != 0 && deviceKind_ == kDeviceKindKeyboard) {
        protocol::LightControlOn(channel_);
    }
}

ui::CControlUI* CTessarinUSBDevice::keyControl(int index) const {
    return index >= 0 && index < keyCount() ? keyControls_[static_cast<std::size_t>(index)]
                                            : nullptr;
}

ui::CControlUI* CTessarinUSBDevice::lightControlAt(int index) const {
    return index >= 0 && index < static_cast<int>(lightControls_.size())
               ? lightControls_[static_cast<std::size_t>(index)]
               : nullptr;
}

int CTessarinUSBDevice::WriteKeyAssignments(int, const std::vector<profiles::KeyRecord>&) {
    return 0;
}

int CTessarinUSBDevice::WriteCurrentKeyAssignments(int) {
    return 0;
}

int CTessarinUSBDevice::WriteCurrentSecondKeyAssignments(int) {
    return 0;
}

int CTessarinUSBDevice::WriteSecondKeyAssignments(int, const std::vector<profiles::KeyRecord>&) {
    return 0;
}

int CTessarinUSBDevice::WriteMacros(const std::vector<int>&) {
    return 0;
}

int CTessarinUSBDevice::WriteProfileBlock(int, int, int, int, int) {
    return 0;
}

void CTessarinUSBDevice::SetLightEditorValues(int a, int b, int c) {
    editorA_ = a;
    editorB_ = b;
    editorC_ = c;
    if (lightEditor_ != nullptr) {
        lightEditor_->setEditorValues(a, b, c);
    }
}

void CTessarinUSBDevice::GetLightEditorValues(int& a, int& b, int& c) const {
    if (lightEditor_ != nullptr) {
        lightEditor_->editorValues(a, b, c);
        return;
    }
    a = editorA_;
    b = editorB_;
    c = editorC_;
}

void CTessarinUSBDevice::ReceiveAudioLevels(std::span<const std::int32_t>, std::int32_t) {}

void CTessarinUSBDevice::ReceiveAudioValues(std::span<const std::uint32_t>) {}

}  // namespace vorn::devices

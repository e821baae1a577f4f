// The mouse page's keys: binding its controls, the key buttons with their labels, and the key
// page that edits one key's assignment.

#include "devices/keys/KeyCapture.h"
#include "devices/keys/KeyInfoList.h"
#include "devices/keys/KeySetControlUI.h"
#include "devices/keys/MouseKeys.h"
#include "devices/mouse/MouseMacros.h"
#include "devices/mouse/TessarinMouseDevice.h"

namespace vorn::devices {
namespace {

constexpr ui::UiColor kSelectedKeyBorder = 0xFFE23B4E;

CKeySetControlUI* findKeyPage(ui::CContainerUI& page) {
    // The key page is found by its class wherever the layout puts it.
    ui::CControlUI* found = page.FindControl(
        [](ui::CControlUI* c, const void*) -> ui::CControlUI* {
            return dynamic_cast<CKeySetControlUI*>(c) != nullptr ? c : nullptr;
        },
        nullptr, ui::UIFIND_ALL | ui::UIFIND_ME_FIRST);
    return dynamic_cast<CKeySetControlUI*>(found);
}

}  // namespace

void CTessarinMouseDevice::InitPage() {
    InitMousePage();
}

void CTessarinMouseDevice::InitMousePage() {
    CTessarinUSBDevice::InitPage();
    keyPage_ = findKeyPage(*this);
}

void CTessarinMouseDevice::showKeys() {
    std::vector<std::string> labels;
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        labels.push_back(mouseKeyLabel(i));
    }
    if (keyPage_ != nullptr) {
        keyPage_->showKeyList(labels, keys_);
    }
    for (std::size_t i = 0; i < keys_.size(); ++i) {
        if (ui::CControlUI* button = keyControl(static_cast<int>(i))) {
            showKeyButton(*button, labels[i], keys_[i].current, macroNames_);
        }
    }
}

void CTessarinMouseDevice::SelectKey(int index) {
    CTessarinUSBDevice::SelectKey(index);
    for (int i = 0; i < keyCount(); ++i) {
        if (ui::CControlUI* button = keyControl(i)) {
            button->SetBorderColor(i == index ? kSelectedKeyBorder : 0);
            button->SetBorderSize(i == index ? 2 : 0);
        }
    }
    if (keyPage_ != nullptr && index >= 0 && index < static_cast<int>(keys_.size())) {
        const profiles::KeyRecord& key = keys_[static_cast<std::size_t>(index)];
        keyPage_->showAssignment(index, key.current, key.factory);
    }
}

void CTessarinMouseDevice::applyKeyPageOutcome(const KeyPageOutcome& outcome) {
    if (outcome.action != KeyPageAction::Stored) {
        return;
    }
    const std::size_t index = outcome.record.keyIndex;
    if (index >= keys_.size()) {
        return;
    }
    keys_[index].current = outcome.record.current;
    profile_.WriteKeyList(keys_);
    SaveProfile();
    showKeys();
}

KeySaveOutcome CTessarinMouseDevice::onKeyPageEvent(std::string_view type, std::string_view name) {
    if (keyPage_ == nullptr) {
        return {};
    }
    KeyPageOutcome outcome;
    if (type == "itemselect") {
        outcome = keyPage_->onItemSelect(name);
    } else if (type == "killfocus") {
        outcome = keyPage_->onKillFocus(name);
    } else if (type == "click") {
        outcome = keyPage_->onClick(name);
    } else if (type == "selectchanged") {
        outcome = keyPage_->onSelectChanged(name);
    }
    if (outcome.action == KeyPageAction::SaveToDevice) {
        return saveKeysAndMacros();
    }
    applyKeyPageOutcome(outcome);
    return {};
}

bool CTessarinMouseDevice::onKeyCaptured(std::uint32_t nativeScanCode) {
    const std::optional<CapturedKey> key = captureNativeScanCode(nativeScanCode);
    if (keyPage_ == nullptr || !key) {
        return false;
    }
    applyKeyPageOutcome(keyPage_->onKeyCaptured(*key));
    return true;
}

void CTessarinMouseDevice::ReloadKeyPage() {
    LoadNameLists();
    bool changed = false;
    for (profiles::KeyRecord& key : keys_) {
        // A key whose macro no longer exists gets its factory function back.
        if (mouse::isMacroKind(key.current.kind) && key.current.param1 >= macroCount()) {
            key.current = key.factory;
            changed = true;
        }
    }
    if (changed) {
        profile_.WriteKeyList(keys_);
        showKeys();
    }
}
}  // namespace vorn::devices

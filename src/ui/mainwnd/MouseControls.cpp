// The rows of the control dispatch for the controls of a mouse page: each hands the event to
// the current device when it is a mouse, which does the work. The profile switch (timer
// 1055) and the device reset of the page's profile control start here too.

#include <cstdio>
#include <string>

#include "devices/keys/KeySetControlUI.h"
#include "devices/mouse/TessarinMouseDevice.h"
#include "platform/debug/DebugSink.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Progress.h"
#include "ui/framework/resources/ResourceManager.h"
#include "ui/framework/windows/dialogs/MsgWnd.h"
#include "ui/mainwnd/ControlValues.h"
#include "ui/mainwnd/MainWnd.h"
#include "ui/profiles/DeviceProfileUI.h"

namespace vorn::ui::mainwnd {
namespace {

using devices::CTessarinMouseDevice;
using MouseAction = void (CTessarinMouseDevice::*)(int);

// Option families of the sensor and power section: selecting option N calls the action.
struct OptionRow {
    const char* prefix;
    MouseAction action;
};
constexpr OptionRow kOptionRows[] = {
    {"polling_rate_option_", &CTessarinMouseDevice::onPollingOption},
    {"Silent_Altitude_option_", &CTessarinMouseDevice::onSilentAltitudeOption},
    {"sensor_lif_option_", &CTessarinMouseDevice::onLiftOffOption},
    {"motion_sync_option_", &CTessarinMouseDevice::onMotionSyncOption},
    {"Linear_Calibration_option_", &CTessarinMouseDevice::onCalibrationOption},
    {"deep_sleep_option_", &CTessarinMouseDevice::onDeepSleepOption},
    {"mouse_device_seting_option_", &CTessarinMouseDevice::selectSettingsTab},
    {"DPI_select_check_", &CTessarinMouseDevice::onDpiEditClicked},
};

// The key page's controls, by event.
constexpr const char* kKeyPageCombos[] = {
    "keyset_function_combo",   "keyset_macro_over_combo", "keyset_mousekey_combo",
    "keyset_mouseswing_combo", "keyset_mousewheel_combo", "keyset_mousedpi_combo",
    "keyset_media_combo",      "keyset_system_combo",     "keyset_macro_combo",
    "keyset_gunkey_combo",     "keyset_combokey_combo",
};
constexpr const char* kKeyPageEdits[] = {
    "keyset_mouseswing_num_edit",     "keyset_mouseswing_delay_edit",
    "keyset_mouseswing_speed_edit",   "keyset_mousewheel_num_edit",
    "keyset_mousewheel_delay_edit",   "keyset_mousewheel_speed_edit",
    "keyset_mousefire_interval_edit", "keyset_mousefire_num_edit",
    "keyset_macro_cycle_edit",
};
constexpr const char* kKeyPageButtons[] = {
    "key_butt_keysave",
    "key_butt_keydefalut",
    "key_butt_keycancel",
    "key_butt_prosave",
};
constexpr const char* kPointerSliders[] = {"pointer_speed_slider", "double_click_slider",
                                           "scroll_speed_slider"};
constexpr const char* kPointerChecks[] = {"pointer_precision_check", "scrolls_page_check"};
constexpr const char* kKeyCaptureField = "keyset_keyboard_text_edit";

}  // namespace

devices::CTessarinMouseDevice* CMainWnd::currentMouse() const {
    return dynamic_cast<devices::CTessarinMouseDevice*>(currentDevice());
}

void CMainWnd::onMouse(const std::function<void(devices::CTessarinMouseDevice&)>& action) {
    if (devices::CTessarinMouseDevice* mouse = currentMouse()) {
        action(*mouse);
    }
}

void CMainWnd::addMouseRows() {
    // Sensitivity stages.
    dispatch_.onNumbered(DUI_MSGTYPE_VALUECHANGED, "DPI_slider_", [this](TNotifyUI&, int n) {
        onMouse([n](CTessarinMouseDevice& m) { m.onDpiSliderChanged(n); });
    });
    dispatch_.onNumbered(DUI_MSGTYPE_MOVEVALUECHANGED, "DPI_slider_", [this](TNotifyUI&, int n) {
        onMouse([n](CTessarinMouseDevice& m) { m.onDpiSliderMoving(n); });
    });
    dispatch_.onNumbered(DUI_MSGTYPE_KILLFOCUS, "DPI_edit_", [this](TNotifyUI&, int n) {
        onMouse([n](CTessarinMouseDevice& m) { m.onDpiEditLeft(n); });
    });
    dispatch_.onNumbered(DUI_MSGTYPE_CLICK, "DPI_edit_", [this](TNotifyUI&, int n) {
        onMouse([n](CTessarinMouseDevice& m) { m.onDpiEditClicked(n); });
    });
    dispatch_.onNumbered(DUI_MSGTYPE_SELECTCHANGED, "DPI_enable_check_", [this](TNotifyUI&, int n) {
        onMouse([n](CTessarinMouseDevice& m) { m.onDpiEnableChanged(n); });
    });
    for (const OptionRow& row : kOptionRows) {
        const MouseAction action = row.action;
        dispatch_.onNumbered(DUI_MSGTYPE_SELECTCHANGED, row.prefix,
                             [this, action](TNotifyUI& msg, int n) {
                                 if (isSelected(msg.pSender)) {
                                     onMouse([&](CTessarinMouseDevice& m) { (m.*action)(n); });
                                 }
                             });
    }

    // Report rate, sleep and debounce, as sliders or as lists.
    dispatch_.on(DUI_MSGTYPE_VALUECHANGED, "polling_rate_slider", [this](TNotifyUI&) {
        onMouse([](CTessarinMouseDevice& m) { m.onPollingSliderChanged(); });
    });
    dispatch_.on(DUI_MSGTYPE_VALUECHANGED, "Dormancy_slider", [this](TNotifyUI& msg) {
        onMouse([&](CTessarinMouseDevice& m) { m.onDormancyChanged(sliderValue(msg.pSender)); });
    });
    dispatch_.on(DUI_MSGTYPE_VALUECHANGED, "Key_Delay_slider", [this](TNotifyUI& msg) {
        onMouse([&](CTessarinMouseDevice& m) { m.onKeyDelayChanged(sliderValue(msg.pSender)); });
    });
    dispatch_.on(DUI_MSGTYPE_ITEMSELECT, "Dormancy_combo_timeSelect", [this](TNotifyUI& msg) {
        onMouse([&](CTessarinMouseDevice& m) { m.onDormancyChanged(comboIndex(msg.pSender) + 1); });
    });
    dispatch_.on(DUI_MSGTYPE_ITEMSELECT, "Key_Delay_combo_timeSelect", [this](TNotifyUI& msg) {
        onMouse([&](CTessarinMouseDevice& m) { m.onKeyDelayChanged(comboIndex(msg.pSender)); });
    });
    dispatch_.on(DUI_MSGTYPE_ITEMSELECT, "Anti_Shake_combo_timeSelect", [this](TNotifyUI& msg) {
        onMouse([&](CTessarinMouseDevice& m) { m.onAntiShakeChanged(comboIndex(msg.pSender)); });
    });

    // The desktop's pointer settings on the system page.
    for (const char* name : kPointerSliders) {
        dispatch_.on(DUI_MSGTYPE_VALUECHANGED, name, [this, name](TNotifyUI&) {
            onMouse([name](CTessarinMouseDevice& m) { m.onPointerSetting(name); });
        });
    }
    for (const char* name : kPointerChecks) {
        dispatch_.on(DUI_MSGTYPE_SELECTCHANGED, name, [this, name](TNotifyUI&) {
            onMouse([name](CTessarinMouseDevice& m) { m.onPointerSetting(name); });
        });
    }

    // Keys.
    dispatch_.onNumbered(DUI_MSGTYPE_CLICK, "key_", [this](TNotifyUI&, int n) {
        onMouse([n](CTessarinMouseDevice& m) { m.SelectKey(n); });
    });
    const auto keyPage = [this](TNotifyUI& msg) {
        const std::string name = msg.pSender->GetName();
        onMouse([&](CTessarinMouseDevice& m) { tellKeySave(m.onKeyPageEvent(msg.sType, name)); });
    };
    for (const char* name : kKeyPageCombos) {
        dispatch_.on(DUI_MSGTYPE_ITEMSELECT, name, keyPage);
    }
    for (const char* name : kKeyPageEdits) {
        dispatch_.on(DUI_MSGTYPE_KILLFOCUS, name, keyPage);
    }
    for (const char* name : kKeyPageButtons) {
        dispatch_.on(DUI_MSGTYPE_CLICK, name, keyPage);
    }
    dispatch_.onNumbered(DUI_MSGTYPE_SELECTCHANGED, "key_ComBox_check_",
                         [keyPage](TNotifyUI& msg, int) { keyPage(msg); });
    // The keyboard key field: while it has the focus, keys pressed in the window are taken.
    const auto startCapture = [this](TNotifyUI&) { SendMessage(kMsgKeyCapture, 1, 0); };
    dispatch_.on(DUI_MSGTYPE_SETFOCUS, kKeyCaptureField, startCapture);
    dispatch_.on(DUI_MSGTYPE_CLICK, kKeyCaptureField, startCapture);
    dispatch_.on(DUI_MSGTYPE_KILLFOCUS, kKeyCaptureField,
                 [this](TNotifyUI&) { SendMessage(kMsgKeyCapture, 0, 0); });

    // The profile control.
    dispatch_.on(DUI_MSGTYPE_ITEMSELECT, "device_profile_combo",
                 [this](TNotifyUI&) { SetTimer(kTimerProfileSwitch, kProfileSwitchDelayMs); });
    dispatch_.on(DUI_MSGTYPE_CLICK, "device_reset_btn", [this](TNotifyUI&) { resetDevice(); });
}

intptr_t CMainWnd::HandleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) {
    if (message == WM_KEYDOWN && capturingKeys_ && systemAwake_ && captureKey(lParam)) {
        return 0;
    }
    return WindowImplBase::HandleMessage(message, wParam, lParam);
}

bool CMainWnd::captureKey(std::intptr_t nativeScanCode) {
    devices::CTessarinMouseDevice* mouse = currentMouse();
    return mouse != nullptr && nativeScanCode > 0 &&
           mouse->onKeyCaptured(static_cast<std::uint32_t>(nativeScanCode));
}

namespace {

// The language's text of key; the key itself when the language has none.
std::string userText(std::string_view key) {
    std::string text = CResourceManager::GetInstance().GetText(key);
    return text.empty() ? std::string(key) : text;
}

}  // namespace

void CMainWnd::tellUser(std::string_view key, int number) {
    std::string text = userText(key);
    // The number goes where the text asks for it; the text itself is no format.
    if (const std::size_t at = text.find("%d"); at != std::string::npos) {
        text.replace(at, 2, std::to_string(number));
    }
    if (noticeSink_) {
        noticeSink_(text);
        return;
    }
    ShowMessageBox(this, {}, text, scale_, false, 0);
}

bool CMainWnd::askUser(std::string_view key) {
    const std::string text = userText(key);
    if (confirmSink_) {
        return confirmSink_(text);
    }
    return ShowMessageBox(this, {}, text, scale_, false, 1) == 1;
}

void CMainWnd::tellKeySave(const devices::KeySaveOutcome& outcome) {
    switch (outcome.result) {
        case devices::KeySaveResult::Saved:
            break;
        case devices::KeySaveResult::MacrosTooLarge:
            tellUser("message_text_16", outcome.eventsTooMany);
            break;
        case devices::KeySaveResult::MacrosFailed:
        case devices::KeySaveResult::KeysFailed:
            tellUser("message_text_7");
            break;
    }
}

void CMainWnd::switchProfile() {
    devices::CTessarinUSBDevice* page = currentDevice();
    CDeviceProfileUI* profiles = page != nullptr ? page->profileControl() : nullptr;
    if (profiles == nullptr) {
        return;
    }
    profiles->SelectProfile(profiles->GetSelectedIndex(), false);
    page->setProfileName(profiles->GetCurrentProfileId());
    auto* mouse = dynamic_cast<devices::CTessarinMouseDevice*>(page);
    if (mouse != nullptr) {
        mouse->setProfileSwitch();
        if (devices::CKeySetControlUI* keys = mouse->keyPage()) {
            keys->resetFields();
        }
    }
    page->LoadSettings();
    page->ReloadKeyPage();
    page->ShowSettings();
    page->WriteProfileBlock(0, 0, 1, screenSize_.cx, screenSize_.cy);
    if (mouse != nullptr) {
        tellKeySave(mouse->saveKeysAndMacros());
    }
}

void CMainWnd::resetDevice() {
    devices::CTessarinUSBDevice* page = currentDevice();
    CDeviceProfileUI* profiles = page != nullptr ? page->profileControl() : nullptr;
    if (profiles == nullptr || !askUser("message_text_22")) {
        return;
    }
    std::remove((env_.userFolder + "color_option_info.config").c_str());
    auto* mouse = dynamic_cast<devices::CTessarinMouseDevice*>(page);
    if (mouse != nullptr) {
        mouse->setProfileSwitch();
    }
    profiles->ResetProfile();
    page->LoadSettings();
    if (mouse != nullptr) {
        const devices::KeySaveOutcome saved = mouse->saveKeysAndMacros(false);
        tellKeySave(saved);
        if (saved.result == devices::KeySaveResult::MacrosTooLarge ||
            saved.result == devices::KeySaveResult::MacrosFailed) {
            return;
        }
        if (devices::CKeySetControlUI* keys = mouse->keyPage()) {
            keys->resetFields();
            keys->setRecording(false);
        }
    }
    page->ShowSettings();
    page->WriteProfileBlock(0, 0, 1, screenSize_.cx, screenSize_.cy);
}

}  // namespace vorn::ui::mainwnd

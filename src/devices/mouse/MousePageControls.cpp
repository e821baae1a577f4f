// The mouse page's controls: the sections of the performance page, the sensitivity stages,
// the report rate, the sensor and power options and the pointer settings, and ShowSettings,
// which puts the working copy back into all of them. A change takes the control's value
// into the working copy, stores it into the profile, saves the profile and writes the
// settings block.

#include <algorithm>
#include <cstdio>
#include <string>

#include "devices/keys/KeySetControlUI.h"
#include "devices/keys/MouseKeys.h"
#include "devices/mouse/MouseSettings.h"
#include "devices/mouse/TessarinMouseDevice.h"
#include "platform/text/Text.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Combo.h"
#include "ui/framework/controls/Progress.h"

namespace vorn::devices {
namespace {

constexpr int kStageCount = profiles::kDpiStageCount;
constexpr int kDpiStep = 50;
constexpr int kDpiCoarseStep = 100;
constexpr int kFineRangeEnd3395 = 26000;
constexpr int kFineRangeEnd3950 = 30000;

constexpr ui::UiColor kActiveStageBorder = 0xFF06FF00;
constexpr ui::UiColor kStageBorder = 0xFFFFFFFF;
constexpr const char* kActiveStageBar = "file='control/SliderBar_BK1.png'";
constexpr const char* kActiveStageThumb = "control/SliderBar1_Thumb.png";
constexpr const char* kStageThumb = "control/SliderBar2_Thumb.png";

// The report-rate slider by link: positions, the most it shows, its pictures.
struct PollingLayout {
    const char* shown;
    const char* hidden;
    int min;
    int max;
    const char* bar;
    const char* fill;
};
constexpr PollingLayout kPolling8K = {
    "polling_rate_layout_8K",           "polling_rate_layout_1K",           2, 6,
    "file='control/SliderBar_BK5.png'", "file='control/SliderBar_BK5a.png'"};
constexpr PollingLayout kPolling1K = {
    "polling_rate_layout_1K",           "polling_rate_layout_8K",          0, 3,
    "file='control/SliderBar_BK2.png'", "file='control/SliderBar_BK3.png'"};
constexpr std::uint16_t kOwnReceiverPid = 0x22BA;
constexpr int kPollingOptionCount = 6;

std::string numbered(std::string_view prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

int roundUp(int value, int step) {
    return (value + step - 1) / step * step;
}

}  // namespace

ui::CControlUI* CTessarinMouseDevice::control(std::string_view name) {
    return FindSubControl(name);
}

ui::CSliderUI* CTessarinMouseDevice::slider(std::string_view name) {
    return ui::interfaceOf<ui::CSliderUI>(control(name), "Slider");
}

void CTessarinMouseDevice::selectOption(std::string_view prefix, int n, int count) {
    const int chosen = n >= 0 && n < count ? n : 0;
    for (int i = 0; i < count; ++i) {
        if (auto* option = ui::interfaceOf<ui::COptionUI>(control(numbered(prefix, i)), "Option")) {
            option->Selected(i == chosen, false);
        }
    }
}

void CTessarinMouseDevice::storeSettings() {
    mouse::storeWorkingCopy(profile_, sensorIndex(), copy_);
    SaveProfile();
}

void CTessarinMouseDevice::commitSettings() {
    storeSettings();
    WriteProfileBlock(0, 0, 1, 0, 0);
}

bool CTessarinMouseDevice::stageIndexValid(int stage) const {
    return stage >= 0 && stage < kStageCount && stage < static_cast<int>(copy_.stages.size());
}

std::string CTessarinMouseDevice::dpiDisplayText(int dpi) const {
    const bool coarse = (sensorId_ == mouse::kSensor3395 && dpi > kFineRangeEnd3395) ||
                        (sensorId_ == mouse::kSensor3950 && dpi > kFineRangeEnd3950);
    return std::to_string(roundUp(dpi, coarse ? kDpiCoarseStep : kDpiStep));
}

// --- Sections ---

void CTessarinMouseDevice::selectSettingsTab(int n) {
    auto* sections =
        ui::interfaceOf<ui::CTabLayoutUI>(control("mouse_device_seting_layout"), "TabLayout");
    if (sections != nullptr) {
        sections->SelectItem(n >= 0 && n < sections->GetCount() ? n : 0);
    }
    auto* options = ui::interfaceOf<ui::CContainerUI>(control("mouse_option_layout"), "Container");
    if (options == nullptr) {
        return;
    }
    const std::string wanted = numbered("mouse_device_seting_option_", n);
    for (int i = 0; i < options->GetCount(); ++i) {
        if (auto* option = ui::interfaceOf<ui::COptionUI>(options->GetItemAt(i), "Option")) {
            option->Selected(option->GetName() == wanted, false);
        }
    }
}

// --- Sensitivity stages ---

void CTessarinMouseDevice::onDpiSliderChanged(int stage) {
    ui::CSliderUI* s = slider(numbered("DPI_slider_", stage));
    if (!stageIndexValid(stage) || s == nullptr) {
        return;
    }
    copy_.stages[static_cast<std::size_t>(stage)].setDpiX(
        static_cast<std::uint16_t>(s->GetValue()));
    if (ui::CControlUI* edit = control(numbered("DPI_edit_", stage))) {
        edit->SetText(dpiDisplayText(s->GetValue()));
    }
    commitSettings();
}

void CTessarinMouseDevice::onDpiSliderMoving(int stage) {
    ui::CSliderUI* s = slider(numbered("DPI_slider_", stage));
    ui::CControlUI* edit = control(numbered("DPI_edit_", stage));
    if (s != nullptr && edit != nullptr) {
        edit->SetText(dpiDisplayText(s->GetValue()));
    }
}

void CTessarinMouseDevice::onDpiEditLeft(int stage) {
    ui::CControlUI* edit = control(numbered("DPI_edit_", stage));
    if (!stageIndexValid(stage) || edit == nullptr) {
        return;
    }
    int dpi = std::max(platform::parseTypedInteger(edit->GetText()), mouse::kMinStageDpi);
    if (sensorIndex() != mouse::kUnknownSensor) {
        dpi = std::min(dpi, mouse::kMaxStageDpi);
    }
    dpi = std::min(dpi, 0xFFFF);
    if (ui::CSliderUI* s = slider(numbered("DPI_slider_", stage))) {
        s->SetValue(dpi);
    }
    edit->SetText(dpiDisplayText(dpi));
    copy_.stages[static_cast<std::size_t>(stage)].setDpiX(static_cast<std::uint16_t>(dpi));
    commitSettings();
}

void CTessarinMouseDevice::takeSliderValues() {
    for (int i = 0; i < kStageCount && stageIndexValid(i); ++i) {
        if (ui::CSliderUI* s = slider(numbered("DPI_slider_", i))) {
            copy_.stages[static_cast<std::size_t>(i)].setDpiX(
                static_cast<std::uint16_t>(s->GetValue()));
        }
    }
}

void CTessarinMouseDevice::onDpiEditClicked(int stage) {
    if (!stageIndexValid(stage)) {
        return;
    }
    copy_.activeStage = stage;
    takeSliderValues();
    showStageLook();
    showStageEnables();
    commitSettings();
}

void CTessarinMouseDevice::onDpiEnableChanged(int stage) {
    auto* check =
        ui::interfaceOf<ui::CCheckBoxUI>(control(numbered("DPI_enable_check_", stage)), "CheckBox");
    if (!stageIndexValid(stage) || check == nullptr) {
        return;
    }
    profiles::DpiStage& changed = copy_.stages[static_cast<std::size_t>(stage)];
    const bool enable = check->GetCheck();
    const int enabled = static_cast<int>(std::count_if(
        copy_.stages.begin(), copy_.stages.begin() + std::min<std::size_t>(copy_.stages.size(), 6),
        [](const profiles::DpiStage& s) { return s.enabled != 0; }));
    // The active stage, and the last enabled one, stay enabled.
    if (!enable && changed.enabled != 0 && (stage == copy_.activeStage || enabled <= 1)) {
        check->SetCheck(true, false);
        return;
    }
    changed.enabled = enable ? 1 : 0;
    showStageEnables();
    commitSettings();
}

void CTessarinMouseDevice::showStageEnables() {
    const int shown = std::min(static_cast<int>(copy_.stages.size()), kStageCount);
    int enabled = 0;
    for (int i = 0; i < shown; ++i) {
        enabled += copy_.stages[static_cast<std::size_t>(i)].enabled != 0 ? 1 : 0;
    }
    for (int i = 0; i < shown; ++i) {
        const bool on = copy_.stages[static_cast<std::size_t>(i)].enabled != 0;
        if (auto* check = ui::interfaceOf<ui::CCheckBoxUI>(
                control(numbered("DPI_enable_check_", i)), "CheckBox")) {
            check->SetCheck(on, false);
            check->SetEnabled(i != copy_.activeStage && !(on && enabled == 1));
        }
        // The stage's own controls follow its enable box; the box itself stays usable.
        for (const char* prefix :
             {"DPI_slider_", "DPI_edit_", "DPI_select_check_", "DPI_color_option_"}) {
            if (ui::CControlUI* c = control(numbered(prefix, i))) {
                c->SetEnabled(on);
            }
        }
    }
}

void CTessarinMouseDevice::showStageLook() {
    for (int i = 0; i < kStageCount; ++i) {
        const bool active = i == copy_.activeStage;
        if (auto* select = ui::interfaceOf<ui::COptionUI>(control(numbered("DPI_select_check_", i)),
                                                          "Option")) {
            select->Selected(active, false);
        }
        if (ui::CControlUI* edit = control(numbered("DPI_edit_", i))) {
            edit->SetBorderColor(active ? kActiveStageBorder : kStageBorder);
        }
        if (ui::CSliderUI* s = slider(numbered("DPI_slider_", i))) {
            if (active) {
                s->SetBkImage(kActiveStageBar);
            }
            s->SetThumbImage(active ? kActiveStageThumb : kStageThumb);
        }
    }
}

void CTessarinMouseDevice::showStages() {
    const int shown = std::min(static_cast<int>(copy_.stages.size()), kStageCount);
    for (int i = 0; i < shown; ++i) {
        const profiles::DpiStage& stage = copy_.stages[static_cast<std::size_t>(i)];
        if (ui::CSliderUI* s = slider(numbered("DPI_slider_", i))) {
            s->SetValue(stage.dpiX());
        }
        if (ui::CControlUI* edit = control(numbered("DPI_edit_", i))) {
            edit->SetText(dpiDisplayText(stage.dpiX()));
        }
        if (ui::CControlUI* colour = control(numbered("DPI_color_option_", i))) {
            colour->SetBkColor(0xFF000000u | (ui::UiColor{stage.red} << 16) |
                               (ui::UiColor{stage.green} << 8) | stage.blue);
        }
    }
    showStageEnables();
    showStageLook();
}

// --- Report rate ---

bool CTessarinMouseDevice::onOwnReceiver() {
    protocol::CommandChannel& ch = channel();
    return ch.viaReceiver() && ch.radioLink().attributes().productId == kOwnReceiverPid;
}

void CTessarinMouseDevice::showPollingRate() {
    const bool viaReceiver = channel().viaReceiver();
    const PollingLayout& layout = onOwnReceiver() ? kPolling1K : kPolling8K;
    std::uint16_t& value =
        viaReceiver ? copy_.settings.reportSelect24k : copy_.settings.reportSelectUsb;
    // A position past what this link offers is lowered to it, in the copy as well.
    value = std::min<std::uint16_t>(value, static_cast<std::uint16_t>(layout.max));
    if (ui::CControlUI* shown = control(layout.shown)) {
        shown->SetVisible(true);
    }
    if (ui::CControlUI* hidden = control(layout.hidden)) {
        hidden->SetVisible(false);
    }
    if (ui::CSliderUI* s = slider("polling_rate_slider")) {
        s->SetMinValue(layout.min);
        s->SetMaxValue(layout.max);
        s->SetBkImage(layout.bar);
        s->SetForeImage(layout.fill);
        s->SetValue(value);
    }
    selectOption("polling_rate_option_", value, kPollingOptionCount);
}

void CTessarinMouseDevice::onPollingSliderChanged() {
    ui::CSliderUI* s = slider("polling_rate_slider");
    if (s == nullptr) {
        return;
    }
    const auto value = static_cast<std::uint16_t>(s->GetValue());
    (channel().viaReceiver() ? copy_.settings.reportSelect24k : copy_.settings.reportSelectUsb) =
        value;
    copy_.settings.reportStage = value;
    commitSettings();
}

void CTessarinMouseDevice::onPollingOption(int n) {
    const auto value = static_cast<std::uint16_t>(n >= 0 && n < kPollingOptionCount ? n : 0);
    // The options keep the cable's rate unless the mouse is on its own receiver.
    (onOwnReceiver() ? copy_.settings.reportSelect24k : copy_.settings.reportSelectUsb) = value;
    copy_.settings.reportStage = value;
    commitSettings();
}

// --- Sensor and power ---

namespace {

std::uint16_t optionValue(int n, int count) {
    return static_cast<std::uint16_t>(n >= 0 && n < count ? n : 0);
}

}  // namespace

void CTessarinMouseDevice::onSilentAltitudeOption(int n) {
    copy_.settings.silentAltitude = optionValue(n, 3);
    commitSettings();
}

void CTessarinMouseDevice::onLiftOffOption(int n) {
    copy_.settings.sensorLift = optionValue(n, 2);
    commitSettings();
}

void CTessarinMouseDevice::onMotionSyncOption(int n) {
    copy_.settings.motionSync = optionValue(n, 2);
    commitSettings();
}

void CTessarinMouseDevice::onCalibrationOption(int n) {
    copy_.settings.linearCalibration = optionValue(n, 2);
    commitSettings();
}

void CTessarinMouseDevice::onDeepSleepOption(int n) {
    copy_.settings.deepSleepOff = optionValue(n, 2);
    if (ui::CControlUI* dormancy = control("Dormancy_slider")) {
        dormancy->SetEnabled(copy_.settings.deepSleepOff == 1);
    }
    commitSettings();
}

void CTessarinMouseDevice::onDormancyChanged(int index) {
    copy_.settings.dormancyTime = static_cast<std::uint16_t>(std::clamp(index, 1, 6));
    commitSettings();
}

void CTessarinMouseDevice::onKeyDelayChanged(int index) {
    copy_.settings.keyDelay = static_cast<std::uint16_t>(std::clamp(index, 0, 5));
    commitSettings();
}

void CTessarinMouseDevice::onAntiShakeChanged(int index) {
    // Not part of the block; the block is written all the same.
    copy_.settings.antiShake = static_cast<std::uint16_t>(std::max(index, 0));
    commitSettings();
}

void CTessarinMouseDevice::onPointerSetting(std::string_view name) {
    profiles::MouseSystemSettings& s = copy_.settings;
    const auto sliderValue = [this](std::string_view sliderName) {
        ui::CSliderUI* sl = slider(sliderName);
        return static_cast<std::uint16_t>(sl != nullptr ? sl->GetValue() : 0);
    };
    const auto checked = [this](std::string_view checkName) {
        auto* check = ui::interfaceOf<ui::CCheckBoxUI>(control(checkName), "CheckBox");
        return static_cast<std::uint16_t>(check != nullptr && check->GetCheck() ? 1 : 0);
    };
    if (name == "pointer_speed_slider") {
        s.mouseSpeed = sliderValue(name);
    } else if (name == "double_click_slider") {
        s.doubleClickTime = sliderValue(name);
    } else if (name == "scroll_speed_slider") {
        s.wheelScrollLines = sliderValue(name);
        s.scrollPage = 0;
        if (auto* page =
                ui::interfaceOf<ui::CCheckBoxUI>(control("scrolls_page_check"), "CheckBox")) {
            page->SetCheck(false, false);
        }
    } else if (name == "pointer_precision_check") {
        s.pointerPrecision = checked(name);
    } else if (name == "scrolls_page_check") {
        s.scrollPage = checked(name);
        s.wheelScrollLines = sliderValue("scroll_speed_slider");
    } else {
        return;
    }
    storeSettings();  // the desktop's own settings: kept in the profile, not sent
}

void CTessarinMouseDevice::showOptions() {
    const profiles::MouseSystemSettings& s = copy_.settings;
    selectOption("Linear_Calibration_option_", s.linearCalibration, 2);
    if (ui::CSliderUI* delay = slider("Key_Delay_slider")) {
        delay->SetValue(s.keyDelay);
    }
    if (ui::CSliderUI* dormancy = slider("Dormancy_slider")) {
        dormancy->SetValue(s.dormancyTime);
    }
    const auto comboSelect = [this](std::string_view name, int index) {
        if (auto* combo = ui::interfaceOf<ui::CComboUI>(control(name), "Combo")) {
            combo->SelectItem(index, false, false);
        }
    };
    comboSelect("Anti_Shake_combo_timeSelect", s.antiShake);
    comboSelect("Dormancy_combo_timeSelect", s.dormancyTime - 1);
    comboSelect("Key_Delay_combo_timeSelect", s.keyDelay);
    selectOption("deep_sleep_option_", s.deepSleepOff, 2);
    if (ui::CControlUI* dormancy = control("Dormancy_slider")) {
        dormancy->SetEnabled(s.deepSleepOff == 1);
    }
    selectOption("Silent_Altitude_option_", s.silentAltitude, 3);
    selectOption("motion_sync_option_", s.motionSync, 2);
    selectOption("sensor_lif_option_", s.sensorLift, 2);
    // The system page's pointer settings.
    for (const auto& [name, value] :
         {std::pair<const char*, int>{"pointer_speed_slider", s.mouseSpeed},
          {"double_click_slider", s.doubleClickTime},
          {"scroll_speed_slider", s.wheelScrollLines}}) {
        if (ui::CSliderUI* sl = slider(name)) {
            sl->SetValue(value);
        }
    }
    for (const auto& [name, value] :
         {std::pair<const char*, int>{"pointer_precision_check", s.pointerPrecision},
          {"scrolls_page_check", s.scrollPage}}) {
        if (auto* check = ui::interfaceOf<ui::CCheckBoxUI>(control(name), "CheckBox")) {
            check->SetCheck(value != 0, false);
        }
    }
}

void CTessarinMouseDevice::ShowSettings() {
    if (keyPage_ != nullptr) {
        keyPage_->setMacroNames(macroNames_);
    }
    showKeys();
    showStages();
    showPollingRate();
    showOptions();
}

}  // namespace vorn::devices

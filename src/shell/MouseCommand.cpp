#include "shell/MouseCommand.h"

#include "devices/mouse/MouseProfileBlock.h"
#include "shell/ControlCommands.h"
#include "shell/MousePageChoice.h"
#include "shell/MousePageDriver.h"
#include "shell/MouseShow.h"
#include "ui/framework/controls/Button.h"
#include "ui/framework/controls/Progress.h"

namespace vorn::shell {
namespace {

using devices::CTessarinMouseDevice;
using ui::mainwnd::CMainWnd;

std::string numbered(std::string_view prefix, int n) {
    return std::string(prefix) + std::to_string(n);
}

std::string stageWords(int stage) {
    return "stage " + std::to_string(stage + 1);
}

// Whether the page's working copy holds the stage (a mouse whose sensor the page does not
// know may have none).
bool hasStage(MousePageDriver& page, int stage) {
    return stage < static_cast<int>(page.mouse().workingCopy().stages.size());
}

// --- The settings ---

// The value field of a stage, when the page lets its user type into it or click it (the
// field of a stage not in use is disabled); null with the refusal otherwise.
ui::CControlUI* stageField(MousePageDriver& page, int stage, MouseAnswer& refusal) {
    ui::CControlUI* edit = page.control(numbered("DPI_edit_", stage));
    if (edit == nullptr || !hasStage(page, stage)) {
        refusal = noSuchSetting(stageWords(stage));
        edit = nullptr;
    } else if (!edit->IsEnabled()) {
        refusal = {false, stageWords(stage) +
                              " is not in use; use it first (vornctl mouse enable " +
                              std::to_string(stage + 1) + " on)"};
        edit = nullptr;
    }
    return edit;
}

MouseAnswer setDpi(MousePageDriver& page, int stage, int typed) {
    MouseAnswer refusal;
    ui::CControlUI* edit = stageField(page, stage, refusal);
    if (edit == nullptr) {
        return refusal;
    }
    edit->SetText(std::to_string(typed));
    page.raise("killfocus", edit);
    const int stored = page.mouse().workingCopy().stages[static_cast<std::size_t>(stage)].dpiX();
    std::string text = stageWords(stage) + ": " + std::to_string(stored) + " DPI";
    if (stored != typed) {
        text += " (" + std::to_string(typed) + " is outside the stage's range)";
    }
    return page.afterBlockWrite(text);
}

MouseAnswer setActiveStage(MousePageDriver& page, int stage) {
    MouseAnswer refusal;
    ui::CControlUI* edit = stageField(page, stage, refusal);
    if (edit == nullptr) {
        return refusal;
    }
    page.raise("click", edit);
    return page.afterBlockWrite("the active stage is " + stageWords(stage));
}

MouseAnswer setStageUse(MousePageDriver& page, int stage, bool on) {
    auto* check = page.control<ui::CCheckBoxUI>(numbered("DPI_enable_check_", stage), "CheckBox");
    if (check == nullptr || !hasStage(page, stage)) {
        return noSuchSetting(stageWords(stage));
    }
    const devices::mouse::MouseWorkingCopy& copy = page.mouse().workingCopy();
    const auto isOn = [&] { return copy.stages[static_cast<std::size_t>(stage)].enabled != 0; };
    const std::string state = on ? " is in use" : " is not in use";
    if (isOn() == on) {
        return {true, stageWords(stage) + state + " (unchanged)"};
    }
    if (!check->IsEnabled()) {
        // The page keeps the active stage, and the last stage in use, in use.
        const char* why =
            stage == copy.activeStage
                ? " is the active stage and stays in use; make another stage active first"
                : " is the last stage in use; one stage always stays in use";
        return {false, stageWords(stage) + why};
    }
    check->SetCheck(on, false);
    page.raise("selectchanged", check);
    if (isOn() != on) {
        return {false, "the page kept " + stageWords(stage) + (on ? " off" : " in use")};
    }
    return page.afterBlockWrite(stageWords(stage) + state);
}

std::string offeredRates(int low, int high) {
    std::string text;
    for (int p = low; p <= high; ++p) {
        text += (text.empty() ? "" : ", ") + std::to_string(pollingRateHz(p));
    }
    return text + " Hz";
}

MouseAnswer setPollingRate(MousePageDriver& page, int position) {
    auto* slider = page.control<ui::CSliderUI>("polling_rate_slider", "Slider");
    if (slider == nullptr) {
        return noSuchSetting("the polling rate");
    }
    const int low = slider->GetMinValue();
    const int high = slider->GetMaxValue();
    if (position < low || position > high) {
        return {false, std::to_string(pollingRateHz(position)) + " Hz is not offered " +
                           linkWords(page.mouse()) + "; the mouse offers " +
                           offeredRates(low, high) + " there"};
    }
    slider->SetValue(position);
    page.raise("valuechanged", slider);
    return page.afterBlockWrite("polling rate: " + std::to_string(pollingRateHz(position)) +
                                " Hz " + linkWords(page.mouse()));
}

// Option n of a family ("motion_sync_option_" + n), chosen as a click on it chooses it. An
// option that is chosen already raises nothing, as clicking it again does nothing.
MouseAnswer chooseOption(MousePageDriver& page, std::string_view prefix, int n,
                         const std::string& said) {
    auto* option = page.control<ui::COptionUI>(numbered(prefix, n), "Option");
    if (option == nullptr) {
        return noSuchSetting(said.substr(0, said.find(':')));
    }
    if (option->IsSelected()) {
        return {true, said + " (unchanged)"};
    }
    option->Selected(true, false);
    page.raise("selectchanged", option);
    return page.afterBlockWrite(said);
}

MouseAnswer moveSlider(MousePageDriver& page, std::string_view name, int value,
                       const std::string& said) {
    auto* slider = page.control<ui::CSliderUI>(name, "Slider");
    if (slider == nullptr) {
        return noSuchSetting(said.substr(0, said.find(':')));
    }
    if (!slider->IsEnabled()) {
        return {false, "the page does not take " + said + " now"};
    }
    slider->SetValue(value);
    page.raise("valuechanged", slider);
    return page.afterBlockWrite(said);
}

MouseAnswer setDeepSleep(MousePageDriver& page, int sleepTime) {
    if (sleepTime < 0) {
        return chooseOption(page, "deep_sleep_option_", 0, "deep sleep: off");
    }
    const int minutes =
        devices::mouse::kDeepSleepSeconds[static_cast<std::size_t>(sleepTime - 1)] / 60;
    const std::string said = "deep sleep: after " + std::to_string(minutes) + " minutes";
    // Deep sleep on first, which makes the time's slider usable, as on the page.
    auto* on = page.control<ui::COptionUI>("deep_sleep_option_1", "Option");
    if (on == nullptr) {
        return noSuchSetting("deep sleep");
    }
    if (!on->IsSelected()) {
        on->Selected(true, false);
        page.raise("selectchanged", on);
    }
    return moveSlider(page, "Dormancy_slider", sleepTime, said);
}

MouseAnswer runSetting(MousePageDriver& page, const MouseRequest& r) {
    const auto onOff = [&](bool on) { return std::string(on ? "on" : "off"); };
    switch (r.verb) {
        case MouseVerb::Dpi:
            return setDpi(page, r.stage, r.number);
        case MouseVerb::Stage:
            return setActiveStage(page, r.stage);
        case MouseVerb::Enable:
            return setStageUse(page, r.stage, r.on);
        case MouseVerb::Rate:
            return setPollingRate(page, r.number);
        case MouseVerb::LiftOff:
            return chooseOption(page, "sensor_lif_option_", r.number,
                                "lift-off distance: " + std::to_string(r.number + 1) + " mm");
        case MouseVerb::MotionSync:
            return chooseOption(page, "motion_sync_option_", r.on ? 1 : 0,
                                "motion sync: " + onOff(r.on));
        case MouseVerb::Calibration:
            return chooseOption(page, "Linear_Calibration_option_", r.on ? 1 : 0,
                                "linear calibration: " + onOff(r.on));
        case MouseVerb::Silent:
            return chooseOption(page, "Silent_Altitude_option_", r.number,
                                "silent altitude: level " + std::to_string(r.number + 1));
        case MouseVerb::Debounce: {
            const int ms = devices::mouse::kDebounceMs[static_cast<std::size_t>(r.number)];
            return moveSlider(page, "Key_Delay_slider", r.number,
                              "debounce time: " + std::to_string(ms) + " ms");
        }
        case MouseVerb::Sleep:
            return setDeepSleep(page, r.number);
        case MouseVerb::Key:
            return setMouseKey(page, r);
        case MouseVerb::Light:
            return setMouseLight(page, r);
        case MouseVerb::Show:
            break;
    }
    return {true, describeMouse(page.mouse(), selectedProfileName(page.mouse()))};
}

}  // namespace

// --- The driver ---

MousePageDriver::MousePageDriver(CMainWnd& window, CTessarinMouseDevice& mouse)
    : window_(window), mouse_(mouse) {
    window_.SetNoticeSink(
        [this](const std::string& text) { notices_ += (notices_.empty() ? "" : "\n") + text; });
}

MousePageDriver::~MousePageDriver() {
    window_.SetNoticeSink(nullptr);
}

ui::CControlUI* MousePageDriver::control(std::string_view name) {
    return mouse_.FindSubControl(name);
}

ui::CControlUI* MousePageDriver::windowControl(std::string_view name) {
    return window_.GetPaintManager().FindControl(name);
}

void MousePageDriver::raise(std::string_view type, ui::CControlUI* sender) {
    raiseOnWindow(window_, type, sender);
}

MouseAnswer MousePageDriver::afterBlockWrite(std::string text) {
    if (mouse_.lastBlockWritten()) {
        return {true, std::move(text)};
    }
    const std::string why = "; the profile holds it, but the mouse did not take it (no answer " +
                            linkWords(mouse_) + ")";
    return {false, text + why};
}

void raiseOnWindow(CMainWnd& window, std::string_view type, ui::CControlUI* sender) {
    if (sender == nullptr) {
        return;  // a control the layout does not have: nothing to click
    }
    ui::TNotifyUI msg;
    msg.sType = std::string(type);
    msg.pSender = sender;
    window.Notify(msg);
}

MouseAnswer noSuchSetting(std::string_view what) {
    return {false, "this mouse's page has no control for " + std::string(what)};
}

MouseAnswer answerMouse(CMainWnd& window, const std::vector<std::string>& words) {
    MouseRequest request;
    std::string error;
    if (!parseMouseWords(words, request, error)) {
        return {false, error};
    }
    if (request.help) {
        std::string usage = mouseUsageText();
        usage.pop_back();  // the answer is printed with a line end of its own
        return {true, usage};
    }
    CTessarinMouseDevice* mouse = chooseMouse(window, request, error);
    if (mouse == nullptr) {
        return {false, error};
    }
    if (mouse->workingCopy().stages.empty()) {
        // Found, but its first read (which follows the link by a moment) has not filled the
        // page yet, or did not get an answer.
        return {false, "the " + mouse->displayName() +
                           "'s settings have not been read from it yet; try again in a moment"};
    }
    MousePageDriver page(window, *mouse);
    MouseAnswer answer = runSetting(page, request);
    if (!page.notices().empty()) {
        answer.text += "\n" + page.notices();
    }
    return answer;
}

}  // namespace vorn::shell

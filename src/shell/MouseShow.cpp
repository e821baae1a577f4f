#include "shell/MouseShow.h"

#include <algorithm>
#include <sstream>

#include "devices/keys/KeyNames.h"
#include "devices/keys/KeySetControlUI.h"
#include "devices/keys/MouseKeys.h"
#include "devices/mouse/MouseProfileBlock.h"
#include "platform/text/Text.h"
#include "shell/MouseWords.h"

namespace vorn::shell {
namespace {

std::string onOffWords(std::uint8_t value) {
    return value != 0 ? "on" : "off";
}

std::string colourWords(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return platform::formatText("#%02X%02X%02X", red, green, blue);
}

// The text column of a setting: its name padded to one width.
std::string setting(std::string_view name) {
    std::string text(name);
    text += ':';
    text.resize(std::max<std::size_t>(text.size(), 21), ' ');
    return text;
}

std::string pollingWords(devices::CTessarinMouseDevice& mouse) {
    const profiles::MouseSystemSettings& s = mouse.workingCopy().settings;
    const int position = mouse.channel().viaReceiver() ? s.reportSelect24k : s.reportSelectUsb;
    const int hz = pollingRateHz(position);
    return hz != 0 ? std::to_string(hz) + " Hz"
                   : "unknown (position " + std::to_string(position) + ")";
}

void describeStages(std::ostream& out, const devices::mouse::MouseWorkingCopy& copy) {
    out << "Stages (* the active one):\n";
    const int shown = std::min(static_cast<int>(copy.stages.size()), profiles::kDpiStageCount);
    for (int i = 0; i < shown; ++i) {
        const profiles::DpiStage& stage = copy.stages[static_cast<std::size_t>(i)];
        out << (i == copy.activeStage ? "  * " : "    ") << i + 1 << "  "
            << (stage.enabled != 0 ? "on " : "off")
            << platform::formatText(" %6u DPI  ", stage.dpiX())
            << colourWords(stage.red, stage.green, stage.blue) << "\n";
    }
}

void describeKeys(std::ostream& out, devices::CTessarinMouseDevice& mouse) {
    out << "Keys:";
    const int count = static_cast<int>(mouse.keyList().size());
    std::size_t width = 0;
    for (int i = 0; i < count; ++i) {
        width = std::max(width, keyLabelWords(i).size());
    }
    for (int i = 0; i < count; ++i) {
        std::string label = keyLabelWords(i);
        label.resize(std::max(width, label.size()), ' ');
        out << "\n"
            << platform::formatText("  %2d  ", i + 1) << label << "  "
            << keyFunctionWords(mouse, i);
    }
}

}  // namespace

std::string linkWords(devices::CTessarinMouseDevice& mouse) {
    return mouse.channel().viaReceiver() ? "through the receiver" : "on the cable";
}

std::string lightWords(devices::CTessarinMouseDevice& mouse) {
    const profiles::LightSetting& light = mouse.workingCopy().light;
    const std::vector<devices::mouse::LightModeRow>& modes = mouse.lightNames().modes;
    const std::string mode = light.mode < modes.size()
                                 ? devices::languageText(modes[light.mode].name)
                                 : "mode " + std::to_string(light.mode);
    return platform::formatText("%s, brightness %u, speed %u, colour ", mode.c_str(),
                                light.brightness, light.speed) +
           colourWords(light.red, light.green, light.blue);
}

std::string keyFunctionWords(devices::CTessarinMouseDevice& mouse, int index) {
    const std::vector<profiles::KeyRecord>& keys = mouse.keyList();
    if (index < 0 || index >= static_cast<int>(keys.size())) {
        return {};
    }
    std::vector<std::string> macros;
    if (devices::CKeySetControlUI* page = mouse.keyPage()) {
        macros = page->macroNames();
    }
    const std::string name = devices::displayText(
        devices::assignmentName(keys[static_cast<std::size_t>(index)].current, macros));
    return name.empty() ? "nothing" : name;
}

std::string keyLabelWords(int index) {
    const std::string key = devices::mouseKeyLabel(static_cast<std::size_t>(index));
    return key.empty() ? "key " + std::to_string(index + 1) : devices::languageText(key);
}

std::string describeMouse(devices::CTessarinMouseDevice& mouse, const std::string& profileName) {
    const devices::mouse::MouseWorkingCopy& copy = mouse.workingCopy();
    // The values as the mouse gets them: the block brings each into the range it knows.
    const devices::mouse::MouseProfileBlock block =
        devices::mouse::buildProfileBlock(copy, mouse.lightNames());
    const int sleepSeconds = block.deepSleepSeconds.get();
    std::ostringstream out;
    out << mouse.displayName() << ", " << linkWords(mouse) << ", profile \""
        << (profileName.empty() ? "-" : profileName) << "\"\n";
    describeStages(out, copy);
    out << setting("Polling rate") << pollingWords(mouse) << "\n"
        << setting("Lift-off distance") << block.liftOff + 1 << " mm\n"
        << setting("Motion sync") << onOffWords(block.motionSync) << "\n"
        << setting("Linear calibration") << onOffWords(block.linearCalibration) << "\n"
        << setting("Silent altitude") << "level " << block.silentAltitude + 1 << "\n"
        << setting("Debounce time") << static_cast<int>(block.debounceMs) << " ms\n"
        << setting("Deep sleep")
        << (sleepSeconds == 0 ? std::string("off")
                              : "after " + std::to_string(sleepSeconds / 60) + " minutes")
        << "\n"
        << setting("Light") << lightWords(mouse) << "\n";
    describeKeys(out, mouse);
    return out.str();
}

}  // namespace vorn::shell

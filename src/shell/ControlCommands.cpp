#include "shell/ControlCommands.h"

#include "shell/MouseCommand.h"
#include "ui/profiles/DeviceProfileUI.h"

namespace vorn::shell {
namespace {

std::string linkWord(devices::CTessarinUSBDevice& page) {
    protocol::CommandChannel& channel = page.channel();
    if (!channel.isOpen()) {
        return "not linked";
    }
    return channel.viaReceiver() ? "receiver" : "cable";
}

}  // namespace

std::string selectedProfileName(devices::CTessarinUSBDevice& page) {
    ui::CDeviceProfileUI* profiles = page.profileControl();
    if (profiles == nullptr) {
        return {};
    }
    // The library's selection: the combo of a page that was hidden when its list was read
    // selects nothing until the list is shown again.
    const int selected = profiles->Library().GetSelectedIndex();
    const std::vector<std::string>& names = profiles->Library().GetProfileNames();
    return selected >= 0 && selected < static_cast<int>(names.size())
               ? names[static_cast<std::size_t>(selected)]
               : std::string();
}

std::vector<platform::ipc::DeviceLine> deviceLines(const ui::selector::DeviceSelector& selector) {
    std::vector<platform::ipc::DeviceLine> lines;
    const int current = selector.currentIndex();
    for (int i = 0; i < selector.entryCount(); ++i) {
        const ui::selector::SelectorEntry* entry = selector.entry(i);
        if (entry == nullptr || !entry->tile->isTileVisible()) {
            continue;
        }
        devices::CTessarinUSBDevice& page = *entry->page;
        platform::ipc::DeviceLine line;
        line.model = page.displayName();
        line.link = linkWord(page);
        if (const auto block = page.lastPowerBlock()) {
            line.battery = (*block)[0];
            line.charging = (*block)[1] != 0;
        }
        line.profile = selectedProfileName(page);
        line.selected = i == current;
        lines.push_back(std::move(line));
    }
    return lines;
}

platform::ipc::SessionBus::ControlAnswer answerCommand(ui::mainwnd::CMainWnd& window,
                                                       const std::vector<std::string>& words) {
    if (words.size() == 1 && words[0] == "devices") {
        const ui::selector::DeviceSelector* selector = window.GetSelector();
        if (selector == nullptr) {
            return {true, ""};  // the window has not built its pages yet: nothing shown
        }
        return {true, platform::ipc::encodeDeviceLines(deviceLines(*selector))};
    }
    if (words.size() == 2 && words[0] == "window" && (words[1] == "show" || words[1] == "hide")) {
        if (words[1] == "show") {
            window.ShowFromTray();
        } else {
            window.HideToTray();
        }
        return {true, words[1] == "show" ? "the window is shown" : "the window is in the tray"};
    }
    if (!words.empty() && words[0] == "mouse") {
        return answerMouse(window, {words.begin() + 1, words.end()});
    }
    std::string said;
    for (const std::string& word : words) {
        said += (said.empty() ? "" : " ") + word;
    }
    return {false, "this vorn does not know the command '" + said + "'"};
}

}  // namespace vorn::shell

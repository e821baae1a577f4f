#include "shell/MousePageChoice.h"

#include "platform/text/Text.h"
#include "shell/MousePageDriver.h"
#include "ui/framework/controls/Button.h"

namespace vorn::shell {
namespace {

using devices::CTessarinMouseDevice;
using ui::mainwnd::CMainWnd;

// The model as the catalogue names it ("VORN-T4"), or without the family's prefix ("t4").
bool modelNamed(const std::string& displayName, const std::string& typed) {
    const std::size_t dash = displayName.find('-');
    return platform::equalsIgnoreCase(displayName, typed) ||
           (dash != std::string::npos &&
            platform::equalsIgnoreCase(std::string_view(displayName).substr(dash + 1), typed));
}

// The path of the collection the page's channel talks through.
std::string channelPath(devices::CTessarinUSBDevice& page) {
    protocol::CommandChannel& ch = page.channel();
    if (!ch.isOpen()) {
        return {};
    }
    return (ch.viaReceiver() ? ch.radioLink() : ch.cableLink()).devicePath();
}

// The shown and connected mouse pages of the selector, by entry index.
std::vector<std::pair<int, CTessarinMouseDevice*>> connectedMice(const CMainWnd& window) {
    std::vector<std::pair<int, CTessarinMouseDevice*>> mice;
    const ui::selector::DeviceSelector* selector = window.GetSelector();
    for (int i = 0; selector != nullptr && i < selector->entryCount(); ++i) {
        const ui::selector::SelectorEntry* e = selector->entry(i);
        auto* mouse = dynamic_cast<CTessarinMouseDevice*>(e != nullptr ? e->page : nullptr);
        if (mouse != nullptr && e->tile->isTileVisible() && e->tile->isConnected()) {
            mice.emplace_back(i, mouse);
        }
    }
    return mice;
}

// Makes the entry's tile the selected one, as a click on it does.
bool selectTile(CMainWnd& window, int index, CTessarinMouseDevice* mouse) {
    const ui::selector::SelectorEntry* e = window.GetSelector()->entry(index);
    if (window.currentMouse() == mouse) {
        return true;
    }
    auto* option = ui::interfaceOf<ui::COptionUI>(
        e->tile->FindSubControl(ui::CDeviceOptionUI::kOptionName), "Option");
    if (option == nullptr) {
        return false;
    }
    option->Selected(true, false);
    raiseOnWindow(window, "selectchanged", option);
    return window.currentMouse() == mouse;
}

}  // namespace

CTessarinMouseDevice* chooseMouse(CMainWnd& window, const MouseRequest& request,
                                  std::string& error) {
    const auto mice = connectedMice(window);
    const bool named = !request.model.empty() || request.slot.has_value();
    if (!named) {
        if (CTessarinMouseDevice* current = window.currentMouse()) {
            return current;
        }
    }
    const std::string slotPath =
        request.slot ? window.GetLinkedSlots().slot(*request.slot).devicePath : std::string();
    for (const auto& [index, mouse] : mice) {
        const bool fits = !named || (!request.model.empty()
                                         ? modelNamed(mouse->displayName(), request.model)
                                         : !slotPath.empty() && channelPath(*mouse) == slotPath);
        if (fits) {
            if (!selectTile(window, index, mouse)) {
                error = "the window did not show the " + mouse->displayName() + "'s page";
                return nullptr;
            }
            return mouse;
        }
    }
    std::string connected;
    for (const auto& [index, mouse] : mice) {
        connected += (connected.empty() ? "" : ", ") + mouse->displayName();
    }
    if (!named) {
        error = "no mouse is connected";
    } else if (!request.model.empty()) {
        error = "no " + request.model + " is connected";
    } else {
        error = "no mouse is connected on catalogue slot " + std::to_string(*request.slot);
    }
    if (!connected.empty()) {
        error += " (connected: " + connected + ")";
    }
    return nullptr;
}

}  // namespace vorn::shell

#include "emulator/Scenario.h"

#include <vector>

#include "platform/text/Text.h"

namespace vorn::emulator {
namespace {

// One comma-separated part of a scenario, parsed.
struct ScenarioItem {
    const MouseModel* mouse = nullptr;  // null: a receiver with nothing paired
    DeviceKind link = DeviceKind::CableMouse;
    bool off = false;
    bool away = false;
    bool cable = false;  // also on its cable (a mouse on a receiver)
};

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) {
            return parts;
        }
        start = end + 1;
    }
}

std::string mouseTokens() {
    std::string list;
    for (const MouseModel& model : mouseModels()) {
        list += list.empty() ? "" : ", ";
        list += model.token;
    }
    return list;
}

// The name part of "NAME[@link][:suffix]...".
std::string nameOf(const std::string& text) {
    return text.substr(0, text.find_first_of("@:"));
}

// Parses "MODEL[@own][:suffix]..." into item; returns an error text or "".
std::string parseMouse(const std::string& text, bool onReceiver8K, ScenarioItem& item) {
    std::vector<std::string> parts = split(text, ':');
    std::string name = nameOf(text);
    item.mouse = findMouseModel(name);
    if (item.mouse == nullptr) {
        return onReceiver8K
                   ? "unknown mouse '" + name + "' (mice: " + mouseTokens() + ")"
                   : "unknown device '" + name + "' (devices: " + mouseTokens() + ", dongle8k)";
    }
    item.link = onReceiver8K ? DeviceKind::Receiver8K : DeviceKind::CableMouse;
    size_t at = parts[0].find('@');
    if (at != std::string::npos) {
        std::string link = parts[0].substr(at + 1);
        if (!platform::equalsIgnoreCase(link, "own")) {
            return "unknown link '@" + link + "' (the one link is '@own')";
        }
        if (onReceiver8K) {
            return "a mouse paired with dongle8k cannot be on its own receiver as well";
        }
        item.link = DeviceKind::OwnReceiver;
    }
    for (size_t i = 1; i < parts.size(); ++i) {
        const std::string& suffix = parts[i];
        bool* target = nullptr;
        if (platform::equalsIgnoreCase(suffix, "off")) {
            target = &item.off;
        } else if (platform::equalsIgnoreCase(suffix, "away")) {
            target = &item.away;
        } else if (platform::equalsIgnoreCase(suffix, "cable")) {
            target = &item.cable;
        } else {
            return "unknown suffix ':" + suffix + "' (suffixes: :off, :away, :cable)";
        }
        if (*target) {
            return "suffix ':" + suffix + "' given twice";
        }
        *target = true;
    }
    if (item.link == DeviceKind::CableMouse && (item.off || item.away || item.cable)) {
        return "suffixes apply to a mouse on a receiver (e.g. dongle8k+" + name + ":off or " +
               name + "@own:off)";
    }
    return "";
}

std::string parseItem(const std::string& raw, ScenarioItem& item) {
    std::string text = platform::trimSpace(raw);
    if (text.empty()) {
        return "empty device (two commas, or a comma at an end)";
    }
    size_t plus = text.find('+');
    std::string head = platform::trimSpace(text.substr(0, plus));
    bool receiver = platform::equalsIgnoreCase(nameOf(head), "dongle8k");
    if (plus != std::string::npos && !receiver) {
        return "only dongle8k takes a paired mouse ('" + head + "+...')";
    }
    if (receiver) {
        item.link = DeviceKind::Receiver8K;
        if (!platform::equalsIgnoreCase(head, "dongle8k")) {
            return "dongle8k takes no suffix; suffixes belong to its mouse (dongle8k+MODEL:off)";
        }
        if (plus == std::string::npos) {
            return "";
        }
        std::string paired = platform::trimSpace(text.substr(plus + 1));
        if (paired.empty()) {
            return "'dongle8k+' names no mouse";
        }
        return parseMouse(paired, true, item);
    }
    return parseMouse(text, false, item);
}

void buildItem(VirtualBus& bus, const ScenarioItem& item) {
    if (item.mouse == nullptr) {
        bus.plugReceiver(DeviceKind::Receiver8K, -1);
        return;
    }
    int mouse = bus.addMouse(*item.mouse);
    if (item.link == DeviceKind::CableMouse) {
        bus.plugCable(mouse);
        return;
    }
    bus.plugReceiver(item.link, mouse);
    bus.setMousePower(mouse, !item.off);
    bus.setMouseInReach(mouse, !item.away);
    if (item.cable) {
        bus.plugCable(mouse);
    }
}

}  // namespace

bool plugScenario(VirtualBus& bus, const std::string& scenario, std::string& error) {
    error.clear();
    std::string text = platform::trimSpace(scenario);
    if (text.empty()) {
        error = "empty scenario (write 'none' for a bus without devices)";
        return false;
    }
    std::vector<ScenarioItem> items;
    if (!platform::equalsIgnoreCase(text, "none")) {
        for (const std::string& raw : split(text, ',')) {
            ScenarioItem item;
            std::string problem = parseItem(raw, item);
            if (!problem.empty()) {
                error = "scenario '" + scenario + "': " + problem;
                return false;
            }
            items.push_back(item);
        }
    }
    // Every item is understood before the first one is plugged.
    for (const ScenarioItem& item : items) {
        buildItem(bus, item);
    }
    return true;
}

std::unique_ptr<VirtualBus> buildBusFromScenario(const std::string& scenario, std::string& error,
                                                 TimeMode mode) {
    auto bus = std::make_unique<VirtualBus>(mode);
    if (!plugScenario(*bus, scenario, error)) {
        return nullptr;
    }
    return bus;
}

std::string scenarioHelpText() {
    return "Scenarios (--sim SCENARIO): devices separated by commas, e.g. "
           "t4,dongle8k+t4max:off\n"
           "  t4 | t4pro | t4ultra | t4max   a mouse on its cable (product id 22b6)\n"
           "  dongle8k                       the 8K receiver (22a0) with no mouse paired\n"
           "  dongle8k+MODEL                 the 8K receiver paired with a mouse\n"
           "  MODEL@own                      a mouse on its own receiver (22ba)\n"
           "  none                           a bus without devices\n"
           "A mouse on a receiver takes suffixes:\n"
           "  :off     switched off (the receiver answers every command with 0xaa)\n"
           "  :away    switched on but out of reach (the same for the receiver)\n"
           "  :cable   its cable is plugged in as well\n";
}

}  // namespace vorn::emulator

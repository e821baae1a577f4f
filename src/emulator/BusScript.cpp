#include "emulator/BusScript.h"

#include "emulator/Scenario.h"
#include "emulator/firmware/MouseModels.h"
#include "platform/text/Text.h"

namespace vorn::emulator {
namespace {

constexpr char kReceiver[] = "dongle8k";

// The first mouse of the model (its scenario token), -1 when the bus has none.
int mouseOfModel(const VirtualBus& bus, const std::string& model) {
    for (int mouse = 0; mouse < bus.mouseCount(); ++mouse) {
        if (platform::equalsIgnoreCase(bus.mouseStatus(mouse).model, model)) {
            return mouse;
        }
    }
    return -1;
}

// The first plugged device of the model (a cable or a receiver it is on), or the first plugged
// receiver for "dongle8k".
int pluggedDeviceOf(const VirtualBus& bus, const std::string& subject) {
    for (int device = 0; device < bus.deviceCount(); ++device) {
        if (!bus.devicePlugged(device)) {
            continue;
        }
        const DeviceKind kind = bus.deviceKind(device);
        if (platform::equalsIgnoreCase(subject, kReceiver)) {
            if (kind == DeviceKind::Receiver8K) {
                return device;
            }
            continue;
        }
        const int mouse = bus.mouseOfDevice(device);
        if (mouse >= 0 && platform::equalsIgnoreCase(bus.mouseStatus(mouse).model, subject)) {
            return device;
        }
    }
    return -1;
}

bool onOff(const std::string& word, const char* on, const char* off, bool& value) {
    if (platform::equalsIgnoreCase(word, on)) {
        value = true;
        return true;
    }
    if (platform::equalsIgnoreCase(word, off)) {
        value = false;
        return true;
    }
    return false;
}

}  // namespace

std::string busScriptUsage() {
    return "  plug SCENARIO            plug the devices of a scenario (e.g. t4, "
           "dongle8k+t4max:off)\n"
           "  unplug MODEL|dongle8k    unplug the first plugged device of a model, or a receiver\n"
           "  power MODEL on|off       switch the first mouse of the model on or off\n"
           "  cable MODEL in|out       plug in or pull out the first mouse of the model's cable\n";
}

bool parseBusScript(const std::vector<std::string>& words, BusScriptCommand& command,
                    std::string& error) {
    command = {};
    if (words.empty()) {
        error = "no command (plug, unplug, power or cable)";
        return false;
    }
    command.verb = platform::foldCase(words[0]);
    const bool takesState = command.verb == "power" || command.verb == "cable";
    const bool known = takesState || command.verb == "plug" || command.verb == "unplug";
    if (!known) {
        error = "unknown command '" + words[0] + "' (plug, unplug, power or cable)";
        return false;
    }
    const std::size_t wanted = takesState ? 3 : 2;
    if (words.size() != wanted) {
        error = command.verb + " takes " + (takesState ? "a model and a state" : "one argument");
        return false;
    }
    command.subject = words[1];
    if (command.verb == "unplug" && !platform::equalsIgnoreCase(command.subject, kReceiver) &&
        findMouseModel(command.subject) == nullptr) {
        error = "no model '" + command.subject + "' (t4, t4pro, t4ultra, t4max or dongle8k)";
        return false;
    }
    if (takesState) {
        if (findMouseModel(command.subject) == nullptr) {
            error = "no mouse model '" + command.subject + "' (t4, t4pro, t4ultra or t4max)";
            return false;
        }
        const bool read = command.verb == "power" ? onOff(words[2], "on", "off", command.on)
                                                  : onOff(words[2], "in", "out", command.on);
        if (!read) {
            error = command.verb == "power" ? "power takes on or off" : "cable takes in or out";
            return false;
        }
    }
    return true;
}

std::string runBusScript(VirtualBus& bus, const BusScriptCommand& command, bool& ok) {
    ok = false;
    if (command.verb == "plug") {
        std::string error;
        if (!plugScenario(bus, command.subject, error)) {
            return error;
        }
        ok = true;
        return "plugged " + command.subject;
    }
    if (command.verb == "unplug") {
        const int device = pluggedDeviceOf(bus, command.subject);
        if (device < 0) {
            return "no " + command.subject + " is plugged in";
        }
        ok = bus.unplug(device);
        return ok ? "unplugged " + command.subject : "could not unplug " + command.subject;
    }
    const int mouse = mouseOfModel(bus, command.subject);
    if (mouse < 0) {
        return "no " + command.subject + " on the emulated bus";
    }
    if (command.verb == "power") {
        ok = bus.setMousePower(mouse, command.on);
        return command.subject + " switched " + (command.on ? "on" : "off");
    }
    ok = command.on ? bus.plugCable(mouse) >= 0 : bus.unplugCable(mouse);
    return command.on ? command.subject + " cable plugged in"
                      : command.subject + " cable pulled out";
}

}  // namespace vorn::emulator

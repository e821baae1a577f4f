#pragma once
// Driving a running emulated bus by words, as a person watching the program does:
//   plug SCENARIO            plug the devices of a scenario ("t4", "dongle8k+t4max:off")
//   unplug MODEL|dongle8k    unplug the first plugged device of a mouse model, or a receiver
//   power MODEL on|off       switch the first mouse of the model on or off
//   cable MODEL in|out       plug or pull the first mouse of the model's cable

#include <string>
#include <vector>

#include "emulator/bus/VirtualBus.h"

namespace vorn::emulator {

struct BusScriptCommand {
    std::string verb;     // "plug", "unplug", "power", "cable"
    std::string subject;  // the scenario, model or "dongle8k"
    bool on = false;      // power on / cable in
};

// Reads the words of one command. False, with error in words, when they cannot be read.
bool parseBusScript(const std::vector<std::string>& words, BusScriptCommand& command,
                    std::string& error);
// Carries a command out. The answer is one sentence saying what happened (or why nothing did);
// ok tells which.
std::string runBusScript(VirtualBus& bus, const BusScriptCommand& command, bool& ok);

// The usage text of the commands.
std::string busScriptUsage();

}  // namespace vorn::emulator

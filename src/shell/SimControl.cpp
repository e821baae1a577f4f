#include "shell/SimControl.h"

#include "emulator/BusScript.h"

namespace vorn::shell {

platform::ipc::SessionBus::ControlAnswer answerSim(emulator::VirtualBus* bus,
                                                   const std::vector<std::string>& words) {
    if (bus == nullptr) {
        return {false, "vorn does not run on emulated devices (start it with vorn --demo)"};
    }
    emulator::BusScriptCommand command;
    std::string error;
    if (!emulator::parseBusScript(words, command, error)) {
        return {false, error};
    }
    bool ok = false;
    std::string said = emulator::runBusScript(*bus, command, ok);
    return {ok, said};
}

}  // namespace vorn::shell

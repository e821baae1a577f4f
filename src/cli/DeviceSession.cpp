#include "cli/DeviceSession.h"

#include "cli/CliText.h"
#include "platform/text/Text.h"
#include "protocol/Commands.h"
#include "protocol/ResultCodes.h"

namespace vorn::cli {

bool parseDeviceOptions(const std::vector<std::string>& args, DeviceOptions& options,
                        std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        if (takeSimOption(args, i, options.sim, error)) {
            if (!error.empty()) {
                return false;
            }
            continue;
        }
        const std::string& arg = args[i];
        const size_t equals = arg.find('=');
        const bool inline_ = arg.rfind("--", 0) == 0 && equals != std::string::npos;
        const std::string name = inline_ ? arg.substr(0, equals) : arg;
        if (name == "--slot" || name == "--path") {
            if (!inline_ && i + 1 >= args.size()) {
                error = name + " needs a value";
                return false;
            }
            const std::string value = inline_ ? arg.substr(equals + 1) : args[++i];
            if (name == "--path") {
                options.choice.path = value;
                continue;
            }
            std::optional<uint32_t> slot = parseNumber(value, 0xFFFF);
            if (!slot) {
                error = "--slot needs a slot number, not '" + value + "'";
                return false;
            }
            options.choice.slot = static_cast<int>(*slot);
        } else if (arg == "--trace") {
            options.trace = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            error = "unknown option '" + arg + "'";
            return false;
        } else {
            options.positional.push_back(arg);
        }
    }
    if (options.sim && options.sim->empty()) {
        error = "--sim needs a scenario (see vornctl --help)";
        return false;
    }
    if (options.choice.slot && !options.choice.path.empty()) {
        error = "--slot and --path exclude each other";
        return false;
    }
    return true;
}

std::string deviceOptionsHelp() {
    return "Device options (info, read-settings, write-settings, read-keys, power):\n"
           "  --sim SCENARIO                use the built-in device emulator\n"
           "  --slot N                      the device claiming catalogue slot N\n"
           "  --path PATH                   the command collection at PATH\n"
           "  --trace                       print every command frame as it is sent and "
           "answered\n"
           "Without --slot or --path the first command collection that claims a catalogue slot\n"
           "is used, through the receiver when the slot is a receiver's, else on the cable.\n";
}

DeviceSession::DeviceSession(CliContext& ctx) : ctx_(ctx) {}

DeviceSession::~DeviceSession() {
    channel_.cableLink().close();
    channel_.radioLink().close();
    trace_.reset();
}

int DeviceSession::start(const DeviceOptions& options) {
    std::string error;
    if (const int status = bus_.install(options.sim, error); status != 0) {
        ctx_.err << "vornctl: " << error << "\n";
        return status;
    }

    if (options.trace) {
        trace_.emplace(ctx_.out, false);
    }

    if (!selectDevice(options.choice, device_, error) || !openChannel(device_, channel_, error)) {
        ctx_.err << "vornctl: " << error << "\n";
        return 1;
    }
    return 0;
}

bool DeviceSession::check(const char* name, int result) {
    if (result == protocol::kResultOk) {
        return true;
    }
    reportFailure(name, result, protocol::resultMeaning(result));
    return false;
}

void DeviceSession::reportFailure(const char* name, int result, std::string_view meaning) {
    ctx_.err << name << " failed: ";
    if (result == protocol::kResultNoReply) {
        ctx_.err << "no answer";
    } else {
        ctx_.err << result;
    }
    ctx_.err << " (" << meaning << ")\n";
}

bool DeviceSession::beginSession() {
    return check("BeginSession", protocol::BeginSession(channel_));
}

bool DeviceSession::endSession() {
    return check("EndSession", protocol::EndSession(channel_, 1));
}

}  // namespace vorn::cli

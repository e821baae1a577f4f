#include <cstring>

#include "cli/Cli.h"
#include "cli/DeviceSession.h"
#include "cli/HidListing.h"
#include "emulator/Scenario.h"

namespace vorn::cli {
namespace {

void printHelp(std::ostream& out) {
    out << "vornctl - command-line tool for VORN gaming peripherals\n"
           "\n"
           "Usage: vornctl COMMAND [ARGS...]\n"
           "       vornctl --help | help\n"
           "\n"
           "Commands:\n";
    for (const CliCommand& c : cliCommands()) {
        std::string head = std::string("  ") + c.name;
        if (c.usage[0] != '\0') {
            head += std::string(" ") + c.usage;
        }
        out << head;
        if (head.size() < 32) {
            out << std::string(32 - head.size(), ' ');
        } else {
            out << "\n" << std::string(32, ' ');
        }
        out << c.summary << "\n";
    }
    out << "\n"
           "DEVICE is a device option; OFFSET and LENGTH are decimal or 0x-hexadecimal.\n"
        << deviceOptionsHelp() << "\n"
        << emulator::scenarioHelpText();
    const std::vector<std::string> neverBound = unbindableScenarios();
    if (!neverBound.empty()) {
        out << "Never bound, as the catalogue has no slot for them (list marks them, the device\n"
               "commands refuse them):\n";
        for (const std::string& scenario : neverBound) {
            out << "  " << scenario << "\n";
        }
    }
    out << "\n"
        << "Exit status: 0 success; 1 the device is absent, busy, unreachable or refused, an\n"
           "operation failed, or the output could not be written; 2 wrong usage (an unknown\n"
           "command, option or scenario, a malformed number, a range past the settings area).\n"
           "\n"
           "Environment:\n"
           "  VORN_DEBUG=1                  write diagnostic lines to stderr, and the message\n"
           "                                key after a message\n";
}

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0 ||
        std::strcmp(argv[1], "help") == 0) {
        printHelp(out);
        return argc < 2 ? 2 : 0;
    }
    const std::string name = argv[1];
    for (const CliCommand& c : cliCommands()) {
        if (name == c.name) {
            CliContext ctx{std::vector<std::string>(argv + 2, argv + argc), out, err};
            return c.handler(ctx);
        }
    }
    err << "vornctl: unknown command '" << name << "' (see vornctl --help)\n";
    return 2;
}

}  // namespace

int runVornctl(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    const int status = runCommandLine(argc, argv, out, err);
    // Output that never arrived (a full disk, a closed pipe) is a failure, even when the
    // command did its work.
    out.flush();
    if (!out) {
        err << "vornctl: the output could not be written (is the disk full?)\n";
        return status != 0 ? status : 1;
    }
    return status;
}

}  // namespace vorn::cli

#include <cstring>

#include "cli/Cli.h"
#include "cli/DeviceSession.h"
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
        << emulator::scenarioHelpText() << "\n"
        << "Exit status: 0 success, 1 the device is absent, busy, unreachable or refused,\n"
           "2 wrong usage.\n"
           "\n"
           "Environment:\n"
           "  VORN_DEBUG=1                  write diagnostic lines to stderr\n";
}

}  // namespace

int runVornctl(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
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

}  // namespace vorn::cli

#pragma once
// vornctl: the command-line tool on the program's own libraries. Each command is one row
// of the command table; main() only hands over its arguments.

#include <ostream>
#include <string>
#include <vector>

namespace vorn::cli {

struct CliContext {
    std::vector<std::string> args;  // the arguments after the command name
    std::ostream& out;
    std::ostream& err;
};

using CliHandler = int (*)(CliContext&);

struct CliCommand {
    const char* name;
    const char* usage;    // arguments, shown after the name
    const char* summary;  // one line
    CliHandler handler;
};

// The command table (defined in CliCommands.cpp).
const std::vector<CliCommand>& cliCommands();

// Runs vornctl with argv; returns the exit status (0 success, 1 failure, 2 usage error).
int runVornctl(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Command handlers.
int runCatalogueCommand(CliContext& ctx);
int runListCommand(CliContext& ctx);
int runInfoCommand(CliContext& ctx);
int runReadSettingsCommand(CliContext& ctx);
int runWriteSettingsCommand(CliContext& ctx);
int runReadKeysCommand(CliContext& ctx);
int runPowerCommand(CliContext& ctx);
int runProfileCommand(CliContext& ctx);
int runSimCommand(CliContext& ctx);
int runDevicesCommand(CliContext& ctx);
int runWindowCommand(CliContext& ctx);
int runMouseCommand(CliContext& ctx);

}  // namespace vorn::cli

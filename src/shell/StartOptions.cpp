#include "shell/StartOptions.h"

#include <ostream>

#include "emulator/Scenario.h"
#include "ui/mainwnd/PageSections.h"

namespace vorn::shell {

std::string startUsage() {
    return std::string(
               "Usage: vorn [--demo[=SCENARIO]] [--lang en|zh] [--section NAME] "
               "[--screenshot FILE]\n"
               "\n"
               "The configuration program of the VORN devices. It lives in the tray; a second\n"
               "start brings the running window to the front.\n"
               "\n"
               "  --demo[=SCENARIO]  run on emulated devices instead of the USB bus (default: ") +
           kDefaultDemoScenario +
           ")\n"
           "  --lang en|zh       the language of the window (kept for later starts)\n"
           "  --section NAME     the section the device pages show first: performance,\n"
           "                     light, keys, macros, system or about\n"
           "  --screenshot FILE  render the main window once start-up is complete, write it\n"
           "                     to FILE as PNG and end (works without a display)\n"
           "  --help             this text\n"
           "  --version          the program's version\n"
           "\n"
           "Scenarios:\n" +
           emulator::scenarioHelpText();
}

std::optional<StartOptions> parseStartOptions(const std::vector<std::string>& args,
                                              std::ostream& err) {
    StartOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&](const char* option) -> std::optional<std::string> {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                err << "vorn: " << option << " needs a value\n";
                return std::nullopt;
            }
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            options.help = true;
        } else if (a == "--version") {
            options.version = true;
        } else if (a == "--demo") {
            options.demo = kDefaultDemoScenario;
        } else if (a.rfind("--demo=", 0) == 0) {
            options.demo = a.substr(7);
        } else if (a == "--screenshot") {
            auto file = value("--screenshot");
            if (!file) {
                return std::nullopt;
            }
            options.screenshot = *file;
        } else if (a == "--section") {
            auto name = value("--section");
            if (!name) {
                return std::nullopt;
            }
            options.section = ui::mainwnd::pageNumberOfSection(*name);
            if (options.section == 0) {
                err << "vorn: --section takes performance, light, keys, macros, system or "
                       "about, not '"
                    << *name << "'\n";
                return std::nullopt;
            }
        } else if (a == "--lang") {
            auto lang = value("--lang");
            if (!lang) {
                return std::nullopt;
            }
            if (*lang != "en" && *lang != "zh") {
                err << "vorn: --lang takes en or zh, not '" << *lang << "'\n";
                return std::nullopt;
            }
            options.language = *lang;
        } else {
            err << "vorn: unknown argument '" << a << "' (see vorn --help)\n";
            return std::nullopt;
        }
    }
    if (options.demo) {
        std::string error;
        if (options.demo->empty() || !emulator::buildBusFromScenario(*options.demo, error)) {
            err << "vorn: --demo: " << (error.empty() ? "the scenario is empty" : error) << "\n";
            return std::nullopt;
        }
    }
    return options;
}

}  // namespace vorn::shell

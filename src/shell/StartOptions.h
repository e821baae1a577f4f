#pragma once
// The command line of the program vorn.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vorn::shell {

inline constexpr char kDefaultDemoScenario[] = "t4,dongle8k+t4ultra";
inline constexpr char kVersionText[] = "2.3.0.2";

struct StartOptions {
    bool help = false;
    bool version = false;
    std::optional<std::string> demo;  // the scenario of --demo
    std::string screenshot;           // --screenshot FILE
    std::string language;             // --lang: "en" or "zh"; empty: the saved one
    int section = 0;                  // --section: the page number shown first; 0: the default
};

// Reads the arguments (without the program name). Nothing, after a message on err, when
// they cannot be understood.
std::optional<StartOptions> parseStartOptions(const std::vector<std::string>& args,
                                              std::ostream& err);

// The text of --help.
std::string startUsage();

}  // namespace vorn::shell

#pragma once
// Runs vornctl in-process with its output captured.

#include <sstream>
#include <string>
#include <vector>

#include "cli/Cli.h"

namespace vorn::test {

struct CliRun {
    int status;
    std::string out, err;
};

inline CliRun vornctl(std::vector<const char*> args) {
    args.insert(args.begin(), "vornctl");
    std::ostringstream out, err;
    int status = cli::runVornctl(static_cast<int>(args.size()), args.data(), out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

}  // namespace vorn::test

#include "shell/ApplicationFonts.h"

#include <filesystem>
#include <system_error>

#include "platform/debug/DebugSink.h"

namespace vorn::shell {

int ApplicationFonts::load(const std::string& programFolder) {
    unload();
    for (std::string_view file : kApplicationFontFiles) {
        const std::string path = programFolder + std::string(file);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(path, ec)) {
            continue;  // not shipped here: the system's fonts stand in
        }
        const int handle = registry_.add(path);
        if (handle < 0) {
            platform::debugPrintf("font %s was not accepted", path.c_str());
            continue;
        }
        handles_.emplace_back(file, handle);
    }
    return static_cast<int>(handles_.size());
}

void ApplicationFonts::unload() {
    while (!handles_.empty()) {
        registry_.remove(handles_.back().second);
        handles_.pop_back();
    }
}

std::vector<std::string_view> ApplicationFonts::loaded() const {
    std::vector<std::string_view> files;
    for (const auto& [file, handle] : handles_) {
        files.push_back(file);
    }
    return files;
}

}  // namespace vorn::shell

#include "platform/settings/Autostart.h"

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/files/WholeFile.h"
#include "platform/paths/Paths.h"

namespace vorn::platform {
namespace {

// An Exec value: the path in double quotes, with the characters the desktop entry format
// reserves inside quotes escaped.
std::string quotedExec(std::string_view path) {
    std::string out = "\"";
    for (char c : path) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') {
            out += "\\\\";
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string autostartEntryPath() {
    return configFolder() + "autostart/io.vorn.Vorn.desktop";
}

bool isAutostartEnabled() {
    std::string text;
    if (!readWholeFile(autostartEntryPath(), text)) {
        return false;
    }
    return text.find("\nHidden=true") == std::string::npos;
}

bool setAutostartEnabled(bool enabled, const std::string& programPath) {
    const std::string path = autostartEntryPath();
    if (!enabled) {
        std::error_code ec;
        if (!std::filesystem::remove(path, ec) && ec) {
            errno = ec.value();
            return false;
        }
        return true;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    const std::string entry =
        "[Desktop Entry]\n"
        "Type=Application\n"
        "Name=VORN\n"
        "Comment=Keeps the VORN devices' settings at hand in the tray\n"
        "Exec=" +
        quotedExec(programPath) +
        "\n"
        "Icon=io.vorn.Vorn\n"
        "Terminal=false\n"
        "X-GNOME-Autostart-enabled=true\n";
    return writeFileAtomically(path, entry);
}

}  // namespace vorn::platform

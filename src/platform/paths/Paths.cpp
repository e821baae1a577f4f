#include "platform/paths/Paths.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>

#include "platform/debug/DebugSink.h"

namespace vorn::platform {
namespace {

std::mutex gOverrideMutex;
std::string gProgramFolderOverride;

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
    return folder;
}

std::string envOr(const char* name, const char* homeRelative) {
    const char* v = std::getenv(name);
    if (v != nullptr && v[0] == '/') {  // XDG: relative values are ignored
        return withSlash(v);
    }
    const char* home = std::getenv("HOME");
    std::string base = (home != nullptr && home[0] != '\0') ? home : "/tmp";
    return withSlash(withSlash(base) + homeRelative);
}

std::string ensureFolder(std::string folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        debugPrintf("unable to create folder %s: %s", folder.c_str(), ec.message().c_str());
    }
    return folder;
}

}  // namespace

std::string programFolder() {
    {
        std::lock_guard lock(gOverrideMutex);
        if (!gProgramFolderOverride.empty()) {
            return gProgramFolderOverride;
        }
    }
    std::error_code ec;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return "./";
    }
    return withSlash(exe.parent_path().string());
}

void setProgramFolderOverride(std::string folder) {
    std::lock_guard lock(gOverrideMutex);
    gProgramFolderOverride = folder.empty() ? std::string() : withSlash(std::move(folder));
}

std::string defaultDataFolder() { return programFolder() + "DefaultData/"; }

std::string skinFolder() { return programFolder() + "skin/"; }

std::string localAppDataFolder() { return envOr("XDG_DATA_HOME", ".local/share"); }

std::string configFolder() { return envOr("XDG_CONFIG_HOME", ".config"); }

std::string userFolder() {
    return ensureFolder(localAppDataFolder() + std::string(kUserFolderName) + "/");
}

std::string deviceDataFolder(std::string_view displayName) {
    return ensureFolder(userFolder() + std::string(displayName) + "/");
}

std::string tempFolder() {
    const char* v = std::getenv("TMPDIR");
    return withSlash((v != nullptr && v[0] != '\0') ? v : "/tmp");
}

}  // namespace vorn::platform

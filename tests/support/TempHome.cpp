#include "support/TempHome.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace vorn::test {
namespace {

void save(const char* name, std::string& value, bool& had) {
    const char* v = std::getenv(name);
    had = v != nullptr;
    if (had) {
        value = v;
    }
}

void restore(const char* name, const std::string& value, bool had) {
    if (had) {
        setenv(name, value.c_str(), 1);
    } else {
        unsetenv(name);
    }
}

}  // namespace

TempHome::TempHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorn-test-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    root_ = made != nullptr ? std::filesystem::path(made) : std::filesystem::path(pattern);
    std::filesystem::create_directories(root_ / "home");
    std::filesystem::create_directories(dataHome());
    std::filesystem::create_directories(configHome());
    std::filesystem::create_directories(root_ / "tmp");
    save("HOME", savedHome_, hadHome_);
    save("XDG_DATA_HOME", savedData_, hadData_);
    save("XDG_CONFIG_HOME", savedConfig_, hadConfig_);
    save("TMPDIR", savedTmp_, hadTmp_);
    setenv("HOME", (root_ / "home").c_str(), 1);
    setenv("XDG_DATA_HOME", dataHome().c_str(), 1);
    setenv("XDG_CONFIG_HOME", configHome().c_str(), 1);
    setenv("TMPDIR", (root_ / "tmp").c_str(), 1);
}

TempHome::~TempHome() {
    restore("HOME", savedHome_, hadHome_);
    restore("XDG_DATA_HOME", savedData_, hadData_);
    restore("XDG_CONFIG_HOME", savedConfig_, hadConfig_);
    restore("TMPDIR", savedTmp_, hadTmp_);
    std::error_code ec;
    // Read-only folders made by tests must not stop the clean-up.
    for (auto& entry : std::filesystem::recursive_directory_iterator(root_, ec)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    }
    std::filesystem::remove_all(root_, ec);
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::set<std::string> namesIn(const std::filesystem::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

}  // namespace vorn::test

#pragma once
// Test support: a private temporary folder that stands in for the user's home and XDG
// folders while a test runs, so no test touches the real user data.

#include <ctime>
#include <filesystem>
#include <set>
#include <string>

namespace vorn::test {

class TempHome {
  public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path dataHome() const { return root_ / "data"; }
    std::filesystem::path configHome() const { return root_ / "config"; }

  private:
    std::filesystem::path root_;
    std::string savedHome_, savedData_, savedConfig_, savedTmp_;
    bool hadHome_ = false, hadData_ = false, hadConfig_ = false, hadTmp_ = false;
};

// Writes bytes to a file, creating its folder.
void writeBytes(const std::filesystem::path& path, const std::string& bytes);
// Reads a whole file; empty when missing.
std::string readBytes(const std::filesystem::path& path);
// The names of the entries of folder.
std::set<std::string> namesIn(const std::filesystem::path& folder);

// A broken-down local time for tests that inject the clock of a time stamp.
inline std::tm makeLocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

}  // namespace vorn::test

#pragma once
// The program's own small settings (the saved language "LANGUAGE" and the like): named
// integer and string values in one JSON object kept in
// configFolder() + "VORN  8K Gaming Mouse/settings.json".
// Every call reads or writes the file whole, so several stores and processes see each
// other's values. A missing, unreadable or wrongly typed value reads as the fallback.

#include <cstdint>
#include <string>
#include <string_view>

namespace vorn::platform {

inline constexpr std::string_view kSettingsFileName = "settings.json";

class SettingsStore {
  public:
    // The user's settings file (folder taken from the environment now).
    SettingsStore();
    // A settings file elsewhere (tools, tests).
    explicit SettingsStore(std::string filePath);

    static std::string defaultFilePath();
    const std::string& filePath() const { return filePath_; }

    std::int64_t readInt(std::string_view name, std::int64_t fallback) const;
    std::string readString(std::string_view name, std::string_view fallback) const;

    // Stores the value and writes the file anew (temporary file in the same folder, flushed
    // to disk, renamed over the old one). False when that fails; the old file is then left
    // as it was. A file that could not be read is replaced by one holding only this value.
    bool writeInt(std::string_view name, std::int64_t value);
    bool writeString(std::string_view name, std::string_view value);

  private:
    std::string filePath_;
};

}  // namespace vorn::platform

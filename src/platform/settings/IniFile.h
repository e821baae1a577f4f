#pragma once
// Small "key=value" files in [section]s, as the skin frame keeps its choice in "main.ini".
// A write reads the file, changes the one value and writes the file anew (whole, through a
// temporary file); lines it does not change stay as they were.

#include <string>
#include <string_view>

namespace vorn::platform {

// Sets key in section (both made when missing). False, errno telling why, when the file
// exists but cannot be read (it is then left alone) or cannot be written.
bool writeIniString(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value);

// The value of key in section; fallback when the file, the section or the key is missing.
std::string readIniString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view fallback = {});

}  // namespace vorn::platform

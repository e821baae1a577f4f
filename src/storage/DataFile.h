#pragma once
// Reading and writing the program's stored documents (profiles, the profile list, macro,
// shoot and light files, update and language files). No call reports a failure to its
// caller: a missing, unreadable or unparsable document reads as the null value, which
// callers take as "absent". Writes replace the file whole (see writeFileAtomically), so a
// failed write leaves the old file, or no file, never a damaged one. Paths are UTF-8.

#include <json/json.h>

#include <string>

namespace vorn::storage {

// The whole file as bytes, ending at its first zero byte; empty when the file is missing,
// unreadable, no regular file or larger than 64 MiB. Writes the debug line
// "readjsonFile 错误吗：：<errno>" on every call (0 on success).
std::string ReadFileText(const std::string& path);

// The parsed document (comments allowed), or the null value when the file is empty,
// missing or broken. An empty read writes the path to the debug output.
Json::Value ReadJsonFile(const std::string& path);

// Writes the styled text of value followed by one more line end. Always returns 0.
int WriteJsonFile(const std::string& path, const Json::Value& value);

// Makes target a byte-for-byte copy of source; an unreadable source gives an empty target.
void CopyFileByChars(const std::string& source, const std::string& target);

}  // namespace vorn::storage

#pragma once
// The diagnostic log file: a small text file that keeps a few events across runs (the
// loss of a receiver-bound mouse link). Lines are "YYYY-MM-DD-hh-mm-ss:" followed by the
// message. The file never grows far beyond 4 MiB: a file already larger is emptied before
// the next line. Nobody is told when the file cannot be written.

#include <ctime>
#include <string>
#include <string_view>

namespace vorn::platform {

// Folder (below the local application-data folder, two blanks) and name of the log file.
inline constexpr std::string_view kLogFolderName = "VORN  P6";
inline constexpr std::string_view kLogFileName = "Ombrix.log";
// A log larger than this is emptied before the next line; one of exactly this size is not.
inline constexpr long long kLogSizeLimit = 4194304;

// localAppDataFolder() + "VORN  P6/Ombrix.log".
std::string logFilePath();

// Appends "<local time>:<message>\n". The folder is not created: when it is missing (or
// the file cannot be opened) "unable to open log file" goes to stderr and nothing else
// happens.
void appendLogLine(std::string_view message);
// The same with the time stamp taken from localTime (a broken-down local time).
void appendLogLine(std::string_view message, const std::tm& localTime);

}  // namespace vorn::platform

#pragma once
// Starting the program with the user's desktop session: an XDG autostart entry,
// "$XDG_CONFIG_HOME/autostart/io.vorn.Vorn.desktop", that the desktop runs at log-in.

#include <string>

namespace vorn::platform {

std::string autostartEntryPath();

// Whether the desktop starts the program at log-in (the entry exists and is not hidden).
bool isAutostartEnabled();

// Writes the entry for the program at programPath (whole, as every file of the program), or
// removes it. False, errno telling why, when that failed; the old state is then left.
bool setAutostartEnabled(bool enabled, const std::string& programPath);

}  // namespace vorn::platform

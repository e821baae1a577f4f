#pragma once
// The program's folders. Every folder is returned as UTF-8 text ending in '/'.

#include <string>
#include <string_view>

namespace vorn::platform {

// Name of the user's data folder below the local application-data folder. Two blanks.
inline constexpr std::string_view kUserFolderName = "VORN  8K Gaming Mouse";

// Folder of the running executable (skin/, Font/, DefaultData/ live beside it).
std::string programFolder();
// Lets tests and tools point the program folder elsewhere; empty restores the real one.
void setProgramFolderOverride(std::string folder);

// programFolder() + "DefaultData/": read-only factory data.
std::string defaultDataFolder();

// programFolder() + "skin/": layouts, images and language files.
std::string skinFolder();

// $XDG_DATA_HOME, else $HOME/.local/share. Not created.
std::string localAppDataFolder();

// $XDG_CONFIG_HOME, else $HOME/.config. Not created.
std::string configFolder();

// localAppDataFolder() + "VORN  8K Gaming Mouse/", created on first use.
std::string userFolder();

// userFolder() + displayName + "/", created on first use.
std::string deviceDataFolder(std::string_view displayName);

// $TMPDIR, else /tmp.
std::string tempFolder();

}  // namespace vorn::platform

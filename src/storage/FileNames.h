#pragma once
// Helpers for names of files and of user-made items (profiles, macros).

#include <string>
#include <string_view>

namespace vorn::storage {

// The file name without drive, folders and extension; '/' and '\' both separate folders.
// "C:\a\b.mac" -> "b", "/x/y.Json" -> "y", "noext" -> "noext".
std::string FileBaseName(std::string_view path);
std::wstring FileBaseName(std::wstring_view path);

// True when nothing but white space (ASCII or Unicode) is left, e.g. for "", "  ", "\u3000".
bool IsBlankName(std::string_view name);
bool IsBlankName(std::wstring_view name);

}  // namespace vorn::storage

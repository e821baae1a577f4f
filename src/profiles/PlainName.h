#pragma once
// File names taken from documents (profile identifiers, effect GUIDs) are used only as
// plain names inside a known folder, so that no document can lead a read or write out of it.

#include <string>
#include <string_view>

namespace vorn::profiles {

// The part after the last '/' or '\'; empty for "." and "..".
std::string PlainName(std::string_view name);

}  // namespace vorn::profiles

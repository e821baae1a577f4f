#pragma once
// Names for new, copied and imported profiles. Names within one list are unique without
// regard to case (in every script: "Ä" and "ä" are the same name).

#include <string>
#include <string_view>
#include <vector>

namespace vorn::profiles {

// Whether some name other than names[except] equals name, ignoring case.
bool IsNameUsed(const std::vector<std::string>& names, std::string_view name, int except = -1);

// "Profile1", "Profile2", ...: the first that is not used.
std::string NewProfileName(const std::vector<std::string>& names);
// "A copy", then "A copy copy", and so on, until the name is free.
std::string CopyProfileName(const std::vector<std::string>& names, std::string_view source);
// base, then base(1), base(1)(2), ...: the counter grows with every collision.
std::string ImportProfileName(const std::vector<std::string>& names, std::string_view base);

}  // namespace vorn::profiles

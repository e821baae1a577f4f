#pragma once
// Finding the profiles of a device data folder from the profile files themselves, for
// when the list that names them is gone or broken.

#include <string>
#include <vector>

namespace vorn::profiles {

struct FoundProfile {
    std::string name;
    std::string id;  // the file's name without ".Json"
};

// Every "<id>.Json" file of folder whose document holds "profilename" and "profileUUID"
// as text, oldest identifier first (identifiers are time stamps), at most limit of them.
// Files are only read.
std::vector<FoundProfile> FindProfileFiles(const std::string& folder, std::size_t limit);

}  // namespace vorn::profiles

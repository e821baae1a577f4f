#include "profiles/ProfileFolderScan.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "profiles/JsonFields.h"
#include "profiles/ProfileKeys.h"
#include "storage/DataFile.h"
#include "storage/TimestampId.h"

namespace vorn::profiles {
namespace {

constexpr std::string_view kExtension = ".Json";

bool isText(const Json::Value& document, const char* key) {
    const Json::Value* value = findMember(document, key);
    return value != nullptr && value->isString();
}

}  // namespace

std::vector<FoundProfile> FindProfileFiles(const std::string& folder, std::size_t limit) {
    namespace fs = std::filesystem;
    std::vector<FoundProfile> found;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const std::string file = it->path().filename().string();
        if (file.size() <= kExtension.size() ||
            file.compare(file.size() - kExtension.size(), kExtension.size(), kExtension) != 0 ||
            !it->is_regular_file(ec)) {
            continue;
        }
        const storage::Document document = storage::ReadDocument(it->path().string());
        if (document.state != storage::DocumentState::Read ||
            !isText(document.value, keys::kProfileName) ||
            !isText(document.value, keys::kProfileId)) {
            continue;
        }
        found.push_back({document.value[keys::kProfileName].asString(),
                         file.substr(0, file.size() - kExtension.size())});
    }
    std::sort(found.begin(), found.end(), [](const FoundProfile& a, const FoundProfile& b) {
        return storage::TimestampIdLess(a.id, b.id);
    });
    if (found.size() > limit) {
        found.resize(limit);
    }
    return found;
}

}  // namespace vorn::profiles

#include "profiles/ProfileNames.h"

#include "platform/text/Text.h"

namespace vorn::profiles {

bool IsNameUsed(const std::vector<std::string>& names, std::string_view name, int except) {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (static_cast<int>(i) != except && platform::equalsIgnoreCase(names[i], name)) {
            return true;
        }
    }
    return false;
}

std::string NewProfileName(const std::vector<std::string>& names) {
    for (int n = 1;; ++n) {
        std::string candidate = platform::formatText("Profile%d", n);
        if (!IsNameUsed(names, candidate)) {
            return candidate;
        }
    }
}

std::string CopyProfileName(const std::vector<std::string>& names, std::string_view source) {
    std::string candidate = std::string(source) + " copy";
    while (IsNameUsed(names, candidate)) {
        candidate += " copy";
    }
    return candidate;
}

std::string ImportProfileName(const std::vector<std::string>& names, std::string_view base) {
    std::string candidate(base);
    for (int k = 1; IsNameUsed(names, candidate); ++k) {
        candidate += platform::formatText("(%d)", k);
    }
    return candidate;
}

}  // namespace vorn::profiles

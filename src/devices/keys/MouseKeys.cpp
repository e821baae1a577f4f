#include "devices/keys/MouseKeys.h"

#include "devices/keys/KeyNames.h"

namespace vorn::devices {

std::string mouseKeyLabel(std::size_t index) {
    if (index >= kMouseFactoryCodes.size()) {
        return {};
    }
    AssignmentName name = assignmentName(kMouseFactoryCodes[index], {});
    return name.keys.empty() ? std::string() : std::move(name.keys.front());
}

}  // namespace vorn::devices

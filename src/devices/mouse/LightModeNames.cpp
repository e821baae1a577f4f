#include "devices/mouse/LightModeNames.h"

#include <algorithm>

#include "profiles/JsonFields.h"
#include "storage/DataFile.h"

namespace vorn::devices::mouse {

LightNames readLightNames(const std::string& path, int set) {
    using namespace profiles;
    LightNames names;
    const Json::Value document = storage::ReadJsonFile(path);
    if (const Json::Value* all = findArray(document, "DefaultLightName")) {
        if (const Json::Value* modes = findArrayAt(*all, set)) {
            for (const Json::Value& row : *modes) {
                names.modes.push_back({textMember(row, "LightName"), flagMember(row, "visible"),
                                       static_cast<std::uint8_t>(intMember(row, "value"))});
            }
        }
    }
    if (const Json::Value* all = findArray(document, "AreaLightName")) {
        if (const Json::Value* areas = findArrayAt(*all, set)) {
            for (const Json::Value& row : *areas) {
                names.areas.push_back(textMember(row, "LightName"));
            }
        }
    }
    return names;
}

std::uint8_t lightModeCode(const LightNames& names, int mode) {
    if (names.modes.empty()) {
        return static_cast<std::uint8_t>(mode);
    }
    const bool addressable = mode >= 0 && mode < kAddressableLightModes &&
                             static_cast<std::size_t>(mode) < names.modes.size();
    return names.modes[addressable ? static_cast<std::size_t>(mode) : 0].code;
}

std::optional<std::uint8_t> lightModeIndex(const LightNames& names, std::uint8_t code) {
    const std::size_t count =
        std::min(names.modes.size(), static_cast<std::size_t>(kAddressableLightModes));
    for (std::size_t i = 0; i < count; ++i) {
        if (names.modes[i].code == code) {
            return static_cast<std::uint8_t>(i);
        }
    }
    return std::nullopt;
}

}  // namespace vorn::devices::mouse

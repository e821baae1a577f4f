#include "profiles/KeyboardProfiledata.h"

#include "profiles/JsonFields.h"

namespace vorn::profiles {
namespace {

constexpr char kCustomLightMode[] = "CustomLightMode";
constexpr char kGroupIndex[] = "CustomLightModeGroupIndex";
constexpr char kColourGroups[] = "LightColorInfo";
constexpr char kSystemStages[] = "SystemStages";

using ColourKey = FieldKey<KeyColour, std::uint8_t>;
constexpr ColourKey kColourFields[] = {
    {"Red", &KeyColour::red},
    {"Green", &KeyColour::green},
    {"Blue", &KeyColour::blue},
    {"Alpha", &KeyColour::alpha},
};

using SettingKey = FieldKey<KeyboardSystemSettings, std::uint16_t>;
constexpr SettingKey kSettingFields[] = {
    {"Repeat", &KeyboardSystemSettings::repeat},
    {"RepeatDelay", &KeyboardSystemSettings::repeatDelay},
    {"Key6Flag", &KeyboardSystemSettings::key6Flag},
    {"PollingRate", &KeyboardSystemSettings::pollingRate},
    {"WFlag", &KeyboardSystemSettings::wFlag},
    {"WinFlag", &KeyboardSystemSettings::winFlag},
};

}  // namespace

std::int32_t CKeyboardProfiledata::ReadCustomLightGroup() const {
    const Json::Value* mode = findObject(CurrentEntry(), kCustomLightMode);
    return mode != nullptr ? intMember(*mode, kGroupIndex) : 0;
}

void CKeyboardProfiledata::WriteCustomLightGroup(std::int32_t group) {
    objectMember(currentEntry(), kCustomLightMode)[kGroupIndex] = group;
}

const std::vector<KeyColour>& CKeyboardProfiledata::ReadCustomLightColours(int group,
                                                                           int keyCount) {
    colours_.assign(static_cast<std::size_t>(std::max(keyCount, 0)), KeyColour{});
    if (!isWritableIndex(group) || !isWritableIndex(keyCount - 1)) {
        return colours_;
    }
    Json::Value& groups =
        arrayMember(objectMember(currentEntry(), kCustomLightMode), kColourGroups);
    Json::Value& keys = arrayAt(groups, group);
    for (int j = 0; j < keyCount; ++j) {
        if (const Json::Value* colour = findObjectAt(keys, j)) {
            readFields(*colour, kColourFields, colours_[static_cast<std::size_t>(j)]);
        } else {
            writeFields(objectAt(keys, j), kColourFields, KeyColour{});
        }
    }
    return colours_;
}

void CKeyboardProfiledata::WriteCustomLightColours(int group, std::span<const KeyColour> colours) {
    if (!isWritableIndex(group)) {
        return;
    }
    Json::Value& groups =
        arrayMember(objectMember(currentEntry(), kCustomLightMode), kColourGroups);
    Json::Value& keys = arrayAt(groups, group);
    for (std::size_t i = 0; i < colours.size() && isWritableIndex(static_cast<std::int64_t>(i));
         ++i) {
        writeFields(objectAt(keys, static_cast<std::int64_t>(i)), kColourFields, colours[i]);
    }
}

KeyboardSystemSettings CKeyboardProfiledata::ReadSystemSettings() const {
    KeyboardSystemSettings settings;
    if (const Json::Value* system = findObject(CurrentEntry(), kSystemStages)) {
        readFields(*system, kSettingFields, settings);
    }
    return settings;
}

void CKeyboardProfiledata::WriteSystemSettings(const KeyboardSystemSettings& settings) {
    writeFields(objectMember(currentEntry(), kSystemStages), kSettingFields, settings);
}

}  // namespace vorn::profiles

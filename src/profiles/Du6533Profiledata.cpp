#include "profiles/Du6533Profiledata.h"

#include "profiles/JsonFields.h"
#include "profiles/ProfileKeys.h"

namespace vorn::profiles {
namespace {

constexpr char kPresetValues[] = "EQHzValueInfo";
constexpr char kBandValue[] = "value";
constexpr char kName[] = "Name";
constexpr char kSystemSetStages[] = "SystemSetStages";

// The last built-in preset.
constexpr int kLastPreset = 12;

using SettingKey = FieldKey<HeadsetSystemSettings, std::int32_t>;
constexpr SettingKey kSettingFields[] = {
    {"MagicEnable", &HeadsetSystemSettings::magicEnable},
    {"MagicType", &HeadsetSystemSettings::magicType},
    {"EqType", &HeadsetSystemSettings::eqType},
    {"CustomEqSeletIndex", &HeadsetSystemSettings::customEqIndex},
    {"MicInSelect", &HeadsetSystemSettings::micInSelect},
    {"MicInValue", &HeadsetSystemSettings::micInValue},
    {"MicMoniterSelect", &HeadsetSystemSettings::micMonitorSelect},
    {"MicMoniterValue", &HeadsetSystemSettings::micMonitorValue},
};

}  // namespace

std::optional<int> CDu6533Profiledata::PresetIndex(int eqType) {
    if (eqType == kCustomEqType) {
        return std::nullopt;
    }
    return eqType >= 1 && eqType <= kLastPreset ? eqType : 1;
}

EqGains CDu6533Profiledata::readBands(const char* key, int index) {
    EqGains gains{};
    if (!isWritableIndex(index)) {
        return gains;
    }
    const Json::Value* all = findArray(CurrentEntry(), key);
    const Json::Value* bands = all != nullptr ? findArrayAt(*all, index) : nullptr;
    if (bands != nullptr) {
        for (int b = 0; b < kEqBandCount; ++b) {
            const Json::Value* band = findObjectAt(*bands, b);
            gains[static_cast<std::size_t>(b)] = band != nullptr ? intMember(*band, kBandValue) : 0;
        }
        return gains;
    }
    Json::Value& created = arrayAt(arrayMember(currentEntry(), key), index);
    for (int b = 0; b < kEqBandCount; ++b) {
        objectAt(created, b)[kBandValue] = 0;
    }
    return gains;
}

EqGains CDu6533Profiledata::ReadCustomEq(int index) {
    return readBands(keys::kCustomEqValues, index);
}

std::optional<EqGains> CDu6533Profiledata::ReadPresetEq(int eqType) {
    const std::optional<int> preset = PresetIndex(eqType);
    if (!preset) {
        return std::nullopt;
    }
    return readBands(kPresetValues, *preset);
}

void CDu6533Profiledata::WritePresetEq(int eqType, const EqGains& gains) {
    const std::optional<int> preset = PresetIndex(eqType);
    if (!preset) {
        return;
    }
    Json::Value& bands = arrayAt(arrayMember(currentEntry(), kPresetValues), *preset);
    for (int b = 0; b < kEqBandCount; ++b) {
        objectAt(bands, b)[kBandValue] = gains[static_cast<std::size_t>(b)];
    }
}

std::vector<std::string> CDu6533Profiledata::ReadCustomEqNames() const {
    std::vector<std::string> names;
    if (const Json::Value* list = findArray(CurrentEntry(), keys::kCustomEqNames)) {
        for (const Json::Value& element : *list) {
            names.push_back(textMember(element, kName));
        }
    }
    return names;
}

void CDu6533Profiledata::WriteCustomEqNames(const std::vector<std::string>& names) {
    Json::Value list(Json::arrayValue);
    for (const std::string& name : names) {
        Json::Value element(Json::objectValue);
        element[kName] = name;
        list.append(element);
    }
    asObject(currentEntry())[keys::kCustomEqNames] = list;
}

HeadsetSystemSettings CDu6533Profiledata::ReadSystemSettings() const {
    HeadsetSystemSettings settings;
    if (const Json::Value* system = findObject(CurrentEntry(), kSystemSetStages)) {
        readFields(*system, kSettingFields, settings);
    }
    return settings;
}

void CDu6533Profiledata::WriteSystemSettings(const HeadsetSystemSettings& settings) {
    writeFields(objectMember(currentEntry(), kSystemSetStages), kSettingFields, settings);
}

}  // namespace vorn::profiles

#include "profiles/BasicProfiledata.h"

#include <filesystem>

#include "profiles/JsonFields.h"
#include "profiles/PlainName.h"
#include "profiles/ProfileKeys.h"
#include "storage/DataFile.h"
#include "storage/FolderLock.h"

namespace vorn::profiles {
namespace {

using LightKey = FieldKey<LightSetting, std::uint8_t>;
constexpr LightKey kLightInfoFields[] = {
    {"SelectItem", &LightSetting::mode},
    {"Light", &LightSetting::brightness},
    {"Speed", &LightSetting::speed},
    {"Fx", &LightSetting::direction},
    {"MultiColor", &LightSetting::multiColour, true},
    {"Red", &LightSetting::red},
    {"Green", &LightSetting::green},
    {"Blue", &LightSetting::blue},
    {"ZZCCLedMode", &LightSetting::zzccMode},
    {"CustomGroup", &LightSetting::customGroup},
    {"OldLedmode", &LightSetting::previousMode},
};

using AudioKey = FieldKey<AudioLightSetting, std::uint8_t>;
constexpr AudioKey kAudioLightFields[] = {
    {"AudioMode", &AudioLightSetting::audioMode},
    {"BkColorR", &AudioLightSetting::backRed},
    {"BkColorG", &AudioLightSetting::backGreen},
    {"BkColorB", &AudioLightSetting::backBlue},
    {"FgColorR", &AudioLightSetting::foreRed},
    {"FgColorG", &AudioLightSetting::foreGreen},
    {"FgColorB", &AudioLightSetting::foreBlue},
    {"7ColorFlags", &AudioLightSetting::sevenColours, true},
    {"ColorTypeFlags", &AudioLightSetting::editingForeground, true},
};

using SlotKey = FieldKey<LightSlotRecord, std::uint8_t>;
constexpr SlotKey kLightSlotFields[] = {
    {"LEDREGMode", &LightSlotRecord::mode},
    {"LEDBrightness", &LightSlotRecord::brightness},
    {"LEDSpeed", &LightSlotRecord::speed},
    {"LEDDirection", &LightSlotRecord::direction, true},
    {"LEDMultiColor", &LightSlotRecord::multiColour, true},
    {"red", &LightSlotRecord::red},
    {"green", &LightSlotRecord::green},
    {"blue", &LightSlotRecord::blue},
};

using StepKey = FieldKey<LightEffectStep, std::uint8_t>;
constexpr StepKey kEffectStepFields[] = {
    {"LEDREGMode", &LightEffectStep::mode},
    {"LEDBrightness", &LightEffectStep::brightness},
    {"LEDSpeed", &LightEffectStep::speed},
    {"LEDDirection", &LightEffectStep::direction},
    {"LEDMultiColor", &LightEffectStep::multiColour},
    {"red", &LightEffectStep::red},
    {"green", &LightEffectStep::green},
    {"blue", &LightEffectStep::blue},
};
using StepWordKey = FieldKey<LightEffectStep, std::int32_t>;
constexpr StepWordKey kEffectStepWords[] = {
    {"Time", &LightEffectStep::time},
    {"Cyle", &LightEffectStep::cycle},
};

void readKeyList(const Json::Value& entry, std::vector<KeyRecord>& records) {
    records.clear();
    const Json::Value* list = findArray(entry, keys::kKeyList);
    if (list == nullptr) {
        return;
    }
    for (Json::ArrayIndex i = 0; i < list->size(); ++i) {
        const Json::Value& key = (*list)[i];
        KeyRecord record;
        record.keyIndex = static_cast<std::uint16_t>(i);
        record.defaultKeyIndex = static_cast<std::uint16_t>(i);
        record.current = KeyAssignment::fromCode(intMember(key, keys::kAssignment));
        record.factory = KeyAssignment::fromCode(intMember(key, keys::kDefaultAssignment));
        records.push_back(record);
    }
}

void writeKeyList(Json::Value& entry, std::span<const KeyRecord> records) {
    if (records.empty()) {
        return;
    }
    Json::Value& list = arrayMember(entry, keys::kKeyList);
    for (std::size_t i = 0; i < records.size() && isWritableIndex(static_cast<std::int64_t>(i));
         ++i) {
        objectAt(list, static_cast<std::int64_t>(i))[keys::kAssignment] = records[i].current.code();
    }
}

bool hasKeyList(const Json::Value& entry) {
    return findArray(entry, keys::kKeyList) != nullptr;
}

}  // namespace

Json::Value deviceEntry(const Json::Value& document, std::int32_t slot) {
    const Json::Value* devices = findArray(document, keys::kDevice);
    const Json::Value* entry = devices != nullptr ? findObjectAt(*devices, slot) : nullptr;
    return entry != nullptr ? *entry : Json::Value();
}

void putDeviceEntry(Json::Value& document, std::int32_t slot, const Json::Value& entry) {
    arrayMember(document, keys::kDevice)[static_cast<Json::ArrayIndex>(slot)] = entry;
}

void CBasicProfiledata::Save() {
    SaveEntry(current_, profilePath_);
}

void CBasicProfiledata::SaveEntry(const Json::Value& entry, const std::string& path) {
    if (path.empty() || !hasKeyList(entry)) {
        lastSaveStored_ = false;
        return;
    }
    // The file is read and written back under the folder's lock, and a file that cannot
    // be read is left alone rather than replaced by this one entry.
    storage::FolderLock lock(storage::FolderOfFile(path));
    Json::Value document;
    lastSaveStored_ = storage::ReadDocumentForUpdate(path, document);
    if (!lastSaveStored_) {
        return;
    }
    putDeviceEntry(document, deviceSlot_, entry);
    lastSaveStored_ = storage::StoreJsonFile(path, document);
}

void CBasicProfiledata::SaveOtherEntry(const std::string& path) {
    SaveEntry(other_, path);
}

void CBasicProfiledata::WriteDocument(const Json::Value& value, const std::string& path) {
    lastSaveStored_ = storage::StoreJsonFile(path, value);
}

void CBasicProfiledata::SetProfilePath(const std::string& path) {
    if (!path.empty()) {
        profilePath_ = path;
    }
}

void CBasicProfiledata::SetDefaultProfilePath(const std::string& path) {
    if (!path.empty()) {
        defaultProfilePath_ = path;
    }
}

void CBasicProfiledata::SetDeviceSlot(std::int32_t slot) {
    if (isWritableIndex(slot)) {
        deviceSlot_ = slot;
    }
}

void CBasicProfiledata::loadInto(Json::Value& entry, const std::string& path) {
    if (path.empty()) {
        entry = deviceEntry(storage::ReadJsonFile(defaultProfilePath_), deviceSlot_);
        return;
    }
    storage::FolderLock lock(storage::FolderOfFile(path));
    Json::Value document;
    if (!storage::ReadDocumentForUpdate(path, document)) {
        // The profile exists but cannot be read: the page goes on with the factory entry
        // in memory, and the file stays as it is.
        entry = deviceEntry(storage::ReadJsonFile(defaultProfilePath_), deviceSlot_);
        return;
    }
    entry = deviceEntry(document, deviceSlot_);
    if (!entry.isNull()) {
        return;
    }
    // No entry for this model: take the factory entry and store it in the profile, so a
    // missing file is created and a profile of another model gains this model's entry.
    entry = deviceEntry(storage::ReadJsonFile(defaultProfilePath_), deviceSlot_);
    putDeviceEntry(document, deviceSlot_, entry);
    storage::StoreJsonFile(path, document);
}

Json::Value CBasicProfiledata::LoadEntry(const std::string& path) {
    loadInto(current_, path);
    return current_;
}

Json::Value CBasicProfiledata::LoadOtherEntry(const std::string& path) {
    loadInto(other_, path);
    return other_;
}

Json::Value CBasicProfiledata::LoadLightConfig(const std::string& path) {
    lightConfig_ = storage::ReadJsonFile(path);
    return lightConfig_;
}

std::vector<LightEffectStep> CBasicProfiledata::LoadLightEffects() {
    std::vector<LightEffectStep> steps;
    const int effect = ReadLightInfo().mode - builtInEffectCount_;
    const Json::Value* perSlot = findArray(lightConfig_, keys::kLightInfo);
    const Json::Value* effects = perSlot != nullptr ? findArrayAt(*perSlot, deviceSlot_) : nullptr;
    const Json::Value* chosen =
        effect >= 0 && effects != nullptr ? findObjectAt(*effects, effect) : nullptr;
    const std::string name = chosen != nullptr ? PlainName(textMember(*chosen, "Guid")) : "";
    if (name.empty()) {
        return steps;
    }
    const std::filesystem::path folder = std::filesystem::path(lightConfigPath_).parent_path();
    const Json::Value file = storage::ReadJsonFile((folder / (name + ".light")).string());
    const Json::Value* list = findArray(file, "LEDEffectList");
    if (list == nullptr) {
        return steps;
    }
    for (const Json::Value& element : *list) {
        LightEffectStep step;
        readFields(element, kEffectStepFields, step);
        readFields(element, kEffectStepWords, step);
        steps.push_back(step);
    }
    return steps;
}

const std::vector<KeyRecord>& CBasicProfiledata::ReadKeyList() {
    readKeyList(current_, keyRecords_);
    return keyRecords_;
}

void CBasicProfiledata::WriteKeyList(std::span<const KeyRecord> records) {
    writeKeyList(current_, records);
}

const std::vector<KeyRecord>& CBasicProfiledata::ReadOtherKeyList() {
    readKeyList(other_, otherKeyRecords_);
    return otherKeyRecords_;
}

void CBasicProfiledata::WriteOtherKeyList(std::span<const KeyRecord> records) {
    writeKeyList(other_, records);
}

LightSetting CBasicProfiledata::ReadLightInfo() const {
    LightSetting light;
    if (const Json::Value* info = findObject(current_, keys::kLightInfo)) {
        readFields(*info, kLightInfoFields, light);
    }
    return light;
}

void CBasicProfiledata::WriteLightInfo(const LightSetting& light) {
    Json::Value info(Json::objectValue);
    writeFields(info, kLightInfoFields, light);
    asObject(current_)[keys::kLightInfo] = info;
}

AudioLightSetting CBasicProfiledata::ReadAudioLightInfo() const {
    AudioLightSetting light;
    if (const Json::Value* info = findObject(current_, keys::kAudioLightInfo)) {
        readFields(*info, kAudioLightFields, light);
    }
    return light;
}

void CBasicProfiledata::WriteAudioLightInfo(const AudioLightSetting& light) {
    Json::Value info(Json::objectValue);
    writeFields(info, kAudioLightFields, light);
    asObject(current_)[keys::kAudioLightInfo] = info;
}

const std::vector<LightSlotRecord>& CBasicProfiledata::ReadLightList() {
    lightSlots_.clear();
    if (const Json::Value* list = findArray(current_, keys::kLightList)) {
        for (const Json::Value& element : *list) {
            LightSlotRecord slot;
            if (element.isObject()) {
                readFields(element, kLightSlotFields, slot);
                slot.present = 1;
            }
            lightSlots_.push_back(slot);
        }
    }
    return lightSlots_;
}

}  // namespace vorn::profiles

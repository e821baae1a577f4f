#pragma once
// The profile data of one device: the device's settings as a profile file stores them,
// converted between their JSON form and the fixed-layout records the device classes send.
// A profile file can hold several models side by side: its "Device" array has one device
// entry per device slot, and this object reads and writes only the entry at its own slot.
// A model's default profile file (read-only) supplies the factory entry whenever a profile
// has none.
//
// Readers never change the entry they read; writers change only the entry in memory.
// Nothing reaches the disk before Save, SaveEntry or SaveOtherEntry. One object must not be
// used from two threads at once. Paths are UTF-8.

#include <json/json.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "profiles/records/KeyAssignment.h"
#include "profiles/records/LightEffectStep.h"
#include "profiles/records/LightSetting.h"
#include "profiles/records/LightSlotRecord.h"

namespace vorn::profiles {

class CBasicProfiledata {
  public:
    CBasicProfiledata() = default;
    virtual ~CBasicProfiledata() = default;
    CBasicProfiledata(const CBasicProfiledata&) = delete;
    CBasicProfiledata& operator=(const CBasicProfiledata&) = delete;

    // SaveEntry with the current entry and the current profile path.
    virtual void Save();
    // Stores entry at this object's slot of the profile file at path and writes the file
    // back whole. An entry without a "KeyList" array is no valid device entry: the file
    // is then left exactly as it was.
    virtual void SaveEntry(const Json::Value& entry, const std::string& path);
    // SaveEntry with the other entry.
    virtual void SaveOtherEntry(const std::string& path);
    // Writes a whole document as given.
    virtual void WriteDocument(const Json::Value& value, const std::string& path);
    // Whether the last Save, SaveEntry, SaveOtherEntry or WriteDocument reached the disk. A
    // profile file that exists but cannot be read is never written: it stays as it was.
    bool LastSaveStored() const { return lastSaveStored_; }

    // Paths; setting an empty path keeps the previous one.
    void SetProfilePath(const std::string& path);
    const std::string& GetProfilePath() const { return profilePath_; }
    void SetDefaultProfilePath(const std::string& path);
    const std::string& GetDefaultProfilePath() const { return defaultProfilePath_; }

    // The index of this object's entry in a profile's "Device" array (0 unless set).
    // Values outside 0..kMaxWritableIndex are ignored.
    void SetDeviceSlot(std::int32_t slot);
    std::int32_t GetDeviceSlot() const { return deviceSlot_; }

    // Makes the profile file's entry at this slot the current entry. When the file has
    // none (missing, damaged, or a profile of another model), the default profile's entry
    // is taken and written into the file, which is thereby created or completed; a damaged
    // file is kept as "<name>.damaged" first. A file that exists but cannot be read gives
    // the default entry in memory and is left as it is.
    // Returns a copy of the current entry.
    Json::Value LoadEntry(const std::string& path);
    // The same for the other entry, which serves to inspect and change another profile
    // without disturbing the current one.
    Json::Value LoadOtherEntry(const std::string& path);
    const Json::Value& CurrentEntry() const { return current_; }
    const Json::Value& OtherEntry() const { return other_; }

    // The light configuration document ("LightInfo" per slot: the user's light effects).
    void SetLightConfigPath(const std::string& path) { lightConfigPath_ = path; }
    const std::string& GetLightConfigPath() const { return lightConfigPath_; }
    Json::Value LoadLightConfig(const std::string& path);
    // The steps of the user light effect that the light record selects. The effect's file
    // is its "Guid" + ".light" in the folder of the light configuration file. Empty when a
    // built-in effect is selected or the document or the effect file is unreadable.
    std::vector<LightEffectStep> LoadLightEffects();

    // "KeyList": one record per element, key index = element index. Empty when missing.
    const std::vector<KeyRecord>& ReadKeyList();
    // Writes each record's current assignment to "KeyList"[i]."Assignment". The factory
    // assignment ("DefaultAssignment") is never written.
    void WriteKeyList(std::span<const KeyRecord> records);
    // The same on the other entry.
    const std::vector<KeyRecord>& ReadOtherKeyList();
    void WriteOtherKeyList(std::span<const KeyRecord> records);

    // "LightInfo" (all zero when missing); writing replaces the whole object.
    LightSetting ReadLightInfo() const;
    void WriteLightInfo(const LightSetting& light);
    // "AudioLightInfo" (all zero when missing); writing replaces the whole object.
    AudioLightSetting ReadAudioLightInfo() const;
    void WriteAudioLightInfo(const AudioLightSetting& light);
    // "LightList": one record per element; a null element gives a record not present.
    const std::vector<LightSlotRecord>& ReadLightList();

  protected:
    Json::Value& currentEntry() { return current_; }

  private:
    // Loads the entry at this slot of path into entry, falling back to the default entry.
    void loadInto(Json::Value& entry, const std::string& path);

    std::string profilePath_;
    std::string defaultProfilePath_;
    std::string lightConfigPath_;
    std::int32_t deviceSlot_ = 0;
    bool lastSaveStored_ = false;
    Json::Value current_;
    Json::Value other_;
    Json::Value lightConfig_;
    // The number of built-in light effects; every light mode counts as a user effect.
    int builtInEffectCount_ = 0;
    std::vector<KeyRecord> keyRecords_;
    std::vector<KeyRecord> otherKeyRecords_;
    std::vector<LightSlotRecord> lightSlots_;
};

// The device entry at slot of a profile document; null when there is none.
Json::Value deviceEntry(const Json::Value& document, std::int32_t slot);
// Puts entry at slot of the document's "Device" array (elements below stay or become null).
void putDeviceEntry(Json::Value& document, std::int32_t slot, const Json::Value& entry);

}  // namespace vorn::profiles

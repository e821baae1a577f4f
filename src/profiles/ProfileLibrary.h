#pragma once
// The user's named profiles of one device model: the list file "ProfileList.ini" (a JSON
// document despite its extension) in the model's device data folder, one profile file
// "<id>.Json" per profile beside it, and which profile is selected. Profiles belong to a
// model, not to a physical device. Several device pages of the same model share the
// files; every operation therefore reads the list file afresh before it changes it, and
// the names this object shows always mirror the list it read last.
//
// Limits: at most 50 profiles; names unique without regard to case; the last profile
// cannot be deleted. Messages are language keys for the message box.

#include <json/json.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/DeviceSlot.h"

namespace vorn::profiles {

inline constexpr int kMaxProfiles = 50;
inline constexpr char kProfileListFileName[] = "ProfileList.ini";
inline constexpr char kProfileFileExtension[] = ".Json";

// Language keys of the library's messages.
inline constexpr std::string_view kMessageTooManyProfiles = "message_text_32";
inline constexpr std::string_view kMessageNameUsed = "message_text_5";
inline constexpr std::string_view kMessageNameBlank = "message_text_25";

// Results of RenameProfile.
inline constexpr int kRenameNameUsed = 0;
inline constexpr int kRenameDone = 1;
inline constexpr int kRenameNameBlank = 2;
// The message to show for a rename result; empty for kRenameDone.
std::string_view RenameMessageKey(int result);

// What an operation did. messageKey names the message to show (empty: none); a refusal
// without a message key is a silent one.
struct ProfileOutcome {
    bool done = false;
    std::string_view messageKey;
    std::string name;  // the profile made (new, copy, import)
    std::string id;
};

class ProfileLibrary {
  public:
    // Milliseconds since the epoch; identifiers are this moment in local time.
    using TimeSource = std::function<std::int64_t()>;

    ProfileLibrary();

    void SetDeviceType(catalogue::DeviceType type) { deviceType_ = type; }
    catalogue::DeviceType GetDeviceType() const { return deviceType_; }
    // The device data folder (created by InitList when missing) and the model's default
    // profile file in the default data folder.
    void SetFolders(std::string deviceDataFolder, std::string defaultProfilePath);
    const std::string& GetDeviceDataFolder() const { return folder_; }
    const std::string& GetDefaultProfilePath() const { return defaultProfilePath_; }

    // Reads the list; a missing or broken list, or one without profiles, is replaced by a
    // list holding "Profile1", whose file is made from the default profile. Then selects
    // the profile "profileselect" names (the first when that is out of range).
    void InitList();
    // Reads the list again and selects its "profileselect".
    void ReloadList();
    // Selects profile index and records it as "profileselect" in the list file. Profile
    // files are not touched. False (nothing changed) when index names no profile.
    bool SelectProfile(int index);
    // -1 when nothing is selected.
    int GetSelectedIndex() const { return selected_; }
    int GetProfileCount() const { return static_cast<int>(names_.size()); }
    const std::vector<std::string>& GetProfileNames() const { return names_; }
    // The identifier of the selected profile (names its file).
    const std::string& GetCurrentProfileId() const { return currentId_; }
    // Reads the list again and takes the identifier of its "profileselect".
    void RefreshCurrentProfileId();
    // The file of the profile with identifier id.
    std::string ProfilePath(std::string_view id) const;
    std::string ListPath() const;

    // A profile "ProfileN" made from the default profile. Refused at 50 profiles with
    // kMessageTooManyProfiles. The selection stays.
    ProfileOutcome NewProfile();
    // A copy of the selected profile named "<name> copy". Silently refused at 50 profiles.
    ProfileOutcome CopyProfile();
    // Renames the selected profile: kRenameNameBlank for a name of white space only,
    // kRenameNameUsed when another profile has the name (ignoring case), else kRenameDone.
    int RenameProfile(const std::string& name);
    // Deletes the selected profile and its file and selects the one before it (the first
    // when the first was deleted). Refused when only one profile is left.
    ProfileOutcome DeleteProfile();
    // Adds the profile file at path under its file name (made unique) and a new identifier;
    // all other content stays as it is. Silently refused at 50 profiles and for a file that
    // fails IsImportable.
    ProfileOutcome ImportProfile(const std::string& path);
    // Writes the selected profile's file to path. False when that file cannot be read.
    bool ExportProfile(const std::string& path);
    // Gives the selected profile the factory settings; a headset keeps its user
    // equalisers. False when nothing is selected.
    bool ResetProfile();

    // The import check: a document with both "profilename" and "profileUUID".
    static bool IsImportable(const Json::Value& document);

    // Tests fix the clock that identifiers are made from.
    void SetTimeSource(TimeSource source) { now_ = std::move(source); }
    // The list document as last read or written.
    const Json::Value& ListDocument() const { return list_; }

  private:
    void loadList();
    // Selects the list's "profileselect" (the first profile when out of range).
    void reloadSelection();
    void writeList();
    std::string entryId(int index) const;
    std::string newId() const;
    bool idInUse(const std::string& id) const;
    // Appends a list entry, writes the list and writes document (named and identified)
    // as the new profile's file.
    ProfileOutcome addProfile(const std::string& name, Json::Value document);
    void writeProfileFile(const std::string& id, const std::string& name, Json::Value document);

    catalogue::DeviceType deviceType_ = catalogue::DeviceType::Mouse;
    std::string folder_;
    std::string defaultProfilePath_;
    Json::Value list_;
    std::vector<std::string> names_;
    int selected_ = -1;
    std::string currentId_;
    TimeSource now_;
};

}  // namespace vorn::profiles

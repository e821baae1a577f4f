#pragma once
// The user's named profiles of one device model: the list file "ProfileList.ini" (a JSON
// document despite its extension) in the model's device data folder, one profile file
// "<id>.Json" per profile beside it, and which profile is selected. Profiles belong to a
// model, not to a physical device. Several device pages of the same model share the
// files, and so may the application and vornctl running together: every operation holds
// the folder's lock (storage::FolderLock), reads the list file afresh and writes what it
// changed before it lets go, and the names this object shows mirror the list it read last.
//
// Nothing stored is lost on the strength of a failed read. A list that exists but cannot
// be read leaves every file alone: the names shown are then the ones read before, or
// those the profile files give, and every change is refused until the list reads again
// (LastProblem says why). A missing, damaged or empty list is rebuilt from the profile
// files of the folder; a damaged one is kept as "ProfileList.ini.damaged" first.
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
// The list or the profile could not be read or written; nothing was changed.
inline constexpr int kRenameNotStored = 3;
// The name holds a control character (a line break, a tab); it would break the list's
// display in every menu.
inline constexpr int kRenameNameInvalid = 4;
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

    // Reads the list; a missing or broken list, or one without profiles, is rebuilt from
    // the folder's profile files, and when there are none it becomes a list holding
    // "Profile1", whose file is made from the default profile. Then selects the profile
    // "profileselect" names (the first when that is out of range).
    void InitList();
    // Reads the list again and selects its "profileselect".
    void ReloadList();
    // Selects profile index and records it as "profileselect" in the list file (only in
    // memory while the list cannot be read). Profile files are not touched. False (nothing
    // changed) when index names no profile.
    bool SelectProfile(int index);
    // -1 when nothing is selected.
    int GetSelectedIndex() const { return selected_; }
    int GetProfileCount() const { return static_cast<int>(names_.size()); }
    const std::vector<std::string>& GetProfileNames() const { return names_; }
    // The identifier of the selected profile (names its file).
    const std::string& GetCurrentProfileId() const { return currentId_; }
    // Reads the list again and takes the identifier of its "profileselect".
    void RefreshCurrentProfileId();
    // The file of the profile with identifier id; empty for an empty id (a profile that
    // exists only in memory has no file).
    std::string ProfilePath(std::string_view id) const;
    std::string ListPath() const;

    // A profile "ProfileN" made from the default profile. Refused at 50 profiles with
    // kMessageTooManyProfiles. The selection stays.
    ProfileOutcome NewProfile();
    // A copy of the selected profile named "<name> copy". Silently refused at 50 profiles.
    ProfileOutcome CopyProfile();
    // Renames the selected profile: kRenameNameBlank for a name of white space only,
    // kRenameNameInvalid for one with a control character, kRenameNameUsed when another
    // profile has the name (ignoring case), kRenameNotStored when the files could not be
    // read or written, else kRenameDone.
    int RenameProfile(const std::string& name);
    // Deletes the selected profile and its file and selects the one before it (the first
    // when the first was deleted). Refused when only one profile is left.
    ProfileOutcome DeleteProfile();
    // Adds the profile file at path under its file name (made unique) and a new identifier;
    // all other content stays as it is. Silently refused at 50 profiles, for a file that
    // fails IsImportable and for a file name with a control character.
    ProfileOutcome ImportProfile(const std::string& path);
    // Writes the selected profile's file to path. False when that file cannot be read or
    // path cannot be written.
    bool ExportProfile(const std::string& path);
    // Gives the selected profile the factory settings; a headset keeps its user
    // equalisers. False when nothing is selected.
    bool ResetProfile();

    // Whether the list file read as it is on disk (or was absent); false while it exists
    // but cannot be read.
    bool ListReadable() const { return listReadable_; }
    // Why the last operation failed or was refused for a reason other than the rules
    // above, as one English sentence (a file that could not be read or written); empty
    // when it went well.
    const std::string& LastProblem() const { return problem_; }

    // The import check: a document with both "profilename" and "profileUUID".
    static bool IsImportable(const Json::Value& document);

    // Tests fix the clock that identifiers are made from.
    void SetTimeSource(TimeSource source) { now_ = std::move(source); }
    // The list document as last read or written.
    const Json::Value& ListDocument() const { return list_; }

  private:
    // Reads the list into list_ and names_, repairing and storing what is missing (see
    // above). False when the list cannot be read: nothing may then be changed.
    bool loadList();
    // Gives the list's entries without an identifier a fresh one and a profile file, and
    // an empty list the profiles found in the folder. True when list_ changed.
    bool repairList();
    // The names shown while the list cannot be read.
    void useNamesInMemory();
    // List entries for the profile files of the folder, oldest first.
    Json::Value entriesInFolder() const;
    // Selects the list's "profileselect" (the first profile when out of range).
    void reloadSelection();
    // Selects index of the list in memory and stores the choice when the list is readable.
    void selectLoaded(int index);
    bool writeList();
    std::string entryId(int index) const;
    std::string newId() const;
    bool idInUse(const std::string& id) const;
    // Writes document (named and identified) as a new profile's file, then appends its
    // list entry and writes the list; the file goes again when the list cannot be written.
    ProfileOutcome addProfile(const std::string& name, Json::Value document);
    bool writeProfileFile(const std::string& id, const std::string& name, Json::Value document);
    // Records why the operation under way failed.
    void fail(const char* what, const std::string& path, int error);

    catalogue::DeviceType deviceType_ = catalogue::DeviceType::Mouse;
    std::string folder_;
    std::string defaultProfilePath_;
    Json::Value list_;
    std::vector<std::string> names_;
    int selected_ = -1;
    std::string currentId_;
    bool listReadable_ = true;
    std::string problem_;
    TimeSource now_;
};

}  // namespace vorn::profiles

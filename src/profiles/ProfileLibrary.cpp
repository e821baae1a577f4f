#include "profiles/ProfileLibrary.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/debug/DebugSink.h"
#include "profiles/BasicProfiledata.h"
#include "profiles/JsonFields.h"
#include "profiles/PlainName.h"
#include "profiles/ProfileKeys.h"
#include "profiles/ProfileNames.h"
#include "storage/DataFile.h"
#include "storage/FileNames.h"
#include "storage/TimestampId.h"

namespace vorn::profiles {
namespace {

constexpr char kProfileList[] = "profilelist";
constexpr char kProfileSelect[] = "profileselect";
constexpr char kProfileIsLink[] = "profileislink";
constexpr char kProfileLinkName[] = "profilelinkmame";

std::int64_t realTimeMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::string timestampId(std::int64_t ms) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    return storage::MakeTimestampId(local, static_cast<int>(ms % 1000));
}

Json::Value listEntry(const std::string& name, const std::string& id) {
    Json::Value entry(Json::objectValue);
    entry[keys::kProfileName] = name;
    entry[keys::kProfileId] = id;
    entry[kProfileIsLink] = 0;
    entry[kProfileLinkName] = "";
    return entry;
}

std::string withSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') {
        folder.push_back('/');
    }
    return folder;
}

}  // namespace

std::string_view RenameMessageKey(int result) {
    switch (result) {
        case kRenameNameUsed:
            return kMessageNameUsed;
        case kRenameNameBlank:
            return kMessageNameBlank;
        default:
            return {};
    }
}

ProfileLibrary::ProfileLibrary() : now_(realTimeMs) {}

void ProfileLibrary::SetFolders(std::string deviceDataFolder, std::string defaultProfilePath) {
    folder_ = withSlash(std::move(deviceDataFolder));
    defaultProfilePath_ = std::move(defaultProfilePath);
}

std::string ProfileLibrary::ListPath() const {
    return folder_ + kProfileListFileName;
}

std::string ProfileLibrary::ProfilePath(std::string_view id) const {
    return folder_ + PlainName(id) + kProfileFileExtension;
}

bool ProfileLibrary::IsImportable(const Json::Value& document) {
    return findMember(document, keys::kProfileName) != nullptr &&
           findMember(document, keys::kProfileId) != nullptr;
}

void ProfileLibrary::loadList() {
    list_ = storage::ReadJsonFile(ListPath());
    names_.clear();
    if (const Json::Value* entries = findArray(list_, kProfileList)) {
        for (const Json::Value& entry : *entries) {
            names_.push_back(textMember(entry, keys::kProfileName));
        }
    }
    if (selected_ >= GetProfileCount()) {
        selected_ = GetProfileCount() - 1;
    }
}

void ProfileLibrary::writeList() {
    storage::WriteJsonFile(ListPath(), list_);
}

std::string ProfileLibrary::entryId(int index) const {
    const Json::Value* entries = findArray(list_, kProfileList);
    const Json::Value* entry = entries != nullptr ? findObjectAt(*entries, index) : nullptr;
    return entry != nullptr ? textMember(*entry, keys::kProfileId) : std::string();
}

bool ProfileLibrary::idInUse(const std::string& id) const {
    for (int i = 0; i < GetProfileCount(); ++i) {
        if (entryId(i) == id) {
            return true;
        }
    }
    std::error_code ec;
    return std::filesystem::exists(ProfilePath(id), ec);
}

std::string ProfileLibrary::newId() const {
    // An identifier is the local time to the millisecond. When it names a profile already
    // (two profiles made within one millisecond, or a clock set back), the next
    // millisecond's identifier is taken instead, until one is free.
    for (std::int64_t ms = now_();; ++ms) {
        std::string id = timestampId(ms);
        if (!idInUse(id)) {
            return id;
        }
    }
}

void ProfileLibrary::writeProfileFile(const std::string& id, const std::string& name,
                                      Json::Value document) {
    asObject(document)[keys::kProfileName] = name;
    document[keys::kProfileId] = id;
    storage::WriteJsonFile(ProfilePath(id), document);
}

ProfileOutcome ProfileLibrary::addProfile(const std::string& name, Json::Value document) {
    const std::string id = newId();
    arrayMember(list_, kProfileList).append(listEntry(name, id));
    writeList();
    names_.push_back(name);
    writeProfileFile(id, name, std::move(document));
    return {true, {}, name, id};
}

void ProfileLibrary::InitList() {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    loadList();
    if (names_.empty()) {
        const std::string name = "Profile1";
        const std::string id = newId();
        Json::Value entries(Json::arrayValue);
        entries.append(listEntry(name, id));
        asObject(list_)[kProfileList] = entries;
        list_[kProfileSelect] = 0;
        writeList();
        names_.assign(1, name);
        writeProfileFile(id, name, storage::ReadJsonFile(defaultProfilePath_));
    }
    reloadSelection();
}

void ProfileLibrary::ReloadList() {
    loadList();
    reloadSelection();
}

void ProfileLibrary::reloadSelection() {
    int index = intMember(list_, kProfileSelect);
    if (index < 0 || index >= GetProfileCount()) {
        index = 0;
    }
    if (!SelectProfile(index)) {
        selected_ = -1;
        currentId_.clear();
    }
}

bool ProfileLibrary::SelectProfile(int index) {
    if (index < 0 || index >= GetProfileCount()) {
        return false;
    }
    list_ = storage::ReadJsonFile(ListPath());
    const Json::Value* entries = findArray(list_, kProfileList);
    if (entries == nullptr || findObjectAt(*entries, index) == nullptr) {
        return false;
    }
    selected_ = index;
    list_[kProfileSelect] = index;
    currentId_ = entryId(index);
    writeList();
    return true;
}

void ProfileLibrary::RefreshCurrentProfileId() {
    list_ = storage::ReadJsonFile(ListPath());
    currentId_ = entryId(intMember(list_, kProfileSelect));
}

ProfileOutcome ProfileLibrary::NewProfile() {
    loadList();
    if (GetProfileCount() >= kMaxProfiles) {
        return {false, kMessageTooManyProfiles, {}, {}};
    }
    return addProfile(NewProfileName(names_), storage::ReadJsonFile(defaultProfilePath_));
}

ProfileOutcome ProfileLibrary::CopyProfile() {
    loadList();
    if (GetProfileCount() >= kMaxProfiles || selected_ < 0) {
        return {};
    }
    const std::string sourceId = entryId(selected_);
    return addProfile(CopyProfileName(names_, names_[static_cast<std::size_t>(selected_)]),
                      storage::ReadJsonFile(ProfilePath(sourceId)));
}

int ProfileLibrary::RenameProfile(const std::string& name) {
    loadList();
    if (storage::IsBlankName(name)) {
        return kRenameNameBlank;
    }
    if (selected_ < 0 || IsNameUsed(names_, name, selected_)) {
        return kRenameNameUsed;
    }
    names_[static_cast<std::size_t>(selected_)] = name;
    objectAt(arrayMember(list_, kProfileList), selected_)[keys::kProfileName] = name;
    writeList();
    const std::string path = ProfilePath(entryId(selected_));
    Json::Value document = storage::ReadJsonFile(path);
    asObject(document)[keys::kProfileName] = name;
    storage::WriteJsonFile(path, document);
    return kRenameDone;
}

ProfileOutcome ProfileLibrary::DeleteProfile() {
    loadList();
    if (selected_ < 0 || GetProfileCount() <= 1) {
        return {};
    }
    const int removed = selected_;
    const int next = removed == 0 ? 0 : removed - 1;
    const std::string removedId = entryId(removed);
    const std::string removedName = names_[static_cast<std::size_t>(removed)];
    Json::Value dropped;
    arrayMember(list_, kProfileList).removeIndex(static_cast<Json::ArrayIndex>(removed), &dropped);
    list_[kProfileSelect] = next;
    writeList();
    // The profile file goes only once the list on disk no longer names it: a list that
    // could not be written keeps its profile and the profile keeps its file.
    if (storage::ReadJsonFile(ListPath()) != list_) {
        platform::debugPrintf("DeleteProfile: list not written, %s kept", removedId.c_str());
        loadList();
        return {};
    }
    names_.erase(names_.begin() + removed);
    bool shared = false;  // a hand-edited list may name one file twice
    for (int i = 0; i < GetProfileCount(); ++i) {
        shared = shared || entryId(i) == removedId;
    }
    if (!removedId.empty() && !shared) {
        std::error_code ec;
        std::filesystem::remove(ProfilePath(removedId), ec);
    }
    selected_ = next;
    currentId_ = entryId(next);
    return {true, {}, removedName, removedId};
}

ProfileOutcome ProfileLibrary::ImportProfile(const std::string& path) {
    loadList();
    Json::Value document = storage::ReadJsonFile(path);
    if (GetProfileCount() >= kMaxProfiles || !IsImportable(document)) {
        return {};
    }
    std::string base = storage::FileBaseName(path);
    if (storage::IsBlankName(base)) {
        base = "Profile";
    }
    return addProfile(ImportProfileName(names_, base), std::move(document));
}

bool ProfileLibrary::ExportProfile(const std::string& path) {
    if (selected_ < 0) {
        return false;
    }
    loadList();
    const Json::Value document = storage::ReadJsonFile(ProfilePath(entryId(selected_)));
    if (document.isNull()) {
        return false;
    }
    storage::WriteJsonFile(path, document);
    return true;
}

bool ProfileLibrary::ResetProfile() {
    loadList();
    if (selected_ < 0) {
        return false;
    }
    const std::string id = entryId(selected_);
    Json::Value document = storage::ReadJsonFile(defaultProfilePath_);
    if (deviceType_ == catalogue::DeviceType::Headset) {
        // The user's own equalisers survive the reset.
        const Json::Value current = deviceEntry(storage::ReadJsonFile(ProfilePath(id)), 0);
        for (const char* key : {keys::kCustomEqNames, keys::kCustomEqValues}) {
            if (const Json::Value* kept = findMember(current, key)) {
                objectAt(arrayMember(document, keys::kDevice), 0)[key] = *kept;
            }
        }
    }
    writeProfileFile(id, names_[static_cast<std::size_t>(selected_)], std::move(document));
    return true;
}

}  // namespace vorn::profiles

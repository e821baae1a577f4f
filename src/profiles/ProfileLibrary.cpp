#include "profiles/ProfileLibrary.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "platform/debug/DebugSink.h"
#include "platform/text/Text.h"
#include "profiles/BasicProfiledata.h"
#include "profiles/JsonFields.h"
#include "profiles/PlainName.h"
#include "profiles/ProfileFolderScan.h"
#include "profiles/ProfileKeys.h"
#include "profiles/ProfileNames.h"
#include "storage/DataFile.h"
#include "storage/FileNames.h"
#include "storage/FolderLock.h"
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
    const std::string name = PlainName(id);
    return name.empty() ? std::string() : folder_ + name + kProfileFileExtension;
}

bool ProfileLibrary::IsImportable(const Json::Value& document) {
    return findMember(document, keys::kProfileName) != nullptr &&
           findMember(document, keys::kProfileId) != nullptr;
}

void ProfileLibrary::fail(const char* what, const std::string& path, int error) {
    problem_ = std::string(what) + " " + path + ": " + std::strerror(error != 0 ? error : EIO) +
               ". Nothing was changed.";
    platform::debugPrintf("%s", problem_.c_str());
}

bool ProfileLibrary::loadList() {
    Json::Value document;
    int error = 0;
    if (!storage::ReadDocumentForUpdate(ListPath(), document, &error)) {
        listReadable_ = false;
        fail("The profile list could not be read:", ListPath(), error);
        useNamesInMemory();
        return false;
    }
    const Json::Value* profiles = findMember(document, kProfileList);
    if (profiles != nullptr && !profiles->isArray()) {
        // A list whose profiles are no array is damaged too: kept before it is rebuilt.
        if (!storage::KeepDamagedCopy(ListPath())) {
            listReadable_ = false;
            fail("The damaged profile list could not be kept:", ListPath(), errno);
            useNamesInMemory();
            return false;
        }
        document.removeMember(kProfileList);
    }
    listReadable_ = true;
    list_ = std::move(document);
    const bool changed = repairList();
    names_.clear();
    if (const Json::Value* entries = findArray(list_, kProfileList)) {
        for (const Json::Value& entry : *entries) {
            names_.push_back(textMember(entry, keys::kProfileName));
        }
    }
    if (selected_ >= GetProfileCount()) {
        selected_ = GetProfileCount() - 1;
    }
    if (changed) {
        writeList();
    }
    return true;
}

bool ProfileLibrary::repairList() {
    bool changed = false;
    Json::Value& entries = arrayMember(list_, kProfileList);
    if (entries.empty()) {
        entries = entriesInFolder();
        changed = !entries.empty();
        if (changed) {
            platform::debugPrintf("%s: rebuilt from %u profile files", ListPath().c_str(),
                                  entries.size());
        }
    }
    // Entries without an identifier would all share one file: each gets its own.
    std::vector<std::string> names;
    for (const Json::Value& entry : entries) {
        names.push_back(textMember(entry, keys::kProfileName));
    }
    for (Json::ArrayIndex i = 0; i < entries.size(); ++i) {
        if (!PlainName(textMember(entries[i], keys::kProfileId)).empty()) {
            continue;
        }
        std::string name = names[i];
        if (!entries[i].isObject() || storage::IsBlankName(name)) {
            name = NewProfileName(names);
            names[i] = name;
        }
        const std::string id = newId();
        if (!writeProfileFile(id, name, storage::ReadJsonFile(defaultProfilePath_))) {
            continue;
        }
        Json::Value repaired = entries[i].isObject() ? entries[i] : listEntry(name, id);
        repaired[keys::kProfileName] = name;
        repaired[keys::kProfileId] = id;
        entries[i] = repaired;
        changed = true;
    }
    return changed;
}

void ProfileLibrary::useNamesInMemory() {
    if (!names_.empty()) {
        return;  // the list as read before stays shown
    }
    Json::Value entries = entriesInFolder();
    if (entries.empty()) {
        entries.append(listEntry("Profile1", ""));  // factory settings, stored nowhere
    }
    list_ = Json::Value(Json::objectValue);
    list_[kProfileList] = entries;
    list_[kProfileSelect] = 0;
    for (const Json::Value& entry : entries) {
        names_.push_back(textMember(entry, keys::kProfileName));
    }
}

Json::Value ProfileLibrary::entriesInFolder() const {
    Json::Value entries(Json::arrayValue);
    for (const FoundProfile& profile : FindProfileFiles(folder_, kMaxProfiles)) {
        entries.append(listEntry(profile.name, profile.id));
    }
    return entries;
}

bool ProfileLibrary::writeList() {
    if (!storage::StoreJsonFile(ListPath(), list_)) {
        fail("The profile list could not be written:", ListPath(), errno);
        return false;
    }
    return true;
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
    // millisecond's identifier is taken instead, until one is free. Other processes make
    // their profiles under the same folder lock, so a file they made is seen here.
    for (std::int64_t ms = now_();; ++ms) {
        std::string id = timestampId(ms);
        if (!idInUse(id)) {
            return id;
        }
    }
}

bool ProfileLibrary::writeProfileFile(const std::string& id, const std::string& name,
                                      Json::Value document) {
    asObject(document)[keys::kProfileName] = name;
    document[keys::kProfileId] = id;
    if (!storage::StoreJsonFile(ProfilePath(id), document)) {
        fail("The profile could not be written:", ProfilePath(id), errno);
        return false;
    }
    return true;
}

ProfileOutcome ProfileLibrary::addProfile(const std::string& name, Json::Value document) {
    const std::string id = newId();
    if (!writeProfileFile(id, name, std::move(document))) {
        return {};
    }
    Json::Value& entries = arrayMember(list_, kProfileList);
    entries.append(listEntry(name, id));
    if (!writeList()) {
        Json::Value dropped;
        entries.removeIndex(entries.size() - 1, &dropped);
        std::error_code ec;
        std::filesystem::remove(ProfilePath(id), ec);
        return {};
    }
    names_.push_back(name);
    return {true, {}, name, id};
}

void ProfileLibrary::InitList() {
    problem_.clear();
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    storage::FolderLock lock(folder_);
    if (loadList() && names_.empty()) {
        const std::string name = "Profile1";
        const std::string id = newId();
        if (writeProfileFile(id, name, storage::ReadJsonFile(defaultProfilePath_))) {
            Json::Value entries(Json::arrayValue);
            entries.append(listEntry(name, id));
            asObject(list_)[kProfileList] = entries;
            list_[kProfileSelect] = 0;
            writeList();
            names_.assign(1, name);
        }
    }
    if (names_.empty()) {
        useNamesInMemory();  // a folder that takes no files still shows the factory profile
    }
    reloadSelection();
}

void ProfileLibrary::ReloadList() {
    problem_.clear();
    storage::FolderLock lock(folder_);
    loadList();
    reloadSelection();
}

void ProfileLibrary::reloadSelection() {
    int index = intMember(list_, kProfileSelect);
    if (index < 0 || index >= GetProfileCount()) {
        index = 0;
    }
    if (index < GetProfileCount()) {
        selectLoaded(index);
    } else {
        selected_ = -1;
        currentId_.clear();
    }
}

void ProfileLibrary::selectLoaded(int index) {
    selected_ = index;
    currentId_ = entryId(index);
    const Json::Value* stored = findMember(list_, kProfileSelect);
    if (stored != nullptr && stored->isInt() && stored->asInt() == index) {
        return;  // already stored
    }
    list_[kProfileSelect] = index;
    if (listReadable_) {
        writeList();
    }
}

bool ProfileLibrary::SelectProfile(int index) {
    problem_.clear();
    storage::FolderLock lock(folder_);
    loadList();
    if (index < 0 || index >= GetProfileCount()) {
        return false;
    }
    selectLoaded(index);
    return true;
}

void ProfileLibrary::RefreshCurrentProfileId() {
    problem_.clear();
    storage::FolderLock lock(folder_);
    const storage::Document document = storage::ReadDocument(ListPath());
    if (document.state == storage::DocumentState::Read) {
        list_ = document.value;
        currentId_ = entryId(intMember(list_, kProfileSelect));
    }
}

ProfileOutcome ProfileLibrary::NewProfile() {
    problem_.clear();
    storage::FolderLock lock(folder_);
    if (!loadList()) {
        return {};
    }
    if (GetProfileCount() >= kMaxProfiles) {
        return {false, kMessageTooManyProfiles, {}, {}};
    }
    return addProfile(NewProfileName(names_), storage::ReadJsonFile(defaultProfilePath_));
}

ProfileOutcome ProfileLibrary::CopyProfile() {
    problem_.clear();
    storage::FolderLock lock(folder_);
    if (!loadList() || GetProfileCount() >= kMaxProfiles || selected_ < 0) {
        return {};
    }
    const std::string sourcePath = ProfilePath(entryId(selected_));
    const storage::Document source = storage::ReadDocument(sourcePath);
    if (source.state == storage::DocumentState::Unreadable) {
        fail("The profile could not be read:", sourcePath, source.error);
        return {};
    }
    return addProfile(CopyProfileName(names_, names_[static_cast<std::size_t>(selected_)]),
                      source.value);
}

int ProfileLibrary::RenameProfile(const std::string& name) {
    problem_.clear();
    storage::FolderLock lock(folder_);
    if (!loadList()) {
        return kRenameNotStored;
    }
    if (storage::IsBlankName(name)) {
        return kRenameNameBlank;
    }
    if (platform::hasControlCharacter(name)) {
        return kRenameNameInvalid;
    }
    if (selected_ < 0 || IsNameUsed(names_, name, selected_)) {
        return kRenameNameUsed;
    }
    // The profile file is read before anything changes, so that one which cannot be read
    // stops the rename instead of being replaced.
    const std::string path = ProfilePath(entryId(selected_));
    Json::Value document;
    int error = 0;
    if (!path.empty() && !storage::ReadDocumentForUpdate(path, document, &error)) {
        fail("The profile could not be read:", path, error);
        return kRenameNotStored;
    }
    Json::Value& entry = objectAt(arrayMember(list_, kProfileList), selected_);
    const Json::Value before = entry[keys::kProfileName];
    entry[keys::kProfileName] = name;
    if (!writeList()) {
        entry[keys::kProfileName] = before;
        return kRenameNotStored;
    }
    if (!path.empty()) {
        asObject(document)[keys::kProfileName] = name;
        if (!storage::StoreJsonFile(path, document)) {
            const int cause = errno;
            entry[keys::kProfileName] = before;  // the list goes back to the old name
            writeList();
            fail("The profile could not be written:", path, cause);
            return kRenameNotStored;
        }
    }
    names_[static_cast<std::size_t>(selected_)] = name;
    return kRenameDone;
}

ProfileOutcome ProfileLibrary::DeleteProfile() {
    problem_.clear();
    storage::FolderLock lock(folder_);
    if (!loadList() || selected_ < 0 || GetProfileCount() <= 1) {
        return {};
    }
    const int removed = selected_;
    const int next = removed == 0 ? 0 : removed - 1;
    const std::string removedId = entryId(removed);
    const std::string removedName = names_[static_cast<std::size_t>(removed)];
    const Json::Value before = list_;
    Json::Value dropped;
    arrayMember(list_, kProfileList).removeIndex(static_cast<Json::ArrayIndex>(removed), &dropped);
    list_[kProfileSelect] = next;
    // The profile file goes only once the list on disk no longer names it: a list that
    // could not be written keeps its profile and the profile keeps its file.
    if (!writeList()) {
        list_ = before;
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
    problem_.clear();
    storage::FolderLock lock(folder_);
    if (!loadList()) {
        return {};
    }
    Json::Value document = storage::ReadJsonFile(path);
    if (GetProfileCount() >= kMaxProfiles || !IsImportable(document)) {
        return {};
    }
    std::string base = storage::FileBaseName(path);
    if (platform::hasControlCharacter(base)) {
        return {};
    }
    if (storage::IsBlankName(base)) {
        base = "Profile";
    }
    return addProfile(ImportProfileName(names_, base), std::move(document));
}

bool ProfileLibrary::ExportProfile(const std::string& path) {
    problem_.clear();
    if (selected_ < 0) {
        return false;
    }
    storage::FolderLock lock(folder_);
    loadList();
    const std::string source = ProfilePath(entryId(selected_));
    const storage::Document document = storage::ReadDocument(source);
    if (document.state != storage::DocumentState::Read) {
        if (document.state == storage::DocumentState::Unreadable) {
            fail("The profile could not be read:", source, document.error);
        }
        return false;
    }
    if (!storage::StoreJsonFile(path, document.value)) {
        fail("The export could not be written:", path, errno);
        return false;
    }
    return true;
}

bool ProfileLibrary::ResetProfile() {
    problem_.clear();
    storage::FolderLock lock(folder_);
    if (!loadList() || selected_ < 0) {
        return false;
    }
    const std::string id = entryId(selected_);
    // The current file is read first: one that cannot be read is left alone.
    Json::Value current;
    int error = 0;
    if (!storage::ReadDocumentForUpdate(ProfilePath(id), current, &error)) {
        fail("The profile could not be read:", ProfilePath(id), error);
        return false;
    }
    Json::Value document = storage::ReadJsonFile(defaultProfilePath_);
    if (deviceType_ == catalogue::DeviceType::Headset) {
        // The user's own equalisers survive the reset.
        const Json::Value entry = deviceEntry(current, 0);
        for (const char* key : {keys::kCustomEqNames, keys::kCustomEqValues}) {
            if (const Json::Value* kept = findMember(entry, key)) {
                objectAt(arrayMember(document, keys::kDevice), 0)[key] = *kept;
            }
        }
    }
    return writeProfileFile(id, names_[static_cast<std::size_t>(selected_)], std::move(document));
}

}  // namespace vorn::profiles

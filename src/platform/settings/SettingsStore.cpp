#include "platform/settings/SettingsStore.h"

#include <json/json.h>

#include <filesystem>
#include <memory>
#include <mutex>

#include "platform/debug/DebugSink.h"
#include "platform/files/WholeFile.h"
#include "platform/paths/Paths.h"
#include "platform/text/Text.h"

namespace vorn::platform {
namespace {

// Settings are a few short values; anything larger is not a file of ours.
constexpr std::size_t kMaxFileBytes = 1 << 20;

// Serialises read-modify-write cycles of this process.
std::mutex gWriteMutex;

// The file's JSON object; an empty object when the file is missing or unreadable.
Json::Value readDocument(const std::string& path) {
    std::string bytes;
    if (!readWholeFile(path, bytes, nullptr, kMaxFileBytes)) {
        return Json::Value(Json::objectValue);
    }

    Json::CharReaderBuilder builder;
    Json::CharReaderBuilder::strictMode(&builder.settings_);
    std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
    Json::Value root;
    std::string errors;
    if (!reader->parse(bytes.data(), bytes.data() + bytes.size(), &root, &errors) ||
        !root.isObject()) {
        debugPrintf("settings file %s unreadable, using defaults", path.c_str());
        return Json::Value(Json::objectValue);
    }
    return root;
}

// Creates the folder and replaces the file whole (old or new content, never a mix).
bool replaceFileWhole(const std::string& path, const std::string& bytes) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        debugPrintf("unable to create folder %s: %s", folder.c_str(), ec.message().c_str());
        return false;
    }
    return writeFileAtomically(path, bytes);
}

bool writeValue(const std::string& path, std::string_view name, const Json::Value& value) {
    std::lock_guard lock(gWriteMutex);
    Json::Value root = readDocument(path);
    root[std::string(name)] = value;
    Json::StreamWriterBuilder writer;
    writer["indentation"] = "    ";
    writer["emitUTF8"] = true;
    return replaceFileWhole(path, Json::writeString(writer, root) + "\n");
}

}  // namespace

SettingsStore::SettingsStore() : filePath_(defaultFilePath()) {}

SettingsStore::SettingsStore(std::string filePath) : filePath_(std::move(filePath)) {}

std::string SettingsStore::defaultFilePath() {
    return configFolder() + std::string(kUserFolderName) + "/" + std::string(kSettingsFileName);
}

std::int64_t SettingsStore::readInt(std::string_view name, std::int64_t fallback) const {
    Json::Value root = readDocument(filePath_);
    const Json::Value* value = root.find(name.data(), name.data() + name.size());
    if (value == nullptr || !value->isIntegral() || !value->isInt64()) {
        return fallback;
    }
    return value->asInt64();
}

std::string SettingsStore::readString(std::string_view name, std::string_view fallback) const {
    Json::Value root = readDocument(filePath_);
    const Json::Value* value = root.find(name.data(), name.data() + name.size());
    if (value == nullptr || !value->isString()) {
        return std::string(fallback);
    }
    return value->asString();
}

bool SettingsStore::writeInt(std::string_view name, std::int64_t value) {
    return writeValue(filePath_, name, Json::Value(static_cast<Json::Int64>(value)));
}

bool SettingsStore::writeString(std::string_view name, std::string_view value) {
    return writeValue(filePath_, name, Json::Value(std::string(value)));
}

}  // namespace vorn::platform

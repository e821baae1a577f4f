#include "platform/settings/SettingsStore.h"

#include <fcntl.h>
#include <json/json.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <sstream>

#include "platform/debug/DebugSink.h"
#include "platform/paths/Paths.h"
#include "platform/text/Text.h"

namespace vorn::platform {
namespace {

// Settings are a few short values; anything larger is not a file of ours.
constexpr std::uintmax_t kMaxFileBytes = 1 << 20;

// Serialises read-modify-write cycles of this process.
std::mutex gWriteMutex;

// The file's JSON object; an empty object when the file is missing or unreadable.
Json::Value readDocument(const std::string& path) {
    std::error_code ec;
    std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec || size > kMaxFileBytes) {
        return Json::Value(Json::objectValue);
    }
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string bytes = text.str();

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

bool writeAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Replaces the file at path by bytes so that the path holds either the old or the new
// content whole at every moment, even across a crash or a full disk.
bool replaceFileWhole(const std::string& path, const std::string& bytes) {
    std::filesystem::path target(path);
    std::filesystem::path folder = target.parent_path();
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        debugPrintf("unable to create folder %s: %s", folder.c_str(), ec.message().c_str());
        return false;
    }
    std::string temp = (folder / formatText(".%s.XXXXXX", target.filename().c_str())).string();
    int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) {
        debugPrintf("unable to create a temporary file beside %s: %s", path.c_str(),
                    std::strerror(errno));
        return false;
    }
    ::fchmod(fd, 0644);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int savedErrno = errno;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) != 0) {
        savedErrno = errno;
        ok = false;
    }
    if (!ok) {
        debugPrintf("unable to write %s: %s", path.c_str(), std::strerror(savedErrno));
        ::unlink(temp.c_str());
        return false;
    }
    // Makes the rename itself durable.
    int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
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

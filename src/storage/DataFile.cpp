#include "storage/DataFile.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <string_view>

#include "platform/debug/DebugSink.h"
#include "platform/files/WholeFile.h"
#include "storage/FolderLock.h"
#include "storage/StyledJson.h"

namespace vorn::storage {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// Temporary files this old cannot belong to a write still under way.
constexpr long kStaleTemporarySeconds = 60;

// Reads the file's bytes; false for a failure other than a missing file.
bool readText(const std::string& path, std::string& text, int& error) {
    platform::readWholeFile(path, text, &error);
    if (error != 0 && error != ENOENT) {
        platform::debugPrintf("%s: not read: %s", path.c_str(), std::strerror(error));
        return false;
    }
    // Callers take the text as a zero-terminated string: it ends at the first zero byte.
    text.resize(std::strlen(text.c_str()));
    return true;
}

bool parseJson(std::string_view text, Json::Value& document) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    try {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        Json::Reader reader;  // comments allowed, no strict root
#pragma GCC diagnostic pop
        return reader.parse(text.data(), text.data() + text.size(), document);
    } catch (const std::exception&) {
        // The parser throws on documents nested too deeply; such a file is broken too.
        return false;
    }
}

bool finishWrite(const std::string& path, std::string_view bytes, const char* what) {
    if (!platform::writeFileAtomically(path, bytes)) {
        const int error = errno;
        platform::debugPrintf("%s: %s not written: %s", what, path.c_str(), std::strerror(error));
        errno = error;  // callers report the cause
        return false;
    }
    platform::removeStaleTemporaries(FolderOfFile(path), kStaleTemporarySeconds);
    return true;
}

}  // namespace

std::string ReadFileText(const std::string& path) {
    std::string text;
    int error = 0;
    readText(path, text, error);
    return text;
}

Document ReadDocument(const std::string& path) {
    Document document;
    std::string text;
    if (!readText(path, text, document.error)) {
        document.state = DocumentState::Unreadable;
        return document;
    }
    if (text.empty()) {
        document.state = DocumentState::Absent;
        return document;
    }
    if (!parseJson(text, document.value)) {
        platform::debugPrintf("%s: does not parse as JSON", path.c_str());
        document.value = Json::Value();
        document.state = DocumentState::Damaged;
        return document;
    }
    document.state = DocumentState::Read;
    return document;
}

Json::Value ReadJsonFile(const std::string& path) {
    return ReadDocument(path).value;
}

std::string DamagedCopyPath(const std::string& path) {
    return path + ".damaged";
}

bool ReadDocumentForUpdate(const std::string& path, Json::Value& out, int* error) {
    Document document = ReadDocument(path);
    out = Json::Value();
    if (error != nullptr) {
        *error = document.error;
    }
    switch (document.state) {
        case DocumentState::Unreadable:
            return false;
        case DocumentState::Absent:
            return true;
        case DocumentState::Read:
            if (document.value.isObject()) {
                out = std::move(document.value);
                return true;
            }
            break;
        case DocumentState::Damaged:
            break;
    }
    if (!KeepDamagedCopy(path)) {
        // Without a copy the file is not repaired: nothing may be lost.
        if (error != nullptr) {
            *error = errno != 0 ? errno : EIO;
        }
        return false;
    }
    return true;
}

bool KeepDamagedCopy(const std::string& path) {
    // The damaged bytes are kept whole, zero bytes included.
    std::string bytes;
    errno = 0;
    if (!platform::readWholeFile(path, bytes) ||
        !finishWrite(DamagedCopyPath(path), bytes, "damaged copy")) {
        return false;
    }
    platform::debugPrintf("%s: kept as %s before repair", path.c_str(),
                          DamagedCopyPath(path).c_str());
    return true;
}

bool StoreJsonFile(const std::string& path, const Json::Value& value) {
    std::string text = StyledJsonText(value);
    text.push_back('\n');
    return finishWrite(path, text, "WriteJsonFile");
}

int WriteJsonFile(const std::string& path, const Json::Value& value) {
    StoreJsonFile(path, value);
    return 0;
}

bool CopyFileByChars(const std::string& source, const std::string& target) {
    std::string bytes;
    int error = 0;
    if (!platform::readWholeFile(source, bytes, &error) && error != ENOENT) {
        platform::debugPrintf("CopyFileByChars: %s not read: %s", source.c_str(),
                              std::strerror(error));
        return false;
    }
    return finishWrite(target, bytes, "CopyFileByChars");
}

}  // namespace vorn::storage

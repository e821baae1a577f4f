#include "storage/DataFile.h"

#include <cerrno>
#include <cstring>
#include <exception>

#include "platform/debug/DebugSink.h"
#include "platform/files/WholeFile.h"
#include "storage/StyledJson.h"

namespace vorn::storage {

std::string ReadFileText(const std::string& path) {
    std::string bytes;
    int error = 0;
    platform::readWholeFile(path, bytes, &error);
    platform::debugPrintf("readjsonFile 错误吗：：%d\n", error);
    // Callers take the text as a zero-terminated string: it ends at the first zero byte.
    bytes.resize(std::strlen(bytes.c_str()));
    return bytes;
}

Json::Value ReadJsonFile(const std::string& path) {
    std::string text = ReadFileText(path);
    if (text.empty()) {
        platform::debugLine(path);
        return Json::Value();
    }
    Json::Value document;
    try {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        Json::Reader reader;  // comments allowed, no strict root
#pragma GCC diagnostic pop
        if (!reader.parse(text, document)) {
            return Json::Value();
        }
    } catch (const std::exception&) {
        // The parser throws on documents nested too deeply; such a file is broken too.
        return Json::Value();
    }
    return document;
}

int WriteJsonFile(const std::string& path, const Json::Value& value) {
    std::string text = StyledJsonText(value);
    text.push_back('\n');
    if (!platform::writeFileAtomically(path, text)) {
        platform::debugPrintf("WriteJsonFile: %s not written (errno %d)", path.c_str(), errno);
    }
    return 0;
}

void CopyFileByChars(const std::string& source, const std::string& target) {
    std::string bytes;
    platform::readWholeFile(source, bytes);
    if (!platform::writeFileAtomically(target, bytes)) {
        platform::debugPrintf("CopyFileByChars: %s not written (errno %d)", target.c_str(), errno);
    }
}

}  // namespace vorn::storage

#include "storage/FileNames.h"

#include "platform/text/Text.h"

namespace vorn::storage {

std::string FileBaseName(std::string_view path) {
    std::size_t cut = path.find_last_of("/\\");
    if (cut != std::string_view::npos) {
        path.remove_prefix(cut + 1);
    } else if (path.size() >= 2 && path[1] == ':' &&
               ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'))) {
        // "C:name.ext"
        path.remove_prefix(2);
    }
    std::size_t dot = path.rfind('.');
    if (dot != std::string_view::npos) {
        path = path.substr(0, dot);
    }
    return std::string(path);
}

std::wstring FileBaseName(std::wstring_view path) {
    return platform::utf8ToWide(FileBaseName(platform::wideToUtf8(path)));
}

bool IsBlankName(std::string_view name) {
    return platform::trimSpace(name).empty();
}

bool IsBlankName(std::wstring_view name) {
    return IsBlankName(platform::wideToUtf8(name));
}

}  // namespace vorn::storage

#include "platform/hid/HidPath.h"

#include <cctype>

namespace vorn::platform::hid {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

size_t findIgnoringCase(std::string_view text, std::string_view marker) {
    if (marker.empty() || marker.size() > text.size()) {
        return std::string_view::npos;
    }
    for (size_t i = 0; i + marker.size() <= text.size(); ++i) {
        size_t j = 0;
        while (j < marker.size() && lower(text[i + j]) == lower(marker[j])) {
            ++j;
        }
        if (j == marker.size()) {
            return i;
        }
    }
    return std::string_view::npos;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    c = lower(c);
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

}  // namespace

uint32_t hexNumberAfter(std::string_view path, std::string_view marker) {
    const size_t at = findIgnoringCase(path, marker);
    if (at == std::string_view::npos) {
        return 0;
    }
    std::string_view s = path.substr(at + marker.size());
    size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) {
        ++i;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    if (i + 2 < s.size() && s[i] == '0' && lower(s[i + 1]) == 'x' && hexDigit(s[i + 2]) >= 0) {
        i += 2;
    }
    uint32_t value = 0;
    for (; i < s.size() && hexDigit(s[i]) >= 0; ++i) {
        value = value * 16 + static_cast<uint32_t>(hexDigit(s[i]));
    }
    return negative ? 0U - value : value;
}

}  // namespace vorn::platform::hid

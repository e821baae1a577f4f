#include "ui/framework/core/UiTypes.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/text/Text.h"

namespace vorn::ui {

UiRect UiRect::intersected(const UiRect& o) const {
    UiRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
             std::min(bottom, o.bottom)};
    if (r.isEmpty()) {
        return {};
    }
    return r;
}

int parseInt(std::string_view text, int fallback) {
    std::string s = platform::trimSpace(text);
    if (s.empty()) {
        return fallback;
    }
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 0);
    if (end == s.c_str()) {
        return fallback;
    }
    if (v > INT32_MAX) {
        v = INT32_MAX;
    }
    if (v < INT32_MIN) {
        v = INT32_MIN;
    }
    return static_cast<int>(v);
}

std::vector<int> parseIntList(std::string_view text) {
    std::vector<int> out;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string_view::npos) {
            comma = text.size();
        }
        out.push_back(parseInt(text.substr(start, comma - start), 0));
        start = comma + 1;
    }
    return out;
}

UiRect parseRect(std::string_view text) {
    std::vector<int> v = parseIntList(text);
    v.resize(4, 0);
    return {v[0], v[1], v[2], v[3]};
}

UiSize parseSize(std::string_view text) {
    std::vector<int> v = parseIntList(text);
    v.resize(2, 0);
    return {v[0], v[1]};
}

UiPoint parsePoint(std::string_view text) {
    UiSize s = parseSize(text);
    return {s.cx, s.cy};
}

bool parseBool(std::string_view text) {
    std::string s = platform::trimSpace(text);
    return platform::equalsIgnoreCase(s, "true") || s == "1";
}

UiColor parseColor(std::string_view text) {
    std::string s = platform::trimSpace(text);
    int base = 10;
    bool shortForm = false;
    if (!s.empty() && s[0] == '#') {
        s.erase(0, 1);
        base = 16;
        shortForm = s.size() == 6;
    } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        s.erase(0, 2);
        base = 16;
    }
    if (s.empty()) {
        return 0;
    }
    for (char c : s) {
        bool ok = base == 16 ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                             : std::isdigit(static_cast<unsigned char>(c)) != 0;
        if (!ok) {
            return 0;
        }
    }
    UiColor v = static_cast<UiColor>(std::strtoul(s.c_str(), nullptr, base));
    if (shortForm) {
        v |= 0xFF000000u;
    }
    return v;
}

std::string formatColor(UiColor color) {
    return platform::formatText("#%08X", color);
}

std::vector<std::pair<std::string, std::string>> parseAttributeList(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> out;
    size_t i = 0;
    auto skipSpace = [&] {
        while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
    };
    while (true) {
        skipSpace();
        size_t nameStart = i;
        while (i < text.size() && text[i] != '=' &&
               !std::isspace(static_cast<unsigned char>(text[i]))) {
            ++i;
        }
        if (i == nameStart) {
            break;
        }
        std::string name(text.substr(nameStart, i - nameStart));
        skipSpace();
        if (i >= text.size() || text[i] != '=') {
            break;
        }
        ++i;
        skipSpace();
        if (i >= text.size() || (text[i] != '"' && text[i] != '\'')) {
            break;
        }
        char quote = text[i++];
        size_t valueStart = i;
        while (i < text.size() && text[i] != quote) {
            ++i;
        }
        out.emplace_back(std::move(name), std::string(text.substr(valueStart, i - valueStart)));
        if (i < text.size()) {
            ++i;
        }
    }
    return out;
}

}  // namespace vorn::ui
